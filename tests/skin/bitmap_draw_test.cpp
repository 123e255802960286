// Drawing between bitmaps: block and alpha-aware copies, MergeUnder, copies to device contexts and
// surfaces, and the overflow checks of their set-up.
#include "framework/core/exceptions.h"
#include "skin/bitmap/bitmap.h"
#include "skin/bitmap_fixture.h"

#include <climits>
#include <gtest/gtest.h>

using namespace brisat;
using namespace brisat::test;

namespace {

constexpr TKsPixel kDest = 0xFF0000FF; // opaque blue

} // namespace

TEST(KsBitmapDraw, AlphaRuleKeepsReplacesOrBlendsEachPixel) {
    auto source = MakeBitmap(4, 1);
    const TKsPixel src[] = {0x00FF0000, 0xFFFF0000, 0x80FF0000, 0x01FFFFFF};
    for (int32_t x = 0; x < 4; ++x)
        source->SetPixels(x, 0, src[x]);
    source->SetAlphaBlend(true);
    auto dest = MakeBitmap(4, 1, kDest);
    source->Draw(*dest, 0, 0);
    EXPECT_EQ(PixelsOf(*dest),
              (std::vector<TKsPixel>{kDest, 0xFFFF0000, 0xBF80007F, Blend(0x01FFFFFF, kDest)}));
}

TEST(KsBitmapDraw, BlockCopyMovesAllFourBytes) {
    auto source = MakeBitmap(2, 1, 0x00FF0000);
    auto dest = MakeBitmap(3, 1, kDest);
    source->DrawRect(*dest, 1, 0, Rect(0, 0, 2, 1));
    EXPECT_EQ(PixelsOf(*dest), (std::vector<TKsPixel>{kDest, 0x00FF0000, 0x00FF0000}));
}

TEST(KsBitmapDraw, ClippingTheSourceShiftsBlockCopiesButNotAlphaCopies) {
    // SrcRect starts one pixel above and left of the source. A block copy keeps every pixel
    // where SrcRect puts it; the alpha-aware copy places the clipped rectangle at X, Y.
    auto source = MakeCoordBitmap(3, 3);
    for (bool alpha : {false, true}) {
        source->SetAlphaBlend(alpha);
        auto dest = MakeBitmap(8, 8, kDest);
        source->DrawRect(*dest, 4, 4, Rect(-1, -1, 2, 2));
        const int32_t at = alpha ? 4 : 5;
        EXPECT_EQ(dest->Pixels(at, at), Coord(0, 0)) << "alpha " << alpha;
        EXPECT_EQ(dest->Pixels(at + 1, at + 1), Coord(1, 1)) << "alpha " << alpha;
        EXPECT_EQ(dest->Pixels(at + 2, at + 2), kDest) << "alpha " << alpha;
        if (!alpha) {
            EXPECT_EQ(dest->Pixels(4, 4), kDest);
        }
    }
}

TEST(KsBitmapDraw, DestinationPointsOutsideAreSkipped) {
    auto source = MakeCoordBitmap(3, 3);
    for (bool alpha : {false, true}) {
        source->SetAlphaBlend(alpha);
        auto dest = MakeBitmap(3, 3, kDest);
        source->Draw(*dest, -2, 1);
        EXPECT_EQ(dest->Pixels(0, 1), Coord(2, 0));
        EXPECT_EQ(dest->Pixels(0, 2), Coord(2, 1));
        EXPECT_EQ(dest->Pixels(1, 1), kDest);
        EXPECT_EQ(dest->Pixels(0, 0), kDest);
        source->Draw(*dest, 1000, -1000);
        source->Draw(*dest, INT_MIN, INT_MIN);
        source->DrawRect(*dest, 0, 0, Rect(2, 2, 1, 1));
        source->DrawRect(*dest, 0, 0, Rect(INT_MIN, INT_MIN, INT_MIN + 1, INT_MIN + 1));
        EXPECT_EQ(dest->Pixels(1, 1), kDest);
    }
}

TEST(KsBitmapDraw, CoordinatesThatOverflowRaiseIntOverflow) {
    auto source = MakeCoordBitmap(3, 3);
    auto dest = MakeBitmap(3, 3);
    for (bool alpha : {false, true}) {
        source->SetAlphaBlend(alpha);
        EXPECT_THROW(source->Draw(*dest, INT_MAX - 1, 0), EIntOverflow);
        EXPECT_THROW(source->DrawRect(*dest, 0, INT_MAX, Rect(0, 0, 2, 2)), EIntOverflow);
    }
    // A block copy places the rectangle's own corner, which here lies 2^31 pixels away.
    source->SetAlphaBlend(false);
    EXPECT_THROW(source->DrawRect(*dest, 0, 0, Rect(INT_MIN, 0, 2, 2)), EIntOverflow);
}

TEST(KsBitmapDraw, MergeUnderFillsTransparentAndTranslucentTargetPixels) {
    auto target = MakeBitmap(3, 1);
    target->SetPixels(0, 0, 0x00FF0000);
    target->SetPixels(1, 0, 0x80FF0000);
    target->SetPixels(2, 0, 0xFFFF0000);
    auto behind = MakeBitmap(3, 1, kDest);
    target->MergeUnder(*behind, 0, 0, behind->BoundsRect());
    EXPECT_EQ(PixelsOf(*target), (std::vector<TKsPixel>{kDest, 0xBF80007F, 0xFFFF0000}));
}

TEST(KsBitmapDraw, MergeUnderMovesXWithANegativeSourceLeft) {
    auto behind = MakeCoordBitmap(3, 3);
    auto target = MakeBitmap(4, 4);
    // Left −1 is raised to 0 and X grows by 1: source pixel (0, 0) lands at (2, 1).
    target->MergeUnder(*behind, 1, 0, Rect(-1, 1, 9, 2));
    EXPECT_EQ(target->Pixels(2, 0), Coord(0, 1));
    EXPECT_EQ(target->Pixels(3, 0), Coord(1, 1));
    EXPECT_EQ(target->Pixels(1, 0), 0u);
    EXPECT_EQ(target->Pixels(2, 1), 0u);
}

TEST(KsBitmapDraw, DrawToDCHonoursTheContextOriginAndClip) {
    auto source = MakeCoordBitmap(2, 2);
    TSurface surface(6, 6);
    TDeviceContext dc(&surface);
    dc.SetViewportOrg(3, 1);
    dc.IntersectClipRect(Rect(0, 0, 1, 2));
    source->DrawToDC(dc, 0, 0);
    EXPECT_EQ(surface.Row(1)[3], Coord(0, 0));
    EXPECT_EQ(surface.Row(2)[3], Coord(0, 1));
    EXPECT_EQ(surface.Row(1)[4], 0u);
    source->DrawRectToDC(dc, INT_MIN + 5, 0, Rect(0, 0, 1, 1));
    EXPECT_THROW(source->DrawToDC(dc, INT_MAX, 0), EIntOverflow);
}

TEST(KsBitmapDraw, DrawToSurfaceCopiesTheVisiblePart) {
    auto source = MakeCoordBitmap(3, 2);
    TSurface surface(2, 2);
    source->DrawToSurface(surface, -1, 1);
    EXPECT_EQ(surface.Row(1)[0], Coord(1, 0));
    EXPECT_EQ(surface.Row(1)[1], Coord(2, 0));
    EXPECT_EQ(surface.Row(0)[0], 0u);
    TSurface empty;
    source->DrawToSurface(empty, 0, 0);
}
