// Window messages: the Win32 numbers of the standard messages, the framework's own control
// messages, parameter packing helpers and TMessage.
#pragma once

#include "framework/core/types.h"

#include <cstdint>
#include <functional>

namespace brisat {

using UINT = uint32_t;
using WPARAM = uintptr_t;
using LPARAM = intptr_t;
using LRESULT = intptr_t;
// A window's name in the framework's handle table; 0 is no window. Handles are never reused
// within a run, so a message posted to a destroyed window is simply dropped.
using HWND = uint32_t;

struct TMessage {
    UINT Msg = 0;
    WPARAM WParam = 0;
    LPARAM LParam = 0;
    LRESULT Result = 0;
};

// A control's message method (TControl::WindowProc).
using TWndMethod = std::function<void(TMessage&)>;

// A queued message as PeekMessage / GetMessage return it.
struct TMsg {
    HWND hwnd = 0;
    UINT message = 0;
    WPARAM wParam = 0;
    LPARAM lParam = 0;
    uint32_t time = 0;
    TPoint pt; // cursor position in screen coordinates when the message was queued
};

inline constexpr uint16_t LoWord(uintptr_t v) {
    return uint16_t(v & 0xFFFF);
}
inline constexpr uint16_t HiWord(uintptr_t v) {
    return uint16_t((v >> 16) & 0xFFFF);
}
inline constexpr LPARAM MakeLParam(int32_t lo, int32_t hi) {
    return LPARAM(uint32_t(uint16_t(lo)) | uint32_t(uint16_t(hi)) << 16);
}
// Signed coordinates packed in an LPARAM.
inline constexpr int32_t GetXLParam(LPARAM l) {
    return int16_t(LoWord(uintptr_t(l)));
}
inline constexpr int32_t GetYLParam(LPARAM l) {
    return int16_t(HiWord(uintptr_t(l)));
}
inline constexpr LPARAM PointToLParam(TPoint p) {
    return MakeLParam(p.X, p.Y);
}
inline constexpr TPoint LParamToPoint(LPARAM l) {
    return {GetXLParam(l), GetYLParam(l)};
}

// Standard messages.
inline constexpr UINT WM_NULL = 0x0000, WM_CREATE = 0x0001, WM_DESTROY = 0x0002, WM_MOVE = 0x0003,
                      WM_SIZE = 0x0005, WM_ACTIVATE = 0x0006, WM_SETFOCUS = 0x0007,
                      WM_KILLFOCUS = 0x0008, WM_ENABLE = 0x000A, WM_SETTEXT = 0x000C,
                      WM_GETTEXT = 0x000D, WM_PAINT = 0x000F, WM_CLOSE = 0x0010,
                      WM_QUERYENDSESSION = 0x0011, WM_QUIT = 0x0012, WM_ERASEBKGND = 0x0014,
                      WM_SHOWWINDOW = 0x0018, WM_ACTIVATEAPP = 0x001C, WM_SETCURSOR = 0x0020,
                      WM_MOUSEACTIVATE = 0x0021, WM_GETMINMAXINFO = 0x0024,
                      WM_WINDOWPOSCHANGING = 0x0046, WM_WINDOWPOSCHANGED = 0x0047,
                      WM_CONTEXTMENU = 0x007B, WM_NCCREATE = 0x0081, WM_NCDESTROY = 0x0082,
                      WM_NCCALCSIZE = 0x0083, WM_NCHITTEST = 0x0084, WM_NCPAINT = 0x0085,
                      WM_NCACTIVATE = 0x0086, WM_GETDLGCODE = 0x0087, WM_NCMOUSEMOVE = 0x00A0,
                      WM_NCLBUTTONDOWN = 0x00A1, WM_NCLBUTTONUP = 0x00A2,
                      WM_NCLBUTTONDBLCLK = 0x00A3, WM_NCRBUTTONDOWN = 0x00A4,
                      WM_NCRBUTTONUP = 0x00A5, WM_NCRBUTTONDBLCLK = 0x00A6, WM_KEYDOWN = 0x0100,
                      WM_KEYUP = 0x0101, WM_CHAR = 0x0102, WM_SYSKEYDOWN = 0x0104,
                      WM_SYSKEYUP = 0x0105, WM_SYSCHAR = 0x0106, WM_SYSCOMMAND = 0x0112,
                      WM_TIMER = 0x0113, WM_MOUSEMOVE = 0x0200, WM_LBUTTONDOWN = 0x0201,
                      WM_LBUTTONUP = 0x0202, WM_LBUTTONDBLCLK = 0x0203, WM_RBUTTONDOWN = 0x0204,
                      WM_RBUTTONUP = 0x0205, WM_RBUTTONDBLCLK = 0x0206, WM_MBUTTONDOWN = 0x0207,
                      WM_MBUTTONUP = 0x0208, WM_MBUTTONDBLCLK = 0x0209, WM_MOUSEWHEEL = 0x020A,
                      WM_SIZING = 0x0214, WM_CAPTURECHANGED = 0x0215, WM_MOVING = 0x0216,
                      WM_ENTERSIZEMOVE = 0x0231, WM_EXITSIZEMOVE = 0x0232, WM_DROPFILES = 0x0233,
                      WM_MOUSELEAVE = 0x02A3,
                      WM_CUT = 0x0300, WM_COPY = 0x0301, WM_PASTE = 0x0302, WM_UNDO = 0x0304,
                      WM_USER = 0x0400, WM_APP = 0x8000;

// The framework's control messages.
inline constexpr UINT CM_BASE = 0xB000;
inline constexpr UINT CM_ACTIVATE = CM_BASE + 0, CM_DEACTIVATE = CM_BASE + 1,
                      CM_DIALOGKEY = CM_BASE + 5, CM_DIALOGCHAR = CM_BASE + 6,
                      CM_FOCUSCHANGED = CM_BASE + 7, CM_ENABLEDCHANGED = CM_BASE + 11,
                      CM_COLORCHANGED = CM_BASE + 12, CM_FONTCHANGED = CM_BASE + 13,
                      CM_PARENTFONTCHANGED = CM_BASE + 15, CM_PARENTCOLORCHANGED = CM_BASE + 16,
                      CM_MOUSEENTER = CM_BASE + 19, CM_MOUSELEAVE = CM_BASE + 20,
                      CM_VISIBLECHANGED = CM_BASE + 22, CM_TEXTCHANGED = CM_BASE + 24,
                      CM_ENTER = CM_BASE + 27, CM_EXIT = CM_BASE + 28,
                      CM_SHOWHINTCHANGED = CM_BASE + 32, CM_HINTSHOW = CM_BASE + 48;

// WM_NCHITTEST answers.
inline constexpr LRESULT HTERROR = -2, HTTRANSPARENT = -1, HTNOWHERE = 0, HTCLIENT = 1,
                         HTCAPTION = 2, HTSYSMENU = 3, HTMINBUTTON = 8, HTMAXBUTTON = 9,
                         HTLEFT = 10, HTRIGHT = 11, HTTOP = 12, HTTOPLEFT = 13, HTTOPRIGHT = 14,
                         HTBOTTOM = 15, HTBOTTOMLEFT = 16, HTBOTTOMRIGHT = 17, HTBORDER = 18,
                         HTCLOSE = 20, HTHELP = 21;

// WM_GETDLGCODE answers.
inline constexpr LRESULT DLGC_WANTARROWS = 0x1, DLGC_WANTTAB = 0x2, DLGC_WANTALLKEYS = 0x4,
                         DLGC_WANTCHARS = 0x80;

// WM_ACTIVATE states.
inline constexpr WPARAM WA_INACTIVE = 0, WA_ACTIVE = 1, WA_CLICKACTIVE = 2;

// Mouse-message key state (WParam of client mouse messages).
inline constexpr WPARAM MK_LBUTTON = 0x1, MK_RBUTTON = 0x2, MK_SHIFT = 0x4, MK_CONTROL = 0x8,
                        MK_MBUTTON = 0x10;

// WM_SIZE kinds.
inline constexpr WPARAM SIZE_RESTORED = 0, SIZE_MINIMIZED = 1, SIZE_MAXIMIZED = 2;

// WM_SYSCOMMAND commands.
inline constexpr WPARAM SC_SIZE = 0xF000, SC_MOVE = 0xF010, SC_MINIMIZE = 0xF020,
                        SC_MAXIMIZE = 0xF030, SC_CLOSE = 0xF060, SC_RESTORE = 0xF120,
                        SC_CONTEXTHELP = 0xF180;

// Virtual-key codes.
inline constexpr uint32_t VK_LBUTTON = 0x01, VK_RBUTTON = 0x02, VK_MBUTTON = 0x04, VK_BACK = 0x08,
                          VK_TAB = 0x09, VK_RETURN = 0x0D, VK_SHIFT = 0x10, VK_CONTROL = 0x11,
                          VK_MENU = 0x12, VK_ESCAPE = 0x1B, VK_SPACE = 0x20, VK_PRIOR = 0x21,
                          VK_NEXT = 0x22, VK_END = 0x23, VK_HOME = 0x24, VK_LEFT = 0x25,
                          VK_UP = 0x26, VK_RIGHT = 0x27, VK_DOWN = 0x28, VK_INSERT = 0x2D,
                          VK_DELETE = 0x2E, VK_F1 = 0x70, VK_F4 = 0x73;

// The window-position record of WM_WINDOWPOSCHANGING / WM_WINDOWPOSCHANGED (LParam points to
// it); a procedure may change it while it is changing. Coordinates as GetWindowRect's parent
// space: the parent's client area, or the screen for top-level windows.
struct TWindowPos {
    HWND hwnd = 0;
    int32_t x = 0;
    int32_t y = 0;
    int32_t cx = 0;
    int32_t cy = 0;
    uint32_t flags = 0;
};

inline constexpr uint32_t SWP_NOSIZE = 0x1, SWP_NOMOVE = 0x2, SWP_NOZORDER = 0x4,
                          SWP_NOREDRAW = 0x8, SWP_NOACTIVATE = 0x10, SWP_FRAMECHANGED = 0x20,
                          SWP_SHOWWINDOW = 0x40, SWP_HIDEWINDOW = 0x80;

// WM_GETMINMAXINFO (LParam points to it).
struct TMinMaxInfo {
    TPoint ptMaxSize;
    TPoint ptMaxPosition;
    TPoint ptMinTrackSize;
    TPoint ptMaxTrackSize;
};

// WM_NCCALCSIZE: LParam points to the proposed window rectangle (parent space); the procedure
// shrinks it to the client rectangle.

} // namespace brisat
