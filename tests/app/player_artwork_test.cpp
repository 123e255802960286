#include "app/player_artwork.h"

#include "framework/graphics/graphics.h"

#include <gtest/gtest.h>
#include <set>
#include <vector>

namespace brisat {
namespace {

uint8_t Alpha(uint32_t pixel) {
    return uint8_t(pixel >> 24);
}

std::vector<uint32_t> Cut(const TArtwork& strip, int32_t x0, int32_t width) {
    std::vector<uint32_t> pixels;
    for (int32_t y = 0; y < strip.Height; ++y)
        for (int32_t x = x0; x < x0 + width; ++x)
            pixels.push_back(strip.At(x, y));
    return pixels;
}

TEST(PlayerArtwork, PicturesHaveTheirStatedSizes) {
    struct TCase {
        const TArtwork& Art;
        int32_t Width, Height;
    };
    for (const TCase& c : {TCase{ImageList1Strip(), GlyphWidth * GlyphCount, GlyphHeight},
                           TCase{ImageList2Strip(), VolumeBarWidth * 2, VolumeBarHeight},
                           TCase{ColorControlGlyph(), 20, 20}, TCase{AboutIcon(), 32, 32}}) {
        EXPECT_EQ(c.Art.Width, c.Width);
        EXPECT_EQ(c.Art.Height, c.Height);
        ASSERT_NE(c.Art.Pixels, nullptr);
    }
}

TEST(PlayerArtwork, EveryGlyphIsDistinctAndOnATransparentGround) {
    const TArtwork& strip = ImageList1Strip();
    std::set<std::vector<uint32_t>> seen;
    for (int32_t i = 0; i < GlyphCount; ++i) {
        const std::vector<uint32_t> glyph = Cut(strip, i * GlyphWidth, GlyphWidth);
        int opaque = 0, clear = 0;
        for (uint32_t p : glyph) {
            opaque += Alpha(p) == 255;
            clear += Alpha(p) == 0;
            // Fully transparent pixels carry no colour, so any mask or blend treats them alike.
            if (Alpha(p) == 0) {
                EXPECT_EQ(p, 0u) << "glyph " << i;
            }
        }
        EXPECT_GT(opaque, 20) << "glyph " << i << " draws too little";
        EXPECT_GT(clear, 0) << "glyph " << i << " has no transparent pixel";
        EXPECT_TRUE(seen.insert(glyph).second) << "glyph " << i << " repeats another";
    }
}

TEST(PlayerArtwork, VolumeBarsRiseLeftToRightWithTransparentGaps) {
    const TArtwork& bars = ImageList2Strip();
    const int32_t bottom = VolumeBarHeight - 2;
    for (int32_t image = 0; image < 2; ++image) {
        const int32_t x0 = image * VolumeBarWidth;
        // Gaps between the bars stay transparent so the video or the colour key shows.
        EXPECT_EQ(Alpha(bars.At(x0, bottom)), 0);
        EXPECT_EQ(Alpha(bars.At(x0 + 7, bottom)), 0);
        EXPECT_EQ(Alpha(bars.At(x0 + 3, bottom)), 255);
        // The first bar is short, the last one full height.
        EXPECT_EQ(Alpha(bars.At(x0 + 3, 2)), 0);
        EXPECT_EQ(Alpha(bars.At(x0 + VolumeBarWidth - 4, 2)), 255);
    }
    // The full bar runs from green on the left to red on the right; the empty one is grey.
    const uint32_t low = bars.At(VolumeBarWidth + 3, bottom - 2);
    const uint32_t high = bars.At(2 * VolumeBarWidth - 4, bottom - 2);
    EXPECT_GT((low >> 8) & 0xFF, (low >> 16) & 0xFF);
    EXPECT_GT((high >> 16) & 0xFF, (high >> 8) & 0xFF);
    EXPECT_NE(Cut(bars, 0, VolumeBarWidth), Cut(bars, VolumeBarWidth, VolumeBarWidth));
}

TEST(PlayerArtwork, BitmapHoldsThePixelsWithAlpha) {
    const TArtwork& icon = AboutIcon();
    const std::unique_ptr<TBitmap> bitmap = ArtworkBitmap(icon);
    ASSERT_EQ(bitmap->Width(), icon.Width);
    ASSERT_EQ(bitmap->Height(), icon.Height);
    for (int32_t y = 0; y < icon.Height; ++y)
        for (int32_t x = 0; x < icon.Width; ++x)
            ASSERT_EQ(bitmap->Surface().Row(y)[x], icon.At(x, y)) << x << "," << y;
    EXPECT_EQ(Alpha(icon.At(0, 0)), 0);
    EXPECT_EQ(Alpha(icon.At(16, 16)), 255);
}

} // namespace
} // namespace brisat
