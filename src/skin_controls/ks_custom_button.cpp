#include "skin_controls/ks_custom_button.h"

#include "framework/core/range_check.h"
#include "framework/core/store_if_changed.h"
#include "framework/widgets/button.h"
#include "skin_controls/ks_button_glyphs.h"

#include <algorithm>

namespace brisat {

namespace {

struct TKindInfo {
    const char* Caption;
    TModalResult Result;
};

// By kind, bkOK first.
constexpr TKindInfo kKinds[] = {{"OK", mrOk},        {"Cancel", mrCancel}, {"&Help", mrNone},
                                {"&Yes", mrYes},     {"&No", mrNo},        {"&Close", mrNone},
                                {"Abort", mrAbort},  {"&Retry", mrRetry},  {"&Ignore", mrIgnore},
                                {"&All", mrAll}};

} // namespace

TKsCustomButton::TKsCustomButton(TComponent* owner) : TKsCustomControl(owner) {
    ControlStyle() = TControlStyle{TControlStyleKind::csCaptureMouse,
                                   TControlStyleKind::csSetCaption,
                                   TControlStyleKind::csDoubleClicks};
    SetTabStop(true);
    // The face colour as the system has it now, a fixed colour from then on.
    InitColor(TColor(ColorToRGB(clBtnFace)));
    SetTransparent(true);
    SetBounds(Left(), Top(), 75, 25);
}

// --- Properties ------------------------------------------------------------------------------

bool TKsCustomButton::Active() const {
    const TCustomForm* form = ParentForm();
    const TWinControl* focused = form ? form->ActiveControl() : nullptr;
    if (dynamic_cast<const TKsCustomButton*>(focused) || dynamic_cast<const TButton*>(focused))
        return false;
    return m_default;
}

void TKsCustomButton::SetDefault(bool value) {
    if (!StoreIfChanged(m_default, value)) return;
    InvalidateDefaultButtons();
    Invalidate();
}

void TKsCustomButton::SetCancel(bool value) {
    if (value == m_cancel) return;
    m_modalResult = mrCancel;
    m_cancel = value;
}

void TKsCustomButton::SetGlyph(const TBitmap& glyph) {
    m_glyph.Assign(glyph);
    GlyphChanged();
}

void TKsCustomButton::GlyphChanged() {
    const int32_t w = m_glyph.Width(), h = m_glyph.Height();
    if (h != 0 && w >= h && w % h == 0) m_numGlyphs = w / h < 5 ? w / h : 1;
    Invalidate();
}

void TKsCustomButton::SetNumGlyphs(int32_t value) {
    CheckRange("NumGlyphs", value, 1, 4);
    if (StoreIfChanged(m_numGlyphs, value)) Invalidate();
}

void TKsCustomButton::SetLayout(TButtonLayout value) {
    if (StoreIfChanged(m_layout, value)) Invalidate();
}

void TKsCustomButton::SetSpacing(int32_t value) {
    if (StoreIfChanged(m_spacing, value)) Invalidate();
}

void TKsCustomButton::SetBlackAndWhiteGlyph(bool value) {
    if (StoreIfChanged(m_blackAndWhiteGlyph, value)) Invalidate();
}

void TKsCustomButton::SetKind(TBitBtnKind value) {
    if (!StoreIfChanged(m_kind, value) || value == TBitBtnKind::bkCustom) return;
    const TKindInfo& info = kKinds[size_t(value) - 1];
    SetDefault(value == TBitBtnKind::bkOK || value == TBitBtnKind::bkYes);
    const bool loading = ComponentState().Contains(TComponentStateFlag::csLoading);
    if (!loading || Caption().empty()) SetCaption(info.Caption);
    m_modalResult = info.Result;
    SetGlyph(KindGlyph(value));
    m_numGlyphs = 2;
}

// --- Geometry --------------------------------------------------------------------------------

TSize TKsCustomButton::GlyphCell() const {
    if (m_glyph.Empty()) return {0, 0};
    return {m_glyph.Width() / m_numGlyphs, m_glyph.Height()};
}

TRect TKsCustomButton::GetContentRect() {
    TKsBitmap& buffer = Buffer();
    TRect r{0, 0, buffer.TextWidth(Caption()), buffer.TextHeight(Caption())};
    const TSize cell = GlyphCell();
    if (cell.cx > 0 && cell.cy > 0) {
        if (m_layout == TButtonLayout::blGlyphLeft || m_layout == TButtonLayout::blGlyphRight)
            r.Right += cell.cx + m_spacing;
        else
            r.Bottom += cell.cy + m_spacing;
        r.Right = std::max(r.Right, cell.cx);
        r.Bottom = std::max(r.Bottom, cell.cy);
    }
    r = OffsetRect(r, (CachedWidth() - r.Right) / 2, (CachedHeight() - r.Bottom) / 2);
    return m_pressed ? OffsetRect(r, 1, 1) : r;
}

// Without a glyph the whole content is caption.
TRect TKsCustomButton::GetCaptionRect() {
    TRect r = GetContentRect();
    const TSize cell = GlyphCell();
    if (cell.cx <= 0 || cell.cy <= 0) return r;
    switch (m_layout) {
    case TButtonLayout::blGlyphLeft: r.Left += cell.cx + m_spacing; break;
    case TButtonLayout::blGlyphRight: r.Right -= cell.cx + m_spacing; break;
    case TButtonLayout::blGlyphTop: r.Top += cell.cy + m_spacing; break;
    case TButtonLayout::blGlyphBottom: r.Bottom -= cell.cy + m_spacing; break;
    }
    return r;
}

TRect TKsCustomButton::GetGlyphRect() {
    TRect r = GetContentRect();
    const TSize cell = GlyphCell();
    switch (m_layout) {
    case TButtonLayout::blGlyphLeft: r.Right = r.Left + cell.cx + m_spacing; break;
    case TButtonLayout::blGlyphRight: r.Left = r.Right - cell.cx - m_spacing; break;
    case TButtonLayout::blGlyphTop: r.Bottom = r.Top + cell.cy + m_spacing; break;
    case TButtonLayout::blGlyphBottom: r.Top = r.Bottom - cell.cy - m_spacing; break;
    }
    return r;
}

// --- Drawing ---------------------------------------------------------------------------------

void TKsCustomButton::PaintBuffer() {
    TKsCustomControl::PaintBuffer();
    PaintFace();
    PaintCaption();
    PaintGlyph();
}

void TKsCustomButton::PaintFace() {
    TKsBitmap& buffer = Buffer();
    const TKsPixel black = 0xFF000000, face = ColorToPixel(Color(), 255);
    const TKsPixel shadow = ColorToPixel(clBtnShadow, 255);
    TRect r = GetPaintRect();
    if (Focused() || Active()) {
        buffer.FrameRect(r, black);
        r = InflateRect(r, -1, -1);
    }
    buffer.FillRect(r, face);
    if (m_pressed) {
        buffer.FrameRect(r, shadow);
    } else {
        buffer.BevelRect(r, ColorToPixel(clBtnHighlight, 255), black);
        buffer.BevelRect(InflateRect(r, -1, -1), face, shadow);
    }
    if (Focused()) buffer.DrawFocusRect(InflateRect(GetPaintRect(), -4, -4), shadow);
}

void TKsCustomButton::DrawCaptionText(TColor color, TPoint offset) {
    TKsBitmap& buffer = Buffer();
    buffer.Font().SetColor(color);
    const TRect r = GetCaptionRect();
    const int32_t height = buffer.TextHeight(Caption());
    const int32_t top = r.Top + (r.Height() - height) / 2 + offset.Y;
    buffer.DrawText(Caption(), {r.Left + offset.X, top, r.Right + offset.X, top + height},
                    DT_CENTER | DT_SINGLELINE);
}

void TKsCustomButton::PaintCaption() {
    if (Enabled()) return DrawCaptionText(Buffer().Font().Color());
    DrawCaptionText(clBtnHighlight, {1, 1});
    DrawCaptionText(clBtnShadow);
}

namespace {

// Twice the HSL lightness in channel units: max + min of the three channels.
int32_t LightnessSum(uint32_t p) {
    const int32_t r = p >> 16 & 0xFF, g = p >> 8 & 0xFF, b = p & 0xFF;
    return std::max({r, g, b}) + std::min({r, g, b});
}

TKsPixel Grey(int32_t v) {
    return 0xFF000000u | uint32_t(v) << 16 | uint32_t(v) << 8 | uint32_t(v);
}

} // namespace

void TKsCustomButton::PaintGlyph() {
    const TSize cell = GlyphCell();
    if (cell.cx <= 0 || cell.cy <= 0) return;
    TKsBitmap& buffer = Buffer();
    const TRect gr = GetGlyphRect();
    const int32_t dx = gr.Left + (gr.Width() - cell.cx) / 2;
    const int32_t dy = gr.Top + (gr.Height() - cell.cy) / 2;
    const int32_t sx = !Enabled() && m_numGlyphs >= 2 ? cell.cx : 0;
    const TSurface& glyph = m_glyph.Surface();
    const uint32_t transparent = glyph.Row(cell.cy - 1)[0] & 0xFFFFFF;
    const bool grey = m_blackAndWhiteGlyph && !MouseInControl();
    const bool disabled = !Enabled();
    // Only the part of the cell that lies inside the buffer.
    const int32_t x0 = std::max(0, -dx), x1 = std::min(cell.cx, buffer.Width() - dx);
    const int32_t y0 = std::max(0, -dy), y1 = std::min(cell.cy, buffer.Height() - dy);
    for (int32_t y = y0; y < y1; ++y) {
        const uint32_t* src = glyph.Row(y) + sx;
        TKsPixel* dst = buffer.Row(dy + y) + dx;
        for (int32_t x = x0; x < x1; ++x) {
            uint32_t p = src[x] | 0xFF000000u;
            if ((p & 0xFFFFFF) == transparent) continue;
            if (grey) p = Grey((LightnessSum(p) + 1) / 2);
            if (disabled) p = Grey((100 * LightnessSum(p) + 510) / 1020 + 160);
            dst[x] = p;
        }
    }
}

// --- Keyboard and mouse ----------------------------------------------------------------------

void TKsCustomButton::SetPressed(bool value) {
    if (StoreIfChanged(m_pressed, value)) Invalidate();
}

void TKsCustomButton::Click() {
    if (TCustomForm* form = ParentForm()) form->SetModalResult(m_modalResult);
    TKsCustomControl::Click();
}

void TKsCustomButton::MouseDown(TMouseButton button, TShiftState shift, int32_t x, int32_t y) {
    if (button == TMouseButton::mbLeft && Enabled()) {
        if (CanFocus()) SetFocus();
        SetPressed(true);
        m_tracking = true;
    }
    TKsCustomControl::MouseDown(button, shift, x, y);
}

void TKsCustomButton::MouseMove(TShiftState shift, int32_t x, int32_t y) {
    if (m_tracking) SetPressed(PtInRect(ClientRect(), {x, y}));
    TKsCustomControl::MouseMove(shift, x, y);
}

void TKsCustomButton::MouseUp(TMouseButton button, TShiftState shift, int32_t x, int32_t y) {
    TKsCustomControl::MouseUp(button, shift, x, y);
    if (!m_tracking) return;
    m_tracking = false;
    SetPressed(false);
    if (PtInRect({0, 0, CachedWidth(), CachedHeight()}, {x, y})) Click();
    Invalidate();
}

void TKsCustomButton::KeyDown(uint16_t& key, TShiftState shift) {
    TKsCustomControl::KeyDown(key, shift);
    if (key == VK_SPACE && !shift.Contains(TShiftStateKind::ssAlt)) SetPressed(true);
}

void TKsCustomButton::KeyUp(uint16_t& key, TShiftState shift) {
    TKsCustomControl::KeyUp(key, shift);
    if (key != VK_SPACE) return;
    SetPressed(false);
    key = 0;
    Click();
}

bool TKsCustomButton::DialogKey(const TMessage& message) {
    const TShiftState shift = KeyboardShiftState();
    if (shift.Contains(TShiftStateKind::ssShift) || shift.Contains(TShiftStateKind::ssCtrl) ||
        shift.Contains(TShiftStateKind::ssAlt) || !CanFocus())
        return false;
    return (message.WParam == VK_RETURN && (Active() || Focused())) ||
           (message.WParam == VK_ESCAPE && m_modalResult == mrCancel);
}

void TKsCustomButton::WndProc(TMessage& message) {
    switch (message.Msg) {
    case CM_DIALOGKEY:
        if (!DialogKey(message)) break;
        Click();
        message.Result = 1;
        return;
    case CM_DIALOGCHAR:
        if (!IsAccel(char32_t(message.WParam), Caption()) || !CanFocus()) break;
        SetFocus();
        Click();
        message.Result = 1;
        return;
    default:
        break;
    }
    TKsCustomControl::WndProc(message);
}

// Which button wears the default frame follows the focus.
void TKsCustomButton::InvalidateDefaultButtons() {
    TCustomForm* form = ParentForm();
    if (!form) return;
    for (int i = 0; i < form->ComponentCount(); ++i)
        if (auto* button = dynamic_cast<TKsCustomButton*>(&form->Components(i));
            button && button->Default())
            button->Invalidate();
}

void TKsCustomButton::FocusEnter() {
    InvalidateDefaultButtons();
    Invalidate();
}

void TKsCustomButton::FocusExit() {
    InvalidateDefaultButtons();
    SetPressed(false);
    Invalidate();
}

} // namespace brisat
