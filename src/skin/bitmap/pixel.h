// Pixel arithmetic of the bitmap engine. A pixel is 0xAARRGGBB with straight (not premultiplied)
// alpha; framework colours are 0x00BBGGRR.
#pragma once

#include <array>
#include <cstdint>

#include "framework/core/colors.h"

namespace brisat {

using TKsPixel = uint32_t;

inline constexpr TKsPixel ksOutOfRangePixel = 0xFF000000;
inline constexpr TKsPixel ksGreyPixel = 0xFF7F7F7F;
inline constexpr TKsPixel ksWhitePixel = 0xFFFFFFFF;
inline constexpr TKsPixel ksRedPixel = 0xFFFF0000;
inline constexpr TKsPixel ksDarkBluePixel = 0xFF003399;
// The transparent key: R 127, G 0, B 127, alpha 0. Key comparisons look at R, G and B only.
inline constexpr TKsPixel ksKeyPixel = 0x007F007F;

inline constexpr bool IsKeyColor(TKsPixel p) { return (p & 0x00FFFFFF) == 0x007F007F; }

// The colour (system colours resolved) packed with Alpha.
TKsPixel ColorToPixel(TColor color, uint8_t alpha);
// Drops the alpha: 0x00BBGGRR.
inline constexpr TColor PixelToColor(TKsPixel p) {
    return TColor((p >> 16 & 0xFF) | (p & 0xFF00) | (p & 0xFF) << 16);
}
// Packs R, G, B clamped to 0..255 with the low byte of A.
inline constexpr TKsPixel MakePixel(int32_t r, int32_t g, int32_t b, int32_t a) {
    auto clamp = [](int32_t v) { return uint32_t(v < 0 ? 0 : v > 255 ? 255 : v); };
    return uint32_t(a & 0xFF) << 24 | clamp(r) << 16 | clamp(g) << 8 | clamp(b);
}

// Every byte c of x becomes (c × k + 128) div 256, in two 16-bit lanes.
inline constexpr uint32_t ScalePixel(uint32_t x, uint32_t k) {
    return ((((x & 0x00FF00FF) * k + 0x00800080) & 0xFF00FF00) >> 8) |
           ((((x & 0xFF00FF00) >> 8) * k + 0x00800080) & 0xFF00FF00);
}

// Src composited over Dst by Src's alpha; alpha is scaled like the colour channels.
inline constexpr TKsPixel Blend(TKsPixel src, TKsPixel dst) {
    uint32_t a = src >> 24;
    if (a == 255) return src;
    if (a == 0) return dst;
    return ScalePixel(src, a) + ScalePixel(dst, 255 - a);
}

// Channel byte v as the double v / 255, the unit HueShift computes in.
inline constexpr std::array<double, 256> ksChannelUnits = [] {
    std::array<double, 256> units{};
    for (int v = 0; v < 256; ++v)
        units[v] = double(v) / 255;
    return units;
}();

// The pixel's hue as a step of a 255-step circle (0..255, 0 for greys), rounded as HueShift does.
int32_t HueStep(TKsPixel pixel);
// Rotates the hue by Delta steps of a 255-step circle through HSL; the result is opaque.
TKsPixel HueShift(TKsPixel pixel, int32_t delta);

} // namespace brisat
