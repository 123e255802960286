#include "framework/controls/menu_bar.h"
#include "menu_fixture.h"
#include "platform/platform.h"

using namespace brisat;

namespace {

class MenuBarTest : public MenuTest {
protected:
    void SetUp() override {
        MenuTest::SetUp();
        menu = &CreateOwned<TMainMenu>(*form);
        TMenuItem& file = AddItem(menu->Items(), "&File");
        AddItem(file, "&New");
        AddItem(file, "&Open");
        TMenuItem& view = AddItem(menu->Items(), "&View");
        AddItem(view, "&Zoom");
        AddItem(menu->Items(), "&Help");
        client = form->ClientRect();
        form->SetMenu(menu);
        Pump();
    }

    // Sends Alt+Letter as the platform delivers it: the key with Alt down, then its text.
    void AltLetter(char letter) {
        Host->KeyDown(form->Handle(), uint32_t(letter - 'a' + 'A'), PlatformAlt);
        TPlatformEvent text;
        text.Kind = TPlatformEventKind::Text;
        text.Window = form->Handle();
        text.Text = std::string(1, letter);
        text.Modifiers = PlatformAlt;
        Host->Inject(text);
        Host->KeyUp(form->Handle(), uint32_t(letter - 'a' + 'A'), PlatformAlt);
    }

    // The bar's top-level item rectangles follow the caption; the bar sits right above the
    // client area.
    TPoint BarPoint(int32_t x) const {
        const TPoint origin = form->ClientOrigin();
        return {origin.X + x, origin.Y - TMenuBar::BarHeight / 2};
    }

    TMainMenu* menu = nullptr;
    TRect client;
};

TEST_F(MenuBarTest, TheBarTakesFrameSpaceAboveAnUnchangedClientArea) {
    EXPECT_EQ(form->ClientRect(), client);
    EXPECT_EQ(form->Height(), 200 + TMenuBar::BarHeight);
    const HWND h = form->Handle();
    EXPECT_EQ(SendMessage(h, WM_NCHITTEST, 0, PointToLParam(BarPoint(5))), 5 /* HTMENU */);
    const TPoint origin = form->ClientOrigin();
    EXPECT_EQ(PixelAt(h, origin.X - 100 + 150, origin.Y - 100 - 1), Rgb(clMenu));
    form->SetMenu(nullptr);
    EXPECT_EQ(form->ClientRect(), client);
    EXPECT_EQ(form->Height(), 200);
}

TEST_F(MenuBarTest, AltLetterOpensTheItemWithThatAccelerator) {
    Then([this] {
        const std::vector<TMenuWindow*> open = OpenMenus();
        ASSERT_EQ(open.size(), 1u);
        EXPECT_EQ(&open[0]->ParentItem(), &menu->Items().Items(1));
        EXPECT_EQ(open[0]->Selected(), 0);
        // Under its bar item.
        const TRect r = GetWindowRect(open[0]->Handle());
        EXPECT_EQ(r.Top, form->ClientOrigin().Y);
        Host->TypeKey(form->Handle(), VK_RETURN);
    });
    AltLetter('v');
    Pump();
    EXPECT_EQ(clicks, std::vector<std::string>{"Zoom"});
    EXPECT_TRUE(OpenMenus().empty());
}

TEST_F(MenuBarTest, ArrowsWalkTheBarAndEscapeClosesOneLevel) {
    // F10 highlights File; Down opens it; Right moves to View's menu; Escape closes that menu
    // and leaves the bar active; Left and Down open File again; letters choose there.
    Then([this] {
        EXPECT_TRUE(OpenMenus().empty());
        Host->TypeKey(form->Handle(), VK_DOWN);
        Host->TypeKey(form->Handle(), VK_RIGHT);
    });
    Then([this] {
        ASSERT_EQ(OpenMenus().size(), 1u);
        EXPECT_EQ(&OpenMenus()[0]->ParentItem(), &menu->Items().Items(1));
        Host->TypeKey(form->Handle(), VK_ESCAPE);
    });
    Then([this] {
        EXPECT_TRUE(OpenMenus().empty());
        EXPECT_TRUE(MenuTracking());
        Host->TypeKey(form->Handle(), VK_LEFT);
        Host->TypeKey(form->Handle(), VK_DOWN);
        Host->TypeKey(form->Handle(), 'O', "o");
    });
    Host->KeyDown(form->Handle(), VK_F10);
    Pump();
    EXPECT_EQ(clicks, std::vector<std::string>{"Open"});
}

TEST_F(MenuBarTest, ALoneAltActivatesTheBarAndAClickOpensAnItem) {
    Then([this] {
        EXPECT_TRUE(MenuTracking());
        EXPECT_TRUE(OpenMenus().empty());
        // The mouse takes over: a click on File opens its menu under it.
        ClickAt(form->Handle(), BarPoint(10));
    });
    Then([this] {
        ASSERT_EQ(OpenMenus().size(), 1u);
        TMenuWindow& file = *OpenMenus()[0];
        EXPECT_EQ(&file.ParentItem(), &menu->Items().Items(0));
        EXPECT_EQ(GetWindowRect(file.Handle()).Left, form->ClientOrigin().X);
        // Moving along the bar switches menus.
        MoveTo(form->Handle(), BarPoint(50));
    });
    Then([this] {
        ASSERT_EQ(OpenMenus().size(), 1u);
        EXPECT_EQ(&OpenMenus()[0]->ParentItem(), &menu->Items().Items(1));
        Host->TypeKey(form->Handle(), VK_ESCAPE);
        Host->TypeKey(form->Handle(), VK_ESCAPE);
    });
    Host->KeyDown(form->Handle(), VK_MENU, PlatformAlt);
    Host->KeyUp(form->Handle(), VK_MENU);
    Pump();
    EXPECT_FALSE(MenuTracking());
    EXPECT_TRUE(clicks.empty());
}

} // namespace

namespace {

TEST_F(MenuBarTest, TakingTheMenuAwayWhileItIsOpenEndsTracking) {
    Then([this] {
        ASSERT_EQ(OpenMenus().size(), 1u);
        SetTimer(0, 0, 50, [this](HWND, UINT id) {
            KillTimer(0, id);
            form->SetMenu(nullptr);
        });
        // Input wakes the wait under way, so the next one sees the timer.
        Host->MouseMove(form->Handle(), 5, 5);
    });
    Then([] {});
    AltLetter('f');
    Pump();
    EXPECT_FALSE(MenuTracking());
    EXPECT_TRUE(OpenMenus().empty());
    EXPECT_EQ(form->ClientRect(), client);
}

} // namespace
