// File ▸ Exit clears playback and leaves the window open: the video area goes back to its plain
// black, the caption to the program's own, and Play then asks for a file, as with no graph at all.
#include "player_test.h"

#include <gtest/gtest.h>

using namespace brisat;
using namespace brisat::test;

namespace {

class ExitThenPlay : public PlayerTest {};
BRISAT_PLAYER_SUITE(ExitThenPlay);

TEST_P(ExitThenPlay, ExitShowsNothingStaleAndPlayOpensTheFileDialog) {
    const std::string clip = MakeClip("red.avi", "pattern=red", 20);
    TProgramDriver driver = Start({clip});
    std::optional<TDrivenWindow> main;
    ASSERT_TRUE(TProgramDriver::WaitUntil(
        [&] {
            main = driver.WindowStartingWith("red.avi  ");
            return main && driver.Screenshot(*main).At(kVideoX, kVideoY) != 0;
        },
        30s));

    // F10 takes the menu bar, Down opens "File" at "Open", Up wraps round to "Exit".
    for (const char* key : {"F10", "Down", "Up", "Return"})
        driver.PressKey(*main, key);
    EXPECT_TRUE(TProgramDriver::WaitUntil([&] {
        main = driver.WindowStartingWith(kMainCaption);
        return main && main->Title == kMainCaption &&
               driver.Screenshot(*main).At(kVideoX, kVideoY) == 0;
    })) << "the caption or the picture of the cleared clip stayed";
    ASSERT_TRUE(main);

    // Play sits second in the transport panel, 51 pixels above the window's bottom edge.
    const int32_t height = main->Bounds.Bottom - main->Bounds.Top;
    driver.Click(*main, 56, height - 51);
    const TDrivenWindow dialog = driver.WaitForWindow("Open");
    driver.PressKey(dialog, "Escape");
    ASSERT_TRUE(driver.WaitForWindowToGo("Open"));
    // Once the main window repaints where the dialog was, the video area is still plain.
    EXPECT_TRUE(TProgramDriver::WaitUntil([&] {
        return driver.Screenshot(*main).At(kVideoX, kVideoY) == 0;
    })) << "something plays";
    driver.PressKey(*main, "Escape");
    EXPECT_EQ(driver.WaitForExitCode(), 0);
}

} // namespace
