// The skin tool's showcase window on a real X server: its track bar follows a drag in steps of
// its frequency, its edit takes typed text, its list selects the clicked row, and its button
// loads the next skin of the folder at run time, after which the controls still answer.
#include "player_test.h"
#include "reported_lines.h"
#include "temp_folder.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <map>
#include <sstream>

using namespace brisat;
using namespace brisat::test;

namespace {

class SkinShowcase : public TempFolderTest, public testing::WithParamInterface<TWindowManager> {
protected:
    // The showcase on steel, with alien beside it as the next skin; stdout goes to a file.
    TProgramDriver Start() {
        for (const char* skin : {"steel.xskn", "alien.xskn"})
            std::filesystem::copy_file(std::string(BRISAT_SKINS_DIR) + "/" + skin, PathOf(skin));
        return TProgramDriver("/bin/sh",
                              {"-c", "exec \"$0\" showcase \"$1\" > \"$2\"", BRISAT_SKIN_TOOL,
                               PathOf("steel.xskn"), LogPath()},
                              {800, 600, GetParam()});
    }
    std::string LogPath() const { return PathOf("showcase.log"); }
    std::vector<std::string> Lines() const { return SplitLines(Get(LogPath())); }
    bool HasLine(const std::string& line) const {
        const std::vector<std::string> lines = Lines();
        return std::find(lines.begin(), lines.end(), line) != lines.end();
    }
    // Fails with what the showcase printed, to tell a lost input from a wrong value.
    testing::AssertionResult WaitForLine(const std::string& line) {
        if (TProgramDriver::WaitUntil([&] { return HasLine(line); }, 20s))
            return testing::AssertionSuccess();
        return testing::AssertionFailure() << "no \"" << line << "\" in:\n" << Get(LogPath());
    }
    // The "at NAME X Y W H" lines.
    std::map<std::string, TPlace> Places() const { return ReportedPlaces(Lines()); }
    // Where the last "thumb NAME X Y" line puts Name's thumb.
    TPlace Thumb(const std::string& name) const {
        TPlace thumb{-1, -1};
        for (const std::string& value : Values("thumb")) {
            std::istringstream words(value);
            std::string n;
            TPlace p;
            if (words >> n >> p.X >> p.Y && n == name) thumb = p;
        }
        return thumb;
    }
    // The values of the lines starting with Prefix and a space.
    std::vector<std::string> Values(const std::string& prefix) const {
        std::vector<std::string> values;
        for (const std::string& line : Lines())
            if (line.rfind(prefix + " ", 0) == 0) values.push_back(line.substr(prefix.size() + 1));
        return values;
    }
};
BRISAT_PLAYER_SUITE(SkinShowcase);

// How many pixels of the window's Place differ between two screenshots.
int32_t Changed(const TPixelImage& a, const TPixelImage& b, const TPlace& place) {
    int32_t n = 0;
    for (int32_t y = place.Y; y < place.Y + place.Height; ++y)
        for (int32_t x = place.X; x < place.X + place.Width; ++x)
            n += a.At(x, y) != b.At(x, y);
    return n;
}

TEST_P(SkinShowcase, ControlsAnswerTheMouseAndKeysAcrossASkinChange) {
    TProgramDriver driver = Start();
    const TDrivenWindow window = driver.WaitForWindow("Brisat skin showcase", 30s);
    ASSERT_TRUE(WaitForLine("skin steel"));
    ASSERT_TRUE(TProgramDriver::WaitUntil([&] { return Thumb("zoom").X >= 0; }));
    const std::map<std::string, TPlace> at = Places();
    const TPlace volume = at.at("volume"), edit = at.at("edit"), list = at.at("list");
    const TPlace next = at.at("next");

    // The volume thumb starts in the middle; dragged past the end it reaches the maximum in
    // steps of 1000.
    const TPixelImage before = driver.Screenshot(window);
    const TPlace thumb = Thumb("volume");
    EXPECT_NEAR(thumb.X, volume.MidX(), 2);
    driver.Drag(window, thumb.X, thumb.Y, volume.X + volume.Width + 40, thumb.Y);
    ASSERT_TRUE(WaitForLine("volume 10000"));
    for (const std::string& value : Values("volume"))
        EXPECT_EQ(std::stoi(value) % 1000, 0) << value;
    ASSERT_TRUE(TProgramDriver::WaitUntil(
        [&] { return Changed(before, driver.Screenshot(window), volume) > 20; }));

    // Typed text lands in the edit. Keys wait for the click to have focused it: a window
    // manager may hold a click back a moment while keys pass straight to the window.
    driver.Click(window, edit.MidX(), edit.MidY());
    ASSERT_TRUE(WaitForLine("focus edit"));
    for (const char* key : {"a", "b", "c"})
        driver.PressKey(window, key);
    ASSERT_TRUE(WaitForLine("edit abc"));

    // A click in the list selects the row under it.
    driver.Click(window, list.MidX(), list.Y + 40);
    ASSERT_TRUE(TProgramDriver::WaitUntil([&] { return !Values("list").empty(); }));
    const std::string picked = Values("list").back();
    const char* const names[] = {"One", "Two", "Three", "Four", "Five", "Six"};
    const int index = std::stoi(picked);
    ASSERT_GT(index, 0);
    ASSERT_LT(index, 6);
    EXPECT_EQ(picked, std::to_string(index) + " " + names[index]);

    // The button loads the next skin: the window changes its look and the bar still drags.
    const TPixelImage steel = driver.Screenshot(window);
    const size_t thumbLines = Values("thumb").size();
    driver.Click(window, next.MidX(), next.MidY());
    ASSERT_TRUE(WaitForLine("skin alien"));
    const TPlace panel{0, next.Y + next.Height + 2, next.X + next.Width, 8};
    ASSERT_TRUE(TProgramDriver::WaitUntil([&] {
        const TPixelImage alien = driver.Screenshot(window);
        return Changed(steel, alien, next) > next.Width * next.Height / 4 &&
               Changed(steel, alien, panel) > 0;
    }));
    // Alien's thumb and margins differ from steel's: the thumb is sought where alien puts it.
    ASSERT_TRUE(
        TProgramDriver::WaitUntil([&] { return Values("thumb").size() == thumbLines * 2; }));
    const TPlace end = Thumb("volume");
    EXPECT_GT(end.X, volume.MidX());
    driver.Drag(window, end.X, end.Y, volume.X - 40, end.Y);
    EXPECT_TRUE(WaitForLine("volume 0"));
    EXPECT_TRUE(driver.Running());
}

} // namespace
