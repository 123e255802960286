#include "app/playlist.h"
#include "framework/core/exceptions.h"

#include <gtest/gtest.h>

namespace brisat {
namespace {

TEST(PlayListItem, SplitsAtTheLastSlashAndJoinsBack) {
    struct TCase {
        const char* Path;
        const char* Folder;
        const char* FileName;
    };
    const TCase cases[] = {
        {"/home/me/clip.avi", "/home/me/", "clip.avi"},
        {"/home/me/clip:1.avi", "/home/me/", "clip:1.avi"},
        {"/home/me/back\\slash.mpg", "/home/me/", "back\\slash.mpg"},
        {"/root.asf", "/", "root.asf"},
        {"bare.avi", "", "bare.avi"},
        {"/home/me/folder/", "/home/me/folder/", ""},
    };
    for (const TCase& c : cases) {
        TPlayListItem item = MakePlayListItem(c.Path);
        EXPECT_EQ(item.Folder, c.Folder) << c.Path;
        EXPECT_EQ(item.FileName, c.FileName) << c.Path;
        EXPECT_EQ(PlayListItemPath(item), c.Path);
    }
    EXPECT_EQ(PlayListItemPath({"clip.avi", "/home/me"}), "/home/me/clip.avi");
}

// A playlist bound to a recording stand-in for the main window.
class PlayListTest : public testing::Test {
protected:
    void SetUp() override {
        list.OnChooseFiles = [this] { return dialog; };
        list.OnPlayFile = [this](const std::string& path) {
            played.push_back(path);
            if (path == failing) throw Exception("cannot render " + path);
        };
        list.OnStopPlayback = [this] { ++stops; };
    }

    std::vector<std::string> Entries() const {
        std::vector<std::string> names;
        for (int i = 0; i < list.Count(); ++i)
            names.push_back(list.Strings(i));
        return names;
    }
    void ExpectState(int itemIndex, int currentIndex, bool previous, bool next) const {
        EXPECT_EQ(list.ItemIndex(), itemIndex);
        EXPECT_EQ(list.CurrentIndex(), currentIndex);
        EXPECT_EQ(list.PreviousEnabled(), previous);
        EXPECT_EQ(list.NextEnabled(), next);
    }
    // Opens the dialog's X, Y, Z: the list shows Z, Y, X and plays Z.
    void OpenXyz() {
        dialog = std::vector<std::string>{"/m/X.avi", "/m/Y.avi", "/m/Z.avi"};
        list.Open();
    }
    static void ExpectIndexError(const std::function<void()>& command, int index) {
        try {
            command();
            ADD_FAILURE() << "no index error";
        } catch (const EListError& error) {
            EXPECT_EQ(error.Message(), "List index out of bounds (" + std::to_string(index) + ")");
        }
    }

