// TTrackScale: the linear scale of a track bar, the values Min..Max spread over Travel pixels
// from Start (the thumb centre at Min). The plain and the skinned track bars both map values to
// pixels and back through it; they differ only in how they round.
#pragma once

#include <cstdint>

namespace brisat {

enum class TTrackRounding : uint8_t {
    Floor,   // the integer below
    HalfUp,  // the nearest integer, a tie going up
    HalfEven // the nearest integer, a tie going to the even one
};

// Rounds Base + Numerator / Denominator to an integer; Denominator must be positive. Exact for
// any 64-bit numerator, so ties are real ties.
int64_t RoundedQuotient(int64_t numerator, int64_t denominator, int64_t base,
                        TTrackRounding rounding);

struct TTrackScale {
    int32_t Min = 0;
    int32_t Max = 0;    // Max ≤ Min puts every value at Start
    int32_t Start = 0;  // pixel of Min
    int32_t Travel = 0; // pixels from Min to Max; ≤ 0 puts every value at Start

    // The pixel of Value, which is clamped to Min..Max first: Start plus the rounded offset.
    int32_t ValueToPixel(int32_t value, TTrackRounding rounding) const;
    // The value at Pixel, Min plus the offset rounded together with it, not clamped: a pixel before Start or beyond the travel gives a value
    // outside Min..Max (Min with no travel or no range), for the caller to snap and clamp.
    int64_t PixelToValue(int32_t pixel, TTrackRounding rounding) const;
    // Value clamped to Min..Max.
    int32_t Clamp(int64_t value) const;
};

} // namespace brisat
