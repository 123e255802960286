#include "framework/widgets/scroll_math.h"

#include <gtest/gtest.h>

namespace brisat {
namespace {

TEST(ScrollMath, ThumbLengthAndPlaceRoundToNearestBothWays) {
    struct Case {
        int32_t track, page, count, minimum, length;
    };
    const Case lengths[] = {{100, 10, 25, 8, 40}, {100, 1, 1000, 10, 10}, {90, 1, 4, 0, 23},
                            {90, 1, 8, 0, 11}};
    for (const Case& c : lengths)
        EXPECT_EQ(ThumbLength(c.track, c.page, c.count, c.minimum), c.length) << c.track;
    // 60 pixels of room over 16 steps: the thumb at step 5 starts nearest(18.75) = 19 in, and a
    // thumb dragged there reads back as step 5; no range keeps the thumb at the start.
    EXPECT_EQ(ThumbOffset(5, 60, 16), 19);
    EXPECT_EQ(PositionAtOffset(19, 60, 16), 5);
    EXPECT_EQ(ThumbOffset(5, 60, 0), 0);
    EXPECT_EQ(PositionAtOffset(19, 0, 16), 0);
    EXPECT_EQ(MulDivRound(-3, 1, 2), -1) << "halves round up below zero too";
}

TEST(ScrollMath, LastFullPageWheelRowsAndMinimalScroll) {
    EXPECT_EQ(LastFullPageTop(24, 10), 15) << "25 rows, a page of 10: rows 15..24";
    EXPECT_EQ(LastFullPageTop(24, 0), 24);
    EXPECT_EQ(WheelRows(120, 3), 3);
    EXPECT_EQ(WheelRows(-240, 3), -6);
    EXPECT_EQ(WheelRows(120, 0), 1) << "0 lines a notch counts as 1";

    const auto first = [](int32_t top) { return top; };
    const auto tenRows = [](int32_t top) { return top + 9; };
    EXPECT_EQ(TopToShow(0, 12, first, tenRows), 3);
    EXPECT_EQ(TopToShow(5, 7, first, tenRows), 5);
    EXPECT_EQ(TopToShow(5, 2, first, tenRows), 2);
    // An item taller than the view is never fully visible: the scroll stops with it on top.
    EXPECT_EQ(TopToShow(0, 4, first, [](int32_t top) { return top - 1; }), 4);
    // Columns of five: column 3 holds items 15..19, two columns show.
    const auto column = [](int32_t top) { return top * 5; };
    const auto twoColumns = [](int32_t top) { return top * 5 + 9; };
    EXPECT_EQ(TopToShow(0, 17, column, twoColumns), 2);
    EXPECT_EQ(TopToShow(3, 7, column, twoColumns), 1);
}

} // namespace
} // namespace brisat
