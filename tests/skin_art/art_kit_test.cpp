// The drawing kit's materials: deterministic noise, hand-drawn lines that meet at their ends and
// stay near their course, bevels lit from the top left, and pieces placed only where they fit.
#include "art_kit/image.h"
#include "art_kit/texture.h"

#include <gtest/gtest.h>

#include <cmath>
#include <stdexcept>

namespace art_kit {
namespace {

TEST(ArtKit, NoiseIsFixedByPositionAndSeedAndStaysInRange) {
    float sum = 0;
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) {
            const float n = Noise(x, y, 7);
            ASSERT_GE(n, 0.0f);
            ASSERT_LT(n, 1.0f);
            ASSERT_EQ(n, Noise(x, y, 7));
            sum += n;
        }
    EXPECT_NEAR(sum / 1024, 0.5f, 0.05f);
    EXPECT_NE(Noise(3, 4, 7), Noise(3, 4, 8));
    EXPECT_NE(Noise(3, 4, 7), Noise(4, 3, 7));
}

TEST(ArtKit, JitterLineMeetsItsEndsAndWandersNoFurtherThanItsAmplitude) {
    const float width = 1.5f, amplitude = 1.2f;
    const TShape line = JitterLine({2, 10}, {62, 10}, width, amplitude, 5);
    EXPECT_LT(line(2, 10), 0);
    EXPECT_LT(line(62, 10), 0);
    bool wavers = false;
    for (float x = 3; x < 62; x += 0.5f) {
        EXPECT_GT(line(x, 10 + amplitude + width), 0) << x;
        EXPECT_GT(line(x, 10 - amplitude - width), 0) << x;
        wavers = wavers || line(x, 10) > -width / 2 + 0.2f;
    }
    EXPECT_TRUE(wavers);
}

TEST(ArtKit, BevelLightsTheTopAndLeftAndShadesTheBottomAndRight) {
    const TRgba light = Rgb(0xFFFFFF), dark = Rgb(0x000000);
    const TPaint bevel = BevelPaint(0, 0, 20, 10, light, dark);
    struct {
        float X, Y;
        bool Lit;
    } const cases[] = {{10, 0.5f, true}, {0.5f, 5, true}, {10, 9.5f, false}, {19.5f, 5, false},
                       {1, 1, true},     {19, 9, false}};
    for (const auto& c : cases) EXPECT_EQ(bevel(c.X, c.Y).R, c.Lit ? 1.0f : 0.0f) << c.X << "," << c.Y;
}

TEST(ArtKit, ShadeMovesTowardWhiteOrBlack) {
    const TRgba grey = Rgb(0x808080);
    EXPECT_GT(Shade(grey, 0.5f).R, grey.R);
    EXPECT_LT(Shade(grey, -0.5f).R, grey.R);
    EXPECT_FLOAT_EQ(Shade(grey, 1).G, 1.0f);
    EXPECT_FLOAT_EQ(Shade(grey, -1).B, 0.0f);
}

TEST(ArtKit, PiecesArePlacedPixelForPixelAndOnlyWhereTheyFit) {
    TPainter painter(3, 2);
    painter.Fill(Box(0, 0, 3, 2), Rgb(0x336699));
    const TImage piece = TImage::FromPainter(painter);
    TImage image(5, 4);
    image.Place(piece, 2, 2);
    EXPECT_EQ(image.At(2, 2), 0xFF336699u);
    EXPECT_EQ(image.At(4, 3), 0xFF336699u);
    EXPECT_EQ(image.At(1, 2), 0u);
    EXPECT_THROW(image.Place(piece, 3, 2), std::out_of_range);
    EXPECT_THROW(image.Place(piece, -1, 0), std::out_of_range);
    EXPECT_THROW(TImage(0, 4), std::invalid_argument);
}

} // namespace
} // namespace art_kit
