#include "skin/bitmap/pixel.h"

#include <cmath>

namespace brisat {

TKsPixel ColorToPixel(TColor color, uint8_t alpha) {
    uint32_t rgb = ColorToRGB(color);
    return uint32_t(alpha) << 24 | uint32_t(GetRValue(rgb)) << 16 | uint32_t(GetGValue(rgb)) << 8 |
           GetBValue(rgb);
}

namespace {

// Nearest integer, ties to even (the default rounding mode).
inline int32_t Nearest(double x) { return int32_t(std::nearbyint(x)); }

inline double HueChannel(double p, double q, double t) {
    t -= std::floor(t);
    double value;
    if (6 * t < 1)
        value = p + (q - p) * 6 * t;
    else if (2 * t < 1)
        value = q;
    else if (3 * t < 2)
        value = p + (q - p) * (2.0 / 3.0 - t) * 6;
    else
        value = p;
    return value;
}

} // namespace

int32_t HueStep(TKsPixel pixel) {
    double r = ksChannelUnits[pixel >> 16 & 0xFF];
    double g = ksChannelUnits[pixel >> 8 & 0xFF];
    double b = ksChannelUnits[pixel & 0xFF];
    double max = std::fmax(r, std::fmax(g, b));
    double min = std::fmin(r, std::fmin(g, b));
    if (max == min) return 0;
    double d = max - min;
    double h;
    if (max == r)
        h = (g - b) / d;
    else if (max == g)
        h = (b - r) / d + 2;
    else
        h = (r - g) / d + 4;
    h /= 6;
    if (h < 0) h += 1;
    return Nearest(h * 255);
}

TKsPixel HueShift(TKsPixel pixel, int32_t delta) {
    double r = ksChannelUnits[pixel >> 16 & 0xFF];
    double g = ksChannelUnits[pixel >> 8 & 0xFF];
    double b = ksChannelUnits[pixel & 0xFF];
    double max = std::fmax(r, std::fmax(g, b));
    double min = std::fmin(r, std::fmin(g, b));
    double l = (max + min) / 2;
    if (max == min) {
        int32_t v = Nearest(l * 255);
        return MakePixel(v, v, v, 255);
    }
    double d = max - min;
    double s = l < 0.5 ? d / (max + min) : d / (2 - max - min);
    int64_t n = int64_t(HueStep(pixel)) + delta; // no overflow for any Delta
    if (n > 255) n -= 255;
    if (n < 0) n += 255;
    double shifted = double(n) / 255;
    double q = l <= 0.5 ? l * (1 + s) : l + s - l * s;
    double p = 2 * l - q;
    return MakePixel(Nearest(HueChannel(p, q, shifted + 1.0 / 3.0) * 255),
                     Nearest(HueChannel(p, q, shifted) * 255),
                     Nearest(HueChannel(p, q, shifted - 1.0 / 3.0) * 255), 255);
}

} // namespace brisat
