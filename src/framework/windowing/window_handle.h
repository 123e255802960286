// Window handles: the framework's windows with replaceable window procedures, subclass chains,
// geometry, visibility, focus, capture and invalidation. Only top-level windows are native
// (platform) windows; child windows live inside them and are painted into the top-level
// window's back buffer. A window's rectangle is in its parent's client coordinates (screen
// coordinates for a top-level window); its client rectangle is what WM_NCCALCSIZE leaves of it.
// Everything here runs on the GUI thread; only PostMessage (message_queue.h) may be called from
// other threads.
#pragma once

#include "framework/windowing/messages.h"
#include "framework/graphics/region.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace brisat {

class IPlatformWindow;
class TDeviceContext;

// Paint-time device contexts travel in WParam of WM_NCPAINT, WM_ERASEBKGND and WM_PAINT.
using HDC = TDeviceContext*;
inline HDC WParamToDC(WPARAM w) {
    return reinterpret_cast<HDC>(w);
}
inline WPARAM DCToWParam(HDC dc) {
    return reinterpret_cast<WPARAM>(dc);
}

using TWndProc = std::function<LRESULT(HWND, UINT, WPARAM, LPARAM)>;
// A subclass procedure of a chain; it passes a message on with DefSubclassProc.
using TSubclassProc = std::function<LRESULT(HWND, UINT, WPARAM, LPARAM, uintptr_t id)>;

// Styles.
inline constexpr uint32_t WS_POPUP = 0x80000000, WS_CHILD = 0x40000000, WS_VISIBLE = 0x10000000,
                          WS_DISABLED = 0x08000000, WS_CLIPSIBLINGS = 0x04000000,
                          WS_CLIPCHILDREN = 0x02000000, WS_CAPTION = 0x00C00000,
                          WS_BORDER = 0x00800000, WS_DLGFRAME = 0x00400000, WS_SYSMENU = 0x00080000,
                          WS_THICKFRAME = 0x00040000, WS_MINIMIZEBOX = 0x00020000,
                          WS_MAXIMIZEBOX = 0x00010000, WS_TABSTOP = 0x00010000;
// WS_EX_LAYERED: the window's pixels may be translucent; a top-level window made with it lets
// what lies beneath show through by their alpha where a compositing manager runs.
inline constexpr uint32_t WS_EX_TOPMOST = 0x8, WS_EX_ACCEPTFILES = 0x10, WS_EX_TOOLWINDOW = 0x80,
                          WS_EX_LAYERED = 0x00080000, WS_EX_NOACTIVATE = 0x08000000;

// ShowWindow commands.
inline constexpr int SW_HIDE = 0, SW_SHOWNORMAL = 1, SW_SHOWNOACTIVATE = 4, SW_SHOW = 5,
                     SW_SHOWNA = 8;

// SetWindowPos insert-after values (never real handles).
inline constexpr HWND HWND_TOP = 0, HWND_BOTTOM = 1, HWND_TOPMOST = 2, HWND_NOTOPMOST = 3;

// RedrawWindow flags.
inline constexpr uint32_t RDW_INVALIDATE = 0x1, RDW_ERASE = 0x4, RDW_UPDATENOW = 0x100,
                          RDW_FRAME = 0x400;

struct TCreateWindowParams {
    HWND Parent = 0; // 0: a top-level window
    TRect Bounds;    // parent's client coordinates, or the screen
    uint32_t Style = 0;
    uint32_t ExStyle = 0;
    std::string Caption;
    TWndProc WndProc; // empty: DefWindowProc
    // A hidden window that only receives messages: never shown, painted or native.
    bool MessageOnly = false;
    // MenuWindowClass, DropDownListClass or TooltipClass make a top-level window of that kind
    // on the desktop; any other name a normal (or, with WS_EX_TOOLWINDOW, a tool) window.
    std::string ClassName;
};

inline constexpr const char* MenuWindowClass = "#32768";
inline constexpr const char* DropDownListClass = "ComboLBox";
inline constexpr const char* TooltipClass = "tooltips_class32";

// Sends WM_NCCREATE, WM_NCCALCSIZE and WM_CREATE (a procedure answering WM_CREATE with -1 fails
// the creation: the window is destroyed and 0 returned), then shows it when WS_VISIBLE is set.
HWND CreateWindowEx(const TCreateWindowParams& params);
// Hides the window, sends WM_DESTROY to it and then to its children, destroys the children,
// sends WM_NCDESTROY and forgets the handle; its timers die with it.
bool DestroyWindow(HWND hwnd);
bool IsWindow(HWND hwnd);

