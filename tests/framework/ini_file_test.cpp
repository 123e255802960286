#include "framework/core/ini_file.h"
#include "temp_folder.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace brisat {
namespace {

namespace fs = std::filesystem;

TEST(IniDocument, FindsValuesByPrivateProfileRules) {
    const TIniDocument document(std::string("\xEF\xBB\xBF[first]\r\n"
                                            "; Commented=1\r\n"
                                            "  Spaced Key  =  padded value  \r\n"
                                            "Quoted=\"  kept  \"\r\n"
                                            "Half=\"open\r\n"
                                            "junk without equals\r\n"
                                            "Same=first\r\n"
                                            "Same=second\r\n"
                                            "[ Second ]\n"
                                            "Key=2\n"
                                            "[FIRST]\n"
                                            "Later=3\n"
                                            "Empty=\n") +
                                std::string("\0binary\xff=x", 11));
    struct TCase {
        const char* Section;
        const char* Ident;
        std::optional<std::string_view> Value;
    };
    const TCase cases[] = {
        {"FIRST", "spaced key", "padded value"},
        {"first", "Quoted", "  kept  "},
        {"first", "Half", "\"open"},
        {"first", "; Commented", std::nullopt},
        {"first", "Commented", std::nullopt},
        {"first", "junk without equals", std::nullopt},
        {"first", "Same", "first"},
        {"second", "key", "2"},
        {"first", "Later", "3"}, // a repeated section continues the first
        {"first", "Empty", ""},
        {"third", "Key", std::nullopt},
    };
    for (const TCase& c : cases)
        EXPECT_EQ(document.Find(c.Section, c.Ident), c.Value) << c.Section << "/" << c.Ident;
    // Keys before the first section belong to none.
    EXPECT_EQ(TIniDocument("Orphan=1\n[s]\n").Find("s", "Orphan"), std::nullopt);
}

TEST(IniDocument, ReadsIntegersAsTheSettingsNeedThem) {
    struct TCase {
        const char* Text;
        std::optional<int32_t> Value;
    };
    const TCase cases[] = {
        {"1", 1},
        {"5", 5},
        {"-1", -1},
        {"+7", 7},
        {"0", 0},
        {"0x10", 16},
        {"0X1f", 31},
        {"0xFFFFFFFF", -1},
        {"0x", std::nullopt},
        {"0x1G", std::nullopt},
        {"0x100000000", std::nullopt},
        {"yes", std::nullopt},
        {"", std::nullopt},
        {"-", std::nullopt},
        {"1.5", std::nullopt},
        {"$10", std::nullopt},
        {"2147483647", 2147483647},
        {"-2147483648", INT32_MIN},
        {"2147483648", std::nullopt},
        {"99999999999999999999", std::nullopt},
    };
    for (const TCase& c : cases)
        EXPECT_EQ(IniTextToInteger(c.Text), c.Value) << '"' << c.Text << '"';

    const TIniDocument document("[s]\nHex= 0x10 \nWord=yes\n");
    EXPECT_EQ(document.ReadInteger("s", "Hex", 0), 16);
    EXPECT_EQ(document.ReadInteger("s", "Word", -3), -3);
    EXPECT_EQ(document.ReadInteger("s", "Missing", 9), 9);
}

TEST(IniDocument, ReadsIntoABoundedBuffer) {
    const TIniDocument document("[s]\nLong=" + std::string(5000, 'v') + "\n");
    EXPECT_EQ(document.ReadString("s", "Long", "").size(), IniValueBufferSize - 1);
    EXPECT_EQ(document.ReadString("s", "Long", "", 4), "vvv");
    EXPECT_EQ(document.ReadString("s", "Missing", "fallback"), "fallback");
}

TEST(IniDocument, WritesTouchOnlyTheirLine) {
    TIniDocument document("; settings\r\n"
                          "[Kind]\r\n"
                          "  onTop = 0 \r\n"
                          "Other=keep\r\n"
                          "\r\n"
                          "; next section\r\n"
                          "[Extra]\r\n"
                          "Mine=1");
    document.WriteString("kind", "OnTop", "1");  // existing key: the file's spelling stays
    document.WriteString("Kind", "Limit", "0");  // appended after the section's last key
    document.WriteString("Extra", "Added", "2"); // the last line had no line break
    document.WriteString("Skin", "Steel", "1");  // a new section at the end
    EXPECT_EQ(document.Text(), "; settings\r\n"
                               "[Kind]\r\n"
                               "onTop=1\r\n"
                               "Other=keep\r\n"
                               "Limit=0\r\n"
                               "\r\n"
                               "; next section\r\n"
                               "[Extra]\r\n"
                               "Mine=1\r\n"
                               "Added=2\r\n"
                               "[Skin]\r\n"
                               "Steel=1\r\n");

    TIniDocument empty;
    empty.WriteString("A", "Key", "v");
    empty.WriteString("A", "Second", "w");
    EXPECT_EQ(empty.Text(), "[A]\nKey=v\nSecond=w\n");
}

TEST(IniDocument, RefusesEntriesThatWouldMakeOtherLines) {
    const struct {
        const char* Section;
        const char* Ident;
        const char* Value;
    } cases[] = {
        {"Kind", "Limit", "1\n[Evil]"},
        {"Kind", "Li\nmit", "1"},
        {"Ki]nd", "Limit", "1"},
        {"Kind", "Li=mit", "1"},
        {"Kind", ";Limit", "1"},
        {"", "Limit", "1"},
        {"Kind", "", "1"},
        {"Kind", " Limit", "1"},
    };
    for (const auto& c : cases) {
        TIniDocument document("[Kind]\nLimit=0\n");
        EXPECT_THROW(document.WriteString(c.Section, c.Ident, c.Value), EIniFileError)
            << c.Section << "/" << c.Ident << "=" << c.Value;
        EXPECT_EQ(document.Text(), "[Kind]\nLimit=0\n");
    }
}

using IniFileTest = TempFolderTest;

TEST_F(IniFileTest, ReadingAMissingFileGivesDefaultsAndCreatesNothing) {
    TIniFile file(PathOf("Brisat.ini"));
    EXPECT_EQ(file.ReadInteger("Kind", "Limit", 0), 0);
    EXPECT_EQ(file.ReadString("Kind", "Limit", "none"), "none");
    EXPECT_TRUE(Names().empty());
}

TEST_F(IniFileTest, WritesReplaceTheFileAndKeepWhatTheyDidNotTouch) {
    const std::string path = PathOf("Brisat.ini");
    TIniFile file(path);
    file.WriteInteger("Kind", "Limit", 1);
    EXPECT_EQ(Get(path), "[Kind]\nLimit=1\n");

    Put(path, "[Mine]\nNote=hello\n[Kind]\nLimit=1\n");
    chmod(path.c_str(), 0640);
    file.WriteString("Kind", "Limit", "0");
    EXPECT_EQ(Get(path), "[Mine]\nNote=hello\n[Kind]\nLimit=0\n");
    EXPECT_EQ(file.ReadInteger("kind", "limit", 7), 0);
    EXPECT_EQ(fs::status(path).permissions(), fs::perms(0640));
    EXPECT_EQ(Names(), std::vector<std::string>{"Brisat.ini"}); // no temporary file left
}

TEST_F(IniFileTest, ARewriteByRootKeepsTheFilesOwner) {
    if (geteuid() != 0) GTEST_SKIP() << "only root can give a file away";
    const std::string path = PathOf("Brisat.ini");
    Put(path, "[Kind]\nLimit=0\n");
    ASSERT_EQ(chown(path.c_str(), 4321, 4322), 0);
    TIniFile(path).WriteString("Kind", "Limit", "1");
    struct stat status;
    ASSERT_EQ(stat(path.c_str(), &status), 0);
    EXPECT_EQ(status.st_uid, 4321u);
    EXPECT_EQ(status.st_gid, 4322u);
}

TEST_F(IniFileTest, WritingThroughALinkChangesTheLinkedFile) {
    const std::string real = PathOf("real.ini");
    const std::string link = PathOf("Brisat.ini");
    Put(real, "[Kind]\nLimit=0\n");
    fs::create_symlink(real, link);
    TIniFile(link).WriteString("Kind", "Limit", "1");
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(Get(real), "[Kind]\nLimit=1\n");
}

TEST_F(IniFileTest, FilesThatCannotBeReadWholeReadEmptyAndAreNeverReplaced) {
    const std::string huge = PathOf("huge.ini");
    Put(huge, "[Kind]\nLimit=1\n" + std::string(MaxIniFileSize, 'x'));
    const std::string folder = PathOf("folder.ini");
    fs::create_directory(folder);
    const std::string fifo = PathOf("fifo.ini");
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);

    for (const std::string& path : {huge, folder, fifo}) {
        TIniFile file(path);
        EXPECT_EQ(file.ReadInteger("Kind", "Limit", 0), 0) << path;
        try {
            file.WriteString("Kind", "Limit", "0");
            ADD_FAILURE() << "wrote " << path;
        } catch (const EIniFileError& error) {
            EXPECT_EQ(error.Message(), "Unable to write to " + path);
        }
    }
    EXPECT_EQ(fs::file_size(huge), MaxIniFileSize + 15);
    EXPECT_EQ(Names(), (std::vector<std::string>{"fifo.ini", "folder.ini", "huge.ini"}));
}

TEST_F(IniFileTest, AWriteIntoAMissingFolderReportsTheFile) {
    const std::string path = PathOf("absent/Brisat.ini");
    EXPECT_THROW(TIniFile(path).WriteString("Kind", "Limit", "1"), EIniFileError);
    EXPECT_TRUE(Names().empty());
}

} // namespace
} // namespace brisat
