// Files and addresses dropped on the main window: the window takes drops; what the player can
// open joins the playlist in the order dropped, elsewhere than on the video without playing,
// on the video with the first of them playing at once; addresses of other schemes are left out.
#include "app/file_drop.h"
#include "app/main_form.h"
#include "skin_controls/se_skin_panel.h"
#include "media/video_window.h"
#include "player_window_fixture.h"
#include "temp_folder.h"

#include <gtest/gtest.h>

using namespace brisat;

namespace {

using TList = std::vector<std::string>;

TEST(OpenableDrops, KeepsPathsAndAddressesOfKnownSchemes) {
    EXPECT_EQ(OpenableDrops({"/films/a.avi", "ftp://example.org/b.avi", "HTTP://example.org/c.avi",
                             "relative/d.avi", "javascript:alert(1)", "rtsp://example.org/e"},
                            {"file", "http", "rtsp"}),
              (TList{"/films/a.avi", "HTTP://example.org/c.avi", "rtsp://example.org/e"}));
}

class DroppedFolder : public TempFolderTest {};

TEST_F(DroppedFolder, BringsItsMediaFilesByNameAndStaysWhenItHasNone) {
    const std::string media = PathOf("media"), empty = PathOf("empty");
    std::filesystem::create_directories(media + "/sub");
    std::filesystem::create_directory(empty);
    for (const char* name : {"b.avi", "a.MKV", "notes.txt", "noext", "sub/c.avi"})
        Put(media + "/" + name, "x");
    std::filesystem::create_directory(media + "/folder.avi");
    const TList extensions{"avi", "mkv"};
    EXPECT_EQ(ExpandDroppedFolders({"/films/x.avi", media, "http://example.org/y.avi", empty},
                                   extensions),
              (TList{"/films/x.avi", media + "/a.MKV", media + "/b.avi", "http://example.org/y.avi",
                     empty}));

    // A folder of thousands of clips brings a bounded number of them.
    for (size_t i = 0; i <= MaxFolderDrop; ++i)
        Put(empty + "/" + std::to_string(100000 + i) + ".avi", "");
    const TList many = ExpandDroppedFolders({empty}, extensions);
    ASSERT_EQ(many.size(), MaxFolderDrop);
    EXPECT_EQ(many.front(), empty + "/100000.avi");
}

class FileDropTest : public PlayerWindowTest {
protected:
    void SetUp() override {
        PlayerWindowTest::SetUp();
        Main = &App->CreateForm<TfrmMain>(Settings());
        Main->Show();
        Pump();
        // What would play is only noted: the drop's part ends where PlayFile begins.
        Main->PlayList().OnPlayFile = [this](const std::string& path) { Played.push_back(path); };
    }
    void Drop(TPoint screen, TList files) {
        TPlatformEvent e;
        e.Kind = TPlatformEventKind::Drop;
        e.Window = uint32_t(Main->Handle());
        e.ScreenX = screen.X;
        e.ScreenY = screen.Y;
        e.Files = std::move(files);
        Host->Inject(e);
        Pump();
    }
    TList Entries() const {
        TList names;
        for (int i = 0; i < Main->PlayList().Count(); ++i)
            names.push_back(Main->PlayList().Strings(i));
        return names;
    }
    TPoint OnVideo() const {
        const TPoint origin = Main->Parts().DSVideoWindowEx1->ClientOrigin();
        return {origin.X + 60, origin.Y + 60};
    }
    TPoint OnViewPanel() const {
        const TPoint origin = Main->Parts().SeSkinPanel1->ClientOrigin();
        return {origin.X + 2, origin.Y + 2};
    }

    TfrmMain* Main = nullptr;
    TList Played;
};

TEST_F(FileDropTest, DropsJoinThePlaylistAndOnTheVideoTheFirstPlays) {
    EXPECT_TRUE(Native(Main->Handle()).AcceptsDrops());
    Drop(OnViewPanel(), {"/films/a.avi", "ftp://example.org/x.avi", "http://example.org/b.avi"});
    EXPECT_EQ(Entries(), (TList{"a.avi", "b.avi"}));
    EXPECT_TRUE(Played.empty());

    Drop(OnVideo(), {"/films/c.avi", "/films/d.avi"});
    EXPECT_EQ(Entries(), (TList{"a.avi", "b.avi", "c.avi", "d.avi"}));
    EXPECT_EQ(Played, TList{"/films/c.avi"});
    EXPECT_EQ(Main->PlayList().CurrentIndex(), 2);
    EXPECT_EQ(Main->PlayList().ItemIndex(), 2);
    EXPECT_TRUE(Main->PlayList().PreviousEnabled());
    EXPECT_TRUE(Main->PlayList().NextEnabled());
}

TEST_F(FileDropTest, ADropOfNothingOpenableChangesNothing) {
    Drop(OnVideo(), {"gopher://example.org/a.avi", "notes.txt"});
    EXPECT_TRUE(Entries().empty());
    EXPECT_TRUE(Played.empty());
}

} // namespace
