// The real player under its own X server, driven like a user: it plays a clip made here, its
// window shows the picture and the running time, a key closes it and the settings file is
// written; a file it cannot play is reported in a message box and it goes on; SIGTERM closes it
// the normal way.
#include "player_test.h"

#include <gtest/gtest.h>
#include <optional>
#include <sys/wait.h>

using namespace brisat;
using namespace brisat::test;

namespace {

class Player : public PlayerTest {};
BRISAT_PLAYER_SUITE(Player);

TEST_P(Player, PlaysAClipShowingPictureAndTimeAndWritesItsSettingsWhenClosed) {
    const std::string clip = MakeClip("clip.avi", "pattern=smpte", 3);
    TProgramDriver driver = Start({clip});

    // The caption follows the position: name, two blanks, position " > " duration.
    std::optional<TDrivenWindow> window;
    ASSERT_TRUE(TProgramDriver::WaitUntil(
        [&] { return (window = driver.WindowStartingWith("clip.avi  0:00:01 > 0:00:03")).has_value(); },
        30s));
    // The picture's colour bars fill the video area (its left bar is light grey or white).
    const TPixelImage shot = driver.Screenshot(*window);
    TProgramDriver::SavePng(shot, PathOf("player.png"));
    const uint32_t bar = shot.At(30, 120) & 0xFFFFFF;
    EXPECT_GT(bar & 0xFF, 0xA0u) << std::hex << bar;
    EXPECT_GT((bar >> 16) & 0xFF, 0xA0u) << std::hex << bar;

    driver.PressKey(*window, "Escape"); // the "Выход" item's shortcut
    EXPECT_EQ(driver.WaitForExitCode(), 0);
    const std::string text = Get(IniPath());
    for (const char* key : {"Magnetic=", "OnTop=", "Limit=", "Loop=", "Alien=", "Steel=",
                            "Xp Stead=", "Spike=", "Fireworks="})
        EXPECT_NE(text.find(key), std::string::npos) << key << " in\n" << text;
}

TEST_P(Player, AFileItCannotPlayIsReportedAndTheProgramGoesOnUntilTerminated) {
    const std::string junk = PathOf("notes.avi");
    Put(junk, "not a video at all");
    TProgramDriver driver = Start({junk});
    // The message box, titled as the application.
    driver.PressKey(driver.WaitForWindow("Brisat", 30s), "Return");
    ASSERT_TRUE(driver.WaitForWindowToGo("Brisat"));
    EXPECT_TRUE(driver.Running());
    driver.WaitForWindow(kMainCaption);
    // SIGTERM closes the window the normal way: exit code 0.
    const int status = driver.Stop(10s);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
}

} // namespace
