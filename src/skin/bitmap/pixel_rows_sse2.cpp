// SSE2 row kernels. SSE2 belongs to every x86-64 processor, so this file
// needs no run-time check.
#if defined(__x86_64__)

#include "skin/bitmap/pixel_row_paths.h"

#include <cstring>
#include <emmintrin.h>

namespace brisat {

namespace {

inline __m128i Load(const TKsPixel* p) {
    return _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
}
inline void Store(TKsPixel* p, __m128i v) {
    _mm_storeu_si128(reinterpret_cast<__m128i*>(p), v);
}

// ---- Primitives for pixel_lanes.h and pixel_hue_lanes.h: four pixels per register, two doubles
// per hue register.

#define BRISAT_SSE2_INLINE [[gnu::always_inline]] inline

using TPixels = __m128i;
#define BRISAT_EPI(op) _mm_##op
BRISAT_SSE2_INLINE __m128i SelectBits(__m128i mask, __m128i a, __m128i b) {
    return _mm_or_si128(_mm_and_si128(mask, a), _mm_andnot_si128(mask, b));
}
BRISAT_SSE2_INLINE TPixels PixelSelect(TPixels mask, TPixels a, TPixels b) {
    return SelectBits(mask, a, b);
}

using TReg = __m128d;
constexpr int kRegs = 4;
#define BRISAT_PD(op) _mm_##op##_pd

BRISAT_SSE2_INLINE TReg RegLess(TReg a, TReg b) {
    return _mm_cmplt_pd(a, b);
}
BRISAT_SSE2_INLINE TReg RegLessEqual(TReg a, TReg b) {
    return _mm_cmple_pd(a, b);
}
BRISAT_SSE2_INLINE TReg RegEqual(TReg a, TReg b) {
    return _mm_cmpeq_pd(a, b);
}
BRISAT_SSE2_INLINE TReg RegSelect(TReg mask, TReg a, TReg b) {
    return _mm_or_pd(_mm_and_pd(mask, a), _mm_andnot_pd(mask, b));
}
// SSE2 has no rounding instruction. |t| stays far below 2^31 (a fraction of the hue circle plus
// Delta / 255), so truncating to int32 is exact, and a truncation above t is one too high.
BRISAT_SSE2_INLINE TReg RegFloor(TReg t) {
    __m128d truncated = _mm_cvtepi32_pd(_mm_cvttpd_epi32(t));
    return _mm_sub_pd(truncated, _mm_and_pd(_mm_cmpgt_pd(truncated, t), _mm_set1_pd(1)));
}
BRISAT_SSE2_INLINE __m128i RegNearest(TReg a) {
    return _mm_cvtpd_epi32(a);
}
BRISAT_SSE2_INLINE TReg RegLookup(const double* table, __m128i steps) {
    uint32_t k0 = uint32_t(_mm_cvtsi128_si32(steps)) & 0xFF;
    uint32_t k1 = uint32_t(_mm_cvtsi128_si32(_mm_srli_si128(steps, 4))) & 0xFF;
    return _mm_set_pd(table[k1], table[k0]);
}
template <int Shift> BRISAT_SSE2_INLINE TReg RegChannel(const TKsPixel* pixels, int reg) {
    return _mm_set_pd(ksChannelUnits[pixels[2 * reg + 1] >> Shift & 0xFF],
                      ksChannelUnits[pixels[2 * reg] >> Shift & 0xFF]);
}
// Registers hold two steps each.
BRISAT_SSE2_INLINE __m128i StepGroup(const __m128i* steps, int group) {
    return _mm_unpacklo_epi64(steps[2 * group], steps[2 * group + 1]);
}

#define BRISAT_LANES BRISAT_SSE2_INLINE
#include "skin/bitmap/pixel_lanes.h"
#include "skin/bitmap/pixel_hue_lanes.h"
#undef BRISAT_LANES
#undef BRISAT_EPI
#undef BRISAT_PD

void Sse2BlendRow(TKsPixel* dst, const TKsPixel* src, size_t count) {
    const __m128i ones = _mm_set1_epi32(-1), zero = _mm_setzero_si128();
    size_t i = 0;
    for (; i + 4 <= count; i += 4) {
        PrefetchAhead(dst + i, src + i);
        __m128i s = Load(src + i);
        if (AlphasEqual(s, ones))
            Store(dst + i, s);
        else if (!AlphasEqual(s, zero))
            Store(dst + i, BlendPixels(s, Load(dst + i)));
    }
    ScalarBlendRow(dst + i, src + i, count - i);
}

void Sse2BlendFillRow(TKsPixel* dst, TKsPixel pixel, size_t count) {
    const uint32_t a = pixel >> 24;
    if (a == 0) return;
    size_t i = 0;
    if (a == 255) {
        // A plain fill: nothing to read.
        for (; i + 4 <= count; i += 4)
            Store(dst + i, _mm_set1_epi32(int32_t(pixel)));
    } else {
        const __m128i scaledPixel = _mm_set1_epi32(int32_t(ScalePixel(pixel, a)));
        const __m128i k = _mm_set1_epi16(int16_t(255 - a));
        for (; i + 4 <= count; i += 4)
            Store(dst + i, BlendFill(Load(dst + i), scaledPixel, k));
    }
    ScalarBlendFillRow(dst + i, pixel, count - i);
}

void Sse2ChangeHueRow(TKsPixel* pixels, size_t count, int32_t delta) {
    ChangeHueLanesRow(pixels, count, delta);
}

void Sse2MakeTransparentRow(TKsPixel* pixels, size_t count, TKsPixel pixel) {
    const __m128i rgbMask = _mm_set1_epi32(0x00FFFFFF);
    const __m128i rgb = _mm_set1_epi32(int32_t(pixel & 0x00FFFFFF));
    const __m128i key = _mm_set1_epi32(int32_t(ksKeyPixel));
    size_t i = 0;
    for (; i + 4 <= count; i += 4) {
        __m128i p = Load(pixels + i);
        Store(pixels + i, SelectBits(_mm_cmpeq_epi32(_mm_and_si128(p, rgbMask), rgb), key, p));
    }
    ScalarMakeTransparentRow(pixels + i, count - i, pixel);
}

void Sse2SetAlphaRow(TKsPixel* pixels, size_t count, uint8_t alpha) {
    const __m128i rgbMask = _mm_set1_epi32(0x00FFFFFF);
    const __m128i a = _mm_set1_epi32(int32_t(uint32_t(alpha) << 24));
    size_t i = 0;
    for (; i + 4 <= count; i += 4)
        Store(pixels + i, _mm_or_si128(_mm_and_si128(Load(pixels + i), rgbMask), a));
    ScalarSetAlphaRow(pixels + i, count - i, alpha);
}

} // namespace

const TPixelRowKernels ksSse2RowKernels = {Sse2BlendRow, Sse2BlendFillRow, Sse2ChangeHueRow,
                                           Sse2MakeTransparentRow, Sse2SetAlphaRow};

} // namespace brisat

#endif
