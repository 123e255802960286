// Transition frames and the timed loop that shows them.
#include "skin/bitmap_fixture.h"
#include "skin/bitmap/transitions.h"

#include <gtest/gtest.h>

using namespace brisat;
using namespace brisat::test;

namespace {

constexpr TKsPixel kBackground = 0xFF0000FF;

// Frame pixel (x, y): the image pixel at (x − ox, y − oy) when inside Visible (in frame
// coordinates) and the image, else the background.
void ExpectImageAt(const TKsBitmap& frame, TPoint offset, const TRect& visible,
                   const std::string& label) {
    for (int32_t y = 0; y < frame.Height(); ++y)
        for (int32_t x = 0; x < frame.Width(); ++x) {
            const int32_t ix = x - offset.X, iy = y - offset.Y;
            const bool shown = PtInRect(visible, {x, y}) && ix >= 0 && iy >= 0 &&
                               ix < frame.Width() && iy < frame.Height();
            ASSERT_EQ(frame.Pixels(x, y), shown ? Coord(ix, iy) : kBackground)
                << label << " at " << x << "," << y;
        }
}

} // namespace

TEST(Transitions, SlideFramesPlaceTheImageByDirection) {
    // Halfway through on a 4 × 2 area: nearest(x·w) = 2, nearest(x·h) = 1.
    const TPoint offsets[] = {{2, 0}, {0, 1}, {-2, 0}, {0, -1}, {-2, -1}, {2, -1}, {-2, 1}, {2, 1}};
    auto image = MakeCoordBitmap(4, 2);
    auto background = MakeBitmap(4, 2, kBackground);
    auto frame = MakeBitmap(4, 2);
    for (int32_t direction = 0; direction < 8; ++direction) {
        RenderSlideFrame(*frame, *background, *image, 50, 100, direction);
        ExpectImageAt(*frame, offsets[direction], frame->BoundsRect(),
                      "direction " + std::to_string(direction));
    }
    RenderSlideFrame(*frame, *background, *image, 0, 100, 0);
    ExpectImageAt(*frame, {4, 0}, frame->BoundsRect(), "start");
    EXPECT_FALSE(image->AlphaBlend());
}

TEST(Transitions, RevealFramesShowTheImageInsideAGrowingRectangle) {
    // Halfway through on a 4 × 4 area: cx = cy = 2.
    const TRect visible[] = {Rect(1, 1, 3, 3), Rect(0, 0, 2, 2), Rect(2, 0, 4, 2), Rect(0, 2, 2, 4),
                             Rect(2, 2, 4, 4)};
    auto image = MakeCoordBitmap(4, 4);
    auto background = MakeBitmap(4, 4, kBackground);
    auto frame = MakeBitmap(4, 4);
    for (int32_t kind = 0; kind < 5; ++kind) {
        RenderRevealFrame(*frame, *background, *image, 50, 100, kind);
        ExpectImageAt(*frame, {0, 0}, visible[kind], "kind " + std::to_string(kind));
    }
}

TEST(Transitions, FadeFramesRaiseOpacityAndKeepKeyedPixelsBackground) {
    auto image = MakeBitmap(2, 1, 0xFFFF0000);
    image->SetPixels(1, 0, ksKeyPixel);
    auto background = MakeBitmap(2, 1, kBackground);
    auto frame = MakeBitmap(2, 1);
    const struct {
        int32_t t;
        uint32_t alpha;
    } cases[] = {{0, 15}, {50, 135}, {99, 253}};
    for (const auto& c : cases) {
        RenderFadeFrame(*frame, *background, *image, c.t, 100);
        EXPECT_EQ(frame->Pixels(0, 0), Blend(c.alpha << 24 | 0xFF0000, kBackground)) << c.t;
        EXPECT_EQ(frame->Pixels(1, 0), kBackground) << c.t;
    }
}

TEST(Transitions, ZeroDurationDoesNothing) {
    TSurface screen(8, 8);
    TDeviceContext dc(&screen);
    auto image = MakeBitmap(2, 2, 0xFF7F007F);
    auto background = MakeBitmap(2, 2, kBackground);
    FadeIn(dc, *background, {2, 2}, 0, {1, 1}, *image);
    SlideIn(dc, *background, {2, 2}, 0, {1, 1}, *image, 0);
    RectReveal(dc, *background, {2, 2}, 0, {1, 1}, *image, 0);
    EXPECT_EQ(image->Pixels(0, 0), 0xFF7F007Fu);
    EXPECT_EQ(screen.Row(1)[1], 0u);
}

TEST(Transitions, EffectsDrawFramesAtThePositionUntilTheDurationPasses) {
    for (int effect = 0; effect < 3; ++effect) {
        TSurface screen(8, 8);
        TDeviceContext dc(&screen);
        auto image = MakeBitmap(3, 2, 0xFFFF0000);
        image->SetPixels(0, 0, 0xFF7F007F);
        auto background = MakeBitmap(3, 2, kBackground);
        if (effect == 0) FadeIn(dc, *background, {3, 2}, 20, {4, 5}, *image);
        if (effect == 1) SlideIn(dc, *background, {3, 2}, 20, {4, 5}, *image, 0);
        if (effect == 2) RectReveal(dc, *background, {3, 2}, 20, {4, 5}, *image, 1);
        // The key colour was made transparent, so the background shows there.
        EXPECT_EQ(image->Pixels(0, 0), ksKeyPixel);
        EXPECT_EQ(screen.Row(5)[4], kBackground) << effect;
        // Nothing outside the window's place.
        for (int32_t y = 0; y < 8; ++y)
            for (int32_t x = 0; x < 8; ++x) {
                const bool window = x >= 4 && x < 7 && y >= 5 && y < 7;
                ASSERT_EQ(screen.Row(y)[x] != 0, window) << x << "," << y;
            }
    }
}
