// Reads X server pixels (XGetImage) into 0x00RRGGBB rows; a refused read is a failure, not the
// end of the program.
#pragma once

#include "platform/platform.h"

#include <X11/Xlib.h>
#include <cstdint>

namespace brisat {

// Copies Area of Drawable (its coordinates) to Out, rows of OutStride pixels. False when the
// server refused (an unviewable window, an area outside it).
bool ReadX11Area(Display* display, Drawable drawable, const TScreenRect& area, uint32_t* out,
                 int32_t outStride);

// The screen's pixels in Rect of the default root window; black outside the screen.
std::vector<uint32_t> ReadX11Screen(Display* display, const TScreenRect& rect);

} // namespace brisat
