#include "framework/core/colors.h"
#include "framework/core/types.h"

#include <gtest/gtest.h>

using namespace brisat;

TEST(Geometry, MulDivRoundsToNearestAndRefusesOverflow) {
    struct Case {
        int32_t a, b, c, expected;
    } cases[] = {{10, 1, 3, 3}, {11, 1, 2, 6},          {-11, 1, 2, -6}, {5, 65535, 10, 32768},
                 {1, 1, 0, -1}, {0x7FFFFFFF, 2, 1, -1}, {-7, 3, -2, 11}, {1000, 1000, 1000, 1000}};
    for (const Case& c : cases)
        EXPECT_EQ(MulDiv(c.a, c.b, c.c), c.expected) << c.a << " " << c.b << " " << c.c;
}

TEST(Geometry, IntersectionOfDisjointRectanglesIsEmpty) {
    EXPECT_EQ(IntersectRect(Rect(0, 0, 5, 5), Rect(5, 0, 10, 5)), TRect{});
    EXPECT_EQ(IntersectRect(Rect(0, 0, 5, 5), Rect(2, 3, 10, 10)), Rect(2, 3, 5, 5));
}

TEST(Colors, SystemColoursResolveToTheClassicScheme) {
    EXPECT_EQ(ColorToRGB(clBtnFace), RGB(212, 208, 200));
    EXPECT_EQ(ColorToRGB(clBtnShadow), RGB(128, 128, 128));
    EXPECT_EQ(ColorToRGB(clHighlight), RGB(10, 36, 106));
    EXPECT_EQ(ColorToRGB(clRed), RGB(255, 0, 0));
    EXPECT_EQ(RGBToOpaquePixel(ColorToRGB(clRed)), 0xFFFF0000u);
}
