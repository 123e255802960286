// The main window in its skin on the headless platform: a skin chosen from the "Skin" menu ticks
// its item alone, a skin file that fails to load is reported once and leaves the plain look with
// the user's choice kept, the frame keeps the window's size limits (and lets a rolled-up window
// be lower), a press on the bare client surface moves the window, and the hidden decorations of
// the layout stay unread.
#include "app/layout_filter.h"
#include "app/layouts.h"
#include "app/main_form.h"
#include "effects/clock_label.h"
#include "framework/controls/menu_item.h"
#include "framework/core/exceptions.h"
#include "media/video_window.h"
#include "player_window_fixture.h"
#include "skin/engine/skin_engine.h"
#include "skin/files/skin_source.h"
#include "skin/objects/skin_object.h"
#include "skin_controls/se_skin_panel.h"
#include "skin_windows/se_skin_form.h"

#include <fstream>
#include <gtest/gtest.h>

using namespace brisat;

namespace {

const std::string kSkins = BRISAT_SKINS_DIR;

class MainFormSkinTest : public PlayerWindowTest {
protected:
    void SetUp() override {
        PlayerWindowTest::SetUp();
        App->SetMessageBoxHandler([this](const std::string& text, const std::string&, uint32_t) {
            Messages.push_back(text);
            return IDOK;
        });
        Main = &App->CreateForm<TfrmMain>(Settings());
        Main->Show();
        Pump();
    }

    TMenuItem& Item(const char* name) {
        return *static_cast<TMenuItem*>(Main->FindComponentInTree(name));
    }
    TSeSkinEngine& Engine() { return *Main->Parts().SeSkinEngine1; }
    TSeSkinForm& Frame() { return *Main->Parts().SeSkinForm1; }

    TfrmMain* Main = nullptr;
    std::vector<std::string> Messages;
};

TEST_F(MainFormSkinTest, ASkinItemTicksItselfAloneAndHandsItsFileToTheEngine) {
    // The shipped skins lie beside the program only; here the engine is given each name.
    Item("xb").Click();
    Pump();
    EXPECT_EQ(Engine().SkinFile(), "\\Skins\\xp_blue.xskn");
    Item("a").Click();
    Pump();
    EXPECT_EQ(Engine().SkinFile(), "\\Skins\\alien.xskn");
    EXPECT_TRUE(Item("a").Checked());
    for (const char* other : {"c", "j", "p", "pr", "s", "xb", "xs"})
        EXPECT_FALSE(Item(other).Checked()) << other;
    // Not found there, the windows keep the plain look without a word.
    EXPECT_FALSE(Frame().IsSkinned());
    EXPECT_TRUE(Messages.empty());
}

TEST_F(MainFormSkinTest, AShippedSkinDrawsTheFrameAndAnotherReplacesIt) {
    Main->LoadSkin(kSkins + "/alien.xskn");
    ASSERT_TRUE(Frame().IsSkinned());
    Main->LoadSkin(kSkins + "/xp_blue.xskn");
    EXPECT_TRUE(Frame().IsSkinned());
    EXPECT_EQ(Engine().SkinFile(), kSkins + "/xp_blue.xskn");
    EXPECT_TRUE(Messages.empty());
}

// The plain clock on the skinned panel writes in the panel's text colour, readable on a dark skin.
TEST_F(MainFormSkinTest, TheClockWritesInTheSkinnedPanelsTextColour) {
    for (const char* skin : {"/alien.xskn", "/jezz.xskn", "/steel.xskn"}) {
        SCOPED_TRACE(skin);
        Main->LoadSkin(kSkins + skin);
        const TSeSkinPanel& panel = *Main->Parts().SeSkinPanel1;
        ASSERT_TRUE(panel.IsSkinned());
        EXPECT_EQ(Main->Parts().ZeltClock1->Font().Color(), panel.SkinCopy()->GetFont().Color());
    }
}

// Damaged files: one message naming the file and why, the plain look, and the choice kept.
TEST_F(MainFormSkinTest, ASkinThatFailsToLoadIsReportedOnceAndLeavesThePlainLook) {
    const std::string folder = std::filesystem::path(Settings().Location().WritePath).parent_path();
    std::vector<uint8_t> good;
    {
        std::ifstream in(kSkins + "/steel.xskn", std::ios::binary);
        good.assign(std::istreambuf_iterator<char>(in), {});
    }
    ASSERT_GT(good.size(), 100u);
    const struct {
        const char* Name;
        std::vector<uint8_t> Bytes;
    } cases[] = {
        {"truncated.xskn", {good.begin(), good.begin() + good.size() / 2}},
        {"garbage.xskn", std::vector<uint8_t>(4096, 0x5A)},
        {"empty.xskn", {}},
    };
    Item("xs").Click();
    Pump();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        Main->LoadSkin(kSkins + "/steel.xskn");
        ASSERT_TRUE(Frame().IsSkinned());
        const std::string path = folder + "/" + c.Name;
        std::ofstream(path, std::ios::binary)
            .write(reinterpret_cast<const char*>(c.Bytes.data()), std::streamsize(c.Bytes.size()));
        Messages.clear();
        Main->LoadSkin(path);
        Pump();
        ASSERT_EQ(Messages.size(), 1u);
        EXPECT_NE(Messages[0].find(path), std::string::npos) << Messages[0];
        EXPECT_GT(Messages[0].size(), path.size() + 20) << "and why: " << Messages[0];
        EXPECT_FALSE(Frame().IsSkinned());
        EXPECT_EQ(Engine().Skin().Count(), 0);
        EXPECT_EQ(Main->Parts().ZeltClock1->Font().Color(), clWindowText) << "the plain look's";
    }
    EXPECT_TRUE(Item("xs").Checked()) << "the user's choice stays";
}

