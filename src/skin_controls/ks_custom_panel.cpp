#include "skin_controls/ks_custom_panel.h"

#include "framework/core/range_check.h"
#include "framework/core/store_if_changed.h"

namespace brisat {

TKsCustomPanel::TKsCustomPanel(TComponent* owner) : TKsCustomControl(owner) {
    ControlStyle().Include(TControlStyleKind::csAcceptsControls);
    InitColor(clWindow);
    SetBounds(Left(), Top(), 100, 90);
}

void TKsCustomPanel::Changed() {
    Invalidate();
    Realign();
}

void TKsCustomPanel::SetCaptionHeight(int32_t value) {
    if (StoreIfChanged(m_captionHeight, value)) Changed();
}

void TKsCustomPanel::SetShowCaption(bool value) {
    if (StoreIfChanged(m_showCaption, value)) Changed();
}

void TKsCustomPanel::SetBorderWidth(int32_t value) {
    CheckRange("BorderWidth", value, 0, MaxBevelWidth);
    if (StoreIfChanged(m_borderWidth, value)) Changed();
}

void TKsCustomPanel::SetBevelWidth(int32_t value) {
    CheckRange("BevelWidth", value, 0, MaxBevelWidth);
    if (StoreIfChanged(m_bevelWidth, value)) Changed();
}

void TKsCustomPanel::SetShowBevel(bool value) {
    if (StoreIfChanged(m_showBevel, value)) Changed();
}

void TKsCustomPanel::SetShowButton(bool value) {
    if (StoreIfChanged(m_showButton, value)) Invalidate();
}

void TKsCustomPanel::SetButtonKind(TKsPanelButtonKind value) {
    if (StoreIfChanged(m_buttonKind, value)) Invalidate();
}

void TKsCustomPanel::SetButtonHot(bool value) {
    if (StoreIfChanged(m_buttonHot, value)) Invalidate();
}

void TKsCustomPanel::SetButtonPressed(bool value) {
    if (StoreIfChanged(m_buttonPressed, value)) Invalidate();
}

// --- Rolling ---------------------------------------------------------------------------------

void TKsCustomPanel::SetRolled(bool value) {
    if (value == m_rolled) return;
    if (m_rolled)
        RollDown();
    else
        RollUp();
}

void TKsCustomPanel::RollUp() {
    m_unrolledHeight = Height();
    SetHeight(m_captionHeight + 2 * m_bevelWidth);
    m_rolled = true;
    Invalidate();
    if (OnRollup) OnRollup(*this);
}

void TKsCustomPanel::RollDown() {
    m_rolled = false;
    SetHeight(m_unrolledHeight);
    if (OnRollup) OnRollup(*this);
}

void TKsCustomPanel::ButtonClick() {
    if (m_buttonKind == TKsPanelButtonKind::pbkRoll) {
        SetRolled(!m_rolled);
    } else {
        if (OnHide) OnHide(*this);
        Hide();
    }
    if (OnButtonClick) OnButtonClick(*this);
}

void TKsCustomPanel::SetBounds(int32_t left, int32_t top, int32_t width, int32_t height) {
    TKsCustomControl::SetBounds(left, top, width, m_rolled ? Height() : height);
}

// --- Geometry --------------------------------------------------------------------------------

TRect TKsCustomPanel::GetCaptionRect() const {
    TRect r = ControlRect();
    if (m_showBevel) r = InflateRect(r, -m_bevelWidth, -m_bevelWidth);
    r.Bottom = r.Top + m_captionHeight;
    return r;
}

TRect TKsCustomPanel::GetButtonRect() const {
    if (!m_showCaption || !m_showButton) return {};
    TRect r = GetCaptionRect();
    r.Left = r.Right - r.Height();
    return InflateRect(r, -2, -2);
}

void TKsCustomPanel::AdjustClientRect(TRect& rect) const {
    rect = InflateRect(ControlRect(), -m_borderWidth, -m_borderWidth);
    if (m_showBevel) rect = InflateRect(rect, -m_bevelWidth, -m_bevelWidth);
    if (m_showCaption) rect.Top += m_captionHeight;
}

// --- Drawing ---------------------------------------------------------------------------------

void TKsCustomPanel::PaintBuffer() {
    TKsCustomControl::PaintBuffer();
    PaintFrame();
    PaintCaption();
}

void TKsCustomPanel::PaintFrame() {
    TKsBitmap& buffer = Buffer();
    const TRect r = ControlRect();
    buffer.FillRect(r, ColorToPixel(Color(), 255));
    if (!m_showBevel) return;
    const TKsPixel shadow = ColorToPixel(clBtnShadow, 255);
    const TKsPixel highlight = ColorToPixel(clBtnHighlight, 255);
    buffer.BevelRect(r, shadow, highlight);
    buffer.BevelRect(InflateRect(r, -1, -1), highlight, shadow);
}

void TKsCustomPanel::PaintCaptionText(TRect rect) {
    rect = InflateRect(rect, -5, 0);
    Buffer().DrawText(Caption(), rect, DT_VCENTER | DT_SINGLELINE);
}

void TKsCustomPanel::PaintCaption() {
    if (!m_showCaption) return;
    TKsBitmap& buffer = Buffer();
    const TRect caption = GetCaptionRect();
    buffer.FillRect(caption, ColorToPixel(clBtnFace, 255));
    buffer.BevelRect(caption, ColorToPixel(clBtnHighlight, 255), ColorToPixel(clBtnShadow, 255));
    PaintCaptionText(caption);
    if (m_showButton) PaintPlainButton(GetButtonRect());
}

// The system glyph (close, or the arrow for rolling), then the hot or pressed frame.
void TKsCustomPanel::PaintPlainButton(const TRect& rect) {
    TKsBitmap& buffer = Buffer();
    const uint32_t pushed = m_buttonPressed ? DFCS_PUSHED : 0;
    if (m_buttonKind == TKsPanelButtonKind::pbkHide)
        buffer.DC().DrawFrameControl(rect, DFC_CAPTION, DFCS_CAPTIONCLOSE | pushed);
    else
        buffer.DC().DrawFrameControl(rect, DFC_SCROLL,
                                     (m_rolled ? DFCS_SCROLLDOWN : DFCS_SCROLLUP) | pushed);
    const TKsPixel face = ColorToPixel(clBtnFace, 255);
    const TKsPixel shadow = ColorToPixel(clBtnShadow, 255);
    const TKsPixel highlight = ColorToPixel(clBtnHighlight, 255);
    if (m_buttonHot)
        buffer.BevelRect(rect, highlight, shadow);
    else if (m_buttonPressed)
        buffer.BevelRect(rect, shadow, highlight);
    else
        buffer.FrameRect(rect, face);
    buffer.FrameRect(InflateRect(rect, -1, -1), face);
}

// --- Mouse -----------------------------------------------------------------------------------

void TKsCustomPanel::MouseDown(TMouseButton button, TShiftState shift, int32_t x, int32_t y) {
    TKsCustomControl::MouseDown(button, shift, x, y);
    if (button == TMouseButton::mbLeft && PtInRect(GetButtonRect(), {x, y}))
        SetButtonPressed(true);
}

void TKsCustomPanel::MouseMove(TShiftState shift, int32_t x, int32_t y) {
    TKsCustomControl::MouseMove(shift, x, y);
    SetButtonHot(PtInRect(GetButtonRect(), {x, y}));
    if (shift.Contains(TShiftStateKind::ssLeft)) SetButtonPressed(m_buttonHot);
}

// A release anywhere lets the button up; only one on the button clicks it.
void TKsCustomPanel::MouseUp(TMouseButton button, TShiftState shift, int32_t x, int32_t y) {
    TKsCustomControl::MouseUp(button, shift, x, y);
    if (button != TMouseButton::mbLeft) return;
    SetButtonPressed(false);
    if (PtInRect(GetButtonRect(), {x, y})) ButtonClick();
}

void TKsCustomPanel::MouseLeave() {
    TKsCustomControl::MouseLeave();
    SetButtonHot(false);
}

} // namespace brisat
