// Row copies that prepare back-buffer pixels for a window with a video layer: pixels of the
// colour key become fully transparent so the video under them shows, all others opaque.
#pragma once

#include <cstdint>

namespace brisat {

// Copies Count pixels (0xAARRGGBB) from In to Out: 0 where the RGB part equals KeyRgb
// (0x00RRGGBB), else the pixel with alpha 255. In and Out may be the same row.
void CopyRowKeyed(const uint32_t* in, uint32_t* out, int32_t count, uint32_t keyRgb);

} // namespace brisat
