#include "framework/controls/menu_tracking.h"
#include "ks_menu_fixture.h"
#include "platform/platform.h"
#include "skin_windows/se_skin_menu_bar.h"

using namespace brisat;

namespace {

class KsMenuBarTest : public KsMenuTest {
protected:
    void SetUp() override {
        KsMenuTest::SetUp();
        bar = &CreateOwned<TSeSkinMenuBar>(*form);
        bar->SetParent(form);
        file = &AddKsItem(bar->Items(), "&File");
        AddKsItem(*file, "&Open", scCtrl | 'O');
        AddKsItem(*file, "&Save");
        edit = &AddKsItem(bar->Items(), "&Edit");
        AddKsItem(*edit, "&Cut");
        AddKsItem(*edit, "C&opy");
        Pump();
    }

    // The screen centre of bar item Index.
    TPoint BarItem(int index) { return ItemCentre(bar->View(), index); }
    // Alt pressed with a letter typed, as the platform reports it.
    void AltLetter(char letter) {
        Host->KeyDown(form->Handle(), VK_MENU, PlatformAlt);
        TPlatformEvent e;
        e.Kind = TPlatformEventKind::Text;
        e.Window = form->Handle();
        e.Text = std::string(1, letter);
        e.Modifiers = PlatformAlt;
        Host->Inject(std::move(e));
        Host->KeyUp(form->Handle(), VK_MENU);
    }

    TSeSkinMenuBar* bar = nullptr;
    TSeSkinItem* file = nullptr;
    TSeSkinItem* edit = nullptr;
};

TEST_F(KsMenuBarTest, TheBarIsAsHighAsItsItemsAndSpansTheForm) {
    EXPECT_EQ(bar->Align(), TAlign::alTop);
    EXPECT_EQ(bar->Width(), form->ClientWidth());
    const TRect item = bar->View().ItemRect(0);
    EXPECT_EQ(item.TopLeft(), (TPoint{0, 0}));
    EXPECT_EQ(bar->Height(), item.Height() + 2) << "the items and the etched line";
    EXPECT_EQ(bar->View().ItemRect(1).Left, item.Right);
}

TEST_F(KsMenuBarTest, DownOpensRightMovesOnAndEscapeClosesOnlyThePopup) {
    ThenKeys({VK_DOWN});
    Then([this] {
        ASSERT_NE(PopupOf(*file), nullptr) << "Down opens the bar item's popup";
        EXPECT_EQ(PopupOf(*file)->Selected(), 0);
        Host->TypeKey(form->Handle(), VK_RIGHT);
    });
    Then([this] {
        EXPECT_EQ(PopupOf(*file), nullptr);
        ASSERT_NE(PopupOf(*edit), nullptr) << "Right moves the bar on and opens the next popup";
        EXPECT_EQ(bar->View().Selected(), 1);
        Host->TypeKey(form->Handle(), VK_ESCAPE);
    });
    Then([this] {
        EXPECT_TRUE(OpenPopups().empty());
        EXPECT_TRUE(MenuTracking()) << "the bar still tracks";
        EXPECT_EQ(bar->View().Selected(), 1);
        Host->TypeKey(form->Handle(), VK_ESCAPE);
    });
    bar->Activate();
    EXPECT_FALSE(MenuTracking());
    EXPECT_EQ(bar->View().Selected(), -1);
    EXPECT_FALSE(bar->View().Active());
}

TEST_F(KsMenuBarTest, TheMouseHighlightsOpensAndChooses) {
    MoveTo(form->Handle(), BarItem(1));
    Pump();
    EXPECT_EQ(bar->View().Selected(), 1) << "hot under the mouse";
    MoveTo(form->Handle(), {form->ClientToScreen({150, 150})});
    Pump();
    EXPECT_EQ(bar->View().Selected(), -1) << "cleared when the mouse leaves";

    Then([this] {
        ASSERT_NE(PopupOf(*edit), nullptr);
        EXPECT_TRUE(bar->View().Active());
        TKsPopupWindow& popup = *PopupOf(*edit);
        ClickAt(popup.Handle(), ItemCentre(popup, 1));
    });
    ClickAt(form->Handle(), BarItem(1));
    Pump();
    EXPECT_EQ(clicks, std::vector<std::string>{"Copy"});
    EXPECT_EQ(menusOpenAtClick, 0);
}

TEST_F(KsMenuBarTest, AltLetterOpensTheItemAndShortcutsReachTheItems) {
    Then([this] {
        ASSERT_NE(PopupOf(*edit), nullptr);
        Host->TypeKey(form->Handle(), 'O', "o");
    });
    AltLetter('e');
    Pump();
    EXPECT_EQ(clicks, std::vector<std::string>{"Copy"});

    clicks.clear();
    const TMessage ctrlO{WM_KEYDOWN, 'O', 0, 0};
    Host->KeyDown(form->Handle(), VK_CONTROL, PlatformCtrl);
    Pump();
    EXPECT_TRUE(bar->IsShortCut(ctrlO));
    EXPECT_FALSE(bar->IsShortCut({WM_KEYDOWN, 'Q', 0, 0}));
    Pump();
    EXPECT_EQ(clicks, std::vector<std::string>{"Open"});
}

} // namespace
