#include "skin/bitmap/bitmap.h"
#include "skin_window_fixture.h"
#include "skin_windows/ks_custom_item.h"
#include "skin_windows/ks_custom_menu_bar.h"

namespace brisat::test {
namespace {

using FormMessagesTest = KsFormTest;

TEST_F(FormMessagesTest, ANewCaptionRepaintsTheFrame) {
    const auto row = [&] {
        std::vector<uint32_t> pixels;
        for (int32_t x = 24; x < 120; ++x)
            pixels.push_back(PixelAt(Window(), x, 13));
        return pixels;
    };
    Form->SetCaption("");
    Pump();
    const std::vector<uint32_t> empty = row();
    Form->SetCaption("WWWW WWWW");
    Pump();
    EXPECT_NE(row(), empty);
    Form->SetCaption("");
    Pump();
    EXPECT_EQ(row(), empty);
}

TEST_F(FormMessagesTest, PrintDrawsTheWindowAsActiveAtThePoint) {
    TKsBitmap target;
    target.SetSize(420, 320);
    target.Fill(0xFF000000);
    EXPECT_EQ(SendMessage(Window(), KM_PRINTFORM, WPARAM(MakeLParam(5, 7)),
                          reinterpret_cast<LPARAM>(&target.DC())),
              1);
    EXPECT_EQ(target.Pixels(5 + 4, 7 + 4) & 0xFFFFFF, Rgb(clActiveCaption));
    EXPECT_EQ(target.Pixels(5 + 200, 7 + 150) & 0xFFFFFF, Rgb(clWhite));
    EXPECT_EQ(target.Pixels(2, 2) & 0xFFFFFF, 0u);
}

TEST_F(FormMessagesTest, TheIconsHintShowsOverItAndTheWindowsOwnComesBack) {
    Form->SetHint("Player");
    Host->MouseMove(Window(), 10, 10);
    Pump();
    EXPECT_EQ(Form->Hint(), "Sytem Menu");
    Host->MouseMove(Window(), 200, 10);
    Pump();
    EXPECT_EQ(Form->Hint(), "Player");
}

TEST_F(FormMessagesTest, StayOnTopMovesTheWindowIntoTheTopMostBand) {
    Ks->SetStayOnTop(true);
    EXPECT_TRUE(GetWindowExStyle(Window()) & WS_EX_TOPMOST);
    Ks->SetStayOnTop(false);
    EXPECT_FALSE(GetWindowExStyle(Window()) & WS_EX_TOPMOST);
    EXPECT_EQ(Bounds(), (TRect{100, 100, 500, 400}));
}

// The clock of the headless platform stands still: the animation must end all the same.
TEST_F(FormMessagesTest, ShowAnimationEndsAndLeavesOnlyTheWindow) {
    Form->Hide();
    Pump();
    const size_t windows = GetTopLevelWindows().size();
    for (TKsAnimation kind : {TKsAnimation::kaFade, TKsAnimation::kaSlide, TKsAnimation::kaRect,
                              TKsAnimation::kaRandom}) {
        Ks->SetShowAnimation(kind);
        Ks->SetShowAnimationTime(40);
        Form->Show();
        Pump();
        EXPECT_TRUE(IsWindowVisible(Window()));
        EXPECT_EQ(GetTopLevelWindows().size(), windows);
        Form->Hide();
        Pump();
    }
}

TEST_F(FormMessagesTest, TheMenuBarTakesTheWindowsShortCutsFirst) {
    auto& bar = CreateOwned<TKsCustomMenuBar>(*Form);
    bar.SetParent(Form);
    auto& file = CreateOwned<TKsCustomItem>(*Form);
    file.SetCaption("&File");
    bar.Items().Add(file);
    auto& open = CreateOwned<TKsCustomItem>(*Form);
    open.SetCaption("&Open");
    open.SetShortCut(scCtrl | 'O');
    int clicks = 0;
    open.OnClick = [&clicks](TComponent&) { ++clicks; };
    file.Add(open);
    Pump();
    Host->KeyDown(Window(), 'O', PlatformCtrl);
    Host->KeyUp(Window(), 'O', PlatformCtrl);
    Pump();
    EXPECT_EQ(clicks, 0);
    Ks->SetMenuBar(&bar);
    Host->KeyDown(Window(), 'O', PlatformCtrl);
    Host->KeyUp(Window(), 'O', PlatformCtrl);
    Pump();
    EXPECT_EQ(clicks, 1);
    open.OnClick = nullptr;
    // A menu bar that goes is forgotten.
    bar.Free();
    EXPECT_EQ(Ks->MenuBar(), nullptr);
    Host->KeyDown(Window(), 'O', PlatformCtrl);
    Pump();
}

} // namespace
} // namespace brisat::test
