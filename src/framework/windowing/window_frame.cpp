// The default window procedure, the plain frame it draws and hit-tests, the system metrics, and
// moving and sizing a window by its frame.
#include "framework/graphics/device_context.h"
#include "framework/windowing/monitors.h"
#include "framework/windowing/window_handle.h"
#include "framework/windowing/window_record.h"

#include <algorithm>

namespace brisat {
namespace {

// The keyboard-menu system command (LParam: the character typed with Alt).
constexpr WPARAM SC_KEYMENU = 0xF100;

constexpr int32_t CaptionButtonGap = 2;
// Sizing borders turn into corners this far from a corner.
constexpr int32_t CornerZone = 16;

struct TFrameInsets {
    int32_t Border = 0;
    int32_t Caption = 0;
};

TFrameInsets FrameInsets(uint32_t style, uint32_t exStyle) {
    TFrameInsets f;
    if (style & WS_THICKFRAME)
        f.Border = GetSystemMetrics(SM_CXFRAME);
    else if (style & WS_DLGFRAME)
        f.Border = GetSystemMetrics(SM_CXDLGFRAME);
    else if (style & WS_BORDER)
        f.Border = GetSystemMetrics(SM_CXBORDER);
    if ((style & WS_CAPTION) == WS_CAPTION)
        f.Caption = GetSystemMetrics((exStyle & WS_EX_TOOLWINDOW) ? SM_CYSMCAPTION : SM_CYCAPTION);
    return f;
}

// The caption band in window coordinates (empty without a caption).
TRect CaptionBand(HWND hwnd) {
    const TFrameInsets f = FrameInsets(GetWindowStyle(hwnd), GetWindowExStyle(hwnd));
    if (!f.Caption) return {};
    const TRect w = GetWindowRect(hwnd);
    return {f.Border, f.Border, w.Width() - f.Border, f.Border + f.Caption - 1};
}

// The caption buttons from the right: close, maximize, minimize; empty when absent.
TRect CaptionButton(HWND hwnd, LRESULT hit) {
    const uint32_t style = GetWindowStyle(hwnd);
    const TRect band = CaptionBand(hwnd);
    if (IsRectEmpty(band) || !(style & WS_SYSMENU)) return {};
    const bool tool = GetWindowExStyle(hwnd) & WS_EX_TOOLWINDOW;
    const int32_t bw = GetSystemMetrics(tool ? SM_CXSMSIZE : SM_CXSIZE) - 2;
    const int32_t bh = GetSystemMetrics(tool ? SM_CYSMSIZE : SM_CYSIZE) - 4;
    int32_t right = band.Right - CaptionButtonGap;
    const auto next = [&](bool present) {
        if (!present) return TRect{};
        const TRect r = Bounds(right - bw, band.Top + 2, bw, bh);
        right -= bw + CaptionButtonGap;
        return r;
    };
    const TRect close = next(true);
    if (hit == HTCLOSE) return close;
    const bool boxes = !tool && (style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX));
    const TRect max = next(boxes);
    if (hit == HTMAXBUTTON) return (style & WS_MAXIMIZEBOX) ? max : TRect{};
    const TRect min = next(boxes);
    return hit == HTMINBUTTON && (style & WS_MINIMIZEBOX) ? min : TRect{};
}

LRESULT FrameHitTest(HWND hwnd, TPoint screen) {
    const TRect w = GetWindowRect(hwnd);
    if (!PtInRect(w, screen)) return HTNOWHERE;
    const TPoint p{screen.X - w.Left, screen.Y - w.Top};
    if (PtInRect(GetClientRectInWindow(hwnd), p)) return HTCLIENT;
    for (LRESULT button : {HTCLOSE, HTMAXBUTTON, HTMINBUTTON})
        if (PtInRect(CaptionButton(hwnd, button), p)) return button;
    const TRect band = CaptionBand(hwnd);
    if (GetWindowStyle(hwnd) & WS_THICKFRAME) {
        const int32_t b = GetSystemMetrics(SM_CXFRAME);
        const int32_t width = w.Width(), height = w.Height();
        const bool left = p.X < b, right = p.X >= width - b;
        const bool top = p.Y < b, bottom = p.Y >= height - b;
        const bool nearLeft = p.X < CornerZone, nearRight = p.X >= width - CornerZone;
        const bool nearTop = p.Y < CornerZone, nearBottom = p.Y >= height - CornerZone;
        if ((top && nearLeft) || (left && nearTop)) return HTTOPLEFT;
        if ((top && nearRight) || (right && nearTop)) return HTTOPRIGHT;
        if ((bottom && nearLeft) || (left && nearBottom)) return HTBOTTOMLEFT;
        if ((bottom && nearRight) || (right && nearBottom)) return HTBOTTOMRIGHT;
        if (left) return HTLEFT;
        if (right) return HTRIGHT;
        if (top) return HTTOP;
        if (bottom) return HTBOTTOM;
    }
    if (PtInRect(band, p)) return HTCAPTION;
    return HTBORDER;
}

void PaintFrame(HWND hwnd, TDeviceContext& dc) {
    const TRect w = GetWindowRect(hwnd);
    TRect r{0, 0, w.Width(), w.Height()};
    const TFrameInsets f = FrameInsets(GetWindowStyle(hwnd), GetWindowExStyle(hwnd));
    if (f.Border >= 2) dc.DrawEdge(r, EDGE_RAISED, BF_RECT | BF_ADJUST);
    dc.FillRect(r, clBtnFace);
    const TRect band = CaptionBand(hwnd);
    if (IsRectEmpty(band)) return;
    const bool active = GetActiveWindow() == hwnd;
    dc.FillRect(band, active ? clActiveCaption : clInactiveCaption);
    TRect text = InflateRect(band, -3, 0);
    if (const TRect b = CaptionButton(hwnd, HTMINBUTTON); !IsRectEmpty(b))
        text.Right = b.Left;
    else if (const TRect c = CaptionButton(hwnd, HTCLOSE); !IsRectEmpty(c))
        text.Right = c.Left;
    dc.SetBkMode(TBkMode::Transparent);
    dc.SetTextColor(active ? clCaptionText : clInactiveCaptionText);
    dc.DrawText(GetWindowText(hwnd), text,
                DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS | DT_NOPREFIX);
    const std::pair<LRESULT, uint32_t> buttons[] = {{HTCLOSE, DFCS_CAPTIONCLOSE},
                                                    {HTMAXBUTTON, DFCS_CAPTIONMAX},
                                                    {HTMINBUTTON, DFCS_CAPTIONMIN}};
    for (const auto& [hit, kind] : buttons)
        if (const TRect b = CaptionButton(hwnd, hit); !IsRectEmpty(b))
            dc.DrawFrameControl(b, DFC_CAPTION, kind);
}

struct TMoveSize {
    HWND Window = 0;
    LRESULT Hit = HTNOWHERE;
    TPoint Start;
    TRect StartRect;
};
TMoveSize g_moveSize;

// The caption button pressed and waiting for its release.
HWND g_pressedWindow = 0;
LRESULT g_pressedHit = HTNOWHERE;

bool IsSizingHit(LRESULT hit) {
    return hit >= HTLEFT && hit <= HTBOTTOMRIGHT;
}

// A top-level window with a sizing frame keeps within its tracking sizes however it is placed.
void KeepTrackSize(HWND hwnd, TWindowPos& pos) {
    if (pos.flags & SWP_NOSIZE || GetParent(hwnd) || !(GetWindowStyle(hwnd) & WS_THICKFRAME))
        return;
    const TMinMaxInfo info = GetMinMaxInfo(hwnd);
    pos.cx = std::max(std::min(pos.cx, info.ptMaxTrackSize.X), info.ptMinTrackSize.X);
    pos.cy = std::max(std::min(pos.cy, info.ptMaxTrackSize.Y), info.ptMinTrackSize.Y);
}

// The framework's cursor numbers for the frame's hit codes.
int32_t CursorForHit(LRESULT hit) {
    switch (hit) {
    case HTLEFT:
    case HTRIGHT:
        return -9; // crSizeWE
    case HTTOP:
    case HTBOTTOM:
        return -7; // crSizeNS
    case HTTOPLEFT:
    case HTBOTTOMRIGHT:
        return -8; // crSizeNWSE
    case HTTOPRIGHT:
    case HTBOTTOMLEFT:
        return -6; // crSizeNESW
    default:
        return -2; // crArrow
    }
}

} // namespace

