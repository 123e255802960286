// Screen and window capture on the headless platform: what the visible windows presented, later
// windows over earlier ones, shapes cut out, black elsewhere.
#include "platform/headless_platform.h"

#include <gtest/gtest.h>

using namespace brisat;

namespace {

void Fill(IPlatformWindow& window, int32_t w, int32_t h, uint32_t colour) {
    const std::vector<uint32_t> pixels(size_t(w) * size_t(h), 0xFF000000 | colour);
    window.Present(pixels.data(), w, h, w, {{0, 0, w, h}});
}

TEST(HeadlessCapture, ScreenShowsVisibleWindowsInOrderWithShapes) {
    THeadlessPlatform platform;
    TPlatformWindowParams params;
    params.Bounds = {10, 10, 20, 20};
    auto below = platform.CreateWindow(1, params);
    params.Bounds = {15, 10, 25, 20};
    auto above = platform.CreateWindow(2, params);
    params.Bounds = {0, 0, 5, 5};
    auto hidden = platform.CreateWindow(3, params);
    Fill(*below, 10, 10, 0x112233);
    Fill(*above, 10, 10, 0x445566);
    Fill(*hidden, 5, 5, 0x778899);
    below->Show(TActivation::Activate);
    above->Show(TActivation::NoActivate);
    above->SetShape({{0, 0, 10, 5}});

    const std::vector<uint32_t> screen = platform.CaptureScreen({0, 0, 30, 20});
    auto at = [&](int32_t x, int32_t y) { return screen[size_t(y * 30 + x)]; };
    EXPECT_EQ(at(2, 2), 0u); // hidden window
    EXPECT_EQ(at(12, 12), 0x112233u);
    EXPECT_EQ(at(16, 12), 0x445566u); // the later window on top
    EXPECT_EQ(at(16, 17), 0x112233u); // cut out of it by its shape
    EXPECT_EQ(at(22, 17), 0u);
    EXPECT_EQ(at(29, 19), 0u);

    const TCapturedPixels shot = above->Capture();
    ASSERT_EQ(shot.Width, 10);
    EXPECT_EQ(shot.At(9, 9), 0x445566u);
    EXPECT_THROW(hidden->Capture(), std::runtime_error);
}

} // namespace
