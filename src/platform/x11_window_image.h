// Reads what an SDL window shows on the X display (XGetImage), for tests and screenshots.
#pragma once

#include <cstdint>
#include <vector>

struct SDL_Window;

namespace brisat {

// Width × Height pixels 0x00RRGGBB from the window's top-left corner, after the X server has
// done all drawing requested so far. Raises std::runtime_error when the window is not an X11
// window or its image cannot be read (as when part of it lies off the screen).
std::vector<uint32_t> ReadX11Window(SDL_Window* window, int32_t width, int32_t height);

} // namespace brisat
