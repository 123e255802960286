// The first picture of a clip already shows in its own proportions: a clip four times as wide as it
// is high, in a video area of other proportions, is letter-boxed from the very first screenshot
// that shows any of it, never stretched over the whole area for a moment first.
#include "player_test.h"

#include <gtest/gtest.h>

using namespace brisat;
using namespace brisat::test;

namespace {

class FirstPictureAspect : public PlayerTest {};
BRISAT_PLAYER_SUITE(FirstPictureAspect);

// The clip's plain green after JPEG and scaling.
bool IsGreen(uint32_t pixel) {
    return ((pixel >> 8) & 0xFF) > 0xC0 && ((pixel >> 16) & 0xFF) < 0x40 && (pixel & 0xFF) < 0x40;
}

// The green part of Image: rows of the middle column and, on the middle one of those rows,
// columns; 0 × 0 when the column shows none.
struct TGreenExtent {
    int32_t Width = 0;
    int32_t Height = 0;
};

TGreenExtent GreenExtent(const TPixelImage& image) {
    const int32_t middle = image.Width / 2;
    int32_t top = -1, bottom = -1;
    for (int32_t y = 0; y < image.Height; ++y)
        if (IsGreen(image.At(middle, y))) {
            if (top < 0) top = y;
            bottom = y;
        }
    if (top < 0) return {};
    const int32_t row = (top + bottom) / 2;
    int32_t left = middle, right = middle;
    while (left > 0 && IsGreen(image.At(left - 1, row)))
        --left;
    while (right + 1 < image.Width && IsGreen(image.At(right + 1, row)))
        ++right;
    return {right - left + 1, bottom - top + 1};
}

// Width : height within a tenth of 4 : 1 (a stretched picture of the window's area is near 3 : 2).
bool LetterBoxed(const TGreenExtent& green) {
    const double ratio = double(green.Width) / green.Height;
    return ratio > 3.6 && ratio < 4.4;
}

TEST_P(FirstPictureAspect, FirstVisiblePictureIsLetterBoxed) {
    const std::string clip = MakeClip("wide.avi", "pattern=green", 3, 480, 120);
    TProgramDriver driver = Start({clip});
    std::optional<TDrivenWindow> main;
    TGreenExtent green;
    ASSERT_TRUE(TProgramDriver::WaitUntil(
        [&] {
            main = driver.WindowStartingWith("wide.avi  ");
            green = main ? GreenExtent(driver.Screenshot(*main)) : TGreenExtent{};
            return green.Height > 0;
        },
        30s))
        << "the clip never showed";
    EXPECT_TRUE(LetterBoxed(green)) << "first picture " << green.Width << " x " << green.Height;
    // The measure itself holds: the picture playing on is letter-boxed.
    EXPECT_TRUE(
        TProgramDriver::WaitUntil([&] { return LetterBoxed(GreenExtent(driver.Screenshot(*main))); }));
}

} // namespace
