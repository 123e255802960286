// A playlist entry whose file is not on disk when its turn comes: the player reports it in a
// message box, stays on that entry, and the next button goes on to the entry after it.
#include "player_test.h"

#include <filesystem>
#include <gtest/gtest.h>

using namespace brisat;
using namespace brisat::test;

namespace {

class VanishedEntry : public PlayerTest {};

struct TVanishCase {
    const char* Title;
    std::vector<std::string> Clips; // in the command line's order
    std::string Missing;            // never made
    std::string Deleted;            // made, then deleted once the player runs
    std::string CaptionAfter;       // what the caption starts with once the error is dismissed
};

TEST_F(VanishedEntry, IsReportedAndTheNextButtonGoesOnWithTheEntryAfterIt) {
    const TVanishCase cases[] = {
        {"first entry never existed", {"missing.avi", "good.avi"}, "missing.avi", "", kMainCaption},
        {"second entry deleted while the first plays",
         {"first.avi", "gone.avi", "good.avi"},
         "",
         "gone.avi",
         "first.avi  "},
    };
    for (const TVanishCase& c : cases) {
        SCOPED_TRACE(c.Title);
        std::vector<std::string> paths;
        for (const std::string& name : c.Clips)
            paths.push_back(name == c.Missing ? PathOf(name) : MakeClip(name, "pattern=ball", 2));
        TProgramDriver driver(Program(), paths);
        if (!c.Deleted.empty()) std::filesystem::remove(PathOf(c.Deleted));

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
