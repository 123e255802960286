// The hue shift on vectors of double lanes, for a vector path without the integer one. The path
// includes this file inside its anonymous namespace after pixel_lanes.h, having also defined:
//   BRISAT_PD(op)        the packed-double intrinsic of op (add, sub, mul, div, max, min, set1)
//   TReg, kRegs          a double register, and how many make one lane vector: their dependency
//                        chains are independent, so they overlap, where a single register's chain
//                        (table loads, three divisions) leaves the core waiting
//   RegLess, RegLessEqual, RegEqual (masks), RegSelect(mask, a, b), RegFloor
//   RegNearest(reg) -> __m128i   its lanes as int32 in the low lanes (cvtpd2dq: ties to even under
//                        the default rounding mode, as std::nearbyint)
//   RegLookup(table, steps) -> reg   table[step & 255] per lane
//   RegChannel<Shift>(pixels, i) -> reg   the channel at bit Shift of the pixels of register i,
//                        as v / 255
//   StepGroup(steps, i) -> __m128i   the int32 of pixels 4i..4i+3 from the per-register steps
//   SelectBits(mask, a, b) on __m128i
//
// Every operation, and its order, is the one of HueShift, so each rounding step is the same and
// the results are bit-identical. No FMA may be enabled: a fused multiply-add rounds once where
// HueShift rounds twice.

constexpr size_t kHueBlock = kRegs * (sizeof(TReg) / sizeof(double)); // pixels per lane vector

struct TLanes {
    TReg v[kRegs];
    TLanes() = default;
    BRISAT_LANES TLanes(double x) {
#pragma GCC unroll 8
        for (TReg& r : v)
            r = BRISAT_PD(set1)(x);
    }
};
struct TMask {
    TReg v[kRegs];
};
// Each register's int32 results, in its low lanes.
struct TSteps {
    __m128i v[kRegs];
};

#define BRISAT_LANE_OP(Result, Name, Op)                                                           \
    BRISAT_LANES Result Name(TLanes a, TLanes b) {                                                 \
        Result r;                                                                                  \
        _Pragma("GCC unroll 8") for (int i = 0; i < kRegs; ++i) r.v[i] = Op(a.v[i], b.v[i]);       \
        return r;                                                                                  \
    }
BRISAT_LANE_OP(TLanes, operator+, BRISAT_PD(add))
BRISAT_LANE_OP(TLanes, operator-, BRISAT_PD(sub))
BRISAT_LANE_OP(TLanes, operator*, BRISAT_PD(mul))
BRISAT_LANE_OP(TLanes, operator/, BRISAT_PD(div))
BRISAT_LANE_OP(TLanes, Max, BRISAT_PD(max))
BRISAT_LANE_OP(TLanes, Min, BRISAT_PD(min))
BRISAT_LANE_OP(TMask, operator<, RegLess)
BRISAT_LANE_OP(TMask, operator<=, RegLessEqual)
BRISAT_LANE_OP(TMask, operator==, RegEqual)
#undef BRISAT_LANE_OP

BRISAT_LANES TLanes Select(TMask mask, TLanes a, TLanes b) {
#pragma GCC unroll 8
    for (int i = 0; i < kRegs; ++i)
        a.v[i] = RegSelect(mask.v[i], a.v[i], b.v[i]);
    return a;
}

BRISAT_LANES TLanes Floor(TLanes a) {
#pragma GCC unroll 8
    for (TReg& r : a.v)
        r = RegFloor(r);
    return a;
}

BRISAT_LANES TSteps Nearest(TLanes a) {
    TSteps steps;
#pragma GCC unroll 8
    for (int i = 0; i < kRegs; ++i)
        steps.v[i] = RegNearest(a.v[i]);
    return steps;
}

BRISAT_LANES TLanes Lookup(const double* table, TSteps steps) {
    TLanes a;
#pragma GCC unroll 8
    for (int i = 0; i < kRegs; ++i)
        a.v[i] = RegLookup(table, steps.v[i]);
    return a;
}

template <int Shift> BRISAT_LANES TLanes ChannelLanes(const TKsPixel* pixels) {
    TLanes a;
#pragma GCC unroll 8
    for (int i = 0; i < kRegs; ++i)
        a.v[i] = RegChannel<Shift>(pixels, i);
    return a;
}

// The result channels nearest(value × 255), unclamped; grey lanes hold garbage (they divide 0 by
// 0) and are replaced by FinishHue4.
struct THueSteps {
    TSteps red, green, blue;
};

BRISAT_LANES TLanes HueChannel(TLanes p, TLanes q, TLanes qp, TLanes t) {
    t = t - Floor(t);
    TLanes value = Select(3.0 * t < 2.0, p + qp * (2.0 / 3.0 - t) * 6.0, p);
    value = Select(2.0 * t < 1.0, q, value);
    return Select(6.0 * t < 1.0, p + qp * 6.0 * t, value);
}

