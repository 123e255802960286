#include "app/config_location.h"
#include "platform/program_folder.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <set>

namespace brisat {
namespace {

TEST(ConfigLocation, BesideTheProgramWhenWritableElseTheUsersFolder) {
    const std::string program = "/opt/brisat/";
    const std::string beside = "/opt/brisat/Brisat.ini";
    const std::string user = "/home/me/.config/brisat/Brisat.ini";
    struct TCase {
        const char* Name;
        std::set<std::string> Existing;
        std::set<std::string> Writable;
        TConfigLocation Expected;
    };
    const TCase cases[] = {
        {"writable folder, no file", {}, {program}, {beside, beside}},
        {"writable folder and file", {beside}, {program, beside}, {beside, beside}},
        {"read-only file in a writable folder", {beside}, {program}, {beside, user}},
        {"read-only folder, nothing yet", {}, {}, {user, user}},
        {"read-only folder with a file", {beside}, {}, {beside, user}},
        {"read-only folder, the user's file exists", {beside, user}, {}, {user, user}},
    };
    for (const TCase& c : cases) {
        auto exists = [&](const std::string& path) { return c.Existing.contains(path); };
        auto writable = [&](const std::string& path) { return c.Writable.contains(path); };
        TConfigLocation location =
            ChooseConfigLocation({program, "", "/home/me"}, exists, writable);
        EXPECT_EQ(location.ReadPath, c.Expected.ReadPath) << c.Name;
        EXPECT_EQ(location.WritePath, c.Expected.WritePath) << c.Name;
    }
}

TEST(ConfigLocation, AnInstalledProgramWritesToTheUsersFolderEvenWhenItsFolderIsWritable) {
    // Root can write /usr/bin; the settings still belong to the user.
    auto always = [](const std::string&) { return true; };
    auto never = [](const std::string&) { return false; };
    const TConfigPlaces installed{"/usr/bin/", "/xdg", "/root", true};
    EXPECT_EQ(ChooseConfigLocation(installed, never, always).WritePath, "/xdg/brisat/Brisat.ini");
    EXPECT_EQ(ChooseConfigLocation(installed, never, always).ReadPath, "/xdg/brisat/Brisat.ini");
}

TEST(ConfigLocation, TheUsersFolderFollowsXdgConfigHome) {
    auto never = [](const std::string&) { return false; };
    struct TCase {
        TConfigPlaces Places;
        const char* Expected;
    };
    const TCase cases[] = {
        {{"/usr/bin/", "/xdg", "/home/me"}, "/xdg/brisat/Brisat.ini"},
        {{"/usr/bin/", "relative/ignored", "/home/me"}, "/home/me/.config/brisat/Brisat.ini"},
        {{"", "", "/home/me"}, "/home/me/.config/brisat/Brisat.ini"},
        // Nowhere else to go: beside the program, where the write reports the failure.
        {{"/usr/bin/", "", ""}, "/usr/bin/Brisat.ini"},
    };
    for (const TCase& c : cases)
        EXPECT_EQ(ChooseConfigLocation(c.Places, never, never).WritePath, c.Expected);
}

TEST(ConfigLocation, ProgramFolderHoldsTheRunningProgram) {
    const std::string folder = ProgramFolder();
    ASSERT_TRUE(folder.starts_with('/') && folder.ends_with('/')) << folder;
    EXPECT_TRUE(std::filesystem::exists(folder + "app_tests"));
}

} // namespace
} // namespace brisat
