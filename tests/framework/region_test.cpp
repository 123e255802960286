#include <gtest/gtest.h>

#include "framework/graphics/region.h"

using namespace brisat;

TEST(Region, UnionSubtractAndContainsAgree) {
    TRegion region(Rect(0, 0, 10, 10));
    region.Union(Rect(5, 5, 15, 15));
    region.Subtract(Rect(2, 2, 4, 4));
    EXPECT_EQ(region.Bounds(), Rect(0, 0, 15, 15));
    struct Case {
        TPoint p;
        bool inside;
    } cases[] = {{{0, 0}, true},   {{9, 9}, true},   {{14, 14}, true}, {{2, 2}, false},
                 {{3, 3}, false},  {{4, 4}, true},   {{12, 2}, false}, {{2, 12}, false},
                 {{15, 15}, false}, {{10, 10}, true}};
    for (const Case& c : cases) EXPECT_EQ(region.Contains(c.p), c.inside) << c.p.X << "," << c.p.Y;
    // Pieces never overlap: their areas add up to the pixel count.
    int64_t area = 0;
    for (const TRect& r : region.Rects()) area += int64_t(r.Width()) * r.Height();
    EXPECT_EQ(area, 100 + 100 - 25 - 4);
}

TEST(Region, IntersectOffsetAndSameArea) {
    TRegion a(Rect(0, 0, 10, 10));
    a.Intersect(TRegion(Rect(5, -5, 20, 5)));
    EXPECT_EQ(a.Bounds(), Rect(5, 0, 10, 5));
    a.Offset(10, 20);
    EXPECT_TRUE(a.SameArea(TRegion(Rect(15, 20, 20, 25))));
    a.Intersect(Rect(100, 100, 200, 200));
    EXPECT_TRUE(a.Empty());
    EXPECT_EQ(a.Bounds(), TRect{});
}
