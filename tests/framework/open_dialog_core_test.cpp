// The file dialog's non-visual core: filter text, glob matching, folder listings and the meaning
// of typed names, on real folders made under the test's temporary directory.
#include "framework/dialogs/file_filter.h"
#include "framework/dialogs/folder_listing.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

using namespace brisat;
namespace fs = std::filesystem;

namespace {

TEST(FileFilterTest, ParsesWellFormedAndDamagedText) {
    struct TCase {
        const char* Text;
        std::vector<TFileFilter> Expected;
    };
    const TCase cases[] = {
        {"All supportet files|*.AVI;*.MPG;*.MPEG;*.ASF",
         {{"All supportet files", {"*.AVI", "*.MPG", "*.MPEG", "*.ASF"}}}},
        {"Video|*.avi|Audio|*.mp3;*.ogg", {{"Video", {"*.avi"}}, {"Audio", {"*.mp3", "*.ogg"}}}},
        {"", {}},
        {"|||", {}},
        {"Only a description", {}},
        {"Video|*.avi|Trailing description", {{"Video", {"*.avi"}}}},
        {"Blank| ; ;|Spaces| *.a ; *.b ;", {{"Spaces", {"*.a", "*.b"}}}},
        {"|*.txt", {{"*.txt", {"*.txt"}}}},
        {"A|*.a||*.b|", {{"A", {"*.a"}}, {"*.b", {"*.b"}}}},
    };
    for (const TCase& c : cases)
        EXPECT_EQ(ParseFileFilter(c.Text), c.Expected) << '"' << c.Text << '"';
}

TEST(FileFilterTest, GlobsMatchIgnoringCase) {
    struct TCase {
        const char* Pattern;
        const char* Name;
        bool Matches;
    };
    const TCase cases[] = {
        {"*.AVI", "clip.avi", true},
        {"*.avi", "clip.avi.part", false},
        {"*.avi", "avi", false},
        {"clip?.mpg", "clip1.MPG", true},
        {"clip?.mpg", "clip.mpg", false},
        {"*", "", true},
        {"*a*b*c", "xaybzc", true},
        {"*a*b*c", "xaybzcd", false},
        {"", "x", false},
        {"**.*", "a.b", true},
    };
    for (const TCase& c : cases)
        EXPECT_EQ(MatchesGlob(c.Pattern, c.Name), c.Matches) << c.Pattern << " " << c.Name;
    EXPECT_TRUE(MatchesFilter({"All", {"*.*"}}, "README"));
    EXPECT_FALSE(MatchesFilter({"None", {}}, "a.avi"));
    // A pattern made to backtrack stays quick: every "*" is tried once per name position.
    EXPECT_FALSE(MatchesGlob(std::string(200, '*') + "b", std::string(5000, 'a')));
}

// A folder tree of the test's own: folders and files in mixed case, hidden ones, a link.
class FolderTest : public testing::Test {
protected:
    void SetUp() override {
        Root = fs::path(testing::TempDir()) / ("brisat_folder_" + std::to_string(::getpid()));
        fs::remove_all(Root);
        for (const char* folder : {"b_folder", "A_folder", ".hidden_folder"})
            fs::create_directories(Root / folder);
        for (const char* file :
             {"Clip.AVI", "a.avi", "notes.txt", ".hidden.avi", "b.MPG", "README"})
            std::ofstream(Root / file) << "x";
        fs::create_directory_symlink(Root / "A_folder", Root / "link_to_folder");
    }
    void TearDown() override { fs::remove_all(Root); }

    std::string Path(const std::string& name = "") const {
        return name.empty() ? Root.string() : (Root / name).string();
    }

