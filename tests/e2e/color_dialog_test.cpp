// The colour dialog opened with its button on the playing video: its brightness bar, moved from
// the keyboard, changes the picture at once, a click on the main window closes the dialog and
// keeps the change, and "Reset to Default" brings the first picture back.
#include "player_test.h"

#include <cstdlib>
#include <gtest/gtest.h>

using namespace brisat;
using namespace brisat::test;

namespace {

class ColorDialog : public PlayerTest {};
BRISAT_PLAYER_SUITE(ColorDialog);

// The mean of the pixel's three channels.
int Grey(uint32_t pixel) {
    return int(((pixel >> 16) & 0xFF) + ((pixel >> 8) & 0xFF) + (pixel & 0xFF)) / 3;
}

TEST_P(ColorDialog, BrightnessBarLightensAndDarkensTheVideoAndTheChangeOutlivesTheDialog) {
    const std::string clip =
        MakeClip("grey.avi", "pattern=solid-color foreground-color=0xff808080", 20);
    TProgramDriver driver = Start({clip});
    std::optional<TDrivenWindow> main;
    ASSERT_TRUE(TProgramDriver::WaitUntil(
        [&] { return (main = driver.WindowStartingWith("grey.avi  ")).has_value(); }, 30s));
    auto video = [&] { return Grey(driver.Screenshot(*main).At(kVideoX, kVideoY)); };
    const int before = video();
    ASSERT_GT(before, 0x60);
    ASSERT_LT(before, 0xA0);

    const int32_t height = main->Bounds.Bottom - main->Bounds.Top;
    auto openDialog = [&] {
        // The colour button sits in the view panel at the window's bottom-right corner.
        driver.Click(*main, main->Bounds.Right - main->Bounds.Left - 46, height - 17);
        return driver.WaitForWindow("ColorControlForm");
    };

    // The brightness bar has the focus: End takes it to its top.
    TDrivenWindow dialog = openDialog();
    driver.PressKey(dialog, "End");
    EXPECT_TRUE(TProgramDriver::WaitUntil([&] { return video() > before + 0x40; }))
        << std::hex << before << " -> " << video();
    // A click on a bare part of the main window's view panel closes the dialog.
    driver.Click(*main, 200, height - 17);
    ASSERT_TRUE(driver.WaitForWindowToGo("ColorControlForm"));
    EXPECT_GT(video(), before + 0x40);

    // Home takes it to its bottom, darker than at first; "Reset to Default" brings the first
    // picture back, and "Close" closes the dialog.
    dialog = openDialog();
    driver.PressKey(dialog, "Home");
    EXPECT_TRUE(TProgramDriver::WaitUntil([&] { return video() < before - 0x08; }))
        << std::hex << before << " -> " << video();
    driver.Click(dialog, 84, 184);
    EXPECT_TRUE(TProgramDriver::WaitUntil([&] { return std::abs(video() - before) <= 2; }))
        << std::hex << before << " -> " << video();
    driver.Click(dialog, 84, 208);
    ASSERT_TRUE(driver.WaitForWindowToGo("ColorControlForm"));
    // The keyboard is back with the main window: its Escape shortcut closes it.
    driver.PressKey(*main, "Escape");
    EXPECT_EQ(driver.WaitForExitCode(), 0);
}

} // namespace