TEST_F(MainFormSkinTest, TheFrameKeepsTheSizeLimitsAndARolledUpWindowIsLower) {
    Main->LoadSkin(kSkins + "/pencil.xskn");
    TMinMaxInfo info{};
    SendMessage(Main->Handle(), WM_GETMINMAXINFO, 0, LPARAM(&info));
    EXPECT_EQ(info.ptMinTrackSize, (TPoint{507, 486}));
    EXPECT_EQ(info.ptMaxTrackSize, (TPoint{1024, 768}));
    SetWindowPos(Main->Handle(), 0, 0, 0, 300, 200, SWP_NOMOVE | SWP_NOZORDER);
    TRect w = GetWindowRect(Main->Handle());
    EXPECT_EQ(w.Width(), 507);
    EXPECT_EQ(w.Height(), 486);
    Frame().RollUp();
    Pump();
    w = GetWindowRect(Main->Handle());
    EXPECT_LT(w.Height(), 486);
    Frame().Restore();
    Pump();
    EXPECT_EQ(GetWindowRect(Main->Handle()).Height(), 486);
}

// A middle press on the video goes full screen and maximises the window through its frame, so
// the frame's maximise button turns into restore; back from full screen the window stays so.
TEST_F(MainFormSkinTest, AMiddlePressOnTheVideoMaximisesThroughTheFrame) {
    Main->LoadSkin(kSkins + "/steel.xskn");
    auto& video = *Main->Parts().DSVideoWindowEx1;
    SendMessage(video.Handle(), WM_MBUTTONDOWN, MK_MBUTTON, PointToLParam({10, 10}));
    Pump();
    EXPECT_TRUE(video.FullScreen());
    EXPECT_EQ(Frame().WindowState(), TKsWindowState::kwsMaximized);
    video.NormalPlayback();
    Pump();
    EXPECT_EQ(Frame().WindowState(), TKsWindowState::kwsMaximized);
    EXPECT_EQ(GetWindowRect(Main->Handle()).Width(), 1024);
}

// The desktop's "raise" brings the window back from where its frame put it.
TEST_F(MainFormSkinTest, BringingToFrontRestoresAMinimisedOrTrayedWindow) {
    Main->LoadSkin(kSkins + "/steel.xskn");
    for (const bool tray : {false, true}) {
        SCOPED_TRACE(tray ? "tray" : "minimised");
        if (tray)
            Frame().MinimizeToTray();
        else
            Frame().Minimize();
        Pump();
        ASSERT_FALSE(IsWindowVisible(Main->Handle()));
        Main->BringToFront();
        Pump();
        EXPECT_EQ(Frame().WindowState(), TKsWindowState::kwsNormal);
        EXPECT_TRUE(IsWindowVisible(Main->Handle()));
        EXPECT_EQ(GetActiveWindow(), Main->Handle());
    }
}

// A press on the bare client surface moves the window as one on the caption does; controls keep
// their presses. The video fills the surface, so it is taken away here.
TEST_F(MainFormSkinTest, TheBareClientSurfaceDragsTheWindowInEveryLook) {
    for (const std::string skin : {"", "/jezz.xskn"}) {
        SCOPED_TRACE(skin);
        if (!skin.empty()) Main->LoadSkin(kSkins + skin);
        auto& video = *Main->Parts().DSVideoWindowEx1;
        video.Hide();
        Pump();
        const auto hit = [&](TControl& over) {
            const TPoint middle = over.ClientToScreen({over.Width() / 2, over.Height() / 2});
            return SendMessage(Main->Handle(), WM_NCHITTEST, 0, PointToLParam(middle));
        };
        EXPECT_EQ(hit(video), HTCAPTION);
        video.Show();
        Pump();
        EXPECT_NE(hit(video), HTCAPTION);
        EXPECT_EQ(hit(*Main->Parts().SeSkinPanel1), HTCLIENT);
    }
}

TEST(LayoutFilter, DropsOnlyTheRootsChildrenOfUnknownClassesWithWhatTheyHold) {
    RegisterPlayerClasses();
    const std::string text = WithoutUnregisteredComponents(FrmMainDecorationsLayout());
    EXPECT_NE(text.find("object SeSkinForm1: TSeSkinForm"), std::string::npos);
    for (const char* gone : {"FormHints1", "AnimationEffect1", "acFormMagnet1", "Font.Color",
                             "ScreenMagnet.ScreenPower"})
        EXPECT_EQ(text.find(gone), std::string::npos) << gone;
    const std::string nested = "object A: TForm\n"
                               "  object B: TNoSuchClass\n"
                               "    object C: TPanel\n"
                               "    end\n"
                               "  end\n"
                               "  object D: TPanel\n"
                               "    Caption = 'end'\n"
                               "  end\n"
                               "end\n";
    EXPECT_EQ(WithoutUnregisteredComponents(nested), "object A: TForm\n"
                                                     "  object D: TPanel\n"
                                                     "    Caption = 'end'\n"
                                                     "  end\n"
                                                     "end\n");
    EXPECT_THROW(WithoutUnregisteredComponents("object A: TForm\n  X = 'open\nend\n"),
                 EParserError);
}

} // namespace
