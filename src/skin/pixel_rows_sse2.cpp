// SSE2 row kernels. SSE2 belongs to every x86-64 processor, so this file
// needs no run-time check.
#if defined(__x86_64__)

#include "skin/pixel_row_paths.h"

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

// Mask ? a : b, lane by lane.
inline __m128i Select(__m128i mask, __m128i a, __m128i b) {
    return _mm_or_si128(_mm_and_si128(mask, a), _mm_andnot_si128(mask, b));
}
inline __m128d Select(__m128d mask, __m128d a, __m128d b) {
    return _mm_or_pd(_mm_and_pd(mask, a), _mm_andnot_pd(mask, b));
}

// Bit 4i + 3 of the byte mask is set when the alpha byte of pixel i equals that of Value.
inline int AlphaMatches(__m128i pixels, __m128i value) {
    return _mm_movemask_epi8(_mm_cmpeq_epi8(pixels, value)) & 0x8888;
}

// ---- Blending. Channels are widened to 16-bit lanes, so (v × k + 128) >> 8 never carries.

inline __m128i Scale16(__m128i v, __m128i k) {
    return _mm_srli_epi16(_mm_add_epi16(_mm_mullo_epi16(v, k), _mm_set1_epi16(128)), 8);
}

// Each pixel's alpha word copied to its four channel words.
inline __m128i SpreadAlpha(__m128i v) {
    return _mm_shufflehi_epi16(_mm_shufflelo_epi16(v, 0xFF), 0xFF);
}

// ScalePixel(src, a) + ScalePixel(dst, 255 − a) for four pixels, a being each source alpha.
inline __m128i Mix(__m128i src, __m128i dst) {
    const __m128i zero = _mm_setzero_si128();
    const __m128i full = _mm_set1_epi16(255);
    __m128i srcLo = _mm_unpacklo_epi8(src, zero), srcHi = _mm_unpackhi_epi8(src, zero);
    __m128i alphaLo = SpreadAlpha(srcLo), alphaHi = SpreadAlpha(srcHi);
    __m128i scaledSrc = _mm_packus_epi16(Scale16(srcLo, alphaLo), Scale16(srcHi, alphaHi));
    __m128i scaledDst =
        _mm_packus_epi16(Scale16(_mm_unpacklo_epi8(dst, zero), _mm_sub_epi16(full, alphaLo)),
                         Scale16(_mm_unpackhi_epi8(dst, zero), _mm_sub_epi16(full, alphaHi)));
    return _mm_add_epi32(scaledSrc, scaledDst);
}

// The alpha rule for four pixels: alpha 0 keeps dst, 255 takes src, else Blend.
inline __m128i Blend4(__m128i src, __m128i dst) {
    __m128i alpha = _mm_srli_epi32(src, 24);
    __m128i opaque = _mm_cmpeq_epi32(alpha, _mm_set1_epi32(255));
    __m128i clear = _mm_cmpeq_epi32(alpha, _mm_setzero_si128());
    return Select(opaque, src, Select(clear, dst, Mix(src, dst)));
}

// ---- Hue shift on lanes of doubles. A TLanes spans kRegs registers of two lanes whose
// dependency chains are independent, so they overlap: one register's chain alone is long.

#define BRISAT_SSE2_INLINE [[gnu::always_inline]] inline

constexpr int kRegs = 4;
constexpr size_t kHueBlock = 2 * kRegs; // pixels per block

struct TLanes {
    __m128d v[kRegs];
    TLanes() = default;
    BRISAT_SSE2_INLINE TLanes(double x) {
#pragma GCC unroll 8
        for (__m128d& r : v)
            r = _mm_set1_pd(x);
    }
};
struct TMask {
    __m128d v[kRegs];
};
// Two int32 per register, in its low half.
struct TSteps {
    __m128i v[kRegs];
};

BRISAT_SSE2_INLINE TLanes operator+(TLanes a, TLanes b) {
#pragma GCC unroll 8
    for (int i = 0; i < kRegs; ++i)
        a.v[i] = _mm_add_pd(a.v[i], b.v[i]);
    return a;
}
BRISAT_SSE2_INLINE TLanes operator-(TLanes a, TLanes b) {
#pragma GCC unroll 8
    for (int i = 0; i < kRegs; ++i)
        a.v[i] = _mm_sub_pd(a.v[i], b.v[i]);
    return a;
}
BRISAT_SSE2_INLINE TLanes operator*(TLanes a, TLanes b) {
#pragma GCC unroll 8
    for (int i = 0; i < kRegs; ++i)
        a.v[i] = _mm_mul_pd(a.v[i], b.v[i]);
    return a;
}
BRISAT_SSE2_INLINE TLanes operator/(TLanes a, TLanes b) {
#pragma GCC unroll 8
    for (int i = 0; i < kRegs; ++i)
        a.v[i] = _mm_div_pd(a.v[i], b.v[i]);
    return a;
}
BRISAT_SSE2_INLINE TLanes Max(TLanes a, TLanes b) {
#pragma GCC unroll 8
    for (int i = 0; i < kRegs; ++i)
        a.v[i] = _mm_max_pd(a.v[i], b.v[i]);
    return a;
}
BRISAT_SSE2_INLINE TLanes Min(TLanes a, TLanes b) {
#pragma GCC unroll 8
    for (int i = 0; i < kRegs; ++i)
        a.v[i] = _mm_min_pd(a.v[i], b.v[i]);
    return a;
}
BRISAT_SSE2_INLINE TMask operator<(TLanes a, TLanes b) {
    TMask m;
#pragma GCC unroll 8
    for (int i = 0; i < kRegs; ++i)
        m.v[i] = _mm_cmplt_pd(a.v[i], b.v[i]);
    return m;
}
BRISAT_SSE2_INLINE TMask operator<=(TLanes a, TLanes b) {
    TMask m;
#pragma GCC unroll 8
    for (int i = 0; i < kRegs; ++i)
        m.v[i] = _mm_cmple_pd(a.v[i], b.v[i]);
    return m;
}
BRISAT_SSE2_INLINE TMask operator==(TLanes a, TLanes b) {
    TMask m;
#pragma GCC unroll 8
    for (int i = 0; i < kRegs; ++i)
        m.v[i] = _mm_cmpeq_pd(a.v[i], b.v[i]);
    return m;
}
BRISAT_SSE2_INLINE TLanes Select(TMask mask, TLanes a, TLanes b) {
#pragma GCC unroll 8
    for (int i = 0; i < kRegs; ++i)
        a.v[i] = Select(mask.v[i], a.v[i], b.v[i]);
    return a;
}

