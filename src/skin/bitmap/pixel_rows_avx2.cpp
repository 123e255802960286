// AVX2 row kernels. Only the functions marked BRISAT_AVX2 use the wider instructions, so the rest
// of the program stays runnable on any x86-64; PixelRowKernels hands these out only when the
// processor reports AVX2. FMA is deliberately not enabled: fused multiply-adds would round
// differently from the scalar reference.
#if defined(__x86_64__)

#include "skin/bitmap/pixel_row_paths.h"

#include <cstdlib>
#include <cstring>
#include <immintrin.h>

#define BRISAT_AVX2 [[gnu::target("avx2")]]
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

// ---- Primitives for pixel_lanes.h: eight pixels per register.

using TPixels = __m256i;
#define BRISAT_EPI(op) _mm256_##op
BRISAT_AVX2_INLINE TPixels PixelSelect(TPixels mask, TPixels a, TPixels b) {
    return _mm256_blendv_epi8(b, a, mask);
}

#define BRISAT_LANES BRISAT_AVX2_INLINE
#include "skin/bitmap/pixel_lanes.h"
#undef BRISAT_LANES
#undef BRISAT_EPI

BRISAT_AVX2 void Avx2BlendRow(TKsPixel* dst, const TKsPixel* src, size_t count) {
    const __m256i ones = _mm256_set1_epi32(-1), zero = _mm256_setzero_si256();
    size_t i = 0;
    for (; i + 8 <= count; i += 8) {
        PrefetchAhead(dst + i, src + i);
        __m256i s = Load(src + i);
        if (AlphasEqual(s, ones))
            Store(dst + i, s);
        else if (!AlphasEqual(s, zero))
            Store(dst + i, BlendPixels(s, Load(dst + i)));
    }
    if (i == count) return;
    const __m256i mask = TailMask(count - i);
    StoreTail(dst + i, mask, BlendPixels(LoadTail(src + i, mask), LoadTail(dst + i, mask)));
}

// Op applied in place to every pixel of the row, eight at a time, the tail under a lane mask. Op
// is a function object whose call operator is marked BRISAT_AVX2_INLINE.
template <class Op> BRISAT_AVX2_INLINE void MapRow(TKsPixel* pixels, size_t count, Op op) {
    size_t i = 0;
    for (; i + 8 <= count; i += 8)
        Store(pixels + i, op(Load(pixels + i)));
    if (i == count) return;
    const __m256i mask = TailMask(count - i);
    StoreTail(pixels + i, mask, op(LoadTail(pixels + i, mask)));
}

// BlendFill as a function object for MapRow.
struct TBlendFill {
    __m256i scaledPixel, k;
    BRISAT_AVX2_INLINE __m256i operator()(__m256i dst) const {
        return BlendFill(dst, scaledPixel, k);
    }
};

// Pixels whose R, G, B equal those of Rgb become the key pixel.
struct TKeyed {
    __m256i rgb;
    BRISAT_AVX2_INLINE __m256i operator()(__m256i pixels) const {
        __m256i match =
            _mm256_cmpeq_epi32(_mm256_and_si256(pixels, _mm256_set1_epi32(0x00FFFFFF)), rgb);
        return _mm256_blendv_epi8(pixels, _mm256_set1_epi32(int32_t(ksKeyPixel)), match);
    }
};

// The alpha byte of every pixel replaced by that of Alpha.
struct TWithAlpha {
    __m256i alpha;
    BRISAT_AVX2_INLINE __m256i operator()(__m256i pixels) const {
        return _mm256_or_si256(_mm256_and_si256(pixels, _mm256_set1_epi32(0x00FFFFFF)), alpha);
    }
};

BRISAT_AVX2 void Avx2BlendFillRow(TKsPixel* dst, TKsPixel pixel, size_t count) {
    const uint32_t a = pixel >> 24;
    if (a == 0) return;
    if (a == 255) {
        // A plain fill: nothing to read.
        const __m256i fill = _mm256_set1_epi32(int32_t(pixel));
        size_t i = 0;
        for (; i + 8 <= count; i += 8)
            Store(dst + i, fill);
        if (i < count) StoreTail(dst + i, TailMask(count - i), fill);
        return;
    }
    MapRow(dst, count,
           TBlendFill{_mm256_set1_epi32(int32_t(ScalePixel(pixel, a))),
                      _mm256_set1_epi16(int16_t(255 - a))});
}

#define BRISAT_HUE [[gnu::target("avx2")]]
#define BRISAT_HUE_INLINE BRISAT_AVX2_INLINE
namespace avx2 {
#include "skin/bitmap/pixel_hue_words.h"
}
#undef BRISAT_HUE
#undef BRISAT_HUE_INLINE

// The same kernel with the encodings of AVX-512VL and BW: 32 vector registers instead of 16 keep
// its constants and intermediates out of memory.
#define BRISAT_HUE [[gnu::target("avx2,avx512vl,avx512bw")]]
#define BRISAT_HUE_INLINE [[gnu::target("avx2,avx512vl,avx512bw"), gnu::always_inline]] inline
namespace evex {
#include "skin/bitmap/pixel_hue_words.h"
}
#undef BRISAT_HUE
#undef BRISAT_HUE_INLINE

BRISAT_AVX2 void Avx2MakeTransparentRow(TKsPixel* pixels, size_t count, TKsPixel pixel) {
    MapRow(pixels, count, TKeyed{_mm256_set1_epi32(int32_t(pixel & 0x00FFFFFF))});
}

BRISAT_AVX2 void Avx2SetAlphaRow(TKsPixel* pixels, size_t count, uint8_t alpha) {
    MapRow(pixels, count, TWithAlpha{_mm256_set1_epi32(int32_t(uint32_t(alpha) << 24))});
}

} // namespace

const TPixelRowKernels ksAvx2RowKernels = {Avx2BlendRow, Avx2BlendFillRow, avx2::ChangeHueWordsRow,
                                           Avx2MakeTransparentRow, Avx2SetAlphaRow};
const TPixelRowKernels ksAvx512RowKernels = {Avx2BlendRow, Avx2BlendFillRow,
                                             evex::ChangeHueWordsRow, Avx2MakeTransparentRow,
                                             Avx2SetAlphaRow};

} // namespace brisat

#endif
