// The framework's record of one window, shared by the handle, painting and queue modules. Not
// part of the public interface.
#pragma once

#include "framework/graphics/surface.h"
#include "framework/windowing/window_handle.h"
#include "platform/platform.h"

#include <memory>

namespace brisat {

struct TSubclassEntry {
    uintptr_t Id = 0;
    TSubclassProc Proc;
};

struct TWindowRecord {
    HWND Handle = 0;
    HWND Parent = 0;
    std::vector<HWND> Children; // bottom first
    TRect Rect;                 // parent's client coordinates, or the screen
    TRect Client;               // window coordinates
    uint32_t Style = 0;
    uint32_t ExStyle = 0;
    std::string Text;
    TWndProc Proc;
    std::vector<TSubclassEntry> Subclasses;
    bool MessageOnly = false;
    bool Destroying = false;
    std::optional<TRegion> Shape;

    // Top-level windows.
    std::unique_ptr<IPlatformWindow> Native;
    TSurface BackBuffer;
    TRegion Dirty; // window coordinates
    // A paint pass of this window is running (a handler may run a nested message loop).
    bool Painting = false;

    // During this window's WM_PAINT.
    HDC PaintDC = nullptr;
    TRect PaintRect;

    bool Visible() const { return Style & WS_VISIBLE; }
    bool TopLevel() const { return Parent == 0; }
};

// The record of a live window, or nullptr.
TWindowRecord* FindWindowRecord(HWND hwnd);
// The top-level window's origin-relative rectangle of Hwnd's window (top-level window
// coordinates) and the part of it its ancestors leave visible.
TRect WindowRectInTop(const TWindowRecord& record);
TRect VisibleRectInTop(const TWindowRecord& record);
// Drops a window's timers (message_queue.cpp) and its input state when it goes.
void ForgetWindowTimers(HWND hwnd);
void ForgetWindowInput(HWND hwnd);
// The caret's rectangle in Top's coordinates while it shows there (caret.cpp), and dropping the
// caret of a window that goes.
bool CaretOverlay(HWND top, TRect& rectInTop);
void ForgetWindowCaret(HWND hwnd);

} // namespace brisat

namespace brisat {

// A SetWindowPos flag of the framework's own: the native window is already where the call puts
// it (the window manager placed it), so it is not asked to go there.
inline constexpr uint32_t SWP_NATIVEPLACED = 0x80000000;
// The window manager placed or sized a top-level window's native window at Bounds: the window
// takes them, its size kept within its limits.
void NativeWindowMoved(HWND hwnd, const TRect& bounds);

// Moving and sizing a top-level window by its frame (window_frame.cpp): started by the default
// handling of a left-button press on the caption or a sizing border; while it runs, the queue
// hands it the pointer instead of making mouse messages.
void BeginMoveSize(HWND hwnd, LRESULT hit, TPoint screen);
bool MoveSizeTracking();
void MoveSizeMouse(TPoint screen, bool buttonUp);

} // namespace brisat
