// The video window's rectangles: letter-box fit, digital zoom and cropping to fill.
#include "media/video_window_geometry.h"

#include <gtest/gtest.h>

using namespace brisat;

TEST(VideoWindowGeometry, FitRectToAspectCentresThePictureInTheDestination) {
    struct Case {
        TRect Dest;
        TRect Aspect;
        TRect Expected;
    } cases[] = {
        {Rect(0, 0, 452, 261), Rect(0, 0, 4, 3), Rect(52, 0, 400, 261)},
        {Rect(0, 0, 400, 400), Rect(0, 0, 16, 9), Rect(0, 87, 400, 312)},
        {Rect(10, 20, 330, 260), Rect(0, 0, 4, 3), Rect(10, 20, 330, 260)}, // exact fit
        {Rect(0, 0, 101, 50), Rect(0, 0, 1, 1), Rect(25, 0, 75, 50)},       // odd margin
        {Rect(0, 0, 320, 240), Rect(0, 0, 0, 3), Rect(0, 0, 320, 240)},     // no proportions
        {Rect(0, 0, 0, 0), Rect(0, 0, 4, 3), Rect(0, 0, 0, 0)},
    };
    for (const Case& c : cases) {
        TRect fit = FitRectToAspect(c.Dest, c.Aspect);
        EXPECT_EQ(fit, c.Expected)
            << c.Dest.Width() << "x" << c.Dest.Height() << " " << c.Aspect.Width() << ":"
            << c.Aspect.Height() << " gave " << fit.Left << "," << fit.Top << "," << fit.Right
            << "," << fit.Bottom;
    }
}

TEST(VideoWindowGeometry, ZoomCutsThePercentageOfTheWidthAwayCentred) {
    struct Case {
        long Width, Height;
        int Zoom;
        TSourceRect Expected;
    } cases[] = {
        {640, 480, 0, {0, 0, 640, 480}},    {640, 480, 10, {32, 24, 576, 432}},
        {640, 480, 25, {80, 60, 480, 360}}, {640, 480, 99, {316, 237, 6, 4}},
        {720, 576, 10, {36, 28, 648, 518}}, {160, 120, 50, {40, 30, 80, 60}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ZoomSourceRect(c.Width, c.Height, c.Zoom), c.Expected)
            << c.Width << "x" << c.Height << " at " << c.Zoom;
}

TEST(VideoWindowGeometry, CropKeepsTheCentreThatFillsTheArea) {
    const TSourceRect whole{0, 0, 640, 480};
    // 4:3 into 16:9 cuts rows, into 1:1 cuts columns, into 4:3 nothing.
    EXPECT_EQ(CropSourceRect(whole, 640, 480, 4, 3, 320, 180), (TSourceRect{0, 60, 640, 360}));
    EXPECT_EQ(CropSourceRect(whole, 640, 480, 4, 3, 200, 200), (TSourceRect{80, 0, 480, 480}));
    EXPECT_EQ(CropSourceRect(whole, 640, 480, 4, 3, 400, 300), whole);
    // Non-square pixels: 720 × 576 shown 16:9 into a 16:9 area is left whole.
    EXPECT_EQ(CropSourceRect({0, 0, 720, 576}, 720, 576, 16, 9, 1280, 720),
              (TSourceRect{0, 0, 720, 576}));
    // A zoomed rectangle is cropped within itself.
    EXPECT_EQ(CropSourceRect({32, 24, 576, 432}, 640, 480, 4, 3, 320, 180),
              (TSourceRect{32, 78, 576, 324}));
    // Unknown proportions leave the source alone.
    EXPECT_EQ(CropSourceRect(whole, 640, 480, 0, 0, 320, 180), whole);
}
