#include "skin/pixel_rows.h"

namespace brisat {

void BlendRow(TKsPixel* dst, const TKsPixel* src, size_t count) {
    for (size_t i = 0; i < count; ++i) {
        uint32_t a = src[i] >> 24;
        if (a == 0) continue;
        dst[i] = a == 255 ? src[i] : Blend(src[i], dst[i]);
    }
}

void BlendFillRow(TKsPixel* dst, TKsPixel pixel, size_t count) {
    for (size_t i = 0; i < count; ++i) dst[i] = Blend(pixel, dst[i]);
}

void ChangeHueRow(TKsPixel* pixels, size_t count, int32_t delta) {
    for (size_t i = 0; i < count; ++i)
        if (pixels[i] >> 24) pixels[i] = HueShift(pixels[i], delta);
}

void MakeTransparentRow(TKsPixel* pixels, size_t count, TKsPixel pixel) {
    const uint32_t rgb = pixel & 0x00FFFFFF;
    for (size_t i = 0; i < count; ++i)
        if ((pixels[i] & 0x00FFFFFF) == rgb) pixels[i] = ksKeyPixel;
}

void SetAlphaRow(TKsPixel* pixels, size_t count, uint8_t alpha) {
    const uint32_t a = uint32_t(alpha) << 24;
    for (size_t i = 0; i < count; ++i) pixels[i] = (pixels[i] & 0x00FFFFFF) | a;
}

} // namespace brisat
