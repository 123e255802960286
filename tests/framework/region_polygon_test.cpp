#include "framework/graphics/region.h"

#include <climits>
#include <gtest/gtest.h>

using namespace brisat;

namespace {

int64_t Area(const TRegion& region) {
    int64_t area = 0;
    for (const TRect& r : region.Rects())
        area += int64_t(r.Width()) * r.Height();
    return area;
}

} // namespace

TEST(RegionPolygon, PixelCentresByTheAlternateRule) {
    // A square: its edges run between pixel centres, so it covers exactly its inside.
    const TPoint square[] = {{1, 1}, {5, 1}, {5, 4}, {1, 4}};
    TRegion region = TRegion::FromPolygon(square);
    EXPECT_TRUE(region.SameArea(TRegion(Rect(1, 1, 5, 4))));
    EXPECT_EQ(region.Rects().size(), 1u); // equal rows merge

    // A triangle: row y holds the centres left of the hypotenuse x = y; a centre on it belongs to
    // whatever lies to its right.
    const TPoint triangle[] = {{0, 0}, {0, 4}, {4, 4}};
    region = TRegion::FromPolygon(triangle);
    for (int32_t y = 0; y < 5; ++y)
        for (int32_t x = -1; x < 5; ++x)
            EXPECT_EQ(region.Contains(x, y), x >= 0 && x < y && y < 4) << x << "," << y;

    // A pentagram: the inner pentagon is inside twice, so it stays out.
    const TPoint pentagram[] = {{10, 0}, {16, 20}, {0, 7}, {20, 7}, {4, 20}};
    region = TRegion::FromPolygon(pentagram);
    EXPECT_FALSE(region.Contains(10, 11));
    EXPECT_TRUE(region.Contains(10, 3));
    EXPECT_TRUE(region.Contains(2, 7));
    EXPECT_EQ(region.Bounds(), Rect(1, 2, 19, 20));

    // Two squares sharing an edge share no pixel and leave no gap.
    const TPoint left[] = {{0, 0}, {3, 0}, {3, 3}, {0, 3}},
                 right[] = {{3, 0}, {6, 0}, {6, 3}, {3, 3}};
    TRegion a = TRegion::FromPolygon(left), b = TRegion::FromPolygon(right);
    a.Intersect(b);
    EXPECT_TRUE(a.Empty());
    EXPECT_EQ(Area(TRegion::FromPolygon(left)) + Area(TRegion::FromPolygon(right)), 18);
}

TEST(RegionPolygon, DegenerateAndWildPolygons) {
    const TPoint two[] = {{0, 0}, {5, 5}};
    const TPoint flat[] = {{0, 0}, {5, 0}, {9, 0}};
    EXPECT_TRUE(TRegion::FromPolygon(two).Empty());
    EXPECT_TRUE(TRegion::FromPolygon(flat).Empty());
    EXPECT_TRUE(TRegion::FromPolygon({}).Empty());
    // Coordinates at the ends of the 32-bit range: bounded work, pixels near the origin right.
    const TPoint huge[] = {{INT32_MIN, INT32_MIN},
                           {INT32_MAX, INT32_MIN},
                           {INT32_MAX, INT32_MAX},
                           {INT32_MIN, INT32_MAX}};
    TRegion region = TRegion::FromPolygon(huge);
    EXPECT_TRUE(region.Contains(0, 0));
    EXPECT_TRUE(region.Contains(-1000, 5000));
    EXPECT_EQ(region.Rects().size(), 1u);
    const TPoint spike[] = {{0, INT32_MIN}, {1, INT32_MAX}, {-1, INT32_MAX}};
    EXPECT_TRUE(TRegion::FromPolygon(spike).Contains(0, 0));
}
