// A playlist entry the player cannot read when its turn comes (its file never existed, was
// deleted meanwhile, or is a FIFO nothing writes to): the player reports it in a message box, and
// once that is dismissed the next button goes on to the entry after it.
#include "player_test.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>

using namespace brisat;
using namespace brisat::test;

namespace {

class UnreadableEntry : public PlayerTest {};
BRISAT_PLAYER_SUITE(UnreadableEntry);

enum class TSpoil { NeverMade, DeletedWhileTheFirstPlays, Fifo };

struct TSpoiltCase {
    const char* Title;
    std::vector<std::string> Clips; // the command line's files, "bad.avi" among them
    TSpoil Spoil;                   // what becomes of "bad.avi"
    std::string CaptionAfter;       // what the caption starts with once the error is dismissed
};

TEST_P(UnreadableEntry, IsReportedAndTheNextButtonGoesOnWithTheEntryAfterIt) {
    const TSpoiltCase cases[] = {
        {"never made", {"bad.avi", "good.avi"}, TSpoil::NeverMade, kMainCaption},
        {"deleted while the first plays",
         {"first.avi", "bad.avi", "good.avi"},
         TSpoil::DeletedWhileTheFirstPlays,
         "first.avi  "},
        {"a FIFO", {"bad.avi", "good.avi"}, TSpoil::Fifo, kMainCaption},
    };
    for (const TSpoiltCase& c : cases) {
        SCOPED_TRACE(c.Title);
        std::filesystem::remove(PathOf("bad.avi"));
        std::vector<std::string> paths;
        for (const std::string& name : c.Clips)
            paths.push_back(name == "bad.avi" && c.Spoil != TSpoil::DeletedWhileTheFirstPlays
                                ? PathOf(name)
                                : MakeClip(name, "pattern=ball", 2));
        if (c.Spoil == TSpoil::Fifo) {
            ASSERT_EQ(mkfifo(PathOf("bad.avi").c_str(), 0600), 0);
        }
        TProgramDriver driver = Start(paths);
        if (c.Spoil == TSpoil::DeletedWhileTheFirstPlays) std::filesystem::remove(PathOf("bad.avi"));

        // The message box, titled as the application.
        driver.PressKey(driver.WaitForWindow("Brisat", 30s), "Return");
        ASSERT_TRUE(driver.WaitForWindowToGo("Brisat"));
        std::optional<TDrivenWindow> main;
        ASSERT_TRUE(TProgramDriver::WaitUntil(
            [&] { return (main = driver.WindowStartingWith(c.CaptionAfter)).has_value(); }));

        // The next button, in the transport panel above the window's bottom row.
        driver.Click(*main, 159, main->Bounds.Bottom - main->Bounds.Top - 51);
        EXPECT_TRUE(TProgramDriver::WaitUntil(
            [&] { return driver.WindowStartingWith("good.avi  ").has_value(); }, 30s));
        driver.PressKey(*main, "Escape");
        EXPECT_EQ(driver.WaitForExitCode(), 0);
    }
}

} // namespace
