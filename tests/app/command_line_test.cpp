#include "app/command_line.h"

#include <gtest/gtest.h>

using namespace brisat;
using TAction = TCommandLine::TAction;

TEST(CommandLine, FilesKeepTheirOrderAndOptionsMixWithThem) {
    const TCommandLine line =
        ParseCommandLine({"a.avi", "--quit-after", "3000", "http://h/b.asf", "--screenshot",
                          "s.png", "--stats", "--", "-c.mpg"});
    EXPECT_EQ(line.Action, TAction::Run);
    EXPECT_TRUE(line.Stats);
    EXPECT_FALSE(ParseCommandLine({"a.avi"}).Stats);
    EXPECT_EQ(line.Files, (std::vector<std::string>{"a.avi", "http://h/b.asf", "-c.mpg"}));
    EXPECT_EQ(line.QuitAfterMs, 3000);
    EXPECT_EQ(line.Screenshot, "s.png");
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
    };
    for (const auto& f : failures) {
        const TCommandLine line = ParseCommandLine(f.Args);
        EXPECT_EQ(line.Action, TAction::Fail) << f.Error;
        EXPECT_EQ(line.Error, f.Error);
    }
}
