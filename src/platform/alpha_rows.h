// Row copies that prepare back-buffer pixels for a window whose visual has alpha: a compositing
// manager lays such a window over what lies beneath with premultiplied alpha (each colour channel
// already scaled by the alpha), as X Render does; without one, the server shows the colour bytes
// as they are, so the window must be opaque.
#pragma once

#include <cstdint>

namespace brisat {

// A straight-alpha pixel 0xAARRGGBB premultiplied: each colour channel becomes
// channel × alpha / 255, rounded to the nearest; alpha stays.
uint32_t Premultiplied(uint32_t pixel);

// Copies Count pixels from In to Out, each Premultiplied. In and Out may be the same row.
void CopyRowPremultiplied(const uint32_t* in, uint32_t* out, int32_t count);

// Copies Count pixels from In to Out with alpha 255. In and Out may be the same row.
void CopyRowOpaque(const uint32_t* in, uint32_t* out, int32_t count);

} // namespace brisat
