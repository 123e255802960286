#include "framework/widgets/speed_button.h"

#include "framework/graphics/canvas.h"
#include "framework/core/exceptions.h"
#include "framework/core/store_if_changed.h"
#include "framework/graphics/image_list.h"
#include "framework/widgets/label.h"
#include "framework/controls/win_control.h"

#include <algorithm>

namespace brisat {

namespace {

struct TButtonParts {
    TPoint Glyph;
    TRect Text;
};

// Places glyph and caption in Client: along the layout's axis by Margin and Spacing (-1 for
// even room), centred across it.
TButtonParts PlaceParts(const TRect& client, TSize glyph, TSize text, TButtonLayout layout,
                        int32_t margin, int32_t spacing) {
    const bool horizontal =
        layout == TButtonLayout::blGlyphLeft || layout == TButtonLayout::blGlyphRight;
    const int32_t room = horizontal ? client.Width() : client.Height();
    const int32_t cross = horizontal ? client.Height() : client.Width();
    const int32_t g = horizontal ? glyph.cx : glyph.cy, t = horizontal ? text.cx : text.cy;
    if (g == 0 || t == 0) spacing = 0;
    if (margin == -1) {
        if (spacing == -1)
            margin = spacing = (room - g - t) / 3;
        else
            margin = (room - g - spacing - t + 1) / 2;
    } else if (spacing == -1) {
        spacing = (room - margin - g - t) / 2;
    }
    const bool glyphFirst =
        layout == TButtonLayout::blGlyphLeft || layout == TButtonLayout::blGlyphTop;
    const int32_t glyphAt = glyphFirst ? margin : room - margin - g;
    const int32_t textAt = glyphFirst ? margin + g + spacing : glyphAt - spacing - t;
    const int32_t glyphAcross = (cross - (horizontal ? glyph.cy : glyph.cx) + 1) / 2;
    const int32_t textAcross = (cross - (horizontal ? text.cy : text.cx) + 1) / 2;
    TButtonParts parts;
    if (horizontal) {
        parts.Glyph = {client.Left + glyphAt, client.Top + glyphAcross};
        parts.Text = Bounds(client.Left + textAt, client.Top + textAcross, text.cx, text.cy);
    } else {
        parts.Glyph = {client.Left + glyphAcross, client.Top + glyphAt};
        parts.Text = Bounds(client.Left + textAcross, client.Top + textAt, text.cx, text.cy);
    }
    return parts;
}

// Alternate pixels of the face and highlight colours: the face of a button held down.
void DrawDither(TDeviceContext& dc, const TRect& r) {
    dc.FillRect(r, clBtnFace);
    for (int32_t y = r.Top; y < r.Bottom; ++y)
        for (int32_t x = r.Left + ((r.Left + y) & 1); x < r.Right; x += 2)
            dc.SetPixel(x, y, clBtnHighlight);
}

} // namespace

TSpeedButton::TSpeedButton(TComponent* owner) : TGraphicControl(owner) {
    ControlStyle() = {TControlStyleKind::csCaptureMouse, TControlStyleKind::csDoubleClicks};
    SetBounds(0, 0, 23, 22);
    InitColor(clBtnFace);
}

void TSpeedButton::Click() {
    TGraphicControl::Click();
}

void TSpeedButton::Changed() {
    Invalidate();
}

void TSpeedButton::SetAllowAllUp(bool on) {
    if (StoreIfChanged(m_allowAllUp, on)) UpdateExclusive();
}

void TSpeedButton::SetGroupIndex(int32_t index) {
    if (StoreIfChanged(m_groupIndex, index)) UpdateExclusive();
}

void TSpeedButton::SetDown(bool down) {
    if (m_groupIndex == 0) down = false;
    if (down == m_down) return;
    if (m_down && !m_allowAllUp) return;
    m_down = down;
    if (Enabled()) m_state = down ? TButtonState::bsExclusive : TButtonState::bsUp;
    Invalidate();
    if (down) UpdateExclusive();
}

void TSpeedButton::UpdateExclusive() {
    if (m_groupIndex == 0 || !Parent()) return;
    for (int i = 0; i < Parent()->ControlCount(); ++i)
        if (auto* b = dynamic_cast<TSpeedButton*>(&Parent()->Controls(i));
            b && b != this && b->m_groupIndex == m_groupIndex)
            b->GroupButtonPressed(*this);
}

void TSpeedButton::GroupButtonPressed(const TSpeedButton& sender) {
    if (sender.m_down && m_down) {
        m_down = false;
        if (Enabled()) m_state = TButtonState::bsUp;
        Invalidate();
    }
    m_allowAllUp = sender.m_allowAllUp;
}

void TSpeedButton::SetFlat(bool on) {
    if (StoreIfChanged(m_flat, on)) Changed();
}

void TSpeedButton::SetTransparent(bool on) {
    if (!StoreIfChanged(m_transparent, on)) return;
    ControlStyle().Set(TControlStyleKind::csOpaque, !on);
    Changed();
}

void TSpeedButton::SetGlyph(const TBitmap& glyph) {
    m_glyph.Assign(glyph);
    Changed();
}

void TSpeedButton::SetNumGlyphs(int32_t count) {
    if (count < 1 || count > 4)
        throw EInvalidOperation("NumGlyphs " + std::to_string(count) + " is out of range (1..4)");
    if (StoreIfChanged(m_numGlyphs, count)) Changed();
}

void TSpeedButton::SetImages(TImageList* images) {
    if (ChangeReference(m_images, images)) Changed();
}

void TSpeedButton::SetImageIndex(int32_t index) {
    if (StoreIfChanged(m_imageIndex, index)) Changed();
}

void TSpeedButton::SetLayout(TButtonLayout layout) {
    if (StoreIfChanged(m_layout, layout)) Changed();
}

void TSpeedButton::SetMargin(int32_t margin) {
    margin = std::clamp(margin, -1, MaxMargin);
    if (StoreIfChanged(m_margin, margin)) Changed();
}

void TSpeedButton::SetSpacing(int32_t spacing) {
    spacing = std::clamp(spacing, -1, MaxMargin);
    if (StoreIfChanged(m_spacing, spacing)) Changed();
}

void TSpeedButton::Notification(TComponent& component, TOperation operation) {
    if (operation == TOperation::opRemove && &component == m_images) {
        m_images = nullptr;
        Invalidate();
    }
    TGraphicControl::Notification(component, operation);
}

void TSpeedButton::WndProc(TMessage& m) {
    switch (m.Msg) {
    case CM_MOUSEENTER:
        m_mouseInControl = true;
        if (m_flat && Enabled()) Invalidate();
        break;
    case CM_MOUSELEAVE:
        m_mouseInControl = false;
        if (m_flat && Enabled()) Invalidate();
        break;
    case CM_ENABLEDCHANGED:
        m_dragging = false;
        m_state = !Enabled() ? TButtonState::bsDisabled
                  : m_down   ? TButtonState::bsExclusive
                             : TButtonState::bsUp;
        break;
    case CM_DIALOGCHAR:
        if (Enabled() && Showing() && IsAccel(char32_t(m.WParam), Caption())) {
            Click();
            m.Result = 1;
            return;
        }
        break;
    default:
        break;
    }
    TGraphicControl::WndProc(m);
}

void TSpeedButton::MouseDown(TMouseButton button, TShiftState shift, int32_t x, int32_t y) {
    TGraphicControl::MouseDown(button, shift, x, y);
    if (button != TMouseButton::mbLeft || !Enabled()) return;
    if (!m_down) {
        m_state = TButtonState::bsDown;
        Invalidate();
    }
    m_dragging = true;
}

void TSpeedButton::MouseMove(TShiftState shift, int32_t x, int32_t y) {
    TGraphicControl::MouseMove(shift, x, y);
    if (!m_dragging) return;
    const bool inside = PtInRect(ClientRect(), {x, y});
    TButtonState state = m_down ? TButtonState::bsExclusive : TButtonState::bsUp;
    if (inside && !m_down) state = TButtonState::bsDown;
    if (StoreIfChanged(m_state, state)) Invalidate();
}

void TSpeedButton::MouseUp(TMouseButton button, TShiftState shift, int32_t x, int32_t y) {
    TGraphicControl::MouseUp(button, shift, x, y);
    if (button != TMouseButton::mbLeft || !m_dragging) return;
    m_dragging = false;
    const bool click = PtInRect(ClientRect(), {x, y});
    // A group's button toggles (its last one stays down unless AllowAllUp); others come up.
    if (click && m_groupIndex != 0) SetDown(!m_down);
    m_state = m_down ? TButtonState::bsExclusive : TButtonState::bsUp;
    Invalidate();
    if (click) Click();
}

TSize TSpeedButton::GlyphSize() const {
    if (m_images && m_imageIndex >= 0 && m_imageIndex < m_images->Count())
        return {m_images->Width(), m_images->Height()};
    if (m_glyph.Empty()) return {};
    return {m_glyph.Width() / m_numGlyphs, m_glyph.Height()};
}

void TSpeedButton::DrawGlyphAt(TDeviceContext& dc, TPoint at) const {
    if (m_images && m_imageIndex >= 0 && m_imageIndex < m_images->Count()) {
        m_images->Draw(dc, at.X, at.Y, m_imageIndex, m_state != TButtonState::bsDisabled);
        return;
    }
    const TSize size = GlyphSize();
    if (size.cx <= 0 || size.cy <= 0) return;
    // Pictures: up, disabled, pressed, held down; a missing one is drawn from the first.
    int picture = int(m_state);
    TGlyphStyle style;
    if (picture >= m_numGlyphs) {
        style.Enabled = m_state != TButtonState::bsDisabled;
        picture = 0;
    }
    const TSurface& pixels = m_glyph.Surface();
    const uint32_t corner = pixels.Row(pixels.Height() - 1)[0];
    style.UseAlpha = m_glyph.PixelFormat() == TPixelFormat::pf32bit;
    if (!style.UseAlpha || corner >> 24 == 0xFF)
        style.Key = RGB(uint8_t(corner >> 16), uint8_t(corner >> 8), uint8_t(corner));
    DrawGlyph(dc, at.X, at.Y, pixels, Bounds(picture * size.cx, 0, size.cx, size.cy), style);
}

void TSpeedButton::DrawFace(TDeviceContext& dc, TRect& r) const {
    const bool pressed = m_state == TButtonState::bsDown || m_state == TButtonState::bsExclusive;
    if (m_flat) {
        if (pressed || (m_mouseInControl && m_state != TButtonState::bsDisabled)) {
            TRect edge = r;
            dc.DrawEdge(edge, pressed ? BDR_SUNKENOUTER : BDR_RAISEDINNER,
                        BF_RECT | (m_transparent ? 0 : BF_MIDDLE));
        } else if (!m_transparent) {
            dc.FillRect(r, Color());
        }
        r = InflateRect(r, -1, -1);
    } else {
        dc.DrawFrameControl(r, DFC_BUTTON, DFCS_BUTTONPUSH | (pressed ? DFCS_PUSHED : 0));
        r = InflateRect(r, -2, -2);
    }
    if (m_state == TButtonState::bsExclusive && (!m_flat || !m_mouseInControl)) DrawDither(dc, r);
}

void TSpeedButton::Paint() {
    TCanvas& canvas = Canvas();
    TDeviceContext& dc = *canvas.Handle();
    TRect r = ClientRect();
    DrawFace(dc, r);
    // Pressed contents move one pixel down and right.
    if (m_state == TButtonState::bsDown || m_state == TButtonState::bsExclusive)
        r = OffsetRect(r, 1, 1);
    constexpr uint32_t format = DT_CENTER | DT_VCENTER | DT_SINGLELINE;
    TSize text;
    if (!Caption().empty()) {
        TRect measured{0, 0, r.Width(), 0};
        canvas.DrawText(Caption(), measured, format | DT_CALCRECT);
        text = {measured.Width(), measured.Height()};
    }
    const TButtonParts parts = PlaceParts(r, GlyphSize(), text, m_layout, m_margin, m_spacing);
    DrawGlyphAt(dc, parts.Glyph);
    if (!Caption().empty())
        DrawControlText(canvas, Caption(), parts.Text, format,
                        m_state != TButtonState::bsDisabled);
}

} // namespace brisat
