// Bitmaps as byte blocks of layouts: a PNG image of the bitmap's 32-bit pixels, alpha included.
// Reading checks the size before any pixel memory is taken, so damaged or hostile data ends in
// EReadError, never in a crash or a huge allocation.
#pragma once

#include "framework/graphics/graphics.h"

#include <cstdint>
#include <vector>

namespace brisat {

// The largest picture a byte block may hold (4 Mi pixels, 16 MiB of pixels).
inline constexpr int64_t MaxBitmapDataPixels = int64_t(1) << 22;

// The PNG of Width columns of the bitmap from the left (all of it when Width is negative);
// empty for an empty bitmap.
std::vector<uint8_t> BitmapToData(const TBitmap& bitmap, int32_t width = -1);
// Replaces the bitmap's size and pixels with the PNG in Data (pf32bit); empty Data empties it.
// Raises EReadError naming what is wrong; the bitmap is unchanged then.
void DataToBitmap(const std::vector<uint8_t>& data, TBitmap& bitmap);

} // namespace brisat
