// Timed transition effects that bring a window image onto the screen over what lies behind it.
// Each pass renders one frame and copies it to Target at Position; the pass time (measured with
// TKsCounter) plus 1 ms advances the effect's clock t until it reaches Duration. Nothing happens
// for a Duration ≤ 0. Image's key-coloured pixels are made transparent first (the image is
// changed). Background is what lies under the window now; both images have the area Size.
// Runs on the GUI thread and blocks it for about Duration milliseconds.
#pragma once

#include "framework/graphics/device_context.h"
#include "framework/core/types.h"
#include "skin/bitmap/bitmap.h"

#include <cstdint>

namespace brisat {

// Opacity rises from 15 to 255.
void FadeIn(TDeviceContext& target, const TKsBitmap& background, TSize size, int32_t duration,
            TPoint position, TKsBitmap& image);
// Direction: 0 from the right, 1 from the bottom, 2 from the left, 3 from the top, 4 from the
// top-left, 5 from the top-right, 6 from the bottom-left, 7 from the bottom-right.
void SlideIn(TDeviceContext& target, const TKsBitmap& background, TSize size, int32_t duration,
             TPoint position, TKsBitmap& image, int32_t direction);
// Kind: 0 grows from the centre, 1 from the top-left, 2 from the top-right, 3 from the
// bottom-left, 4 from the bottom-right corner.
void RectReveal(TDeviceContext& target, const TKsBitmap& background, TSize size, int32_t duration,
                TPoint position, TKsBitmap& image, int32_t kind);

// One frame at time T of Duration (0 ≤ T < Duration) into Frame, which has the area's size.
// Unknown directions and kinds show the whole image in place.
void RenderFadeFrame(TKsBitmap& frame, const TKsBitmap& background, TKsBitmap& image, int32_t t,
                     int32_t duration);
void RenderSlideFrame(TKsBitmap& frame, const TKsBitmap& background, TKsBitmap& image, int32_t t,
                      int32_t duration, int32_t direction);
void RenderRevealFrame(TKsBitmap& frame, const TKsBitmap& background, TKsBitmap& image, int32_t t,
                       int32_t duration, int32_t kind);

} // namespace brisat
