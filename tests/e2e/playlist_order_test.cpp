// Clips given on the command line play one after another in the order given: when one ends the
// next starts, with its name in the caption and its picture in the video area, and the last one
// stays at its end.
#include "player_test.h"

#include <gtest/gtest.h>

using namespace brisat;
using namespace brisat::test;

namespace {

class PlaylistOrder : public PlayerTest {};
BRISAT_PLAYER_SUITE(PlaylistOrder);

struct TColourClip {
    const char* Name;
    const char* Picture;
    int Channel; // the bit offset of the colour's channel in 0x00RRGGBB
};

// The pixel is of that one channel: it bright, the other two dark.
bool OfChannel(uint32_t pixel, int channel) {
    for (int c : {0, 8, 16}) {
        const uint32_t level = (pixel >> c) & 0xFF;
        if (c == channel ? level < 0xC0 : level > 0x40) return false;
    }
    return true;
}

TEST_P(PlaylistOrder, ClipsOfTheCommandLinePlayOneAfterAnotherToTheEndOfTheLast) {
    const TColourClip clips[] = {{"red.avi", "pattern=red", 16},
                                 {"green.avi", "pattern=green", 8},
                                 {"blue.avi", "pattern=blue", 0}};
    std::vector<std::string> paths;
    for (const TColourClip& clip : clips)
        paths.push_back(MakeClip(clip.Name, clip.Picture, 2));
    TProgramDriver driver = Start(paths);

    // Each in turn: its name in the caption while its colour fills the video. A clip that came
    // before its turn would leave a later wait nothing to find.
    std::optional<TDrivenWindow> main;
    for (const TColourClip& clip : clips)
        EXPECT_TRUE(TProgramDriver::WaitUntil(
            [&] {
                main = driver.WindowStartingWith(std::string(clip.Name) + "  ");
                return main && OfChannel(driver.Screenshot(*main).At(kVideoX, kVideoY), clip.Channel);
            },
            30s))
            << clip.Name;
    EXPECT_TRUE(TProgramDriver::WaitUntil(
        [&] { return (main = driver.WindowStartingWith("blue.avi  0:00:02 > 0:00:02")).has_value(); },
        20s));
    ASSERT_TRUE(main);
    driver.PressKey(*main, "Escape");
    EXPECT_EQ(driver.WaitForExitCode(), 0);
}

} // namespace
