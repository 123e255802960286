#include "platform/alpha_rows.h"

namespace brisat {

namespace {

// V × A / 255 rounded, for V and A in 0..255, without a division.
uint32_t ScaleChannel(uint32_t v, uint32_t a) {
    const uint32_t t = v * a + 128;
    return (t + (t >> 8)) >> 8;
}

} // namespace

uint32_t Premultiplied(uint32_t pixel) {
    const uint32_t a = pixel >> 24;
    return (a << 24) | (ScaleChannel((pixel >> 16) & 0xFF, a) << 16) |
           (ScaleChannel((pixel >> 8) & 0xFF, a) << 8) | ScaleChannel(pixel & 0xFF, a);
}

void CopyRowPremultiplied(const uint32_t* in, uint32_t* out, int32_t count) {
    for (int32_t x = 0; x < count; ++x)
        out[x] = Premultiplied(in[x]);
}

void CopyRowOpaque(const uint32_t* in, uint32_t* out, int32_t count) {
    for (int32_t x = 0; x < count; ++x)
        out[x] = in[x] | 0xFF000000u;
}

} // namespace brisat
