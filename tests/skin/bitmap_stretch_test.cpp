// StretchDraw's fixed-point sampling and TileDraw's tiling.
#include "framework/core/exceptions.h"
#include "skin/bitmap/bitmap.h"
#include "skin/bitmap_fixture.h"

#include <climits>
#include <gtest/gtest.h>

using namespace brisat;
using namespace brisat::test;

namespace {

constexpr TKsPixel kDest = 0xFF0000FF;

// The source columns a one-row alpha-aware stretch picked for each destination pixel (−1 where
// the destination was left alone).
std::vector<int32_t> StretchedColumns(int32_t sourceWidth, const TRect& srcRect,
                                      const TRect& dstRect, int32_t destWidth) {
    auto source = MakeCoordBitmap(sourceWidth, 1);
    source->SetAlphaBlend(true);
    auto dest = MakeBitmap(destWidth, 1, kDest);
    source->StretchDraw(*dest, dstRect, srcRect);
    std::vector<int32_t> columns;
    for (TKsPixel p : PixelsOf(*dest))
        columns.push_back(p == kDest ? -1 : int32_t(p & 0xFF));
    return columns;
}

} // namespace

TEST(KsBitmapStretch, NearestNeighbourSamplingIn16Dot16) {
    const struct {
        int32_t sourceWidth;
        TRect src, dst;
        int32_t destWidth;
        std::vector<int32_t> columns;
    } cases[] = {
        // Enlarging 2 → 5: step 26214, so fx = 0, 26214, 52428, 78642, 104856.
        {2, Rect(0, 0, 2, 1), Rect(0, 0, 5, 1), 5, {0, 0, 0, 1, 1}},
        // Shrinking 5 → 2: step 163840.
        {5, Rect(0, 0, 5, 1), Rect(0, 0, 2, 1), 2, {0, 2}},
        // DstRect starts 3 left of the bitmap: start = MulDiv(4 × 3, 65535, 8) = 98303, just
        // under 1.5 in 16.16, so the second column still samples 1 (65536 would give 2).
        {4, Rect(0, 0, 4, 1), Rect(-3, 0, 5, 1), 5, {1, 1, 2, 2, 3}},
        // SrcRect offset inside the source.
        {6, Rect(2, 0, 4, 1), Rect(1, 0, 5, 1), 5, {-1, 2, 2, 3, 3}},
        // SrcRect reaching past the source: those samples are skipped.
        {2, Rect(0, 0, 4, 1), Rect(0, 0, 8, 1), 8, {0, 0, 1, 1, -1, -1, -1, -1}},
        // Equal sizes draw as DrawRect at DstRect's corner.
        {3, Rect(0, 0, 3, 1), Rect(1, 0, 4, 1), 4, {-1, 0, 1, 2}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(StretchedColumns(c.sourceWidth, c.src, c.dst, c.destWidth), c.columns)
            << "dst left " << c.dst.Left << " right " << c.dst.Right;
}

TEST(KsBitmapStretch, RowsStepLikeColumnsAndBlendByAlpha) {
    auto source = MakeBitmap(1, 2);
    source->SetPixels(0, 0, 0x80FF0000);
    source->SetPixels(0, 1, 0x00FFFFFF);
    source->SetAlphaBlend(true);
    auto dest = MakeBitmap(1, 4, kDest);
    source->StretchDraw(*dest, Rect(0, 0, 1, 4), source->BoundsRect());
    EXPECT_EQ(PixelsOf(*dest), (std::vector<TKsPixel>{0xBF80007F, 0xBF80007F, kDest, kDest}));
}

TEST(KsBitmapStretch, NothingHappensForEmptyOrDisjointRectangles) {
    const struct {
        TRect src, dst;
    } cases[] = {
        {Rect(5, 0, 9, 1), Rect(0, 0, 4, 1)},             // SrcRect outside the source
        {Rect(0, 0, 2, 1), Rect(4, 0, 0, 1)},             // DstRect of negative width
        {Rect(0, 0, 2, 1), Rect(10, 0, 14, 1)},           // DstRect outside the destination
        {Rect(0, 0, 2, 1), Rect(INT_MAX, 0, INT_MIN, 1)}, // empty, its width beyond 32 bits
    };
    for (const auto& c : cases)
        EXPECT_EQ(StretchedColumns(2, c.src, c.dst, 4), std::vector<int32_t>(4, -1));
}

TEST(KsBitmapStretch, HugeStretchFactorsRaiseIntOverflow) {
    auto source = MakeBitmap(40000, 1, 0xFFFFFFFF);
    source->SetAlphaBlend(true);
    auto dest = MakeBitmap(2, 1);
    // Source width × 65536 does not fit 32 bits.
    EXPECT_THROW(source->StretchDraw(*dest, Rect(0, 0, 2, 1), source->BoundsRect()), EIntOverflow);
}

TEST(KsBitmapTile, TenByTenTileOverTwentyFiveByFifteenCutsTheLastColumnAndRow) {
    auto source = MakeCoordBitmap(12, 12);
    for (bool alpha : {false, true}) {
        source->SetAlphaBlend(alpha);
        auto dest = MakeBitmap(30, 20, kDest);
        source->TileDraw(*dest, Rect(2, 1, 27, 16), Rect(1, 1, 11, 11));
        for (int32_t y = 0; y < 20; ++y)
            for (int32_t x = 0; x < 30; ++x) {
                const bool inside = x >= 2 && x < 27 && y >= 1 && y < 16;
                // Cut tiles use the top-left part of SrcRect.
                const TKsPixel expected =
                    inside ? Coord(1 + (x - 2) % 10, 1 + (y - 1) % 10) : kDest;
                ASSERT_EQ(dest->Pixels(x, y), expected) << x << "," << y << " alpha " << alpha;
            }
    }
}

TEST(KsBitmapTile, EmptyTilesDrawNothingAndHugeAreasCostOnlyTheVisiblePart) {
    auto source = MakeCoordBitmap(2, 2);
    auto dest = MakeBitmap(4, 4, kDest);
    source->TileDraw(*dest, dest->BoundsRect(), Rect(1, 1, 1, 2));
    source->TileDraw(*dest, dest->BoundsRect(), Rect(1, 1, 0, 2));
    source->TileDraw(*dest, Rect(INT_MAX, 0, INT_MIN, 1), Rect(0, 0, 1, 1));
    EXPECT_EQ(PixelsOf(*dest), std::vector<TKsPixel>(16, kDest));

    // A billion × billion one-pixel tiles: only the sixteen that reach the destination run.
    for (bool alpha : {false, true}) {
        source->SetAlphaBlend(alpha);
        source->TileDraw(*dest, Rect(-1000000001, -1000000001, 1000000000, 1000000000),
                         Rect(1, 0, 2, 1));
        EXPECT_EQ(PixelsOf(*dest), std::vector<TKsPixel>(16, Coord(1, 0)));
    }
}
