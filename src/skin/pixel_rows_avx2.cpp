// AVX2 row kernels. Only the functions marked BRISAT_AVX2 use the wider instructions, so the rest
// of the program stays runnable on any x86-64; PixelRowKernels hands these out only when the
// processor reports AVX2. FMA is deliberately not enabled: fused multiply-adds would round
// differently from the scalar reference.
#if defined(__x86_64__)

#include "skin/pixel_row_paths.h"

#include <cstring>
#include <immintrin.h>

#define BRISAT_AVX2 [[gnu::target("avx2")]]
// Helpers are always inlined: the lane structs span several registers and must never go through
// memory as call arguments.
#define BRISAT_AVX2_INLINE [[gnu::target("avx2"), gnu::always_inline]] inline

namespace brisat {

namespace {

BRISAT_AVX2_INLINE __m256i Load(const TKsPixel* p) {
    return _mm256_loadu_si256(reinterpret_cast<const __m256i*>(p));
}
BRISAT_AVX2_INLINE void Store(TKsPixel* p, __m256i v) {
    _mm256_storeu_si256(reinterpret_cast<__m256i*>(p), v);
}

// The first Count (0..7) lanes set: row tails are loaded and stored under this mask, so short
// rows cost one vector step; masked-off lanes are never touched in memory.
BRISAT_AVX2_INLINE __m256i TailMask(size_t count) {
    return _mm256_cmpgt_epi32(_mm256_set1_epi32(int32_t(count)),
                              _mm256_setr_epi32(0, 1, 2, 3, 4, 5, 6, 7));
}
BRISAT_AVX2_INLINE __m256i LoadTail(const TKsPixel* p, __m256i mask) {
    return _mm256_maskload_epi32(reinterpret_cast<const int*>(p), mask);
}
BRISAT_AVX2_INLINE void StoreTail(TKsPixel* p, __m256i mask, __m256i v) {
    _mm256_maskstore_epi32(reinterpret_cast<int*>(p), mask, v);
}

// ---- Blending, eight pixels at a time; the in-lane unpack and pack keep pixel order.

BRISAT_AVX2_INLINE __m256i Scale16(__m256i v, __m256i k) {
    return _mm256_srli_epi16(_mm256_add_epi16(_mm256_mullo_epi16(v, k), _mm256_set1_epi16(128)), 8);
}

BRISAT_AVX2_INLINE __m256i SpreadAlpha(__m256i v) {
    return _mm256_shufflehi_epi16(_mm256_shufflelo_epi16(v, 0xFF), 0xFF);
}

// ScalePixel(src, a) + ScalePixel(dst, 255 − a), a being each source alpha.
BRISAT_AVX2_INLINE __m256i Mix(__m256i src, __m256i dst) {
    const __m256i zero = _mm256_setzero_si256();
    const __m256i full = _mm256_set1_epi16(255);
    __m256i srcLo = _mm256_unpacklo_epi8(src, zero), srcHi = _mm256_unpackhi_epi8(src, zero);
    __m256i alphaLo = SpreadAlpha(srcLo), alphaHi = SpreadAlpha(srcHi);
    __m256i scaledSrc = _mm256_packus_epi16(Scale16(srcLo, alphaLo), Scale16(srcHi, alphaHi));
    __m256i scaledDst = _mm256_packus_epi16(
        Scale16(_mm256_unpacklo_epi8(dst, zero), _mm256_sub_epi16(full, alphaLo)),
        Scale16(_mm256_unpackhi_epi8(dst, zero), _mm256_sub_epi16(full, alphaHi)));
    return _mm256_add_epi32(scaledSrc, scaledDst);
}

// The alpha rule: alpha 0 keeps dst, 255 takes src, else Blend.
BRISAT_AVX2_INLINE __m256i Blend8(__m256i src, __m256i dst) {
    __m256i alpha = _mm256_srli_epi32(src, 24);
    __m256i opaque = _mm256_cmpeq_epi32(alpha, _mm256_set1_epi32(255));
    __m256i clear = _mm256_cmpeq_epi32(alpha, _mm256_setzero_si256());
    __m256i mixed = _mm256_blendv_epi8(Mix(src, dst), dst, clear);
    return _mm256_blendv_epi8(mixed, src, opaque);
}

// ScalePixel(pixel, a) + ScalePixel(dst, k) with k = 255 − a, the first term given.
BRISAT_AVX2_INLINE __m256i MixFill(__m256i dst, __m256i k, __m256i scaledPixel) {
    const __m256i zero = _mm256_setzero_si256();
    dst = _mm256_packus_epi16(Scale16(_mm256_unpacklo_epi8(dst, zero), k),
                              Scale16(_mm256_unpackhi_epi8(dst, zero), k));
    return _mm256_add_epi32(dst, scaledPixel);
}

// Bit 4i + 3 set when the alpha byte of pixel i equals that of Value.
BRISAT_AVX2_INLINE uint32_t AlphaMatches(__m256i pixels, __m256i value) {
    return uint32_t(_mm256_movemask_epi8(_mm256_cmpeq_epi8(pixels, value))) & 0x88888888u;
}

// ---- Hue shift on lanes of doubles. A TLanes spans kRegs registers whose dependency chains are
// independent, so they overlap: one register's chain alone (gathers, three divisions) is long.

constexpr int kRegs = 4;
constexpr size_t kHueBlock = 4 * kRegs; // pixels per block

struct TLanes {
    __m256d v[kRegs];
    TLanes() = default;
    BRISAT_AVX2_INLINE TLanes(double x) {
#pragma GCC unroll 8
        for (__m256d& r : v)
            r = _mm256_set1_pd(x);
    }
};
struct TMask {
    __m256d v[kRegs];
};
struct TSteps {
    __m128i v[kRegs];
};

BRISAT_AVX2_INLINE TLanes operator+(TLanes a, TLanes b) {
#pragma GCC unroll 8
    for (int i = 0; i < kRegs; ++i)
        a.v[i] = _mm256_add_pd(a.v[i], b.v[i]);
    return a;
}
BRISAT_AVX2_INLINE TLanes operator-(TLanes a, TLanes b) {
#pragma GCC unroll 8
    for (int i = 0; i < kRegs; ++i)
        a.v[i] = _mm256_sub_pd(a.v[i], b.v[i]);
    return a;
}
BRISAT_AVX2_INLINE TLanes operator*(TLanes a, TLanes b) {
#pragma GCC unroll 8
    for (int i = 0; i < kRegs; ++i)
        a.v[i] = _mm256_mul_pd(a.v[i], b.v[i]);
    return a;
}
BRISAT_AVX2_INLINE TLanes operator/(TLanes a, TLanes b) {
#pragma GCC unroll 8
    for (int i = 0; i < kRegs; ++i)
        a.v[i] = _mm256_div_pd(a.v[i], b.v[i]);
    return a;
}
BRISAT_AVX2_INLINE TLanes Max(TLanes a, TLanes b) {
#pragma GCC unroll 8
    for (int i = 0; i < kRegs; ++i)
        a.v[i] = _mm256_max_pd(a.v[i], b.v[i]);
    return a;
}
BRISAT_AVX2_INLINE TLanes Min(TLanes a, TLanes b) {
#pragma GCC unroll 8
    for (int i = 0; i < kRegs; ++i)
        a.v[i] = _mm256_min_pd(a.v[i], b.v[i]);
    return a;
}
BRISAT_AVX2_INLINE TLanes Floor(TLanes a) {
#pragma GCC unroll 8
    for (__m256d& r : a.v)
        r = _mm256_floor_pd(r);
    return a;
}

template <int Predicate> BRISAT_AVX2_INLINE TMask Compare(TLanes a, TLanes b) {
    TMask m;
#pragma GCC unroll 8
    for (int i = 0; i < kRegs; ++i)
        m.v[i] = _mm256_cmp_pd(a.v[i], b.v[i], Predicate);
    return m;
}
BRISAT_AVX2_INLINE TMask operator<(TLanes a, TLanes b) {
    return Compare<_CMP_LT_OQ>(a, b);
}
BRISAT_AVX2_INLINE TMask operator<=(TLanes a, TLanes b) {
    return Compare<_CMP_LE_OQ>(a, b);
}
BRISAT_AVX2_INLINE TMask operator==(TLanes a, TLanes b) {
    return Compare<_CMP_EQ_OQ>(a, b);
}

BRISAT_AVX2_INLINE __m128i Select(__m128i mask, __m128i a, __m128i b) {
    return _mm_blendv_epi8(b, a, mask);
}
BRISAT_AVX2_INLINE TLanes Select(TMask mask, TLanes a, TLanes b) {
#pragma GCC unroll 8
    for (int i = 0; i < kRegs; ++i)
        a.v[i] = _mm256_blendv_pd(b.v[i], a.v[i], mask.v[i]);
    return a;
}

BRISAT_AVX2_INLINE TSteps Nearest(TLanes a) {
    TSteps steps;
#pragma GCC unroll 8
    for (int i = 0; i < kRegs; ++i)
        steps.v[i] = _mm256_cvtpd_epi32(a.v[i]);
    return steps;
}

// Table[index & 255] per lane; the mask keeps garbage lanes inside the table.
BRISAT_AVX2_INLINE __m256d Gather256(const double* table, __m128i index) {
    const __m256d all = _mm256_castsi256_pd(_mm256_set1_epi64x(-1));
    index = _mm_and_si128(index, _mm_set1_epi32(0xFF));
    return _mm256_mask_i32gather_pd(_mm256_setzero_pd(), table, index, all, 8);
}

BRISAT_AVX2_INLINE TLanes Lookup(const double* table, TSteps steps) {
    TLanes a;
#pragma GCC unroll 8
    for (int i = 0; i < kRegs; ++i)
        a.v[i] = Gather256(table, steps.v[i]);
    return a;
}

template <int Shift> BRISAT_AVX2_INLINE TLanes ChannelLanes(const TKsPixel* p) {
    TLanes a;
#pragma GCC unroll 8
    for (int i = 0; i < kRegs; ++i) {
        __m128i pixels = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + 4 * i));
        a.v[i] = Gather256(ksChannelUnits.data(), _mm_srli_epi32(pixels, Shift));
    }
    return a;
}

