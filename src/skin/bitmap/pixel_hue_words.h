// The hue shift in 16-bit integer lanes of 256-bit registers, for the AVX2 path. The path
// includes this file inside its anonymous namespace, once per instruction set it builds the
// kernel for, after defining Load and Store of eight pixels and:
//   BRISAT_HUE_INLINE    how helpers are declared: inline, always inlined, with the target
//   BRISAT_HUE           the target attribute of the functions that are not inlined
// The row function is ChangeHueWordsRow, with the contract of ChangeHueRow.

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
// Sixteen pixels go through at once in 16-bit lanes: each 128-bit half holds four pixels of the
// first register of eight and then four of the second, and unpacking restores them.
struct THueShift {
    __m256i turn; // Delta mod 255, in 16-bit lanes
    // The word constants of the kernel, set in every lane. The row loop reads them from memory
    // (see Avx2ChangeHueRow): sixteen vector registers cannot hold them all, and rebuilt from
    // immediates they would cost three instructions each, every sixteen pixels.
    struct TWords {
        // greenTurn, blueTurn: the green and blue sectors' base steps (85, 170) plus the turn.
        __m256i greenTurn, blueTurn, one, k85, k128, k257, k255, six, k510, k1020, k1530, alphaByte;
    } k;

    BRISAT_HUE_INLINE static __m256i Word(int32_t v) { return _mm256_set1_epi16(int16_t(v)); }

    BRISAT_HUE_INLINE static THueShift ForDelta(int32_t delta) {
        const int32_t turn = int32_t((int64_t(delta) % 255 + 255) % 255);
        return {Word(turn),
                {Word(85 + turn), Word(170 + turn), Word(1), Word(85), Word(128), Word(257),
                 Word(255), Word(6), Word(510), Word(1020), Word(1530), Word(0xFF00)}};
    }

    // The lanes of a tie, as HueShift computes them in double precision. With M the middle
    // channel, the quotient is ±(M − min) / (max − min) in sector units (the sign rounds alike);
    // the sector's base is added, the sum divided by 6, a negative hue taken once round, and the
    // result scaled to steps. Adding 0 changes no quotient of a tie, which is never 0, so every
    // sector and sign takes the same operations, with its numbers from a table.
    struct TTieLanes {
        alignas(32) int16_t max[16], min[16], numerator[16], sector[16];
    };
    // The ties (bit 2 × lane + 1 of Ties) of the turned Steps settled by that double rounding.
    [[gnu::noinline]] BRISAT_HUE static __m256i SettleTies(__m256i steps, __m256i max, __m256i min,
                                                           __m256i numerator, __m256i sector,
                                                           int32_t turn, uint32_t ties) {
        TTieLanes lanes;
        Store16(lanes.max, max);
        Store16(lanes.min, min);
        Store16(lanes.numerator, numerator);
        Store16(lanes.sector, sector);
        // By sector (red, green, blue) and sign (+, −).
        static constexpr double kSign[6] = {1, -1, 1, -1, 1, -1};
        static constexpr double kBase[6] = {0, 0, 2, 2, 4, 4};
        static constexpr double kRound[6] = {0, 1, 0, 0, 0, 0};
        for (; ties; ties &= ties - 1) {
            const int lane = __builtin_ctz(ties) / 2;
            const int lo = lanes.min[lane], e = std::abs(lanes.numerator[lane]);
            const int kind = lanes.sector[lane] * 2 + (lanes.numerator[lane] < 0);
            const double spread = ksChannelUnits[lanes.max[lane]] - ksChannelUnits[lo];
            const double middle = ksChannelUnits[lo + e] - ksChannelUnits[lo];
            double h = (middle / spread * kSign[kind] + kBase[kind]) / 6 + kRound[kind];
            // Blended in, not stored: a vector load of narrow stores would wait for them.
            const __m256i settled =
                _mm256_set1_epi16(int16_t(_mm_cvtsd_si32(_mm_set_sd(h * 255)) + turn));
            const __m256i at = _mm256_cmpeq_epi16(
                _mm256_setr_epi16(0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15),
                _mm256_set1_epi16(int16_t(lane)));
            steps = _mm256_blendv_epi8(steps, settled, at);
        }
        return steps;
    }
    BRISAT_HUE_INLINE static void Store16(int16_t* lanes, __m256i v) {
        _mm256_store_si256(reinterpret_cast<__m256i*>(lanes), v);
    }

