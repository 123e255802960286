// Starts the real program under a virtual X server and judges its screenshot.
#include "framework/types.h"
#include "platform/png_file.h"

#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <string>

using namespace brisat;

namespace {

bool IsLime(uint32_t p) {
    return (p >> 8 & 0xFF) > 200 && (p >> 16 & 0xFF) < 80 && (p & 0xFF) < 80;
}

int CountPixels(const TPngImage& image, TRect area, bool (*test)(uint32_t)) {
    int count = 0;
    for (int32_t y = area.Top; y < area.Bottom; ++y)
        for (int32_t x = area.Left; x < area.Right; ++x)
            count += test(image.At(x, y));
    return count;
}

} // namespace

TEST(Showcase, DrawsItsShapedWindowWithTheClockRunning) {
    const std::string shot = (std::filesystem::temp_directory_path() /
                              ("brisat-e2e-" + std::to_string(getpid()) + ".png"))
                                 .string();
    const std::string command =
        "ASAN_OPTIONS=detect_leaks=0 xvfb-run -a -s '-screen 0 1024x768x24' " +
        std::string(BRISAT_PROGRAM) + " --screenshot " + shot + " --quit-after 2300";
    ASSERT_EQ(std::system(command.c_str()), 0) << command;
    TPngImage image = ReadPngFile(shot);
    std::filesystem::remove(shot);
    ASSERT_EQ(image.Width, 720);
    ASSERT_EQ(image.Height, 480);

    // The window (480 × 320, centred) has rounded corners: its very corner shows the backdrop,
    // a little inside it the button face.
    const TPoint window{120, 80};
    EXPECT_NE(image.At(window.X, window.Y) & 0xFFFFFF, 0xD4D0C8u);
    EXPECT_EQ(image.At(window.X + 8, window.Y + 200) & 0xFFFFFF, 0xD4D0C8u);
    // The caption gradient starts in the active caption colour.
    EXPECT_EQ(image.At(window.X + 4, window.Y + 12) & 0xFFFFFF, 0x0A246Au);
    // The clock panel shows lime digits after two seconds.
    EXPECT_GT(CountPixels(image, {window.X + 370, window.Y + 254, window.X + 468, window.Y + 278},
                          IsLime),
              30);
}
