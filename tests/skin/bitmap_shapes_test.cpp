// Shapes and lines drawn through the bitmap's device context.
#include "framework/graphics/region.h"
#include "skin/bitmap/bitmap.h"
#include "skin/bitmap_fixture.h"

#include <gtest/gtest.h>

using namespace brisat;
using namespace brisat::test;

namespace {

constexpr TKsPixel kBackground = 0xFF0000FF;

} // namespace

TEST(KsBitmapShapes, FillsAreOpaqueInThePixelsColourAndLeaveThePenAndBrushAsTheyWere) {
    auto bitmap = MakeBitmap(10, 10, kBackground);
    const TPenSpec pen = bitmap->DC().Pen();
    const TBrushSpec brush = bitmap->DC().Brush();

    bitmap->FillRoundRect(Rect(1, 1, 9, 9), 4, 0x40FF0000);
    EXPECT_EQ(bitmap->Pixels(5, 5), 0xFFFF0000u);
    EXPECT_EQ(bitmap->Pixels(1, 5), 0xFFFF0000u); // the outline is in the same colour
    EXPECT_EQ(bitmap->Pixels(1, 1), kBackground); // a rounded corner
    EXPECT_EQ(bitmap->Pixels(9, 5), kBackground);

    const TPoint triangle[] = {{0, 0}, {8, 0}, {0, 8}};
    bitmap->FillPolygon(triangle, 0x0000FF00);
    EXPECT_EQ(bitmap->Pixels(2, 2), 0xFF00FF00u);
    EXPECT_EQ(bitmap->Pixels(7, 7), 0xFFFF0000u);

    EXPECT_EQ(bitmap->DC().Pen().Color, pen.Color);
    EXPECT_EQ(bitmap->DC().Brush().Style, brush.Style);
    EXPECT_EQ(bitmap->DC().Brush().Color, brush.Color);
}

TEST(KsBitmapShapes, HalftonePolygonDotsOnlyInsideThePolygonAndItsBoundingBox) {
    auto bitmap = MakeBitmap(12, 12, kBackground);
    const TPoint shape[] = {{1, 1}, {10, 3}, {6, 10}, {2, 7}};
    const TKsPixel dot = 0x11223344;
    bitmap->FillHalftonePolygon(shape, 0xFFFF0000, dot);
    const TRegion inside = TRegion::FromPolygon(shape);
    int32_t dots = 0;
    for (int32_t y = 0; y < 12; ++y)
        for (int32_t x = 0; x < 12; ++x) {
            const bool expected =
                inside.Contains(x, y) && (x + y) % 2 == 0 && x < 10 && y < 10 && x >= 1 && y >= 1;
            EXPECT_EQ(bitmap->Pixels(x, y) == dot, expected) << x << "," << y;
            dots += expected;
        }
    EXPECT_GT(dots, 10);
    bitmap->FillHalftonePolygon({}, 0xFFFF0000, dot);
}

TEST(KsBitmapShapes, FocusRectangleDrawnTwiceRestoresThePicture) {
    auto bitmap = MakeCoordBitmap(8, 6);
    const std::vector<TKsPixel> before = PixelsOf(*bitmap);
    bitmap->DrawFocusRect(Rect(1, 1, 7, 5), 0xFF000000);
    EXPECT_NE(PixelsOf(*bitmap), before);
    EXPECT_EQ(bitmap->Pixels(3, 3), Coord(3, 3));
    bitmap->DrawFocusRect(Rect(1, 1, 7, 5), 0xFF000000);
    EXPECT_EQ(PixelsOf(*bitmap), before);
}

TEST(KsBitmapShapes, LinesRunFromThePenPositionAndLeaveTheEndPoint) {
    auto bitmap = MakeBitmap(6, 4);
    bitmap->MoveTo(1, 0);
    bitmap->LineTo(4, 0, 0x00FF0000);
    bitmap->LineTo(4, 3, 0x000000FF);
    EXPECT_EQ(bitmap->PenPos(), (TPoint{4, 3}));
    EXPECT_EQ(PixelsOf(*bitmap),
              (std::vector<TKsPixel>{0, 0xFFFF0000, 0xFFFF0000, 0xFFFF0000, 0xFF0000FF, 0, //
                                     0, 0,          0,          0,          0xFF0000FF, 0, //
                                     0, 0,          0,          0,          0xFF0000FF, 0, //
                                     0, 0,          0,          0,          0,          0}));
}
