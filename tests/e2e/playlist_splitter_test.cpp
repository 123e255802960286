// The playlist starts one pixel wide at the main window's right edge: dragging the splitter beside
// it opens it to the width dragged (the window itself stays put), and a double click on an entry
// of the opened list plays that entry.
#include "player_test.h"

#include <gtest/gtest.h>

using namespace brisat;
using namespace brisat::test;

namespace {

class PlaylistSplitter : public PlayerTest {};
BRISAT_PLAYER_SUITE(PlaylistSplitter);

// The list's white ground, as against the video beside it.
bool IsWhite(uint32_t pixel) {
    return pixel == 0xFFFFFF;
}

bool IsRed(uint32_t pixel) {
    return (pixel >> 16) > 0xC0 && ((pixel >> 8) & 0xFF) < 0x40 && (pixel & 0xFF) < 0x40;
}

TEST_P(PlaylistSplitter, DraggingOpensTheListWhichPlaysADoubleClickedEntry) {
    const std::string red = MakeClip("red.avi", "pattern=red", 20);
    const std::string blue = MakeClip("blue.avi", "pattern=blue", 20);
    TProgramDriver driver = Start({red, blue});
    std::optional<TDrivenWindow> main;
    ASSERT_TRUE(TProgramDriver::WaitUntil(
        [&] { return (main = driver.WindowStartingWith("red.avi  ")).has_value(); }, 30s));
    const TScreenRect before = main->Bounds;
    const int32_t width = before.Right - before.Left;
    // The top of the video area: the first red row while the wide area shows the whole picture.
    int32_t top = 0;
    ASSERT_TRUE(TProgramDriver::WaitUntil([&] {
        const TPixelImage shot = driver.Screenshot(*main);
        for (top = 0; top < shot.Height && !IsRed(shot.At(kVideoX, top)); ++top) {
        }
        return top < shot.Height;
    }));

    // The splitter's middle: left of the frame (4 pixels), the list (1) and half the splitter.
    const int32_t splitterX = width - 4 - 1 - 3, y = 150, dragged = 150;
    driver.MoveTo(*main, splitterX, y);
    driver.ButtonDown();
    for (int32_t step = 1; step <= 3; ++step)
        driver.MoveTo(*main, splitterX - step * dragged / 3, y);
    driver.ButtonUp();

    // The list's white ground now reaches from the drag's end to the frame; left of it the video.
    const int32_t listLeft = splitterX - dragged + 3;
    auto opened = [&] {
        const TPixelImage shot = driver.Screenshot(*main);
        for (int32_t x = listLeft + 4; x < width - 6; x += 4)
            if (!IsWhite(shot.At(x, y + 60))) return false;
        return !IsWhite(shot.At(listLeft - 10, y + 60));
    };
    EXPECT_TRUE(TProgramDriver::WaitUntil(opened)) << "the list did not open to the drag";
    main = driver.WindowStartingWith("red.avi  ");
    ASSERT_TRUE(main);
    EXPECT_EQ(main->Bounds.Left, before.Left) << "the window moved instead";
    EXPECT_EQ(main->Bounds.Top, before.Top) << "the window moved instead";

    // Entry 1 (blue.avi) lies one 16-pixel row below the top of the list, level with the top of
    // the video area.
    driver.Click(*main, listLeft + 30, top + 16 + 8);
    driver.Click(*main, listLeft + 30, top + 16 + 8);
    EXPECT_TRUE(TProgramDriver::WaitUntil(
        [&] { return driver.WindowStartingWith("blue.avi  ").has_value(); }, 20s));
    driver.PressKey(*main, "Escape");
    EXPECT_EQ(driver.WaitForExitCode(), 0);
}

} // namespace
