#include "app/configuration.h"
#include "framework/core/ini_file.h"
#include "temp_folder.h"

#include <chrono>
#include <csignal>
#include <filesystem>
#include <gtest/gtest.h>
#include <random>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace brisat {
namespace {

class ConfigurationTest : public TempFolderTest {
protected:
    TConfigurationFile File() const { return TConfigurationFile({Path(), Path()}); }
    std::string Path() const { return PathOf("Brisat.ini"); }

    static TCheckMarks Marks(std::initializer_list<const char*> ticked) {
        TCheckMarks marks;
        for (const TConfigurationKey& key : ConfigurationKeys)
            marks[std::string(key.MenuItem)] = false;
        for (const char* name : ticked)
            marks[name] = true;
        return marks;
    }
};

TEST_F(ConfigurationTest, NoFileReadsAllClearAndTheFirstWriteListsAllKeysInOrder) {
    EXPECT_EQ(File().Read(), Marks({}));
    EXPECT_TRUE(Names().empty()); // reading never creates the file

    File().Write(Marks({"n6", "n", "N8", "s", "N11"}));
    EXPECT_EQ(Get(Path()), "[Kind]\nMagnetic=1\nOnTop=1\nLimit=1\nLoop=0\n"
                           "[Skin]\nAlien=0\nCell Shaded=0\nJezz=0\nPencil=0\nPreluna=0\nSteel=1\n"
                           "Xp Blue=0\nXp Stead=0\n"
                           "[Animation]\nSpike=1\nSpin=0\nVortex=0\nRandom=0\nScatterGather=0\n"
                           "Fireworks=0\n");
    EXPECT_EQ(File().Read(), Marks({"n6", "n", "N8", "s", "N11"}));
}

TEST_F(ConfigurationTest, AnyNonZeroIntegerTicks) {
    Put(Path(), "[kind]\nLimit=-1\nLoop=0x10\nOnTop=yes\nMagnetic=\n"
                "[Skin]\nSteel=5\nXp Blue=0x\nAlien=0\nCell Shaded=0x0\n"
                "[Animation]\nspin = 1 \n");
    EXPECT_EQ(File().Read(), Marks({"N8", "N9", "s", "N21"}));
}

TEST_F(ConfigurationTest, WritingKeepsTheUsersOtherLinesAndAppendsMissingKeys) {
    Put(Path(), "; my notes\n[Kind]\nLimit=1\nVolume=7\n\n[Recent]\nFile=/home/me/a.avi\n"
                "[Skin]\nSteel=1\n");
    File().Write(Marks({"N8"}));
    EXPECT_EQ(Get(Path()), "; my notes\n[Kind]\nLimit=1\nVolume=7\nMagnetic=0\nOnTop=0\nLoop=0\n\n"
                           "[Recent]\nFile=/home/me/a.avi\n"
                           "[Skin]\nSteel=0\nAlien=0\nCell Shaded=0\nJezz=0\nPencil=0\nPreluna=0\n"
                           "Xp Blue=0\nXp Stead=0\n"
                           "[Animation]\nSpike=0\nSpin=0\nVortex=0\nRandom=0\nScatterGather=0\n"
                           "Fireworks=0\n");

    File().WriteMagnetic(true);
    EXPECT_EQ(File().Read(), Marks({"n6", "N8"}));
}

TEST_F(ConfigurationTest, ADamagedFileStartsClearAndIsRewrittenWithoutLosingIt) {
    const std::string junk = std::string("\x7f"
                                         "ELF\0\x01\xff\xfe[Kind",
                                         12) +
                             "\r\n" + std::string(1 << 20, 'Z') + "\r\n[Other]\r\nKept=yes";
    Put(Path(), junk);
    EXPECT_EQ(File().Read(), Marks({}));
    File().Write(Marks({"xs"}));
    const std::string text = Get(Path());
    EXPECT_EQ(text.substr(0, junk.size()), junk);
    EXPECT_EQ(TIniFile(Path()).ReadString("Other", "Kept", ""), "yes");
    EXPECT_EQ(File().Read(), Marks({"xs"}));
}

TEST_F(ConfigurationTest, AFileThatCannotBeWrittenIsReported) {
    std::filesystem::create_directory(Path()); // something that is no file holds the name
    try {
        File().Write(Marks({}));
        FAIL() << "the write succeeded";
    } catch (const EIniFileError& error) {
        EXPECT_EQ(error.Message(), "Unable to write to " + Path());
    }
}

TEST_F(ConfigurationTest, TheUserFolderIsCreatedForTheFirstWrite) {
    const std::string user = PathOf("config/brisat/Brisat.ini");
    TConfigurationFile file({user, user});
    file.Write(Marks({"a"}));
    EXPECT_EQ(file.Read(), Marks({"a"}));
    EXPECT_EQ(std::filesystem::status(PathOf("config/brisat")).permissions(),
              std::filesystem::perms::owner_all);
}

// A process killed at a random moment while it saves: the file reads back whole, as it was before
// that save or after it. A quarter megabyte of the user's own lines makes each save long enough
// for the kills to land inside it.
TEST_F(ConfigurationTest, AKillWhileSavingLeavesTheOldOrTheNewFileWhole) {
    std::string notes = "; notes\n[Recent]\n";
    for (int i = 0; notes.size() < (256u << 10); ++i)
        notes += "File" + std::to_string(i) + "=/home/me/clips/holiday.avi\n";
    Put(Path(), notes);
    TCheckMarks ticked;
    for (const TConfigurationKey& key : ConfigurationKeys)
        ticked[std::string(key.MenuItem)] = true;
    File().Write(ticked);
    const std::string allTicked = Get(Path());
    const auto start = std::chrono::steady_clock::now();
    File().Write(Marks({}));
    const auto oneSave = std::chrono::steady_clock::now() - start;
    const std::string allClear = Get(Path());
    ASSERT_NE(allTicked, allClear);

    const unsigned seed = std::random_device()();
    SCOPED_TRACE("seed " + std::to_string(seed));
    std::mt19937 random(seed);
    using std::chrono::microseconds;
    std::uniform_int_distribution<long> moment(
        0, 2 * std::chrono::duration_cast<microseconds>(oneSave).count());
    for (int kill = 0; kill < 50; ++kill) {
        const pid_t saver = fork();
        ASSERT_NE(saver, -1);
        if (saver == 0) {
            for (bool tick = true;; tick = !tick) {
                try {
                    File().Write(tick ? ticked : Marks({}));
                } catch (...) {
                    _exit(2);
                }
            }
        }
        std::this_thread::sleep_for(microseconds(moment(random)));
        ::kill(saver, SIGKILL);
        int status = 0;
        ASSERT_EQ(waitpid(saver, &status, 0), saver);
        ASSERT_TRUE(WIFSIGNALED(status)) << "the saver stopped by itself, status " << status;
        const std::string text = Get(Path());
        ASSERT_TRUE(text == allTicked || text == allClear)
            << "kill " << kill << " left " << text.size() << " bytes";
    }
    EXPECT_EQ(File().Read().size(), ConfigurationKeys.size());
}

} // namespace
} // namespace brisat
