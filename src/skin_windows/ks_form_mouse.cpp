// TKsCustomForm's mouse handling: the non-client mouse messages (and, during a drag, the client
// ones) in window coordinates, caption buttons, moving and sizing by frame parts.
#include "skin_windows/ks_form_runtime.h"

#include "framework/controls/win_control.h"
#include "framework/windowing/window_handle.h"

namespace brisat {

namespace {

constexpr bool IsFramePart(int32_t code) {
    return code >= khtCaption && code <= khtBottomRight;
}

} // namespace

// True when the message was a mouse message this component took.
bool TKsCustomForm::MouseMessage(TMessage& m) {
    const bool nc = m.Msg >= WM_NCMOUSEMOVE && m.Msg <= WM_NCRBUTTONDBLCLK;
    // While a press on the frame holds the capture, the pointer's messages come as client ones.
    const bool pressed = (m_dragging || m_pressedCode != khtNone) &&
                         (m.Msg == WM_MOUSEMOVE || m.Msg == WM_LBUTTONUP);
    if (!nc && !pressed) return false;
    const HWND hwnd = Hwnd();
    TPoint p = LParamToPoint(m.LParam);
    if (nc) {
        const TRect w = GetWindowRect(hwnd);
        p = {p.X - w.Left, p.Y - w.Top};
    } else {
        const TRect c = GetClientRectInWindow(hwnd);
        p = {p.X + c.Left, p.Y + c.Top};
    }
    const UINT msg = nc ? m.Msg + (WM_MOUSEMOVE - WM_NCMOUSEMOVE) : m.Msg;
    const TShiftState dbl{TShiftStateKind::ssDouble};
    switch (msg) {
    case WM_MOUSEMOVE:
        MouseMove(m_rt->Shift, p.X, p.Y);
        break;
    case WM_LBUTTONDOWN:
        if (!m_windowActive) SetFocus(hwnd);
        m_rt->Shift = {TShiftStateKind::ssLeft};
        MouseDown(TMouseButton::mbLeft, m_rt->Shift, p.X, p.Y);
        break;
    case WM_RBUTTONDOWN:
        m_rt->Shift = {TShiftStateKind::ssRight};
        MouseDown(TMouseButton::mbRight, m_rt->Shift, p.X, p.Y);
        break;
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
        m_rt->Shift = {};
        MouseUp(msg == WM_LBUTTONUP ? TMouseButton::mbLeft : TMouseButton::mbRight, {}, p.X,
                p.Y);
        break;
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDBLCLK: {
        const TMouseButton button =
            msg == WM_LBUTTONDBLCLK ? TMouseButton::mbLeft : TMouseButton::mbRight;
        MouseDown(button, dbl, p.X, p.Y);
        MouseUp(button, dbl, p.X, p.Y);
        break;
    }
    default:
        break;
    }
    m.Result = 0;
    return true;
}

void TKsCustomForm::MouseDown(TMouseButton button, TShiftState shift, int32_t x, int32_t y) {
    if (button == TMouseButton::mbRight) {
        // The system menu opens where the caption was right-clicked.
        if (HitTest(x, y) == khtCaption) {
            const TRect w = GetWindowRect(Hwnd());
            m_rt->MenuPoint = TPoint{w.Left + x, w.Top + y};
        }
        return;
    }
    if (button != TMouseButton::mbLeft) return;
    m_pressedCode = HitTest(x, y);
    m_hoveredCode = m_pressedCode;
    m_rt->PressPoint = m_rt->LastPoint = {x, y};
    PaintNonClient();
    if (IsFramePart(m_pressedCode) && !shift.Contains(TShiftStateKind::ssDouble)) {
        m_dragging = true;
        m_rt->OutlineDrag = m_simpleDrag;
        m_rt->Outline.Hide();
        if (m_simpleDrag) m_paintingEnabled = false;
    }
    SetCapture(Hwnd());
}

void TKsCustomForm::MouseMove(TShiftState shift, int32_t x, int32_t y) {
    if (!m_dragging || !shift.Contains(TShiftStateKind::ssLeft)) {
        SetHovered(HitTest(x, y));
        return;
    }
    DragTo(x, y);
}

void TKsCustomForm::SetHovered(int32_t code) {
    if (m_hoveredCode == code) return;
    m_hoveredCode = code;
    if (code == khtSysMenu && Control()) Control()->SetHint("Sytem Menu");
    // A pressed button shows pushed only while the mouse is over it.
    if (m_pressedCode >= khtClose) PaintNonClient();
}

// The window (or the outline) follows the drag of the pressed frame part.
void TKsCustomForm::DragTo(int32_t x, int32_t y) {
    const TRect w = GetWindowRect(Hwnd());
    TRect r = Bounds(w.Left, w.Top, m_size.cx, m_size.cy);
    const TPoint press = m_rt->PressPoint, last = m_rt->LastPoint;
    const bool outline = m_rt->OutlineDrag;
    const int32_t code = m_pressedCode;
    const bool sizing = m_canResize && (m_windowState == TKsWindowState::kwsNormal ||
                                        m_windowState == TKsWindowState::kwsTray);
    if (code == khtCaption) {
        if (!m_canMove || m_windowState == TKsWindowState::kwsMaximized) return;
        r = SnapRect(OffsetRect(r, x - press.X, y - press.Y));
    } else if (sizing) {
        const TPoint min = GetMinTrackSize();
        const bool left = code == khtLeft || code == khtTopLeft || code == khtBottomLeft;
        const bool top = code == khtTop || code == khtTopLeft || code == khtTopRight;
        const bool right = code == khtRight || code == khtTopRight || code == khtBottomRight;
        const bool bottom = code == khtBottom || code == khtBottomLeft || code == khtBottomRight;
        if (left) r.Left = std::min(r.Left + x - press.X, r.Right - min.X);
        if (top) r.Top = std::min(r.Top + y - press.Y, r.Bottom - min.Y);
        if (right) r.Right = std::max(r.Right + x - (outline ? press.X : last.X), r.Left + min.X);
        if (bottom)
            r.Bottom = std::max(r.Bottom + y - (outline ? press.Y : last.Y), r.Top + min.Y);
    }
    if (outline) {
        m_rt->Outline.Show(r);
    } else {
        TakeBounds(r);
        UpdateWindow(Hwnd());
        SetHovered(HitTest(x, y));
        PaintNonClient();
    }
    m_rt->LastPoint = {x, y};
}

void TKsCustomForm::MouseUp(TMouseButton button, TShiftState shift, int32_t x, int32_t y) {
    const HWND hwnd = Hwnd();
    if (button == TMouseButton::mbRight) {
        if (HitTest(x, y) == khtCaption) {
            const TRect w = GetWindowRect(hwnd);
            m_rt->MenuPoint = TPoint{w.Left + x, w.Top + y};
            ShowSystemMenu();
        }
        return;
    }
    if (button != TMouseButton::mbLeft) return;
    const int32_t pressed = m_pressedCode;
    const TRect outline = m_rt->OutlineDrag ? m_rt->Outline.Rect() : TRect{};
    m_dragging = false;
    if (GetCapture() == hwnd) ReleaseCapture();
    EndDrag();
    if (!IsRectEmpty(outline)) TakeBounds(outline);
    const int32_t code = HitTest(x, y);
    if (shift.Contains(TShiftStateKind::ssDouble)) {
        if (code == khtCaption && m_borderIcons.Contains(TKsBorderIcon::kbiMaximize))
            m_windowState == TKsWindowState::kwsMinimized ? Restore() : Maximize();
        else if (code == khtSysMenu)
            Close();
        return;
    }
    if (code != pressed) return;
    switch (code) {
    case khtClose:
        return Close();
    case khtHelp:
        return Help();
    case khtMinimize:
        return Minimize();
    case khtMaximize:
        return Maximize();
    case khtRollup:
        return RollUp();
    case khtTray:
        return MinimizeToTray();
    case khtSysMenu:
        return ShowSystemMenu();
    default:
        return;
    }
}

// The drag and the press end (also when the capture is lost): the outline goes and the frame
// paints again.
void TKsCustomForm::EndDrag() {
    m_dragging = false;
    m_pressedCode = khtNone;
    if (m_rt->OutlineDrag) {
        m_rt->OutlineDrag = false;
        m_rt->Outline.Hide();
        m_paintingEnabled = true;
        RedrawWindow(Hwnd(), nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_ERASE);
    }
    PaintNonClient();
}

} // namespace brisat
