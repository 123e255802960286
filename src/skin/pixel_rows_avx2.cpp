// AVX2 row kernels. Only the functions marked BRISAT_AVX2 use the wider instructions, so the rest
// of the program stays runnable on any x86-64; PixelRowKernels hands these out only when the
// processor reports AVX2. FMA is deliberately not enabled: fused multiply-adds would round
// differently from the scalar reference.
#if defined(__x86_64__)

#include "skin/pixel_row_paths.h"

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
#include "skin/pixel_lanes.h"
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

// HueShift in integer lanes. Its result is fixed by the largest and the smallest channel and the
// shifted hue step s: each channel is the smallest plus the difference D times a weight of
// 0..255 / 255, rounded, the weight being 510 − the channel's distance from its peak on a circle of
// 1530 (6 × 255) units, clamped to 0..255. In exact arithmetic neither that rounding nor a
// weight's edge ever falls on a tie, so integer lanes give HueShift's results bit for bit; only
// the hue step itself can be an exact tie (a hue of k + ½ steps, as for two equal largest
// channels), and there HueShift's own rounding decides.
//
// The hue step is the sector's base (0, 85 or 170 for red, green or blue the largest) plus or
// minus 42.5 × E / D, E being the middle channel's distance from the smallest, rounded to the
// nearest; a negative step goes once round the circle. Y = 85 × E / D is found by a single-
// precision division, which is exact whenever Y is a whole number and otherwise stays far from one
// (Y's fraction is a multiple of 1 / D). The magnitude is then (⌊Y⌋ + 1) div 2, and the exact ties
// are the odd whole Y.
//
// Sixteen pixels go through at once in 16-bit lanes: packing two registers of eight pixels puts
// pixels 0–3, 8–11 in the low half and 4–7, 12–15 in the high one, and unpacking restores them.
struct THueShift {
    __m256i turn; // Delta mod 255, in 16-bit lanes

    BRISAT_AVX2_INLINE static THueShift ForDelta(int32_t delta) {
        return {_mm256_set1_epi16(int16_t((int64_t(delta) % 255 + 255) % 255))};
    }

    // ⌊85 × E / D⌋ of the eight lanes (int32) and whether the quotient is whole (mask).
    BRISAT_AVX2_INLINE static __m256i Quotient(__m256i e85, __m256i d, __m256i& whole) {
        const __m256 y = _mm256_div_ps(_mm256_cvtepi32_ps(e85), _mm256_cvtepi32_ps(d));
        const __m256i floor = _mm256_cvttps_epi32(y);
        whole = _mm256_castps_si256(_mm256_cmp_ps(y, _mm256_cvtepi32_ps(floor), _CMP_EQ_OQ));
        return floor;
    }

    // The pixel behind 16-bit lane Lane: lanes 0–3 and 8–11 come from Low, 4–7 and 12–15 from
    // High, four by four.
    static constexpr int LanePixel(int lane) { return (lane & 3) | (lane & 4) << 1 | (lane & 8) >> 1; }

    // The tie lanes (two mask bits each) of the unshifted Steps replaced by HueStep of their pixels.
    [[gnu::noinline, gnu::cold]] BRISAT_AVX2 static __m256i SettleTies(__m256i low, __m256i high,
                                                                       __m256i steps,
                                                                       uint32_t ties) {
        alignas(32) TKsPixel in[16];
        alignas(32) int16_t out[16];
        _mm256_store_si256(reinterpret_cast<__m256i*>(in), low);
        _mm256_store_si256(reinterpret_cast<__m256i*>(in + 8), high);
        _mm256_store_si256(reinterpret_cast<__m256i*>(out), steps);
        for (; ties; ties &= ties - 1) {
            const int lane = __builtin_ctz(ties) / 2;
            ties &= ties - 1;
            out[lane] = int16_t(HueStep(in[LanePixel(lane)]));
        }
        return _mm256_load_si256(reinterpret_cast<const __m256i*>(out));
    }

    // Min + round(D × weight / 255), the weight from the channel's Distance. D × weight + 127 is
    // below 2^16, where (y × 0x8081) >> 23 is y / 255.
    BRISAT_AVX2_INLINE static __m256i Channel(__m256i min, __m256i d, __m256i distance) {
        const __m256i weight = _mm256_min_epi16(_mm256_subs_epu16(_mm256_set1_epi16(510), distance),
                                                _mm256_set1_epi16(255));
        const __m256i y = _mm256_add_epi16(_mm256_mullo_epi16(d, weight), _mm256_set1_epi16(127));
        return _mm256_add_epi16(
            min, _mm256_srli_epi16(_mm256_mulhi_epu16(y, _mm256_set1_epi16(int16_t(0x8081))), 7));
    }