BRISAT_AVX2_INLINE __m128i StepGroup(const TSteps& steps, int group) {
    return steps.v[group];
}

#define BRISAT_LANES BRISAT_AVX2_INLINE
#include "skin/hue_shift_lanes.h"
#undef BRISAT_LANES

BRISAT_AVX2 void Avx2BlendRow(TKsPixel* dst, const TKsPixel* src, size_t count) {
    const __m256i ones = _mm256_set1_epi32(-1), zero = _mm256_setzero_si256();
    size_t i = 0;
    for (; i + 8 <= count; i += 8) {
        __m256i s = Load(src + i);
        if (AlphaMatches(s, ones) == 0x88888888u)
            Store(dst + i, s);
        else if (AlphaMatches(s, zero) != 0x88888888u)
            Store(dst + i, Blend8(s, Load(dst + i)));
    }
    if (i == count) return;
    const __m256i mask = TailMask(count - i);
    StoreTail(dst + i, mask, Blend8(LoadTail(src + i, mask), LoadTail(dst + i, mask)));
}

BRISAT_AVX2 void Avx2BlendFillRow(TKsPixel* dst, TKsPixel pixel, size_t count) {
    const uint32_t a = pixel >> 24;
    if (a == 0) return;
    if (a == 255) {
        const __m256i fill = _mm256_set1_epi32(int32_t(pixel));
        size_t i = 0;
        for (; i + 8 <= count; i += 8)
            Store(dst + i, fill);
        if (i < count) StoreTail(dst + i, TailMask(count - i), fill);
        return;
    }
    const __m256i scaledPixel = _mm256_set1_epi32(int32_t(ScalePixel(pixel, a)));
    const __m256i k = _mm256_set1_epi16(int16_t(255 - a));
    size_t i = 0;
    for (; i + 8 <= count; i += 8)
        Store(dst + i, MixFill(Load(dst + i), k, scaledPixel));
    if (i == count) return;
    const __m256i mask = TailMask(count - i);
    StoreTail(dst + i, mask, MixFill(LoadTail(dst + i, mask), k, scaledPixel));
}