    TPlayList list;
    std::optional<std::vector<std::string>> dialog; // nullopt: the user cancels
    std::vector<std::string> played;
    std::string failing;
    int stops = 0;
};

TEST_F(PlayListTest, OpenReversesTheChoiceAndCompletionPlaysOnToTheEnd) {
    ExpectState(-1, 0, false, false);
    EXPECT_EQ(list.CurrentItem(), nullptr);

    OpenXyz();
    EXPECT_EQ(Entries(), (std::vector<std::string>{"Z.avi", "Y.avi", "X.avi"}));
    EXPECT_EQ(list.CurrentItem()->FileName, "Z.avi");
    ExpectState(0, 0, false, true);

    list.Advance();
    ExpectState(1, 1, true, true);
    list.Advance();
    ExpectState(2, 2, true, false);
    list.Advance(); // after the last entry nothing more starts
    ExpectState(2, 2, true, false);
    EXPECT_EQ(played, (std::vector<std::string>{"/m/Z.avi", "/m/Y.avi", "/m/X.avi"}));

    list.Previous();
    ExpectState(1, 1, true, true);
    EXPECT_EQ(played.back(), "/m/Y.avi");
}

TEST_F(PlayListTest, StepsMoveFromTheSelectionAndClampAtTheEnd) {
    OpenXyz();
    list.SetItemIndex(2); // the user clicks X while Z plays
    list.Next();          // the entry after X clamps to X itself
    EXPECT_EQ(played.back(), "/m/X.avi");
    ExpectState(2, 2, true, false);

    list.SetItemIndex(7);
    EXPECT_EQ(list.ItemIndex(), 2);
    list.SetItemIndex(-5);
    EXPECT_EQ(list.ItemIndex(), 0);
}

TEST_F(PlayListTest, SelectingNoEntryRaisesTheIndexErrorAndChangesNothingElse) {
    OpenXyz();
    list.Advance();
    list.Advance(); // X plays, entry 2
    list.SetItemIndex(0);
    const size_t playedBefore = played.size();
    ExpectIndexError([&] { list.Previous(); }, -1);
    ExpectState(-1, 2, true, false); // the selection moved, nothing else did
    EXPECT_EQ(list.CurrentItem()->FileName, "X.avi");
    EXPECT_EQ(played.size(), playedBefore);

    ExpectIndexError([&] { list.PlaySelected(); }, -1);
    list.Next(); // guarded by CurrentIndex 2 of 3 entries: nothing
    ExpectState(-1, 2, true, false);
}

TEST_F(PlayListTest, PlaySelectedStartsOnlyAnotherEntry) {
    OpenXyz();
    list.PlaySelected(); // the entry already current
    EXPECT_EQ(played.size(), 1u);
    list.SetItemIndex(2);
    list.PlaySelected();
    EXPECT_EQ(played.back(), "/m/X.avi");
    ExpectState(2, 2, true, false);
}

TEST_F(PlayListTest, AddAppendsOrOpensAndOnlyEverEnablesButtons) {
    dialog = std::vector<std::string>{"/m/A.avi", "/m/B.avi"};
    list.Add(); // on an empty list: Open, then both buttons off
    EXPECT_EQ(Entries(), (std::vector<std::string>{"B.avi", "A.avi"}));
    EXPECT_EQ(played, std::vector<std::string>{"/m/B.avi"});
    ExpectState(0, 0, false, false);

    dialog = std::vector<std::string>{"/n/C.avi", "/n/D.avi"};
    list.Add();
    EXPECT_EQ(Entries(), (std::vector<std::string>{"B.avi", "A.avi", "D.avi", "C.avi"}));
    ExpectState(0, 0, false, true);
    EXPECT_EQ(played.size(), 1u); // appending does not play

    list.Next();
    list.Next();
    list.Next(); // C plays: the next button goes off
    ExpectState(3, 3, true, false);
    dialog.reset();
    list.Add(); // cancelled: nothing changes, nothing is disabled
    ExpectState(3, 3, true, false);
}

TEST_F(PlayListTest, AppendedFilesKeepTheirOrderAndPlayEntryStartsOne) {
    list.AppendFiles({"/m/A.avi", "/m/B.avi"}); // on an empty list: entry 0 is selected
    EXPECT_EQ(Entries(), (std::vector<std::string>{"A.avi", "B.avi"}));
    EXPECT_TRUE(played.empty());
    ExpectState(0, 0, false, true);

    list.PlayEntry(0); // the current entry too plays when asked for
    list.AppendFiles({"http://example.org/C.avi"});
    list.PlayEntry(2);
    EXPECT_EQ(played, (std::vector<std::string>{"/m/A.avi", "http://example.org/C.avi"}));
    ExpectState(2, 2, true, false);

    list.AppendFiles({});
    EXPECT_EQ(list.Count(), 3);
    ExpectIndexError([&] { list.PlayEntry(3); }, 3);
    ExpectState(2, 2, true, false);
}

TEST_F(PlayListTest, CancellingOpenStillEnablesNextWhenEntriesFollow) {
    OpenXyz();
    list.Next();
    list.Previous(); // back on Z: previous off, next on
    ExpectState(0, 0, false, true);
    int buttonChanges = 0;
    list.OnButtonsChanged = [&] { ++buttonChanges; };
    dialog.reset();
    list.Open();
    EXPECT_EQ(Entries().size(), 3u);
    EXPECT_EQ(buttonChanges, 0);
    ExpectState(0, 0, false, true);
}

TEST_F(PlayListTest, RemoveAndClearLeavePlaybackAndButtonsAlone) {
    OpenXyz();
    EXPECT_TRUE(list.CanRemove());
    list.Remove(); // the playing entry Z
    EXPECT_EQ(Entries(), (std::vector<std::string>{"Y.avi", "X.avi"}));
    EXPECT_EQ(list.CurrentItem()->FileName, "Z.avi"); // the caption keeps its name
    ExpectState(0, 0, false, true);
    EXPECT_EQ(played.size(), 1u);

    list.Clear();
    EXPECT_EQ(stops, 1);
    EXPECT_EQ(list.Count(), 0);
    EXPECT_FALSE(list.CanRemove());
    EXPECT_FALSE(list.CanClear());
    ExpectState(-1, 0, false, true);
    EXPECT_EQ(list.CurrentItem()->FileName, "Z.avi");
    ExpectIndexError([&] { list.Remove(); }, -1);
}

TEST_F(PlayListTest, RemovingTheLastEntrySelectsTheOneNowLast) {
    OpenXyz();
    list.SetItemIndex(2);
    list.Remove(); // X
    EXPECT_EQ(Entries(), (std::vector<std::string>{"Z.avi", "Y.avi"}));
    EXPECT_EQ(list.ItemIndex(), 1);
    list.Remove(); // Y, again the last
    list.Remove(); // Z
    EXPECT_EQ(list.Count(), 0);
    EXPECT_FALSE(list.CanRemove());
}

TEST_F(PlayListTest, AFileThatFailsToPlayStillBecomesCurrent) {
    OpenXyz();
    failing = "/m/Y.avi";
    EXPECT_THROW(list.Advance(), Exception);
    EXPECT_EQ(list.CurrentItem()->FileName, "Y.avi");
    ExpectState(1, 1, true, true);
    list.Advance(); // the list goes on with the next command
    EXPECT_EQ(played.back(), "/m/X.avi");
    ExpectState(2, 2, true, false);
}

TEST_F(PlayListTest, EventsTellTheListBoxWhatChanged) {
    std::vector<std::string> events;
    list.OnItemsChanged = [&] { events.push_back("items " + std::to_string(list.Count())); };
    list.OnSelectionChanged = [&] {
        events.push_back("select " + std::to_string(list.ItemIndex()));
    };
    list.OnButtonsChanged = [&] { events.push_back("buttons"); };
    OpenXyz();
    list.SetItemIndex(0);
    list.Clear();
    EXPECT_EQ(events,
              (std::vector<std::string>{"items 3", "select 0", "buttons", "items 0", "select -1"}));
}

} // namespace
} // namespace brisat
