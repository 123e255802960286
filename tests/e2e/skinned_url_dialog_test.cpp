// The open-URL dialog in the skinned player: it opens in the frame of the main window's skin with
// the skinned edit and buttons, and the address typed into it plays.
#include "player_test.h"
#include "skin_frame.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <unistd.h>

using namespace brisat;
using namespace brisat::test;

namespace {

const std::string kSkins = BRISAT_SKINS_DIR;
const char* const kDialog = "Открыть URL";

class SkinnedUrlDialog : public PlayerTest {};
BRISAT_PLAYER_SUITE(SkinnedUrlDialog);

void Keep(const TPixelImage& image, const std::string& name) {
    if (const char* folder = std::getenv("BRISAT_E2E_SHOTS"))
        TProgramDriver::SavePng(image, std::string(folder) + "/" + name + ".png");
}

// The clip under a name the address keys can type, removed with this.
TEST_P(SkinnedUrlDialog, TheDialogWearsTheSkinAndItsAddressPlays) {
    std::filesystem::create_directory_symlink(kSkins, PathOf("Skins"));
    const TTypeableLink clip(MakeClip("clip.avi", "pattern=smpte", 3));
    TProgramDriver driver = Start({});
    const TDrivenWindow main = driver.WaitForWindow(kMainCaption, 30s);
    // "File" on the menu bar under the skinned caption, then its second item, "Open URL".
    const TRect mainClient =
        TSkinFrame(kSkins + "/steel.xskn", Width(main.Bounds), Height(main.Bounds)).Client();
    driver.Click(main, mainClient.Left + 19, mainClient.Top + 9);
    driver.Click(main, mainClient.Left + 54, mainClient.Top + 48);
    const TDrivenWindow dialog = driver.WaitForWindow(kDialog, 30s);

    // The frame's sides as the skin draws them at the dialog's size; the edit and the buttons
    // inside the skin's client area, unlike the plain grey face of the dialog.
    TSkinFrame frame(kSkins + "/steel.xskn", Width(dialog.Bounds), Height(dialog.Bounds));
    const TRect client = frame.Client();
    TPixelImage shot;
    ASSERT_TRUE(TProgramDriver::WaitUntil([&] {
        shot = driver.Screenshot(dialog);
        for (const auto& [x, y, rgb] : frame.SidePixels())
            if (shot.At(x, y) != rgb) return false;
        return true;
    })) << "the dialog's frame is not the skin's";
    Keep(shot, std::string("url_dialog_") + (GetParam() == TWindowManager::Absent ? "bare" : "openbox"));
    EXPECT_EQ(client.Right - client.Left, 282);
    EXPECT_EQ(client.Bottom - client.Top, 73);
    const uint32_t face = shot.At(client.Left + 140, client.Top + 34);
    EXPECT_NE(shot.At(client.Left + 8, client.Top + 14), face) << "the edit's border";
    EXPECT_NE(shot.At(client.Left + 10, client.Top + 52), face) << "OK's face";

    // Into the address after "mms://", replaced by the clip's path; OK plays it.
    driver.Click(dialog, client.Left + 200, client.Top + 18);
    driver.PressKey(dialog, "End");
    for (int i = 0; i < 6; ++i)
        driver.PressKey("BackSpace");
    TypeAddress(driver, clip.Path());
    driver.Click(dialog, client.Left + 45, client.Top + 52);
    ASSERT_TRUE(driver.WaitForWindowToGo(kDialog));
    // The colour bars in the middle of the video area, black before.
    const int32_t x = (mainClient.Left + mainClient.Right) / 2;
    const int32_t y = (mainClient.Top + 19 + mainClient.Bottom - 92) / 2;
    EXPECT_TRUE(TProgramDriver::WaitUntil(
        [&] { return (driver.Screenshot(main).At(x, y) & 0xC0C0C0) != 0; }, 30s))
        << "the typed address does not play";
    driver.Stop();
}

} // namespace
