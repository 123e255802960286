// Window regions from the bitmap's non-key pixels.
#include "framework/core/exceptions.h"
#include "skin/bitmap/bitmap.h"
#include "skin/bitmap_fixture.h"

#include <climits>
#include <gtest/gtest.h>

using namespace brisat;
using namespace brisat::test;

TEST(KsBitmapRegion, EachRowRunBecomesOneRectangleInRowOrder) {
    // An L: the left column and the bottom row are opaque. A key pixel with alpha 255 is still
    // the key colour.
    auto bitmap = MakeBitmap(4, 4, 0xFF7F007F);
    for (int32_t y = 0; y < 4; ++y)
        bitmap->SetPixels(0, y, 0xFF000000);
    for (int32_t x = 0; x < 4; ++x)
        bitmap->SetPixels(x, 3, 0x00000000);
    auto region = bitmap->CreateRegion(10, 20);
    ASSERT_TRUE(region);
    EXPECT_EQ(region->Rects(), (std::vector<TRect>{Rect(10, 20, 11, 21), Rect(10, 21, 11, 22),
                                                   Rect(10, 22, 11, 23), Rect(10, 23, 14, 24)}));
}

TEST(KsBitmapRegion, SeveralRunsInARowAndRunsAtTheEdges) {
    auto bitmap = MakeBitmap(6, 1, ksKeyPixel);
    for (int32_t x : {0, 2, 3, 5})
        bitmap->SetPixels(x, 0, 0xFFFFFFFF);
    auto region = bitmap->CreateRegion(0, 0);
    ASSERT_TRUE(region);
    EXPECT_EQ(region->Rects(),
              (std::vector<TRect>{Rect(0, 0, 1, 1), Rect(2, 0, 4, 1), Rect(5, 0, 6, 1)}));
}

TEST(KsBitmapRegion, EmptyBitmapGivesNoRegionAndAllKeyGivesAnEmptyOne) {
    TKsBitmap empty;
    EXPECT_FALSE(empty.CreateRegion(0, 0));
    auto keyed = MakeBitmap(3, 3, ksKeyPixel);
    auto region = keyed->CreateRegion(0, 0);
    ASSERT_TRUE(region);
    EXPECT_TRUE(region->Empty());
}

TEST(KsBitmapRegion, OffsetsThatOverflowRaise) {
    auto bitmap = MakeBitmap(3, 3, 0xFFFFFFFF);
    EXPECT_THROW(bitmap->CreateRegion(INT_MAX - 1, 0), EIntOverflow);
    EXPECT_TRUE(bitmap->CreateRegion(INT_MAX - 3, INT_MIN));
}