    // The channel bytes of sixteen pixels in 16-bit lanes.
    struct TChannels {
        __m256i r, g, b;
    };
    BRISAT_HUE_INLINE static TChannels Channels(__m256i low, __m256i high) {
        // Each pixel group of four as its blue, green, red and alpha bytes.
        const __m256i planes =
            _mm256_setr_epi8(0, 4, 8, 12, 1, 5, 9, 13, 2, 6, 10, 14, 3, 7, 11, 15, 0, 4, 8, 12, 1,
                             5, 9, 13, 2, 6, 10, 14, 3, 7, 11, 15);
        const __m256i l = _mm256_shuffle_epi8(low, planes), h = _mm256_shuffle_epi8(high, planes);
        const __m256i blueGreen = _mm256_unpacklo_epi32(l, h),
                      redAlpha = _mm256_unpackhi_epi32(l, h);
        const __m256i zero = _mm256_setzero_si256();
        return {_mm256_unpacklo_epi8(redAlpha, zero), _mm256_unpackhi_epi8(blueGreen, zero),
                _mm256_unpacklo_epi8(blueGreen, zero)};
    }

    // The turned hue steps of sixteen pixels (−43..509; greys any), from their channels.
    BRISAT_HUE_INLINE __m256i Steps(TChannels c, __m256i max, __m256i min, __m256i d) const {
        // The sector of the largest channel, red before green before blue as in HueShift.
        const __m256i maxIsR = _mm256_cmpeq_epi16(c.r, max), gIsMax = _mm256_cmpeq_epi16(c.g, max);
        const __m256i numerator = _mm256_blendv_epi8(
            _mm256_blendv_epi8(_mm256_sub_epi16(c.r, c.g), _mm256_sub_epi16(c.b, c.r), gIsMax),
            _mm256_sub_epi16(c.g, c.b), maxIsR);
        const __m256i e = _mm256_abs_epi16(numerator);
        // Greys (D = 0) divide by 1.
        const __m256i divisor = _mm256_max_epi16(d, k.one);
        const __m256i e85 = _mm256_mullo_epi16(e, k.k85);
        const __m256i zero = _mm256_setzero_si256();
        const __m256i floor = _mm256_packs_epi32(
            Quotient(_mm256_unpacklo_epi16(e85, zero), _mm256_unpacklo_epi16(divisor, zero)),
            Quotient(_mm256_unpackhi_epi16(e85, zero), _mm256_unpackhi_epi16(divisor, zero)));
        // Exact ties: Y whole (⌊Y⌋ × D = 85 × E) and odd, in the top bit of the lane.
        const __m256i ties =
            _mm256_and_si256(_mm256_cmpeq_epi16(_mm256_mullo_epi16(floor, divisor), e85),
                             _mm256_slli_epi16(floor, 15));
        // The commonest ties have two equal largest channels (E = D, a step of 42.5 from the
        // base): HueShift takes 42 for red and green, 43 (212, 128) for red and blue or green and
        // blue. Greys lose one from a magnitude of 0, which their sign of 0 cancels.
        const __m256i magnitude = _mm256_add_epi16(
            _mm256_srli_epi16(_mm256_add_epi16(floor, k.one), 1), _mm256_and_si256(maxIsR, gIsMax));
        const __m256i base =
            _mm256_blendv_epi8(_mm256_blendv_epi8(k.blueTurn, k.greenTurn, gIsMax), turn, maxIsR);
        const __m256i steps = _mm256_add_epi16(base, _mm256_sign_epi16(magnitude, numerator));
        const uint32_t otherTies =
            uint32_t(_mm256_movemask_epi8(_mm256_andnot_si256(_mm256_cmpeq_epi16(e, d), ties)));
        if (otherTies) [[unlikely]]
            return SettleTies(
                steps, max, min, numerator,
                _mm256_andnot_si256(maxIsR, _mm256_add_epi16(_mm256_set1_epi16(2), gIsMax)),
                _mm256_extract_epi16(turn, 0), otherTies);
        return steps;
    }

    // ⌊85 × E / D⌋ of eight lanes (int32).
    BRISAT_HUE_INLINE static __m256i Quotient(__m256i e85, __m256i d) {
        return _mm256_cvttps_epi32(_mm256_div_ps(_mm256_cvtepi32_ps(e85), _mm256_cvtepi32_ps(d)));
    }

    // Min + round(D × weight / 255) for a weight of 0..255: D × weight + 128 is below 2^16, where
    // (y × 257) >> 16 is (y − 1) div 255.
    BRISAT_HUE_INLINE __m256i Channel(__m256i min, __m256i d, __m256i weight) const {
        const __m256i y = _mm256_add_epi16(_mm256_mullo_epi16(d, weight), k.k128);
        return _mm256_add_epi16(min, _mm256_mulhi_epu16(y, k.k257));
    }

