// The scroll bar's plain look, drawn from system colours.
#include "skin_controls/ks_custom_scroll_bar.h"

#include "framework/graphics/device_context.h"
#include "skin/bitmap/pixel.h"

namespace brisat {
namespace {

TKsPixel Opaque(TColor color) {
    return ColorToPixel(color, 255);
}

} // namespace

void TKsCustomScrollBar::PaintBuffer() {
    TKsGraphicControl::PaintBuffer();
    PaintBorder();
    PaintTrack(GetTrackRect());
    if (m_showButtons) {
        PaintFirstButton(GetFirstButtonRect());
        PaintSecondButton(GetSecondButtonRect());
    }
    if (!ThumbPresent()) return;
    PaintThumb(GetThumbRect());
    if (PressedAndHot(PageBack)) PaintPressedArea(GetPageBackRect());
    if (PressedAndHot(PageForward)) PaintPressedArea(GetPageForwardRect());
}

void TKsCustomScrollBar::PaintBorder() {
    if (m_borderWidth > 0)
        Buffer().BevelRect(ControlRect(), Opaque(clBtnShadow), Opaque(clBtnHighlight));
}

void TKsCustomScrollBar::PaintTrack(const TRect& rect) {
    Buffer().FillHalftoneRect(rect, Opaque(clScrollBar), Opaque(clBtnHighlight));
}

namespace {

uint32_t ButtonState(bool pressedAndHot, bool enabled) {
    return (pressedAndHot ? DFCS_PUSHED | DFCS_FLAT : 0) | (enabled ? 0 : DFCS_INACTIVE);
}

} // namespace

void TKsCustomScrollBar::PaintFirstButton(const TRect& rect) {
    Buffer().DC().DrawFrameControl(rect, DFC_SCROLL,
                                   (Vertical() ? DFCS_SCROLLUP : DFCS_SCROLLLEFT) |
                                       ButtonState(PressedAndHot(FirstButton), Enabled()));
}

void TKsCustomScrollBar::PaintSecondButton(const TRect& rect) {
    Buffer().DC().DrawFrameControl(rect, DFC_SCROLL,
                                   (Vertical() ? DFCS_SCROLLDOWN : DFCS_SCROLLRIGHT) |
                                       ButtonState(PressedAndHot(SecondButton), Enabled()));
}

void TKsCustomScrollBar::PaintThumb(const TRect& rect) {
    TKsBitmap& buffer = Buffer();
    buffer.FillRect(rect, Opaque(clBtnFace));
    if (Dragging()) {
        buffer.FrameRect(rect, Opaque(clBtnShadow));
        return;
    }
    buffer.BevelRect(rect, Opaque(cl3DLight), Opaque(cl3DDkShadow));
    buffer.BevelRect(InflateRect(rect, -1, -1), Opaque(clBtnHighlight), Opaque(clBtnShadow));
}

void TKsCustomScrollBar::PaintPressedArea(const TRect& rect) {
    Buffer().FillRect(rect, Opaque(cl3DDkShadow));
}

} // namespace brisat