TMinMaxInfo GetMinMaxInfo(HWND hwnd) {
    TMinMaxInfo info;
    const TRect work = MonitorFromWindow(hwnd).WorkareaRect();
    info.ptMaxSize = {work.Width(), work.Height()};
    info.ptMaxPosition = work.TopLeft();
    info.ptMinTrackSize = {GetSystemMetrics(SM_CXMINTRACK), GetSystemMetrics(SM_CYMINTRACK)};
    info.ptMaxTrackSize = {MaxWindowExtent, MaxWindowExtent};
    SendMessage(hwnd, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
    const auto side = [](int32_t n) { return std::clamp(n, 1, MaxWindowExtent); };
    info.ptMinTrackSize = {side(info.ptMinTrackSize.X), side(info.ptMinTrackSize.Y)};
    info.ptMaxTrackSize = {std::max(side(info.ptMaxTrackSize.X), info.ptMinTrackSize.X),
                           std::max(side(info.ptMaxTrackSize.Y), info.ptMinTrackSize.Y)};
    return info;
}

int32_t GetSystemMetrics(int index) {
    switch (index) {
    case SM_CXSCREEN:
    case SM_CYSCREEN:
    case SM_CMONITORS: {
        const std::vector<TMonitorInfo> monitors = Platform().Monitors();
        if (index == SM_CMONITORS) return int32_t(monitors.size());
        for (const TMonitorInfo& m : monitors)
            if (m.Primary || &m == &monitors.back())
                return index == SM_CXSCREEN ? m.Bounds.Right - m.Bounds.Left
                                            : m.Bounds.Bottom - m.Bounds.Top;
        return 0;
    }
    case SM_CXBORDER:
    case SM_CYBORDER:
        return 1;
    case SM_CXDLGFRAME:
    case SM_CYDLGFRAME:
        return 3;
    case SM_CXFRAME:
    case SM_CYFRAME:
        return 4;
    case SM_CYCAPTION:
        return 19;
    case SM_CYSMCAPTION:
        return 15;
    case SM_CXSIZE:
    case SM_CYSIZE:
        return 18;
    case SM_CXSMSIZE:
        return 12;
    case SM_CYSMSIZE:
        return 14;
    case SM_CXMINTRACK:
        return 112;
    case SM_CYMINTRACK:
        return 27;
    case SM_CXDOUBLECLK:
    case SM_CYDOUBLECLK:
        return 4;
    case SM_CYVTHUMB:
    case SM_CXHTHUMB:
        return 16;
    default:
        return 0;
    }
}

uint32_t GetDoubleClickTime() {
    return 500;
}

namespace {

// The client rectangle in LParam (parent coordinates) loses the frame.
LRESULT DefNCCalcSize(HWND hwnd, LPARAM lParam) {
    TRect& r = *reinterpret_cast<TRect*>(lParam);
    const TFrameInsets f = FrameInsets(GetWindowStyle(hwnd), GetWindowExStyle(hwnd));
    r = {r.Left + f.Border, r.Top + f.Border + f.Caption, r.Right - f.Border, r.Bottom - f.Border};
    return 0;
}

LRESULT DefNCPaint(HWND hwnd, WPARAM wParam) {
    if (wParam) PaintFrame(hwnd, *WParamToDC(wParam));
    return 0;
}

// The caption shows whether the window is active.
LRESULT DefNCActivate(HWND hwnd) {
    RedrawWindow(hwnd, nullptr, RDW_FRAME | RDW_INVALIDATE);
    return 1;
}

LRESULT DefEraseBkgnd(HWND hwnd, WPARAM wParam) {
    if (wParam) WParamToDC(wParam)->FillRect(GetClientRect(hwnd), clBtnFace);
    return 1;
}

// An activated window takes the focus unless a window inside it has it.
LRESULT DefActivate(HWND hwnd, WPARAM wParam) {
    if (wParam != WA_INACTIVE && GetTopLevelWindow(GetFocus()) != hwnd) SetFocus(hwnd);
    return 0;
}

// The caption and the sizing borders start moving or sizing; a caption button waits for its
// release.
LRESULT DefNCLButtonDown(HWND hwnd, WPARAM hit, LPARAM lParam) {
    if (hit == HTCAPTION || IsSizingHit(LRESULT(hit)))
        BeginMoveSize(hwnd, LRESULT(hit), LParamToPoint(lParam));
    else if (hit == HTCLOSE || hit == HTMINBUTTON || hit == HTMAXBUTTON) {
        g_pressedWindow = hwnd;
        g_pressedHit = LRESULT(hit);
    }
    return 0;
}

// Released over the caption button it was pressed on, the button sends its command.
LRESULT DefNCLButtonUp(HWND hwnd, WPARAM hit, LPARAM lParam) {
    const bool same = g_pressedWindow == hwnd && g_pressedHit == LRESULT(hit);
    g_pressedWindow = 0;
    g_pressedHit = HTNOWHERE;
    if (!same) return 0;
    const WPARAM command = hit == HTCLOSE       ? SC_CLOSE
                           : hit == HTMINBUTTON ? SC_MINIMIZE
                                                : SC_MAXIMIZE;
    SendMessage(hwnd, WM_SYSCOMMAND, command, lParam);
    return 0;
}

// A double click on the caption maximises a window that can be, or restores it.
LRESULT DefNCLButtonDblClk(HWND hwnd, WPARAM hit, LPARAM lParam) {
    if (hit == HTCAPTION && (GetWindowStyle(hwnd) & WS_MAXIMIZEBOX))
        SendMessage(hwnd, WM_SYSCOMMAND, SC_MAXIMIZE, lParam);
    return 0;
}

LRESULT DefWindowPosChanging(HWND hwnd, LPARAM lParam) {
    if (lParam) KeepTrackSize(hwnd, *reinterpret_cast<TWindowPos*>(lParam));
    return 0;
}

LRESULT DefSysCommand(HWND hwnd, WPARAM command) {
    if ((command & 0xFFF0) == SC_CLOSE) SendMessage(hwnd, WM_CLOSE);
    return 0;
}

// Asked about a child: the child decides. About itself: its parent may choose first, else the
// frame's cursor for the hit code.
LRESULT DefSetCursor(HWND hwnd, WPARAM wParam, LPARAM lParam) {
    if (HWND(wParam) != hwnd) return 0;
    if (HWND parent = GetParent(hwnd); parent && SendMessage(parent, WM_SETCURSOR, wParam, lParam))
        return 1;
    Platform().SetCursor(CursorForHit(LRESULT(int16_t(LoWord(uintptr_t(lParam))))));
    return 1;
}

// A right click asks for the context menu at its screen point.
LRESULT DefRButtonUp(HWND hwnd, LPARAM lParam) {
    SendMessage(hwnd, WM_CONTEXTMENU, hwnd,
                PointToLParam(ClientToScreen(hwnd, LParamToPoint(lParam))));
    return 0;
}

// What a child does not answer goes on to its parent.
LRESULT SendToParent(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (HWND parent = GetParent(hwnd)) return SendMessage(parent, msg, wParam, lParam);
    return 0;
}

} // namespace

LRESULT DefWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_NCCREATE:
        return 1;
    case WM_NCCALCSIZE:
        return DefNCCalcSize(hwnd, lParam);
    case WM_NCHITTEST:
        return FrameHitTest(hwnd, LParamToPoint(lParam));
    case WM_NCPAINT:
        return DefNCPaint(hwnd, wParam);
    case WM_NCACTIVATE:
        return DefNCActivate(hwnd);
    case WM_ERASEBKGND:
        return DefEraseBkgnd(hwnd, wParam);
    case WM_ACTIVATE:
        return DefActivate(hwnd, wParam);
    case WM_NCLBUTTONDOWN:
        return DefNCLButtonDown(hwnd, wParam, lParam);
    case WM_NCLBUTTONUP:
        return DefNCLButtonUp(hwnd, wParam, lParam);
    case WM_NCLBUTTONDBLCLK:
        return DefNCLButtonDblClk(hwnd, wParam, lParam);
    case WM_WINDOWPOSCHANGING:
        return DefWindowPosChanging(hwnd, lParam);
    case WM_SYSCOMMAND:
        return DefSysCommand(hwnd, wParam);
    case WM_SYSCHAR:
        // An Alt+character nothing took is a keyboard-menu command of the top-level window.
        SendMessage(GetTopLevelWindow(hwnd), WM_SYSCOMMAND, SC_KEYMENU, LPARAM(wParam));
        return 0;
    case WM_CLOSE:
        DestroyWindow(hwnd);
        return 0;
    case WM_SETCURSOR:
        return DefSetCursor(hwnd, wParam, lParam);
    case WM_RBUTTONUP:
        return DefRButtonUp(hwnd, lParam);
    case WM_CONTEXTMENU:
    case WM_MOUSEWHEEL:
        return SendToParent(hwnd, msg, wParam, lParam);
    default:
        return 0;
    }
}