BRISAT_AVX2 void Avx2ChangeHueRow(TKsPixel* pixels, size_t count, int32_t delta) {
    ChangeHueLanesRow(pixels, count, delta);
}

// Pixels whose R, G, B equal those of Rgb become the key pixel.
BRISAT_AVX2_INLINE __m256i Keyed(__m256i pixels, __m256i rgb) {
    __m256i match =
        _mm256_cmpeq_epi32(_mm256_and_si256(pixels, _mm256_set1_epi32(0x00FFFFFF)), rgb);
    return _mm256_blendv_epi8(pixels, _mm256_set1_epi32(int32_t(ksKeyPixel)), match);
}

BRISAT_AVX2 void Avx2MakeTransparentRow(TKsPixel* pixels, size_t count, TKsPixel pixel) {
    const __m256i rgb = _mm256_set1_epi32(int32_t(pixel & 0x00FFFFFF));
    size_t i = 0;
    for (; i + 8 <= count; i += 8)
        Store(pixels + i, Keyed(Load(pixels + i), rgb));
    if (i == count) return;
    const __m256i mask = TailMask(count - i);
    StoreTail(pixels + i, mask, Keyed(LoadTail(pixels + i, mask), rgb));
}

// The alpha byte of every pixel replaced by that of Alpha.
BRISAT_AVX2_INLINE __m256i WithAlpha(__m256i pixels, __m256i alpha) {
    return _mm256_or_si256(_mm256_and_si256(pixels, _mm256_set1_epi32(0x00FFFFFF)), alpha);
}

BRISAT_AVX2 void Avx2SetAlphaRow(TKsPixel* pixels, size_t count, uint8_t alpha) {
    const __m256i a = _mm256_set1_epi32(int32_t(uint32_t(alpha) << 24));
    size_t i = 0;
    for (; i + 8 <= count; i += 8)
        Store(pixels + i, WithAlpha(Load(pixels + i), a));
    if (i == count) return;
    const __m256i mask = TailMask(count - i);
    StoreTail(pixels + i, mask, WithAlpha(LoadTail(pixels + i, mask), a));
}

} // namespace

const TPixelRowKernels ksAvx2RowKernels = {Avx2BlendRow, Avx2BlendFillRow, Avx2ChangeHueRow,
                                           Avx2MakeTransparentRow, Avx2SetAlphaRow};

} // namespace brisat

#endif