    fs::path Root;
};

TEST_F(FolderTest, ListsFoldersFirstThenMatchingFilesWithoutHiddenOnes) {
    const TFileFilter video{"Video", {"*.avi", "*.mpg"}};
    const TFolderListing listing = ListFolder(Path(), &video);
    EXPECT_EQ(listing.Error, "");
    const std::vector<TFolderEntry> expected{{"A_folder", true},       {"b_folder", true},
                                             {"link_to_folder", true}, {"a.avi", false},
                                             {"b.MPG", false},         {"Clip.AVI", false}};
    EXPECT_EQ(listing.Entries, expected);
    EXPECT_EQ(ListFolder(Path(), nullptr).Entries.size(), 3u + 5u);

    const TFolderListing missing = ListFolder(Path("nowhere"), nullptr);
    EXPECT_TRUE(missing.Entries.empty());
    EXPECT_NE(missing.Error, "");
}

TEST(PathTest, JoinsAndNormalises) {
    const char* home = std::getenv("HOME");
    const std::string savedHome = home ? home : "";
    setenv("HOME", "/home/user", 1);
    struct TCase {
        const char* Folder;
        const char* Name;
        const char* Expected;
    };
    const TCase cases[] = {
        {"/a/b", "c.avi", "/a/b/c.avi"},
        {"/a/b", "..", "/a"},
        {"/", "..", "/"},
        {"/a/b", "../../../..", "/"},
        {"/a/b", "/x//y/./z", "/x/y/z"},
        {"/a", "~/Videos", "/home/user/Videos"},
        {"/a", "~", "/home/user"},
        {"/a", "./c/", "/a/c"},
        {"/a", "~x", "/a/~x"},
    };
    for (const TCase& c : cases)
        EXPECT_EQ(JoinPath(c.Folder, c.Name), c.Expected) << c.Folder << " + " << c.Name;
    EXPECT_EQ(ParentFolder("/a/b"), "/a");
    EXPECT_EQ(ParentFolder("/"), "/");
    EXPECT_EQ(FileNameOf("/a/b.avi"), "b.avi");
    if (home)
        setenv("HOME", savedHome.c_str(), 1);
    else
        unsetenv("HOME");
}

TEST_F(FolderTest, TypedNamesOpenFoldersFilterOrChooseFiles) {
    using K = TTypedName::TKind;
    TTypedNameRules rules;
    rules.DefaultExt = "avi";
    rules.FileMustExist = rules.PathMustExist = rules.Multiple = true;
    struct TCase {
        std::string Text;
        K Kind;
        std::vector<std::string> Files;
        std::string Folder;
    };
    const std::vector<TCase> cases{
        {"", K::None, {}, ""},
        {"   ", K::None, {}, ""},
        {"b_folder", K::Folder, {}, Path("b_folder")},
        {"..", K::Folder, {}, fs::path(Path()).parent_path().string()},
        {Path("A_folder") + "/", K::Folder, {}, Path("A_folder")},
        {"Clip.AVI", K::Files, {Path("Clip.AVI")}, ""},
        {"a", K::Files, {Path("a.avi")}, ""},       // the default extension added
        {"README", K::Files, {Path("README")}, ""}, // an existing name is kept as it is
        {"\"a.avi\" \"notes.txt\"", K::Files, {Path("a.avi"), Path("notes.txt")}, ""},
        {"\"a.avi\" \"b.MPG", K::Files, {Path("a.avi"), Path("b.MPG")}, ""},
        {"*.txt", K::Pattern, {}, Path()},
        {"missing", K::Error, {}, ""},
        {"\"a.avi\" \"missing.avi\"", K::Error, {}, ""},
        {"nowhere/x.avi", K::Error, {}, ""},
        {"nowhere/*.avi", K::Error, {}, ""},
        {"\"b_folder\" \"a.avi\"", K::Error, {}, ""},
    };
    for (const TCase& c : cases) {
        const TTypedName typed = ResolveTypedName(Path(), c.Text, rules);
        EXPECT_EQ(typed.Kind, c.Kind) << c.Text << ": " << typed.Error;
        EXPECT_EQ(typed.Files, c.Files) << c.Text;
        if (c.Kind == K::Folder || c.Kind == K::Pattern) {
            EXPECT_EQ(typed.Folder, c.Folder) << c.Text;
        }
        EXPECT_EQ(typed.Error.empty(), c.Kind != K::Error) << c.Text;
    }
}

TEST_F(FolderTest, WithoutMustExistATypedNewNameIsAccepted) {
    TTypedNameRules rules;
    rules.DefaultExt = "avi";
    const TTypedName typed = ResolveTypedName(Path(), "new/clip", rules);
    EXPECT_EQ(typed.Kind, TTypedName::TKind::Files);
    EXPECT_EQ(typed.Files, std::vector<std::string>{Path("new/clip.avi")});
    // Without multiple selection quotes are part of the name.
    EXPECT_EQ(ResolveTypedName(Path(), "\"a.avi\"", rules).Files,
              std::vector<std::string>{Path("\"a.avi\"")});
}

} // namespace