    // The channel in byte Byte of sixteen pixels, in 16-bit lanes: each half of a register takes
    // the byte of four pixels of Low into its first four words and of four of High into the rest.
    template <int Byte> BRISAT_AVX2_INLINE static __m256i Channel16(__m256i low, __m256i high) {
        constexpr char z = char(0x80); // a zero byte
        const __m256i fromLow = _mm256_setr_epi8(Byte, z, 4 + Byte, z, 8 + Byte, z, 12 + Byte, z, z,
                                                 z, z, z, z, z, z, z, Byte, z, 4 + Byte, z,
                                                 8 + Byte, z, 12 + Byte, z, z, z, z, z, z, z, z, z);
        const __m256i fromHigh = _mm256_setr_epi8(z, z, z, z, z, z, z, z, Byte, z, 4 + Byte, z,
                                                  8 + Byte, z, 12 + Byte, z, z, z, z, z, z, z, z, z,
                                                  Byte, z, 4 + Byte, z, 8 + Byte, z, 12 + Byte, z);
        return _mm256_or_si256(_mm256_shuffle_epi8(low, fromLow),
                               _mm256_shuffle_epi8(high, fromHigh));
    }

    // Pixels shifted, those with alpha 0 as they were.
    BRISAT_AVX2_INLINE static __m256i Finish(__m256i pixels, __m256i shifted) {
        const __m256i clear =
            _mm256_cmpeq_epi32(_mm256_srli_epi32(pixels, 24), _mm256_setzero_si256());
        return _mm256_blendv_epi8(shifted, pixels, clear);
    }

    // The unshifted hue steps of sixteen pixels (−43..255; greys any), from their channels.
    BRISAT_AVX2_INLINE static __m256i Steps(__m256i low, __m256i high, __m256i r, __m256i g,
                                            __m256i b, __m256i max, __m256i d) {
        // The sector of the largest channel, red before green before blue as in HueShift.
        const __m256i maxIsR = _mm256_cmpeq_epi16(r, max);
        const __m256i maxIsG = _mm256_andnot_si256(maxIsR, _mm256_cmpeq_epi16(g, max));
        const __m256i numerator = _mm256_blendv_epi8(
            _mm256_blendv_epi8(_mm256_sub_epi16(r, g), _mm256_sub_epi16(b, r), maxIsG),
            _mm256_sub_epi16(g, b), maxIsR);
        const __m256i e = _mm256_abs_epi16(numerator);
        // Greys (D = 0) divide by 1.
        const __m256i divisor = _mm256_max_epi16(d, _mm256_set1_epi16(1));
        const __m256i e85 = _mm256_mullo_epi16(e, _mm256_set1_epi16(85));
        const __m256i zero = _mm256_setzero_si256();
        __m256i wholeLow, wholeHigh;
        const __m256i floorLow = Quotient(_mm256_unpacklo_epi16(e85, zero),
                                          _mm256_unpacklo_epi16(divisor, zero), wholeLow);
        const __m256i floorHigh = Quotient(_mm256_unpackhi_epi16(e85, zero),
                                           _mm256_unpackhi_epi16(divisor, zero), wholeHigh);
        const __m256i floor = _mm256_packs_epi32(floorLow, floorHigh);
        const __m256i odd = _mm256_slli_epi16(floor, 15);
        const __m256i ties =
            _mm256_and_si256(_mm256_packs_epi32(wholeLow, wholeHigh), _mm256_srai_epi16(odd, 15));
        __m256i magnitude = _mm256_srli_epi16(_mm256_add_epi16(floor, _mm256_set1_epi16(1)), 1);
        // The commonest ties have two equal largest channels (E = D, a step of 42.5 from the
        // base): HueShift takes 42 for red and green, 43 (212, 128) for red and blue or green and
        // blue.
        const __m256i twoLargest = _mm256_cmpeq_epi16(e, d);
        magnitude = _mm256_add_epi16(
            magnitude,
            _mm256_and_si256(twoLargest,
                             _mm256_and_si256(maxIsR, _mm256_cmpgt_epi16(numerator, zero))));
        const __m256i base = _mm256_andnot_si256(
            maxIsR,
            _mm256_blendv_epi8(_mm256_set1_epi16(170), _mm256_set1_epi16(85), maxIsG));
        const __m256i steps = _mm256_add_epi16(base, _mm256_sign_epi16(magnitude, numerator));
        const uint32_t otherTies =
            uint32_t(_mm256_movemask_epi8(_mm256_andnot_si256(twoLargest, ties)));
        if (otherTies) [[unlikely]]
            return SettleTies(low, high, steps, otherTies);
        return steps;
    }

