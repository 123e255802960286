#include "skin/bitmap/pixel_rows.h"

#include "skin/bitmap/pixel_row_paths.h"

namespace brisat {

void ScalarBlendRow(TKsPixel* dst, const TKsPixel* src, size_t count) {
    for (size_t i = 0; i < count; ++i) {
        uint32_t a = src[i] >> 24;
        if (a == 0) continue;
        dst[i] = a == 255 ? src[i] : Blend(src[i], dst[i]);
    }
}

void ScalarBlendFillRow(TKsPixel* dst, TKsPixel pixel, size_t count) {
    for (size_t i = 0; i < count; ++i)
        dst[i] = Blend(pixel, dst[i]);
}

void ScalarChangeHueRow(TKsPixel* pixels, size_t count, int32_t delta) {
    for (size_t i = 0; i < count; ++i)
        if (pixels[i] >> 24) pixels[i] = HueShift(pixels[i], delta);
}

void ScalarMakeTransparentRow(TKsPixel* pixels, size_t count, TKsPixel pixel) {
    const uint32_t rgb = pixel & 0x00FFFFFF;
    for (size_t i = 0; i < count; ++i)
        if ((pixels[i] & 0x00FFFFFF) == rgb) pixels[i] = ksKeyPixel;
}

void ScalarSetAlphaRow(TKsPixel* pixels, size_t count, uint8_t alpha) {
    const uint32_t a = uint32_t(alpha) << 24;
    for (size_t i = 0; i < count; ++i)
        pixels[i] = (pixels[i] & 0x00FFFFFF) | a;
}

const double* HueShiftTable(int32_t delta) {
    struct TCache {
        bool ready = false;
        int32_t delta = 0;
        double shifted[256] = {};
    };
    thread_local TCache cache;
    if (!cache.ready || cache.delta != delta) {
        for (int64_t k = 0; k < 256; ++k) {
            int64_t n = k + delta;
            if (n > 255) n -= 255;
            if (n < 0) n += 255;
            cache.shifted[k] = double(n) / 255;
        }
        cache.delta = delta;
        cache.ready = true;
    }
    return cache.shifted;
}

namespace {

const TPixelRowKernels ksScalarRowKernels = {ScalarBlendRow, ScalarBlendFillRow, ScalarChangeHueRow,
                                             ScalarMakeTransparentRow, ScalarSetAlphaRow};

// The widest path this processor runs, chosen on first use.
const TPixelRowKernels& ActiveKernels() {
    static const TPixelRowKernels* const active = [] {
        for (TPixelRowPath path : {TPixelRowPath::Avx512, TPixelRowPath::Avx2, TPixelRowPath::Sse2})
            if (const TPixelRowKernels* kernels = PixelRowKernels(path)) return kernels;
        return &ksScalarRowKernels;
    }();
    return *active;
}

} // namespace

const TPixelRowKernels* PixelRowKernels(TPixelRowPath path) {
    switch (path) {
    case TPixelRowPath::Scalar:
        return &ksScalarRowKernels;
#if defined(__x86_64__)
    case TPixelRowPath::Sse2:
        return &ksSse2RowKernels;
    case TPixelRowPath::Avx2:
        __builtin_cpu_init();
        return __builtin_cpu_supports("avx2") ? &ksAvx2RowKernels : nullptr;
    case TPixelRowPath::Avx512:
        __builtin_cpu_init();
        return __builtin_cpu_supports("avx2") && __builtin_cpu_supports("avx512vl") &&
                       __builtin_cpu_supports("avx512bw")
                   ? &ksAvx512RowKernels
                   : nullptr;
#endif
    default:
        return nullptr;
    }
}

void BlendRow(TKsPixel* dst, const TKsPixel* src, size_t count) {
    ActiveKernels().BlendRow(dst, src, count);
}

void BlendFillRow(TKsPixel* dst, TKsPixel pixel, size_t count) {
    ActiveKernels().BlendFillRow(dst, pixel, count);
}

void ChangeHueRow(TKsPixel* pixels, size_t count, int32_t delta) {
    ActiveKernels().ChangeHueRow(pixels, count, delta);
}

void MakeTransparentRow(TKsPixel* pixels, size_t count, TKsPixel pixel) {
    ActiveKernels().MakeTransparentRow(pixels, count, pixel);
}

void SetAlphaRow(TKsPixel* pixels, size_t count, uint8_t alpha) {
    ActiveKernels().SetAlphaRow(pixels, count, alpha);
}

} // namespace brisat
