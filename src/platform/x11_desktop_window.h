// Window-manager hints (EWMH) that turn an SDL window into part of the desktop or into a
// full-screen window over one monitor. Both place and size the window on the monitor and take
// its frame away. GUI thread only; each raises std::runtime_error when Window is not an X11
// window.
#pragma once

#include "platform/platform.h"

#include <vector>

struct SDL_Window;

namespace brisat {

// The window becomes a desktop window below every other, on every workspace and without task
// bar or pager entries, so video drawn in it shows as the desktop's background. The window
// manager reads a window's type when the window is mapped, so a shown window is withdrawn and
// mapped again with its new type. Returns the window's hints from before, for
// RestoreWindowHints.
struct TX11WindowHints {
    std::vector<unsigned long> Type;  // _NET_WM_WINDOW_TYPE atoms
    std::vector<unsigned long> State; // _NET_WM_STATE atoms
};
TX11WindowHints MakeDesktopWindow(SDL_Window* window, const TScreenRect& monitor);

// Gives the window back the type and states it had before MakeDesktopWindow and takes it off
// every workspace but the current one; a shown window is withdrawn and mapped again, raised.
void RestoreWindowHints(SDL_Window* window, const TX11WindowHints& hints);

// Where a full-screen window stacks: among normal windows, or above them.
enum class TFullScreenStacking : uint8_t { Normal, TopMost };

// The window covers the monitor without a frame, above normal windows when TopMost. Under a
// window manager that announces _NET_WM_STATE_FULLSCREEN it is asked for that state; without
// one the window is placed over the monitor and, when TopMost, raised.
void MakeFullScreenWindow(SDL_Window* window, const TScreenRect& monitor,
                          TFullScreenStacking stacking);

} // namespace brisat