    // Shifts the sixteen pixels Low (0–7) and High (8–15) in place.
    BRISAT_AVX2_INLINE void operator()(__m256i& low, __m256i& high) const {
        const __m256i r = Channel16<2>(low, high), g = Channel16<1>(low, high),
                      b = Channel16<0>(low, high);
        const __m256i max = _mm256_max_epi16(r, _mm256_max_epi16(g, b));
        const __m256i min = _mm256_min_epi16(r, _mm256_min_epi16(g, b));
        const __m256i d = _mm256_sub_epi16(max, min);
        // The shifted step mod 255, from −43..509.
        __m256i step = _mm256_add_epi16(Steps(low, high, r, g, b, max, d), turn);
        step = _mm256_min_epu16(step, _mm256_add_epi16(step, _mm256_set1_epi16(255)));
        step = _mm256_min_epu16(step, _mm256_sub_epi16(step, _mm256_set1_epi16(255)));
        // Six units a step; the peaks of red, green and blue lie at 0, 510 and 1020.
        const __m256i six = _mm256_mullo_epi16(step, _mm256_set1_epi16(6));
        const __m256i red =
            Channel(min, d, _mm256_min_epi16(six, _mm256_sub_epi16(_mm256_set1_epi16(1530), six)));
        const __m256i green =
            Channel(min, d, _mm256_abs_epi16(_mm256_sub_epi16(six, _mm256_set1_epi16(510))));
        const __m256i blue =
            Channel(min, d, _mm256_abs_epi16(_mm256_sub_epi16(six, _mm256_set1_epi16(1020))));
        // Words of green and blue, and of alpha and red, interleaved into pixels.
        const __m256i greenBlue = _mm256_or_si256(_mm256_slli_epi16(green, 8), blue);
        const __m256i alphaRed = _mm256_or_si256(red, _mm256_set1_epi16(int16_t(0xFF00)));
        low = Finish(low, _mm256_unpacklo_epi16(greenBlue, alphaRed));
        high = Finish(high, _mm256_unpackhi_epi16(greenBlue, alphaRed));
    }
};

BRISAT_AVX2 void Avx2ChangeHueRow(TKsPixel* pixels, size_t count, int32_t delta) {
    const THueShift shift = THueShift::ForDelta(delta);
    size_t i = 0;
    for (; i + 16 <= count; i += 16) {
        __m256i low = Load(pixels + i), high = Load(pixels + i + 8);
        shift(low, high);
        Store(pixels + i, low);
        Store(pixels + i + 8, high);
    }
    if (i == count) return;
    // The last pixels, padded with transparent ones.
    alignas(32) TKsPixel tail[16] = {};
    std::memcpy(tail, pixels + i, (count - i) * sizeof(TKsPixel));
    __m256i low = Load(tail), high = Load(tail + 8);
    shift(low, high);
    Store(tail, low);
    Store(tail + 8, high);
    std::memcpy(pixels + i, tail, (count - i) * sizeof(TKsPixel));
}

BRISAT_AVX2 void Avx2MakeTransparentRow(TKsPixel* pixels, size_t count, TKsPixel pixel) {
    MapRow(pixels, count, TKeyed{_mm256_set1_epi32(int32_t(pixel & 0x00FFFFFF))});
}

BRISAT_AVX2 void Avx2SetAlphaRow(TKsPixel* pixels, size_t count, uint8_t alpha) {
    MapRow(pixels, count, TWithAlpha{_mm256_set1_epi32(int32_t(uint32_t(alpha) << 24))});
}

} // namespace

const TPixelRowKernels ksAvx2RowKernels = {Avx2BlendRow, Avx2BlendFillRow, Avx2ChangeHueRow,
                                           Avx2MakeTransparentRow, Avx2SetAlphaRow};

} // namespace brisat

#endif
