// The colour dialog opened with its button on the playing video: its brightness bar, moved from
// the keyboard, changes the picture at once, a click on the main window closes the dialog and
// keeps the change, and "Reset to Default" brings the first picture back. Its button captions
// read clearly against the dialog's face.
#include "player_test.h"

#include <algorithm>
#include <cmath>
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

// Relative luminance of a 0x00RRGGBB pixel (WCAG 2).
double Luminance(uint32_t pixel) {
    double sum = 0;
    for (const auto& [shift, weight] : {std::pair{16, 0.2126}, {8, 0.7152}, {0, 0.0722}}) {
        const double c = double((pixel >> shift) & 0xFF) / 255;
        sum += weight * (c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4));
    }
    return sum;
}

double ContrastRatio(uint32_t a, uint32_t b) {
    const double la = Luminance(a), lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// The colour button sits in the view panel at the window's bottom-right corner.
TDrivenWindow OpenDialog(TProgramDriver& driver, const TDrivenWindow& main) {
    driver.Click(main, main.Bounds.Right - main.Bounds.Left - 46,
                 main.Bounds.Bottom - main.Bounds.Top - 17);
    return driver.WaitForWindow("ColorControlForm");
}

TEST_P(ColorDialog, ButtonCaptionsContrastWithTheDialogFace) {
    const std::string clip = MakeClip("bars.avi", "pattern=smpte", 20);
    TProgramDriver driver = Start({clip});
    std::optional<TDrivenWindow> main;
    ASSERT_TRUE(TProgramDriver::WaitUntil(
        [&] { return (main = driver.WindowStartingWith("bars.avi  ")).has_value(); }, 30s));
    const TDrivenWindow dialog = OpenDialog(driver, *main);
    // Each button's face is the pixel at its top-left corner inside; its caption's colour is
    // the pixel that stands out most from it.
    const TScreenRect buttons[] = {{24, 172, 145, 197}, {24, 196, 145, 221}};
    double worst = 0;
    ASSERT_TRUE(TProgramDriver::WaitUntil([&] {
        const TPixelImage shot = driver.Screenshot(dialog);
        worst = 21;
        for (const TScreenRect& b : buttons) {
            const uint32_t face = shot.At(b.Left + 2, b.Top + 2);
            double best = 1;
            for (int32_t y = b.Top + 2; y < b.Bottom - 2; ++y)
                for (int32_t x = b.Left + 2; x < b.Right - 2; ++x)
                    best = std::max(best, ContrastRatio(shot.At(x, y), face));
            worst = std::min(worst, best);
        }
        return worst >= 4.5;
    })) << "contrast "
        << worst;
    driver.Click(dialog, 84, 208);
    ASSERT_TRUE(driver.WaitForWindowToGo("ColorControlForm"));
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
    auto openDialog = [&] { return OpenDialog(driver, *main); };

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
