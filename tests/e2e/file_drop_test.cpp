// Files dragged onto the player from a drag source of the test's own, as a file manager drags
// them: dropped beside the video a clip joins the playlist without playing; dropped on the video
// a clip plays at once, and the previous button then finds the first. Drops of something other
// than a list of files are refused and leave the player as it was. A dropped folder brings the
// clips inside it, in name order.
#include "platform/xdnd_source.h"
#include "player_test.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

using namespace brisat;
using namespace brisat::test;

namespace {

class FileDrop : public PlayerTest {};
BRISAT_PLAYER_SUITE(FileDrop);

std::string FileUri(const std::string& path) {
    return "file://" + path;
}

TEST_P(FileDrop, DroppedFilesJoinThePlaylistAndOnTheVideoPlay) {
    const std::string red = MakeClip("red.avi", "pattern=red", 20);
    const std::string blue = MakeClip("blue.avi", "pattern=blue", 20);
    TProgramDriver driver = Start({});
    const TDrivenWindow main = driver.WaitForWindow(kMainCaption, 30s);
    const int32_t left = main.Bounds.Left, top = main.Bounds.Top;
    const int32_t height = main.Bounds.Bottom - main.Bounds.Top;

    // Beside the transport buttons, then on the video.
    TDragResult result = DragAndDrop(left + 228, top + height - 51, {.Data = FileUri(red) + "\r\n"},
                                     driver.DisplayName());
    ASSERT_EQ(result.Failure, "");
    EXPECT_TRUE(result.FinishedOk);
    result = DragAndDrop(left + kVideoX, top + kVideoY,
                         {.Types = {"text/plain", "text/uri-list"},
                          .Data = FileUri(blue) + "\r\nftp://example.org/clip.avi\r\n"},
                         driver.DisplayName());
    ASSERT_EQ(result.Failure, "");
    EXPECT_TRUE(result.FinishedOk);
    ASSERT_TRUE(TProgramDriver::WaitUntil(
        [&] { return driver.WindowStartingWith("blue.avi  ").has_value(); }, 30s))
        << "the clip dropped on the video does not play";

    // The previous entry is the clip dropped first: it joined the list without playing.
    driver.Click(main, 131, height - 51);
    EXPECT_TRUE(TProgramDriver::WaitUntil(
        [&] { return driver.WindowStartingWith("red.avi  ").has_value(); }, 30s));

    // Not a list of files: refused, and the player goes on as it was.
    const TDragOffer refused[] = {
        {.Types = {"text/plain"}, .Data = FileUri(blue)},
        {.Data = "this is no list of files\r\n"},
        {.Data = std::string(3000, '\xff')},
    };
    for (const TDragOffer& offer : refused) {
        result = DragAndDrop(left + kVideoX, top + kVideoY, offer, driver.DisplayName());
        ASSERT_EQ(result.Failure, "");
        EXPECT_FALSE(result.FinishedOk);
    }
    EXPECT_TRUE(driver.Running());
    EXPECT_TRUE(driver.WindowStartingWith("red.avi  ").has_value());
}

TEST_P(FileDrop, AFolderDroppedOnTheVideoPlaysTheClipsInsideInNameOrder) {
    std::filesystem::create_directory(PathOf("album"));
    MakeClip("album/2-blue.avi", "pattern=blue", 1);
    MakeClip("album/1-red.avi", "pattern=red", 1);
    std::ofstream(PathOf("album/notes.txt")) << "not a clip\n";
    TProgramDriver driver = Start({});
    const TDrivenWindow main = driver.WaitForWindow(kMainCaption, 30s);

    const TDragResult result =
        DragAndDrop(main.Bounds.Left + kVideoX, main.Bounds.Top + kVideoY,
                    {.Data = FileUri(PathOf("album")) + "\r\n"}, driver.DisplayName());
    ASSERT_EQ(result.Failure, "");
    EXPECT_TRUE(result.FinishedOk);
    EXPECT_TRUE(TProgramDriver::WaitUntil(
        [&] { return driver.WindowStartingWith("1-red.avi  ").has_value(); }, 30s))
        << "the folder's first clip does not play";
    EXPECT_TRUE(TProgramDriver::WaitUntil(
        [&] { return driver.WindowStartingWith("2-blue.avi  ").has_value(); }, 30s))
        << "the folder's second clip does not follow";
    EXPECT_TRUE(driver.Running());
}

} // namespace