// Runs the window's subclass chain (last installed first) and then its window procedure. A
// message to a handle that is not (or no longer) a window returns 0.
LRESULT SendMessage(HWND hwnd, UINT msg, WPARAM wParam = 0, LPARAM lParam = 0);
LRESULT DefWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

// Replacing the window procedure: the previous one is returned for CallWindowProc.
TWndProc GetWindowProc(HWND hwnd);
TWndProc SetWindowProc(HWND hwnd, TWndProc proc);
LRESULT CallWindowProc(const TWndProc& proc, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

// Subclass chains: Proc sees the window's messages before every procedure installed earlier and
// before the window procedure. Installing an Id again replaces its procedure in place; removing
// one (at any time, also from inside its own call) closes the chain around it.
bool SetWindowSubclass(HWND hwnd, TSubclassProc proc, uintptr_t id);
bool RemoveWindowSubclass(HWND hwnd, uintptr_t id);
// From inside a subclass procedure: the next procedure of the chain.
LRESULT DefSubclassProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

uint32_t GetWindowStyle(HWND hwnd);
// Changing the frame bits takes effect at the next SetWindowPos with SWP_FRAMECHANGED.
void SetWindowStyle(HWND hwnd, uint32_t style);
uint32_t GetWindowExStyle(HWND hwnd);
void SetWindowExStyle(HWND hwnd, uint32_t exStyle);
std::string GetWindowText(HWND hwnd);
// Stores the text (the caption of a top-level window) and repaints the frame.
void SetWindowText(HWND hwnd, const std::string& text);

HWND GetParent(HWND hwnd);
// The top-level window that holds Hwnd (itself when top-level).
HWND GetTopLevelWindow(HWND hwnd);
// The native window of Hwnd's top-level window (nullptr for message-only windows and unknown
// handles): where a child control finds its top-level window's video layer.
IPlatformWindow* GetNativeWindow(HWND hwnd);
// Child windows, topmost first.
std::vector<HWND> GetChildWindows(HWND hwnd);
// Top-level windows, topmost first (message-only windows are not listed).
std::vector<HWND> GetTopLevelWindows();

TRect GetWindowRect(HWND hwnd); // screen coordinates
TRect GetClientRect(HWND hwnd); // (0, 0, client width, client height)
// The client rectangle within the window rectangle (window coordinates).
TRect GetClientRectInWindow(HWND hwnd);
TPoint ClientToScreen(HWND hwnd, TPoint p);
TPoint ScreenToClient(HWND hwnd, TPoint p);
// The largest width or height of a window: a top-level window's back buffer stays within
// 256 MiB whatever a layout asks for.
inline constexpr int32_t MaxWindowExtent = 8192;
// Sends WM_WINDOWPOSCHANGING (the record may be changed), WM_NCCALCSIZE when the size or frame
// changes, then WM_WINDOWPOSCHANGED, WM_MOVE and WM_SIZE as they apply. Sizes are kept within
// 0..MaxWindowExtent.
bool SetWindowPos(HWND hwnd, HWND insertAfter, int32_t x, int32_t y, int32_t cx, int32_t cy,
                  uint32_t flags);
bool MoveWindow(HWND hwnd, int32_t x, int32_t y, int32_t cx, int32_t cy, bool repaint = true);

// The size limits of a window: the defaults (the work area of the window's monitor to maximise
// into, no tracking size beyond 1..MaxWindowExtent) as WM_GETMINMAXINFO leaves them. A top-level
// window with a sizing frame (WS_THICKFRAME) keeps to the tracking sizes whatever places it, and
// the window manager is told them.
TMinMaxInfo GetMinMaxInfo(HWND hwnd);

// Sends WM_SHOWWINDOW; shows or hides a top-level window's native window. Returns whether it
// was visible before.
bool ShowWindow(HWND hwnd, int cmd);
// Whether the window and all its ancestors are visible.
bool IsWindowVisible(HWND hwnd);
// Sends WM_ENABLE when the state changes; disabling the focus window's ancestor takes its focus.
// Returns whether it was disabled before.
bool EnableWindow(HWND hwnd, bool enable);
bool IsWindowEnabled(HWND hwnd);

// Moves the keyboard focus (WM_KILLFOCUS to the old window, WM_SETFOCUS to the new), activating
// the new window's top-level window first. Returns the previous focus window.
HWND SetFocus(HWND hwnd);
HWND GetFocus();
// Activation of top-level windows: WM_NCACTIVATE and WM_ACTIVATE to the old and the new.
HWND SetActiveWindow(HWND hwnd);
HWND GetActiveWindow();
// Mouse messages go to the capture window wherever the pointer is; WM_CAPTURECHANGED tells the
// window losing it.
HWND SetCapture(HWND hwnd);
bool ReleaseCapture();
HWND GetCapture();

// The window shape (window coordinates): hit tests outside it find nothing and a top-level
// window's native window takes the shape. nullopt restores the rectangle.
void SetWindowRgn(HWND hwnd, std::optional<TRegion> region, bool redraw);
std::optional<TRegion> GetWindowRgn(HWND hwnd);

// The deepest visible window under a screen point, or 0.
HWND WindowFromPoint(TPoint screen);
// The deepest visible descendant of Hwnd (or Hwnd itself) under a screen point, or 0 when the
// point is outside Hwnd.
HWND DescendantFromPoint(HWND hwnd, TPoint screen);

// A hidden message-only window whose messages go to Method (unhandled ones to DefWindowProc
// when Method leaves Result 0 and does nothing); for components that need a window of their own.
HWND AllocateHWnd(std::function<void(TMessage&)> method);
void DeallocateHWnd(HWND hwnd);

// --- Painting ------------------------------------------------------------------------------
// Marks a client rectangle (all of the client area for nullptr) for repainting; the window
// procedures see WM_ERASEBKGND and WM_PAINT at the next paint.
bool InvalidateRect(HWND hwnd, const TRect* rect, bool erase = true);
bool InvalidateRgn(HWND hwnd, const TRegion& region, bool erase = true);
// With RDW_FRAME the rectangle is in window coordinates and takes in the non-client area;
// RDW_UPDATENOW paints at once.
bool RedrawWindow(HWND hwnd, const TRect* rect, uint32_t flags);
// Whether any part of the top-level window that holds Hwnd waits to be painted.
bool HasUpdateRegion(HWND hwnd);
// Paints what is invalid of Hwnd's top-level window now and presents the dirty rectangles.
bool UpdateWindow(HWND hwnd);

// Paints the window (frame included) and its children into Dc, the window's top-left corner at
// Dc's origin, as a paint pass would; nothing is presented. For pictures of a whole window
// (show animations, printing); the window itself may still be hidden, its hidden children are
// left out.
bool PrintWindow(HWND hwnd, TDeviceContext& dc);

struct TPaintStruct {
    HDC hdc = nullptr;
    TRect rcPaint; // client coordinates
    bool fErase = true;
};
// Within WM_PAINT: the paint-time device context, its origin at the client's top-left and
// clipped to what needs painting. Outside a paint: nullptr.
HDC BeginPaint(HWND hwnd, TPaintStruct& ps);
void EndPaint(HWND hwnd, const TPaintStruct& ps);

// --- System metrics ------------------------------------------------------------------------
inline constexpr int SM_CXSCREEN = 0, SM_CYSCREEN = 1, SM_CXBORDER = 5, SM_CYBORDER = 6,
                     SM_CXDLGFRAME = 7, SM_CYDLGFRAME = 8, SM_CYCAPTION = 4, SM_CXFRAME = 32,
                     SM_CYFRAME = 33, SM_CXSIZE = 30, SM_CYSIZE = 31, SM_CXSMSIZE = 52,
                     SM_CYSMSIZE = 53, SM_CYSMCAPTION = 51, SM_CXMINTRACK = 34, SM_CYMINTRACK = 35,
                     SM_CXDOUBLECLK = 36, SM_CYDOUBLECLK = 37, SM_CMONITORS = 80,
                     SM_CYVTHUMB = 9, SM_CXHTHUMB = 10;
// The classic metrics; screen sizes are the primary monitor's.
int32_t GetSystemMetrics(int index);
// Milliseconds between the clicks of a double click.
uint32_t GetDoubleClickTime();

} // namespace brisat