// R, G, B are the channels as v / 255; ShiftTable comes from HueShiftTable.
BRISAT_LANES THueSteps HueShiftLanes(TLanes r, TLanes g, TLanes b, const double* shiftTable) {
    TLanes max = Max(r, Max(g, b));
    TLanes min = Min(r, Min(g, b));
    TLanes l = (max + min) * 0.5; // halving is exact, the same as / 2
    TLanes d = max - min;
    TLanes s = d / Select(l < 0.5, max + min, 2.0 - max - min);
    // The red sector adds 0, which leaves every value as it was (at most −0 becomes +0, and the
    // hue is only compared with 0 and scaled after this).
    TMask maxIsR = max == r, maxIsG = max == g;
    TLanes numerator = Select(maxIsR, g - b, Select(maxIsG, b - r, r - g));
    TLanes h = (numerator / d + Select(maxIsR, 0.0, Select(maxIsG, 2.0, 4.0))) / 6.0;
    h = Select(h < 0.0, h + 1.0, h);
    TLanes shifted = Lookup(shiftTable, Nearest(h * 255.0));
    TLanes q = Select(l <= 0.5, l * (1.0 + s), l + s - l * s);
    TLanes p = 2.0 * l - q;
    TLanes qp = q - p;
    return {Nearest(HueChannel(p, q, qp, shifted + 1.0 / 3.0) * 255.0),
            Nearest(HueChannel(p, q, qp, shifted) * 255.0),
            Nearest(HueChannel(p, q, qp, shifted - 1.0 / 3.0) * 255.0)};
}

// True when every pixel of the Count groups of four has alpha 0.
BRISAT_LANES bool AllClear(const __m128i* groups, int count) {
    __m128i any = _mm_setzero_si128();
#pragma GCC unroll 8
    for (int i = 0; i < count; ++i)
        any = _mm_or_si128(any, groups[i]);
    any = _mm_and_si128(any, _mm_set1_epi32(int32_t(0xFF000000)));
    return _mm_movemask_epi8(_mm_cmpeq_epi32(any, _mm_setzero_si128())) == 0xFFFF;
}

// Four shifted pixels from their int32 channels, clamped to 0..255 like MakePixel (the saturating
// packs clamp), opaque. Pixels with alpha 0 stay as they were; greys come out as themselves,
// opaque: for a grey of value v, l is exactly v / 255 and nearest(l × 255) is v again.
BRISAT_LANES __m128i FinishHue4(__m128i pixels, __m128i red, __m128i green, __m128i blue) {
    __m128i blueRed = _mm_packs_epi32(blue, red);
    __m128i greenAlpha = _mm_packs_epi32(green, _mm_set1_epi32(255));
    __m128i bg = _mm_unpacklo_epi16(blueRed, greenAlpha),
            ra = _mm_unpackhi_epi16(blueRed, greenAlpha);
    __m128i shifted = _mm_packus_epi16(_mm_unpacklo_epi32(bg, ra), _mm_unpackhi_epi32(bg, ra));
    const __m128i zero = _mm_setzero_si128();
    __m128i rgb = _mm_and_si128(pixels, _mm_set1_epi32(0x00FFFFFF));
    __m128i grey = _mm_cmpeq_epi32(
        _mm_and_si128(_mm_xor_si128(rgb, _mm_srli_epi32(rgb, 8)), _mm_set1_epi32(0xFFFF)), zero);
    shifted = SelectBits(grey, _mm_or_si128(rgb, _mm_set1_epi32(int32_t(0xFF000000))), shifted);
    return SelectBits(_mm_cmpeq_epi32(_mm_srli_epi32(pixels, 24), zero), pixels, shifted);
}

// HueShift of the kHueBlock pixels at P whose alpha is not 0.
BRISAT_LANES void ChangeHueBlock(TKsPixel* p, const double* shiftTable) {
    constexpr int kGroups = kHueBlock / 4;
    __m128i pixels[kGroups];
#pragma GCC unroll 8
    for (int i = 0; i < kGroups; ++i)
        pixels[i] = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + 4 * i));
    if (AllClear(pixels, kGroups)) return;
    THueSteps steps =
        HueShiftLanes(ChannelLanes<16>(p), ChannelLanes<8>(p), ChannelLanes<0>(p), shiftTable);
#pragma GCC unroll 8
    for (int i = 0; i < kGroups; ++i) {
        __m128i shifted = FinishHue4(pixels[i], StepGroup(steps.red.v, i),
                                     StepGroup(steps.green.v, i), StepGroup(steps.blue.v, i));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(p + 4 * i), shifted);
    }
}

// ChangeHueRow by blocks of kHueBlock pixels; the last pixels go through the same code, padded
// with transparent ones.
BRISAT_LANES void ChangeHueLanesRow(TKsPixel* pixels, size_t count, int32_t delta) {
    const double* shiftTable = HueShiftTable(delta);
    size_t i = 0;
    for (; i + kHueBlock <= count; i += kHueBlock)
        ChangeHueBlock(pixels + i, shiftTable);
    if (i == count) return;
    TKsPixel tail[kHueBlock] = {};
    std::memcpy(tail, pixels + i, (count - i) * sizeof(TKsPixel));
    ChangeHueBlock(tail, shiftTable);
    std::memcpy(pixels + i, tail, (count - i) * sizeof(TKsPixel));
}
