// Rectangle fills, bevels, halftones and gradients.
#include "skin/bitmap/bitmap.h"
#include "skin/bitmap_fixture.h"

#include <climits>
#include <gtest/gtest.h>
#include <set>

using namespace brisat;
using namespace brisat::test;

namespace {

constexpr TKsPixel kDest = 0xFF0000FF;

// A picture of a bitmap as rows of characters, one per pixel, from a pixel → character map.
std::vector<std::string> Picture(const TKsBitmap& bitmap,
                                 const std::vector<std::pair<TKsPixel, char>>& legend) {
    std::vector<std::string> rows;
    for (int32_t y = 0; y < bitmap.Height(); ++y) {
        std::string row;
        for (int32_t x = 0; x < bitmap.Width(); ++x) {
            char c = '?';
            for (const auto& [pixel, mark] : legend)
                if (bitmap.Pixels(x, y) == pixel) c = mark;
            row += c;
        }
        rows.push_back(row);
    }
    return rows;
}

} // namespace

TEST(KsBitmapFill, FillRectCopiesOrBlendsInsideTheBitmap) {
    auto bitmap = MakeBitmap(3, 2, kDest);
    bitmap->FillRect(Rect(-5, 1, 2, 9), 0x80FF0000);
    EXPECT_EQ(PixelsOf(*bitmap),
              (std::vector<TKsPixel>{kDest, kDest, kDest, 0x80FF0000, 0x80FF0000, kDest}));

    bitmap->Fill(kDest);
    bitmap->SetAlphaBlend(true);
    bitmap->FillRect(Rect(INT_MIN, INT_MIN, INT_MAX, 1), 0x80FF0000);
    EXPECT_EQ(PixelsOf(*bitmap),
              (std::vector<TKsPixel>{0xBF80007F, 0xBF80007F, 0xBF80007F, kDest, kDest, kDest}));
    bitmap->FillRect(Rect(2, 2, 1, 1), 0xFFFFFFFF);
    EXPECT_EQ(bitmap->Pixels(2, 1), kDest);
}

TEST(KsBitmapFill, BevelRectDrawsTheFourEdgesOfTheClippedRectangle) {
    auto bitmap = MakeBitmap(6, 5);
    bitmap->BevelRect(Rect(1, 1, 5, 4), 0xFFFFFFFF, 0xFF000000);
    EXPECT_EQ(Picture(*bitmap, {{0, '.'}, {0xFFFFFFFF, 'L'}, {0xFF000000, 'D'}}),
              (std::vector<std::string>{"......", //
                                        ".LLLD.", //
                                        ".L..D.", //
                                        ".DDDD.", //
                                        "......"}));
    // Clipped first: the edges follow the bitmap's border.
    bitmap->Fill(0);
    bitmap->FrameRect(Rect(-3, 2, 3, 99), 0xFFFFFFFF);
    EXPECT_EQ(Picture(*bitmap, {{0, '.'}, {0xFFFFFFFF, 'F'}}),
              (std::vector<std::string>{"......", //
                                        "......", //
                                        "FFF...", //
                                        "F.F...", //
                                        "FFF..."}));
}

TEST(KsBitmapFill, BevelRectBlendsItsColours) {
    auto bitmap = MakeBitmap(3, 3, kDest);
    bitmap->BevelRect(bitmap->BoundsRect(), 0x80FF0000, 0x00FFFFFF);
    const TKsPixel once = 0xBF80007F;
    // The top-left pixel lies on both the top row and the left column.
    EXPECT_EQ(bitmap->Pixels(0, 0), Blend(0x80FF0000, once));
    EXPECT_EQ(bitmap->Pixels(1, 0), once);
    EXPECT_EQ(bitmap->Pixels(0, 1), once);
    EXPECT_EQ(bitmap->Pixels(2, 0), kDest);
    EXPECT_EQ(bitmap->Pixels(1, 1), kDest);
}

TEST(KsBitmapFill, HalftoneDotsWhereBothCoordinatesShareParity) {
    auto bitmap = MakeBitmap(5, 3);
    bitmap->FillHalftoneRect(Rect(1, 0, 5, 2), 0xFF111111, 0xFF999999);
    EXPECT_EQ(Picture(*bitmap, {{0, '.'}, {0xFF111111, 'o'}, {0xFF999999, 'x'}}),
              (std::vector<std::string>{".oxox", //
                                        ".xoxo", //
                                        "....."}));
}

TEST(KsBitmapGradient, SixHundredPixelsUse255Bands) {
    auto bitmap = MakeBitmap(600, 1);
    bitmap->FillGradient(bitmap->BoundsRect(), 0xFF000000, false, 0xFF0000FF);
    const std::vector<TKsPixel> pixels = PixelsOf(*bitmap);
    EXPECT_EQ(std::set<TKsPixel>(pixels.begin(), pixels.end()).size(), 255u);
    EXPECT_EQ(bitmap->Pixels(0, 0), 0xFF000000u);
    // Band k spans MulDiv(k, 600, 255) .. MulDiv(k + 1, 600, 255): band 1 is pixels 2..4.
    EXPECT_EQ(bitmap->Pixels(2, 0), 0xFF000001u);
    EXPECT_EQ(bitmap->Pixels(4, 0), 0xFF000001u);
    EXPECT_EQ(bitmap->Pixels(5, 0), 0xFF000002u);
    EXPECT_EQ(bitmap->Pixels(599, 0), 0xFF0000FEu);
}

TEST(KsBitmapGradient, HundredPixelsGiveOneBandEachRoundedToEven) {
    // Alpha 0 → 255, red 0 → 200, green 0 → 97, blue 0 → 50.
    auto bitmap = MakeBitmap(2, 100);
    bitmap->FillGradient(Rect(0, 0, 2, 100), 0x00000000, true, 0xFFC86132);
    EXPECT_EQ(bitmap->Pixels(1, 0), 0x00000000u);
    // Band 99: start + (end − start) × 99 / 100, nearest with ties to even: 252.45, 198, 96.03,
    // 49.5 → 50.
    EXPECT_EQ(bitmap->Pixels(1, 99), MakePixel(198, 96, 50, 252));
    // Band 50: 127.5 → 128, 100, 48.5 → 48, 25.
    EXPECT_EQ(bitmap->Pixels(0, 50), MakePixel(100, 48, 25, 128));
}

TEST(KsBitmapGradient, BandsBlendWhenAlphaBlendIsSetAndStayInsideTheBitmap) {
    auto bitmap = MakeBitmap(4, 1, kDest);
    bitmap->SetAlphaBlend(true);
    bitmap->FillGradient(Rect(-4, -3, 2, 7), 0x80FF0000, false, 0x80FF0000);
    EXPECT_EQ(PixelsOf(*bitmap), (std::vector<TKsPixel>{0xBF80007F, 0xBF80007F, kDest, kDest}));
}
