// Row kernels: the per-pixel loops of the bitmap engine over contiguous pixels. Each gives exactly
// the result of applying the scalar functions of pixel.h pixel by pixel; faster paths are chosen
// at run time from what the processor offers.
#pragma once

#include <cstddef>
#include <cstdint>

#include "skin/bitmap/pixel.h"

namespace brisat {

// dst[i] := alpha rule of src[i] over dst[i]: alpha 0 keeps dst, 255 replaces it, else Blend.
void BlendRow(TKsPixel* dst, const TKsPixel* src, size_t count);
// dst[i] := Blend(pixel, dst[i]).
void BlendFillRow(TKsPixel* dst, TKsPixel pixel, size_t count);
// HueShift(p, delta) for every pixel whose alpha is not 0.
void ChangeHueRow(TKsPixel* pixels, size_t count, int32_t delta);
// Pixels whose R, G, B equal those of `pixel` become the key pixel.
void MakeTransparentRow(TKsPixel* pixels, size_t count, TKsPixel pixel);
void SetAlphaRow(TKsPixel* pixels, size_t count, uint8_t alpha);

} // namespace brisat
