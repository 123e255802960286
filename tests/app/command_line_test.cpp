#include "app/command_line.h"
#include "temp_folder.h"

#include <gtest/gtest.h>

using namespace brisat;
using TAction = TCommandLine::TAction;

TEST(CommandLine, FilesKeepTheirOrderAndOptionsMixWithThem) {
    const TCommandLine line =
        ParseCommandLine({"a.avi", "--quit-after", "3000", "http://h/b.asf", "--screenshot",
                          "s.png", "--stats", "--video-size", "640x360", "--full-screen", "--",
                          "-c.mpg"});
    EXPECT_EQ(line.Action, TAction::Run);
    EXPECT_TRUE(line.Stats);
    EXPECT_FALSE(ParseCommandLine({"a.avi"}).Stats);
    EXPECT_EQ(line.Files, (std::vector<std::string>{"a.avi", "http://h/b.asf", "-c.mpg"}));
    EXPECT_EQ(line.QuitAfterMs, 3000);
    EXPECT_EQ(line.Screenshot, "s.png");
    EXPECT_EQ(line.VideoWidth, 640);
    EXPECT_EQ(line.VideoHeight, 360);
    EXPECT_TRUE(line.FullScreen);
    EXPECT_EQ(ParseCommandLine({"a.avi"}).VideoWidth, 0);
}

TEST(CommandLine, HelpAndVersionWinAndBadOptionsAreNamed) {
    EXPECT_EQ(ParseCommandLine({"x.avi", "--help", "--bogus"}).Action, TAction::ShowHelp);
    EXPECT_EQ(ParseCommandLine({"--version"}).Action, TAction::ShowVersion);
    const struct {
        std::vector<std::string> Args;
        std::string Error;
    } failures[] = {
        {{"--bogus"}, "unknown option --bogus"},
        {{"--quit-after"}, "--quit-after needs a number of milliseconds"},
        {{"--quit-after", "-5"}, "--quit-after needs a number of milliseconds"},
        {{"--quit-after", "12x"}, "--quit-after needs a number of milliseconds"},
        {{"--quit-after", "99999999999999999999999"},
         "--quit-after needs a number of milliseconds"},
        {{"--screenshot"}, "--screenshot needs a file name"},
        {{"--video-size"}, "--video-size needs a size like 640x360"},
        {{"--video-size", "640"}, "--video-size needs a size like 640x360"},
        {{"--video-size", "0x360"}, "--video-size needs a size like 640x360"},
        {{"--video-size", "640x-1"}, "--video-size needs a size like 640x360"},
        {{"--video-size", "99999x99999"}, "--video-size needs a size like 640x360"},
        {{"--video-size", "640x360x2"}, "--video-size needs a size like 640x360"},
    };
    for (const auto& f : failures) {
        const TCommandLine line = ParseCommandLine(f.Args);
        EXPECT_EQ(line.Action, TAction::Fail) << f.Error;
        EXPECT_EQ(line.Error, f.Error);
    }
}

class PlaylistPathsTest : public TempFolderTest {};

// Names of local files, looked up from the working folder, become absolute, a colon in them
// included; addresses and names of nothing are passed on as given.
TEST_F(PlaylistPathsTest, ExistingLocalNamesBecomeAbsoluteAndTheRestStays) {
    Put(PathOf("S01:E01.avi"), "x");
    const std::filesystem::path back = std::filesystem::current_path();
    std::filesystem::current_path(m_folder);
    const std::vector<std::string> paths =
        PlaylistPaths({"S01:E01.avi", "http://h/b.asf", "gone.avi", PathOf("S01:E01.avi")});
    std::filesystem::current_path(back);
    EXPECT_EQ(paths, (std::vector<std::string>{PathOf("S01:E01.avi"), "http://h/b.asf", "gone.avi",
                                               PathOf("S01:E01.avi")}));
}
