#include "framework/widgets/track_scale.h"

#include <gtest/gtest.h>

using namespace brisat;

namespace {

constexpr auto Floor = TTrackRounding::Floor;
constexpr auto HalfUp = TTrackRounding::HalfUp;
constexpr auto HalfEven = TTrackRounding::HalfEven;

TEST(TrackScaleTest, QuotientsRoundExactlyAsAsked) {
    struct Case {
        int64_t numerator, denominator, min;
        TTrackRounding rounding;
        int64_t expected;
    };
    const Case cases[] = {
        {5, 2, 0, HalfEven, 2},   {7, 2, 0, HalfEven, 4},  {5, 2, 0, HalfUp, 3},
        {5, 2, 0, Floor, 2},      {-5, 2, 0, HalfEven, -2}, {-5, 2, 0, HalfUp, -2},
        {-5, 2, 0, Floor, -3},    {-7, 2, 0, HalfEven, -4}, {11, 4, 0, HalfEven, 3},
        // The tie is decided on the sum with Min: 0.5 + 1 goes to 2, not to 0 + 1.
        {1, 2, 1, HalfEven, 2},   {1, 2, 2, HalfEven, 2},
        // A tie that a double could not tell from its neighbours.
        {(int64_t(1) << 53) + 1, 2, 0, HalfEven, int64_t(1) << 52},
    };
    for (const Case& c : cases)
        EXPECT_EQ(RoundedQuotient(c.numerator, c.denominator, c.min, c.rounding), c.expected)
            << c.numerator << "/" << c.denominator << "+" << c.min;
}

TEST(TrackScaleTest, MapsBothWaysAndLeavesClampingOfPixelsToTheCaller) {
    const TTrackScale scale{0, 10000, 11, 120};
    EXPECT_EQ(scale.ValueToPixel(0, HalfEven), 11);
    EXPECT_EQ(scale.ValueToPixel(10000, HalfEven), 131);
    EXPECT_EQ(scale.ValueToPixel(20000, HalfEven), 131); // values are clamped first
    // A pixel tie rounds the offset from Start to even (40.5 to 40), not the pixel.
    EXPECT_EQ((TTrackScale{0, 100, 9, 81}.ValueToPixel(50, HalfEven)), 49);
    EXPECT_EQ(scale.PixelToValue(71, HalfEven), 5000);
    EXPECT_EQ(scale.PixelToValue(0, HalfEven), -917);
    EXPECT_EQ(scale.Clamp(scale.PixelToValue(0, HalfEven)), 0);
    EXPECT_EQ(scale.Clamp(scale.PixelToValue(500, HalfEven)), 10000);
    // The full 32-bit range does not overflow.
    const TTrackScale wide{INT32_MIN, INT32_MAX, 0, 65535};
    EXPECT_EQ(wide.ValueToPixel(INT32_MAX, Floor), 65535);
    EXPECT_EQ(wide.Clamp(wide.PixelToValue(65535, HalfUp)), INT32_MAX);
}

TEST(TrackScaleTest, NoTravelOrNoRangePutsEverythingAtTheStart) {
    for (const TTrackScale scale : {TTrackScale{0, 10, 9, 0}, TTrackScale{0, 10, 9, -30},
                                    TTrackScale{5, 5, 9, 100}, TTrackScale{5, 2, 9, 100}}) {
        EXPECT_EQ(scale.ValueToPixel(7, HalfEven), 9);
        EXPECT_EQ(scale.PixelToValue(50, HalfEven), scale.Min);
    }
    EXPECT_EQ((TTrackScale{5, 2, 9, 100}.Clamp(50)), 5); // a reversed range holds only Min
}

} // namespace