    // Pixels shifted, those with alpha 0 as they were.
    BRISAT_HUE_INLINE static __m256i Finish(__m256i pixels, __m256i shifted) {
        const __m256i clear =
            _mm256_cmpeq_epi32(_mm256_srli_epi32(pixels, 24), _mm256_setzero_si256());
        return _mm256_blendv_epi8(shifted, pixels, clear);
    }

    // Shifts the sixteen pixels Low (0–7) and High (8–15) in place.
    BRISAT_HUE_INLINE void operator()(__m256i& low, __m256i& high) const {
        const TChannels c = Channels(low, high);
        const __m256i max = _mm256_max_epi16(c.r, _mm256_max_epi16(c.g, c.b));
        const __m256i min = _mm256_min_epi16(c.r, _mm256_min_epi16(c.g, c.b));
        const __m256i d = _mm256_sub_epi16(max, min);
        // The step mod 255.
        __m256i step = Steps(c, max, min, d);
        step = _mm256_min_epu16(step, _mm256_add_epi16(step, k.k255));
        step = _mm256_min_epu16(step, _mm256_sub_epi16(step, k.k255));
        // Six units a step; the peaks of red, green and blue lie at 0, 510 and 1020, and each
        // weight climbs from 0 to 255 over the 255 units from 510 to 255 away from its peak.
        const __m256i six = _mm256_mullo_epi16(step, k.six);
        const __m256i full = k.k255;
        const __m256i red =
            Channel(min, d,
                    _mm256_min_epi16(_mm256_max_epi16(_mm256_subs_epu16(k.k510, six),
                                                      _mm256_subs_epu16(six, k.k1020)),
                                     full));
        const __m256i green = Channel(
            min, d, _mm256_min_epi16(_mm256_min_epi16(six, _mm256_subs_epu16(k.k1020, six)), full));
        const __m256i blue =
            Channel(min, d,
                    _mm256_min_epi16(_mm256_min_epi16(_mm256_subs_epu16(six, k.k510),
                                                      _mm256_subs_epu16(k.k1530, six)),
                                     full));
        // Words of green and blue, and of alpha and red, interleaved into pixels.
        const __m256i greenBlue = _mm256_or_si256(_mm256_slli_epi16(green, 8), blue);
        const __m256i alphaRed = _mm256_or_si256(red, k.alphaByte);
        low = Finish(low, _mm256_unpacklo_epi16(greenBlue, alphaRed));
        high = Finish(high, _mm256_unpackhi_epi16(greenBlue, alphaRed));
    }
};

// Whether the pixels of A and B equal those of C and D.
BRISAT_HUE_INLINE bool Equal(__m256i a, __m256i b, __m256i c, __m256i d) {
    const __m256i differ = _mm256_or_si256(_mm256_xor_si256(a, c), _mm256_xor_si256(b, d));
    return _mm256_testz_si256(differ, differ);
}

BRISAT_HUE void ChangeHueWordsRow(TKsPixel* pixels, size_t count, int32_t delta) {
    THueShift shift = THueShift::ForDelta(delta);
    // Hides the constants' values from the compiler, so that the loop takes them as memory
    // operands instead of rebuilding them.
    __asm__("" : "+m"(shift));
    // Skin art is mostly flat: runs of sixteen pixels that repeat the sixteen before them, and
    // clear areas. A block equal to the last one shifted takes its result again, and a clear block
    // stays as it is. The remembered input starts clear, so it never matches a block that is
    // shifted.
    const __m256i alpha = _mm256_set1_epi32(int32_t(0xFF000000));
    __m256i lastLow = _mm256_setzero_si256(), lastHigh = lastLow;
    __m256i shiftedLow = lastLow, shiftedHigh = lastLow;
    size_t i = 0;
    for (; i + 16 <= count; i += 16) {
        __m256i low = Load(pixels + i), high = Load(pixels + i + 8);
        if (!Equal(low, high, lastLow, lastHigh)) {
            if (_mm256_testz_si256(_mm256_or_si256(low, high), alpha)) continue;
            lastLow = low;
            lastHigh = high;
            shift(low, high);
            shiftedLow = low;
            shiftedHigh = high;
        }
        Store(pixels + i, shiftedLow);
        Store(pixels + i + 8, shiftedHigh);
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