void BeginMoveSize(HWND hwnd, LRESULT hit, TPoint screen) {
    if (!IsWindow(hwnd)) return;
    g_moveSize = {hwnd, hit, screen, GetWindowRect(hwnd)};
    SendMessage(hwnd, WM_ENTERSIZEMOVE);
    SetCapture(hwnd);
}

bool MoveSizeTracking() {
    if (g_moveSize.Window && GetCapture() != g_moveSize.Window) g_moveSize = {};
    return g_moveSize.Window != 0;
}

void MoveSizeMouse(TPoint screen, bool buttonUp) {
    const TMoveSize m = g_moveSize;
    const int32_t dx = screen.X - m.Start.X, dy = screen.Y - m.Start.Y;
    TRect r = m.StartRect;
    if (m.Hit == HTCAPTION) {
        r = OffsetRect(r, dx, dy);
        SendMessage(m.Window, WM_MOVING, WPARAM(m.Hit), reinterpret_cast<LPARAM>(&r));
    } else {
        const TMinMaxInfo info = GetMinMaxInfo(m.Window);
        const TPoint min = info.ptMinTrackSize, max = info.ptMaxTrackSize;
        const bool left = m.Hit == HTLEFT || m.Hit == HTTOPLEFT || m.Hit == HTBOTTOMLEFT;
        const bool right = m.Hit == HTRIGHT || m.Hit == HTTOPRIGHT || m.Hit == HTBOTTOMRIGHT;
        const bool top = m.Hit == HTTOP || m.Hit == HTTOPLEFT || m.Hit == HTTOPRIGHT;
        const bool bottom = m.Hit == HTBOTTOM || m.Hit == HTBOTTOMLEFT || m.Hit == HTBOTTOMRIGHT;
        // The dragged edge stops where the window would leave its tracking sizes.
        if (left) r.Left = std::clamp(r.Left + dx, r.Right - max.X, r.Right - min.X);
        if (right) r.Right = std::clamp(r.Right + dx, r.Left + min.X, r.Left + max.X);
        if (top) r.Top = std::clamp(r.Top + dy, r.Bottom - max.Y, r.Bottom - min.Y);
        if (bottom) r.Bottom = std::clamp(r.Bottom + dy, r.Top + min.Y, r.Top + max.Y);
        SendMessage(m.Window, WM_SIZING, WPARAM(m.Hit), reinterpret_cast<LPARAM>(&r));
    }
    SetWindowPos(m.Window, 0, r.Left, r.Top, r.Width(), r.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
    if (buttonUp) {
        g_moveSize = {};
        ReleaseCapture();
        SendMessage(m.Window, WM_EXITSIZEMOVE);
    }
}

} // namespace brisat