// SSE2 has no rounding instruction. |t| stays far below 2^31 (a fraction of the hue circle plus
// Delta / 255), so truncating to int32 is exact, and a truncation above t is one too high.
BRISAT_SSE2_INLINE TLanes Floor(TLanes t) {
#pragma GCC unroll 8
    for (__m128d& r : t.v) {
        __m128d truncated = _mm_cvtepi32_pd(_mm_cvttpd_epi32(r));
        r = _mm_sub_pd(truncated, _mm_and_pd(_mm_cmpgt_pd(truncated, r), _mm_set1_pd(1)));
    }
    return t;
}

BRISAT_SSE2_INLINE TSteps Nearest(TLanes a) {
    TSteps steps;
#pragma GCC unroll 8
    for (int i = 0; i < kRegs; ++i)
        steps.v[i] = _mm_cvtpd_epi32(a.v[i]);
    return steps;
}

// Table[step & 255] per lane; the mask keeps garbage lanes inside the table.
BRISAT_SSE2_INLINE TLanes Lookup(const double* table, TSteps steps) {
    TLanes a;
#pragma GCC unroll 8
    for (int i = 0; i < kRegs; ++i) {
        uint32_t k0 = uint32_t(_mm_cvtsi128_si32(steps.v[i])) & 0xFF;
        uint32_t k1 = uint32_t(_mm_cvtsi128_si32(_mm_srli_si128(steps.v[i], 4))) & 0xFF;
        a.v[i] = _mm_set_pd(table[k1], table[k0]);
    }
    return a;
}

template <int Shift> BRISAT_SSE2_INLINE TLanes ChannelLanes(const TKsPixel* p) {
    TLanes a;
#pragma GCC unroll 8
    for (int i = 0; i < kRegs; ++i)
        a.v[i] = _mm_set_pd(ksChannelUnits[p[2 * i + 1] >> Shift & 0xFF],
                            ksChannelUnits[p[2 * i] >> Shift & 0xFF]);
    return a;
}

BRISAT_SSE2_INLINE __m128i StepGroup(const TSteps& steps, int group) {
    return _mm_unpacklo_epi64(steps.v[2 * group], steps.v[2 * group + 1]);
}

#define BRISAT_LANES BRISAT_SSE2_INLINE
#include "skin/hue_shift_lanes.h"
#undef BRISAT_LANES

} // namespace

void Sse2BlendRow(TKsPixel* dst, const TKsPixel* src, size_t count) {
    const __m128i ones = _mm_set1_epi32(-1), zero = _mm_setzero_si128();
    size_t i = 0;
    for (; i + 4 <= count; i += 4) {
        __m128i s = Load(src + i);
        if (AlphaMatches(s, ones) == 0x8888)
            Store(dst + i, s);
        else if (AlphaMatches(s, zero) != 0x8888)
            Store(dst + i, Blend4(s, Load(dst + i)));
    }
    ScalarBlendRow(dst + i, src + i, count - i);
}

void Sse2BlendFillRow(TKsPixel* dst, TKsPixel pixel, size_t count) {
    const uint32_t a = pixel >> 24;
    if (a == 0) return;
    const __m128i scaledPixel = _mm_set1_epi32(int32_t(a == 255 ? pixel : ScalePixel(pixel, a)));
    const __m128i k = _mm_set1_epi16(int16_t(255 - a)), zero = _mm_setzero_si128();
    size_t i = 0;
    for (; i + 4 <= count; i += 4) {
        if (a == 255) {
            Store(dst + i, scaledPixel);
            continue;
        }
        __m128i d = Load(dst + i);
        d = _mm_packus_epi16(Scale16(_mm_unpacklo_epi8(d, zero), k),
                             Scale16(_mm_unpackhi_epi8(d, zero), k));
        Store(dst + i, _mm_add_epi32(d, scaledPixel));
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
        Store(pixels + i, Select(_mm_cmpeq_epi32(_mm_and_si128(p, rgbMask), rgb), key, p));
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

const TPixelRowKernels ksSse2RowKernels = {Sse2BlendRow, Sse2BlendFillRow, Sse2ChangeHueRow,
                                           Sse2MakeTransparentRow, Sse2SetAlphaRow};

} // namespace brisat

#endif
