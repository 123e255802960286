// A damaged settings file beside the player: binary junk, a line of megabytes, missing sections
// and a section of the user's own. The player starts with the defaults for what it cannot read,
// keeps what it can, and at exit writes every key once while the user's lines stay as they were.
// A file too large to be settings is left alone, and the failed write is reported.
#include "player_test.h"

#include <gtest/gtest.h>
#include <map>

using namespace brisat;
using namespace brisat::test;

namespace {

class DamagedSettings : public PlayerTest {};
BRISAT_PLAYER_SUITE(DamagedSettings);

// Bytes of every value but the line break and "[", NUL and CR included.
std::string BinaryJunk() {
    std::string junk;
    for (int i = 0; i < 4096; ++i) {
        const char c = char((i * 37 + 11) & 0xFF);
        if (c != '\n' && c != '[') junk += c;
    }
    return junk;
}

// The lines of each "[section]" of Text, by section name ("" before the first).
std::map<std::string, std::vector<std::string>> Sections(const std::string& text) {
    std::map<std::string, std::vector<std::string>> sections;
    std::string section;
    for (size_t at = 0; at < text.size();) {
        const size_t end = std::min(text.find('\n', at), text.size());
        const std::string line = text.substr(at, end - at);
        if (line.starts_with('[') && line.ends_with(']'))
            section = line.substr(1, line.size() - 2);
        else
            sections[section].push_back(line);
        at = end + 1;
    }
    return sections;
}

TEST_P(DamagedSettings, PlayerStartsWithDefaultsAndRewritesEveryKeyKeepingTheUsersLines) {
    const std::string junk = BinaryJunk();
    const std::string users = "[My Own]\nColour=teal\nWindow = 10, 20\n";
    Put(IniPath(), junk + "\nLoop=1\n[Kind]\nLimit=" + std::string(3 << 20, '1') +
                       "\n[Animation]\nSpin=1\n" + users);

    TProgramDriver driver = Start({});
    driver.PressKey(driver.WaitForWindow(kMainCaption, 30s), "Escape");
    ASSERT_EQ(driver.WaitForExitCode(), 0);

    const std::string text = Get(IniPath());
    EXPECT_LT(text.size(), 64u << 10) << "the megabyte line is the Limit key's and is rewritten";
    EXPECT_TRUE(text.starts_with(junk + "\nLoop=1\n"));
    EXPECT_NE(text.find(users), std::string::npos) << text.substr(junk.size());
    // Only Spin was readable and ticked; the key outside any section and the overlong number
    // count as missing.
    const std::map<std::string, std::map<std::string, std::string>> expected{
        {"Kind", {{"Magnetic", "0"}, {"OnTop", "0"}, {"Limit", "0"}, {"Loop", "0"}}},
        {"Skin",
         {{"Alien", "0"}, {"Cell Shaded", "0"}, {"Jezz", "0"}, {"Pencil", "0"}, {"Preluna", "0"},
          {"Steel", "0"}, {"Xp Blue", "0"}, {"Xp Stead", "0"}}},
        {"Animation",
         {{"Spike", "0"}, {"Spin", "1"}, {"Vortex", "0"}, {"Random", "0"}, {"ScatterGather", "0"},
          {"Fireworks", "0"}}},
    };
    auto sections = Sections(text);
    for (const auto& [section, keys] : expected) {
        std::vector<std::string> lines = sections[section];
        std::vector<std::string> wanted;
        for (const auto& [key, value] : keys)
            wanted.push_back(key + "=" + value);
        std::sort(lines.begin(), lines.end());
        std::sort(wanted.begin(), wanted.end());
        EXPECT_EQ(lines, wanted) << section;
    }
}

TEST_P(DamagedSettings, AFileTooLargeToBeSettingsIsReportedAtExitAndLeftAsItWas) {
    const std::string huge = "[Kind]\nLimit=1\n" + std::string(17 << 20, 'x') + "\n";
    Put(IniPath(), huge);
    TProgramDriver driver = Start({});
    driver.PressKey(driver.WaitForWindow(kMainCaption, 30s), "Escape");
    driver.PressKey(driver.WaitForWindow("Brisat"), "Return"); // "Unable to write to" the file
    EXPECT_EQ(driver.WaitForExitCode(), 0);
    EXPECT_TRUE(Get(IniPath()) == huge);
}

} // namespace
