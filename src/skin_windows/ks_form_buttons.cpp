// The plain frame's caption buttons: the platform's caption-button faces for close, minimize,
// maximize and help, a push-button face with a black figure for roll-up and tray, and the
// window's icon square.
#include "skin_windows/ks_form_runtime.h"

#include "framework/graphics/frame_glyphs.h"
#include "framework/windowing/window_handle.h"

namespace brisat {

namespace {

void PaintRollupFigure(TKsBitmap& bitmap, TRect r, bool pushed, bool rolled) {
    r = {r.Left + 4, r.Top + 5, r.Right - 4, r.Bottom - 5};
    if (!pushed) r = OffsetRect(r, -1, -1);
    const int32_t mid = (r.Left + r.Right) / 2;
    const TPoint up[] = {{r.Left, r.Bottom}, {r.Right, r.Bottom}, {mid, r.Top}};
    const TPoint down[] = {{r.Left, r.Top}, {r.Right, r.Top}, {mid, r.Bottom}};
    bitmap.FillPolygon(rolled ? std::span<const TPoint>(down) : std::span<const TPoint>(up),
                       0xFF000000);
}

void PaintTrayFigure(TKsBitmap& bitmap, TRect r, bool pushed) {
    r = OffsetRect(InflateRect(r, -5, -5), 0, 2);
    if (pushed) r = OffsetRect(r, 1, 1);
    TDeviceContext& dc = bitmap.DC();
    dc.SetPen({clBlack, TPenStyle::psSolid, 1});
    dc.SetBrush({clBlack, TBrushStyle::bsSolid});
    dc.Ellipse(r);
}

} // namespace

void TKsCustomForm::PaintPlainButtons(TKsBitmap& bitmap) {
    TDeviceContext& dc = bitmap.DC();
    const auto pushed = [this](int32_t code) {
        return m_pressedCode == code && m_hoveredCode == code;
    };
    const auto state = [&](int32_t code) { return pushed(code) ? DFCS_PUSHED : 0u; };
    TRect r;
    GetButtonRect(TKsBorderIcon::kbiSystemMenu, r);
    if (!IsRectEmpty(r)) PaintIcon(bitmap, r);
    GetButtonRect(TKsBorderIcon::kbiClose, r);
    if (!IsRectEmpty(r)) dc.DrawFrameControl(r, DFC_CAPTION, DFCS_CAPTIONCLOSE | state(khtClose));
    GetButtonRect(TKsBorderIcon::kbiMinimize, r);
    if (!IsRectEmpty(r)) {
        const bool minimized = m_windowState == TKsWindowState::kwsMinimized;
        dc.DrawFrameControl(r, DFC_CAPTION,
                            (minimized ? DFCS_CAPTIONRESTORE : DFCS_CAPTIONMIN) |
                                state(khtMinimize));
    }
    GetButtonRect(TKsBorderIcon::kbiMaximize, r);
    if (!IsRectEmpty(r)) {
        const bool maximized = m_windowState == TKsWindowState::kwsMaximized;
        dc.DrawFrameControl(r, DFC_CAPTION,
                            (maximized ? DFCS_CAPTIONRESTORE : DFCS_CAPTIONMAX) |
                                state(khtMaximize));
    }
    GetButtonRect(TKsBorderIcon::kbiHelp, r);
    if (!IsRectEmpty(r)) dc.DrawFrameControl(r, DFC_CAPTION, DFCS_CAPTIONHELP | state(khtHelp));
    GetButtonRect(TKsBorderIcon::kbiRollup, r);
    if (!IsRectEmpty(r)) {
        dc.DrawFrameControl(r, DFC_BUTTON, DFCS_BUTTONPUSH | state(khtRollup));
        PaintRollupFigure(bitmap, r, pushed(khtRollup),
                          m_windowState == TKsWindowState::kwsRollup);
    }
    GetButtonRect(TKsBorderIcon::kbiTray, r);
    if (!IsRectEmpty(r)) {
        dc.DrawFrameControl(r, DFC_BUTTON, DFCS_BUTTONPUSH | state(khtTray));
        PaintTrayFigure(bitmap, r, pushed(khtTray));
    }
}

// Forms carry no icon of their own here: the square shows the default application figure, a
// small window with a title bar, scaled to the small-icon size.
void TKsCustomForm::PaintIcon(TKsBitmap& bitmap, const TRect& square) {
    const int32_t size = std::min(GetSystemMetrics(SM_CXSMSIZE) + 4, square.Height());
    const TRect icon = CenteredRect(square, size - 2, size - 4);
    if (IsRectEmpty(icon)) return;
    bitmap.FillRect(icon, 0xFF000000);
    bitmap.FillRect(InflateRect(icon, -1, -1), ksWhitePixel);
    bitmap.FillRect({icon.Left + 1, icon.Top + 1, icon.Right - 1, icon.Top + 3}, ksDarkBluePixel);
}

} // namespace brisat
