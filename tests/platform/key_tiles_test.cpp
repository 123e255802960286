// Tiles of a keyed back buffer: all key, free of it or mixed, and their runs along each row.
#include "platform/key_tiles.h"

#include <gtest/gtest.h>
#include <vector>

using namespace brisat;

namespace {

constexpr int32_t W = 70, H = 40; // tiles of 32: three columns (the last 6 wide), two rows
constexpr uint32_t Key = 0xFF00FF;

void Paint(std::vector<uint32_t>& pixels, const TScreenRect& r, uint32_t rgb) {
    for (int32_t y = r.Top; y < r.Bottom; ++y)
        for (int32_t x = r.Left; x < r.Right; ++x)
            pixels[size_t(y * W + x)] = 0xFF000000u | rgb;
}

// The cover of the run holding (X, Y); there must be exactly one.
TKeyCover CoverAt(TKeyTiles& tiles, int32_t x, int32_t y) {
    const TKeyRun* found = nullptr;
    for (const TKeyRun& run : tiles.Runs())
        if (x >= run.Rect.Left && x < run.Rect.Right && y >= run.Rect.Top && y < run.Rect.Bottom) {
            EXPECT_EQ(found, nullptr) << "runs overlap at " << x << "," << y;
            found = &run;
        }
    EXPECT_NE(found, nullptr) << "no run at " << x << "," << y;
    return found ? found->Cover : TKeyCover::Mixed;
}

} // namespace

TEST(KeyTiles, TilesFollowTheKeyAndMergeAlongRows) {
    std::vector<uint32_t> pixels(W * H, 0xFF000000u | Key);
    Paint(pixels, {64, 0, 70, 40}, 0x808080);  // the narrow last column: no key
    Paint(pixels, {40, 35, 41, 36}, 0x808080); // one pixel in the middle tile of the second row
    TKeyTiles tiles;
    tiles.Reset(W, H);
    tiles.Update(pixels.data(), W, {0, 0, W, H}, Key);
    const std::vector<TKeyRun> expected = {
        {{0, 0, 64, 32}, TKeyCover::All},    {{64, 0, 70, 32}, TKeyCover::None},
        {{0, 32, 32, 40}, TKeyCover::All},   {{32, 32, 64, 40}, TKeyCover::Mixed},
        {{64, 32, 70, 40}, TKeyCover::None},
    };
    const std::vector<TKeyRun>& runs = tiles.Runs();
    ASSERT_EQ(runs.size(), expected.size());
    for (size_t i = 0; i < runs.size(); ++i) {
        EXPECT_EQ(runs[i].Rect, expected[i].Rect) << i;
        EXPECT_EQ(runs[i].Cover, expected[i].Cover) << i;
    }

    // A rectangle decides the tiles it covers wholly; in a tile it covers in part, new pixels
    // that agree with the tile keep its cover, others make it mixed. The alpha byte does not count.
    Paint(pixels, {0, 0, 64, 32}, 0x808080);
    pixels[5] = 0x00000000u | Key;
    tiles.Update(pixels.data(), W, {0, 0, 32, 32}, Key);
    EXPECT_EQ(CoverAt(tiles, 0, 0), TKeyCover::Mixed);
    tiles.Update(pixels.data(), W, {40, 10, 64, 32}, Key); // grey now, key still at 32..39
    EXPECT_EQ(CoverAt(tiles, 32, 0), TKeyCover::Mixed);
    tiles.Update(pixels.data(), W, {64, 10, 70, 20}, Key); // grey into a grey tile
    EXPECT_EQ(CoverAt(tiles, 64, 0), TKeyCover::None);
    tiles.Update(pixels.data(), W, {32, 0, 64, 32}, Key);
    EXPECT_EQ(CoverAt(tiles, 32, 0), TKeyCover::None);
    EXPECT_EQ(tiles.Runs()[1].Rect, (TScreenRect{32, 0, 70, 32}));
}

TEST(KeyTiles, RectanglesOutsideTheWindowAreClipped) {
    std::vector<uint32_t> pixels(W * H, 0xFF000000u | Key);
    TKeyTiles tiles;
    tiles.Reset(W, H);
    tiles.Update(pixels.data(), W, {-100, -100, 1000, 1000}, Key);
    ASSERT_EQ(tiles.Runs().size(), 2u);
    EXPECT_EQ(tiles.Runs()[1].Rect, (TScreenRect{0, 32, 70, 40}));
    EXPECT_EQ(tiles.Runs()[1].Cover, TKeyCover::All);
    tiles.Update(pixels.data(), W, {500, 500, 600, 600}, Key); // nothing in the window
    EXPECT_EQ(tiles.Runs().size(), 2u);
}
