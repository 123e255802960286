// What SDL has no call for on X11, for the desktop platform's windows: shapes, the drop-down
// window type, mapping with or without taking the focus, stacking, pointer grabs and reading a
// window's pixels. Each call works on the SDL window's own X connection, so its requests stay in
// order with SDL's. GUI thread only.
#pragma once

#include "platform/platform.h"

#include <optional>
#include <vector>

struct SDL_Window;

namespace brisat {

// The bounding shape from rectangles in window pixels (empty ones skipped, so a list of only
// empty rectangles hides every pixel); an empty list restores the full rectangle.
void SetX11WindowShape(SDL_Window* window, const std::vector<TScreenRect>& rects);
// Leaves a menu, drop-down or tooltip to itself (override-redirect: no frame, placement or
// focus by the window manager) and names its type (_NET_WM_WINDOW_TYPE_POPUP_MENU, ...) for
// compositors; call before the first map. SDL's own popup flags are not used, since SDL then
// reads the pointer over such windows through XInput2 events that never reach the
// application, only core events do.
void MarkX11Transient(SDL_Window* window, const char* windowType);

enum class TX11Activation { Activate, Leave };
// Maps the window just under Under (a window kept above it), or raised when Under is null or
// cannot be its sibling; true when it went under Under. Activate gives it the input focus
// (through the window manager when one runs); Leave asks the window manager not to focus it and
// keeps the focus where it is.
bool ShowX11Window(SDL_Window* window, TX11Activation activation, SDL_Window* under);
void HideX11Window(SDL_Window* window);
// Gives a clicked window the input focus when no window manager runs to do it.
void FocusClickedX11Window(SDL_Window* window);
void RaiseX11Window(SDL_Window* window);
void LowerX11Window(SDL_Window* window);

// Sends pointer events outside our windows to Window (events over our other windows still go
// to those). False when the server refused.
bool GrabX11Pointer(SDL_Window* window);
void UngrabX11Pointer(SDL_Window* window);

// Where the window itself lies on the screen now (inside a window manager's frame, if any);
// nullopt when the server cannot tell (the window is gone).
std::optional<TScreenRect> X11WindowScreenBounds(SDL_Window* window);

// The window's pixels as shown on the screen, its whole Width × Height; parts off the screen
// read black. Raises std::runtime_error when the window is not viewable.
TCapturedPixels ReadX11WindowPixels(SDL_Window* window, int32_t width, int32_t height);

} // namespace brisat
