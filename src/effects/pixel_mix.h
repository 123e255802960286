// Mixing two 0xAARRGGBB pixels' colours by a coverage, for the decorations that lay pictures
// over what is already drawn.
#pragma once

#include <cstdint>

namespace brisat {

// Over's colour on Cover of 255 parts, Under's on the rest, rounded; the alpha is Under's.
inline uint32_t MixPixel(uint32_t over, uint32_t under, uint32_t cover) {
    const uint32_t keep = 255 - cover;
    uint32_t pixel = under & 0xFF000000u;
    for (int shift : {0, 8, 16})
        pixel |= ((((over >> shift) & 0xFF) * cover + ((under >> shift) & 0xFF) * keep + 127) / 255)
                 << shift;
    return pixel;
}

} // namespace brisat
