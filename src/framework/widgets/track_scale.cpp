#include "framework/widgets/track_scale.h"

#include <algorithm>

namespace brisat {

int64_t RoundedQuotient(int64_t numerator, int64_t denominator, int64_t base,
                        TTrackRounding rounding) {
    int64_t quotient = numerator / denominator, remainder = numerator % denominator;
    if (remainder < 0) { // floor instead of truncation toward zero
        --quotient;
        remainder += denominator;
    }
    const int64_t below = base + quotient;
    if (rounding == TTrackRounding::Floor || remainder == 0) return below;
    const int64_t twice = 2 * remainder;
    if (twice != denominator) return twice < denominator ? below : below + 1;
    if (rounding == TTrackRounding::HalfUp) return below + 1;
    return below % 2 == 0 ? below : below + 1;
}

int32_t TTrackScale::Clamp(int64_t value) const {
    return int32_t(std::clamp<int64_t>(value, Min, std::max(Min, Max)));
}

int32_t TTrackScale::ValueToPixel(int32_t value, TTrackRounding rounding) const {
    const int64_t range = int64_t(Max) - Min;
    if (range <= 0 || Travel <= 0) return Start;
    const int64_t offset = int64_t(Clamp(value)) - Min;
    // The offset from Start is rounded on its own: a tie goes to an even offset.
    return Start + int32_t(RoundedQuotient(offset * Travel, range, 0, rounding));
}

int64_t TTrackScale::PixelToValue(int32_t pixel, TTrackRounding rounding) const {
    const int64_t range = int64_t(Max) - Min;
    if (range <= 0 || Travel <= 0) return Min;
    return RoundedQuotient((int64_t(pixel) - Start) * range, Travel, Min, rounding);
}

} // namespace brisat
