#include "framework/controls/menu_tracking.h"
#include "menu_fixture.h"
#include "platform/platform.h"

using namespace brisat;

namespace {

class PopupMenuTest : public MenuTest {
protected:
    void SetUp() override {
        MenuTest::SetUp();
        popup = &CreateOwned<TPopupMenu>(*form);
        AddItem(popup->Items(), "&Open");
        AddItem(popup->Items(), "-");
        AddItem(popup->Items(), "&Save");
        AddItem(popup->Items(), "E&xit");
    }

    TPopupMenu* popup = nullptr;
};

TEST_F(PopupMenuTest, OpensAtItsPointAndArrowsChooseSkippingSeparators) {
    Then([this] {
        const std::vector<TMenuWindow*> open = OpenMenus();
        ASSERT_EQ(open.size(), 1u);
        EXPECT_EQ(GetWindowRect(open[0]->Handle()).TopLeft(), (TPoint{200, 150}));
        EXPECT_TRUE(GetWindowExStyle(open[0]->Handle()) & WS_EX_NOACTIVATE);
        EXPECT_EQ(Native(open[0]->Handle()).Kind(), TPlatformWindowKind::PopupMenu);
        EXPECT_EQ(GetActiveWindow(), form->Handle());
        Host->TypeKey(form->Handle(), VK_DOWN);
        Host->TypeKey(form->Handle(), VK_DOWN);
        Host->TypeKey(form->Handle(), VK_RETURN);
    });
    popup->Popup(200, 150);
    EXPECT_EQ(clicks, std::vector<std::string>{"Save"});
    EXPECT_EQ(menusOpenAtClick, 0) << "the item is clicked after its menu closed";
    EXPECT_TRUE(OpenMenus().empty());
    EXPECT_FALSE(MenuTracking());
    EXPECT_EQ(GetCapture(), 0u);
}

TEST_F(PopupMenuTest, UpWrapsAndEscapeClosesWithoutChoosing) {
    ThenKeys({VK_UP, VK_UP, VK_UP}); // Exit, Save, Open: the separator is never selected
    Then([this] {
        EXPECT_EQ(OpenMenus().at(0)->Selected(), 0);
        Host->TypeKey(form->Handle(), VK_ESCAPE);
    });
    popup->Popup(200, 150);
    EXPECT_TRUE(clicks.empty());
    EXPECT_TRUE(OpenMenus().empty());
}

TEST_F(PopupMenuTest, DisabledAndHiddenItemsCannotBeChosen) {
    popup->Items().Items(0).SetEnabled(false);
    popup->Items().Items(2).SetVisible(false);
    // Down reaches the disabled Open; Enter does nothing there; the next Down skips the hidden
    // Save; a mouse click on Open does nothing either.
    ThenKeys({VK_DOWN, VK_RETURN});
    Then([this] {
        ASSERT_EQ(OpenMenus().size(), 1u);
        EXPECT_EQ(OpenMenus()[0]->Selected(), 0);
        Host->TypeKey(form->Handle(), VK_DOWN);
    });
    Then([this] {
        TMenuWindow& menu = *OpenMenus().at(0);
        EXPECT_EQ(menu.Selected(), 3);
        ClickAt(menu.Handle(), ItemCentre(menu, 0));
    });
    Then([this] {
        ASSERT_EQ(OpenMenus().size(), 1u);
        Host->TypeKey(form->Handle(), 'X', "x");
    });
    popup->Popup(200, 150);
    EXPECT_EQ(clicks, std::vector<std::string>{"Exit"});
}

TEST_F(PopupMenuTest, MouseHoverHighlightsAndAClickChooses) {
    Then([this] {
        TMenuWindow& menu = *OpenMenus().at(0);
        MoveTo(menu.Handle(), ItemCentre(menu, 2));
    });
    Then([this] {
        TMenuWindow& menu = *OpenMenus().at(0);
        EXPECT_EQ(menu.Selected(), 2);
        ClickAt(menu.Handle(), ItemCentre(menu, 3));
    });
    popup->Popup(200, 150);
    EXPECT_EQ(clicks, std::vector<std::string>{"Exit"});
}

// A release that arrives just after the loop found only a repaint waiting still reaches the
// menu: a fast click chooses.
TEST_F(PopupMenuTest, AReleaseArrivingBehindARepaintStillChooses) {
    TMenuWindow* menu = nullptr;
    TPoint at;
    Then([&] {
        menu = OpenMenus().at(0);
        const TRect w = GetWindowRect(menu->Handle());
        const TPoint centre = ItemCentre(*menu, 2);
        at = {centre.X - w.Left, centre.Y - w.Top};
        Host->MouseMove(menu->Handle(), at.X, at.Y);
        Host->MouseDown(menu->Handle(), at.X, at.Y);
    });
    Then([&] {
        menu->Invalidate();
        // The loop wakes for a move that changes nothing; the next poll finds nothing and the
        // repaint is taken; the release comes at the poll after.
        Host->MouseMove(menu->Handle(), at.X, at.Y);
        Host->OnPoll = [&, polls = 0]() mutable {
            if (++polls == 2) Host->MouseUp(menu->Handle(), at.X, at.Y);
        };
    });
    popup->Popup(200, 150);
    Host->OnPoll = {};
    EXPECT_EQ(clicks, std::vector<std::string>{"Save"});
}

TEST_F(PopupMenuTest, AClickOutsideClosesEverythingAndGoesNoFurther) {
    int formPresses = 0;
    form->OnMouseDown = [&](TControl&, TMouseButton, TShiftState, int32_t, int32_t) {
        ++formPresses;
    };
    Then([this] { Host->Click(form->Handle(), 20, 150); });
    popup->Popup(200, 150);
    Pump();
    EXPECT_TRUE(clicks.empty());
    EXPECT_TRUE(OpenMenus().empty());
    EXPECT_EQ(formPresses, 0);
}

TEST_F(PopupMenuTest, SubMenusOpenWithRightOrHoverAndCloseWithLeft) {
    TMenuItem& more = AddItem(popup->Items(), "&More");
    AddItem(more, "&Alpha");
    AddItem(more, "&Beta");
    ThenKeys({VK_UP, VK_RIGHT});
    Then([this] {
        const std::vector<TMenuWindow*> open = OpenMenus();
        ASSERT_EQ(open.size(), 2u);
        EXPECT_EQ(open[0]->Selected(), 0) << "opened by a key, the sub-menu selects its first item";
        // Beside its item, overlapping the parent's frame.
        const TRect parent = GetWindowRect(open[1]->Handle());
        const TRect sub = GetWindowRect(open[0]->Handle());
        EXPECT_EQ(sub.Left, parent.Right - 3);
        EXPECT_EQ(sub.Top, open[1]->ItemScreenRect(4).Top - 3);
        Host->TypeKey(form->Handle(), VK_LEFT);
    });
    Then([this] {
        ASSERT_EQ(OpenMenus().size(), 1u);
        EXPECT_EQ(OpenMenus()[0]->Selected(), 4);
        // Hovering opens it again after a short delay; the wait runs the delay's timer.
        TMenuWindow& menu = *OpenMenus()[0];
        MoveTo(menu.Handle(), ItemCentre(menu, 0));
        MoveTo(menu.Handle(), ItemCentre(menu, 4));
    });
    Then([] {});
    Then([this] {
        const std::vector<TMenuWindow*> open = OpenMenus();
        ASSERT_EQ(open.size(), 2u);
        EXPECT_EQ(open[0]->Selected(), -1);
        ClickAt(open[0]->Handle(), ItemCentre(*open[0], 1));
    });
    popup->Popup(200, 150);
    EXPECT_EQ(clicks, std::vector<std::string>{"Beta"});
}

TEST_F(PopupMenuTest, OnPopupRunsBeforeShowingAndMayChangeItems) {
    int menusAtPopup = -1;
    popup->OnPopup = [&](TComponent&) {
        menusAtPopup = int(OpenMenus().size());
        popup->Items().Items(0).SetVisible(false);
    };
    ThenKeys({VK_DOWN, VK_RETURN});
    popup->Popup(200, 150);
    EXPECT_EQ(menusAtPopup, 0);
    EXPECT_EQ(clicks, std::vector<std::string>{"Save"});
}

TEST_F(PopupMenuTest, RightClickOnAControlOpensItsPopupMenu) {
    form->SetPopupMenu(popup);
    Then([this] {
        ASSERT_EQ(OpenMenus().size(), 1u);
        // At the pointer, in screen coordinates (the form's client area starts at 104, 123).
        EXPECT_EQ(GetWindowRect(OpenMenus()[0]->Handle()).TopLeft(), (TPoint{150, 160}));
        Host->TypeKey(form->Handle(), VK_ESCAPE);
    });
    Host->Click(form->Handle(), 50, 60, TPlatformButton::Right);
    Pump();
    EXPECT_EQ(popup->PopupComponent(), form);
    EXPECT_TRUE(steps.empty());

    popup->SetAutoPopup(false);
    Host->Click(form->Handle(), 50, 60, TPlatformButton::Right);
    Pump(); // would throw from the idle wait if a menu were tracking
    EXPECT_TRUE(OpenMenus().empty());
}

TEST_F(PopupMenuTest, APopupNearTheWorkAreaEdgeFlips) {
    // The headless monitor is 1024 × 768 with a work area ending at 736.
    struct Case {
        TPoint at;
        TPopupAlignment alignment;
        bool left;
        bool up;
    };
    const Case cases[] = {
        {{1000, 700}, TPopupAlignment::paLeft, true, true},
        {{100, 700}, TPopupAlignment::paLeft, false, true},
        {{1000, 100}, TPopupAlignment::paLeft, true, false},
        {{300, 100}, TPopupAlignment::paRight, true, false},
    };
    for (const Case& c : cases) {
        Then([this, c] {
            const TRect r = GetWindowRect(OpenMenus().at(0)->Handle());
            EXPECT_EQ(r.Right == c.at.X, c.left) << c.at.X;
            EXPECT_EQ(r.Left == c.at.X, !c.left) << c.at.X;
            EXPECT_EQ(r.Bottom == c.at.Y, c.up) << c.at.Y;
            EXPECT_EQ(r.Top == c.at.Y, !c.up) << c.at.Y;
            Host->TypeKey(form->Handle(), VK_ESCAPE);
        });
        popup->SetAlignment(c.alignment);
        popup->Popup(c.at.X, c.at.Y);
    }
}

TEST(MenuPlacement, SubMenusAndBarMenusFlipAndStayInTheWorkArea) {
    const TRect work{0, 0, 1024, 736};
    const TSize size{100, 200};
    struct Case {
        TRect anchor;
        TMenuAnchor kind;
        TRect expected;
    };
    const Case cases[] = {
        {{500, 100, 600, 120}, TMenuAnchor::SubMenuItem, Bounds(600, 100, 100, 200)},
        {{950, 100, 1010, 120}, TMenuAnchor::SubMenuItem, Bounds(850, 100, 100, 200)},
        {{500, 600, 600, 620}, TMenuAnchor::SubMenuItem, Bounds(600, 420, 100, 200)},
        {{10, 20, 60, 39}, TMenuAnchor::BarItem, Bounds(10, 39, 100, 200)},
        {{980, 600, 1010, 619}, TMenuAnchor::BarItem, Bounds(910, 400, 100, 200)},
        {{10, 650, 10, 650}, TMenuAnchor::Point, Bounds(10, 450, 100, 200)},
        // Off the work area: kept inside.
        {{-50, 800, -50, 800}, TMenuAnchor::Point, Bounds(0, 536, 100, 200)},
    };
    for (const Case& c : cases)
        EXPECT_EQ(PlaceMenu(size, c.anchor, c.kind, work), c.expected) << c.anchor.Left;
}

TEST_F(PopupMenuTest, DrawsTheSelectionSeparatorsAndMarks) {
    popup->Items().Items(3).SetChecked(true);
    Then([this] {
        TMenuWindow& menu = *OpenMenus().at(0);
        const HWND h = menu.Handle();
        const TRect w = GetWindowRect(h);
        const TRect open = OffsetRect(menu.ItemScreenRect(0), -w.Left, -w.Top);
        const TRect line = OffsetRect(menu.ItemScreenRect(1), -w.Left, -w.Top);
        EXPECT_EQ(line.Height(), 9);
        const TRect exitRow = OffsetRect(menu.ItemScreenRect(3), -w.Left, -w.Top);
        EXPECT_EQ(PixelAt(h, open.Right - 2, open.Top + 1), Rgb(clHighlight));
        EXPECT_EQ(PixelAt(h, line.Left + 10, line.Top + 3), Rgb(clBtnShadow));
        EXPECT_EQ(PixelAt(h, line.Left + 10, line.Top + 4), Rgb(clBtnHighlight));
        EXPECT_EQ(PixelAt(h, exitRow.Right - 2, exitRow.Top + 1), Rgb(clMenu));
        EXPECT_EQ(PixelAt(h, 0, 0), Rgb(clBtnFace)) << "raised frame";
        EXPECT_EQ(PixelAt(h, w.Width() - 1, w.Height() - 1), Rgb(cl3DDkShadow));
        // The check mark of Exit: some pixel of its column in the text colour.
        int marks = 0;
        for (int32_t y = exitRow.Top; y < exitRow.Bottom; ++y)
            for (int32_t x = exitRow.Left; x < exitRow.Left + 20; ++x)
                marks += PixelAt(h, x, y) == Rgb(clMenuText);
        EXPECT_GT(marks, 7);
        Host->TypeKey(form->Handle(), VK_ESCAPE);
    });
    ThenKeys({VK_DOWN});
    // The first step needs the selection painted: run it after Down.
    std::swap(steps[0], steps[1]);
    popup->Popup(200, 150);
}

} // namespace

namespace {

TEST_F(PopupMenuTest, ItemsFreedByAHandlerWhileShownCloseTheMenu) {
    Then([this] {
        Host->TypeKey(form->Handle(), VK_DOWN);
        // A timer handler frees the selected item while the menu shows it.
        SetTimer(0, 0, 50, [this](HWND, UINT id) {
            KillTimer(0, id);
            popup->Items().Items(0).Free();
        });
    });
    Then([] {}); // the wait moves the clock on to the timer
    popup->Popup(200, 150);
    EXPECT_TRUE(OpenMenus().empty());
    EXPECT_EQ(popup->Items().Count(), 3);
    EXPECT_TRUE(clicks.empty());
}

} // namespace

#include "framework/graphics/image_list.h"

namespace {

TEST_F(PopupMenuTest, ItemsShowTheMenusImagesGreyedWhenDisabled) {
    auto& images = CreateOwned<TImageList>(*form);
    images.SetSize(16, 15);
    TBitmap red;
    red.SetSize(16, 15);
    red.DC().FillRect(Bounds(0, 0, 16, 15), clRed);
    images.Add(red);
    popup->SetImages(&images);
    popup->Items().Items(0).SetImageIndex(0);
    popup->Items().Items(2).SetImageIndex(0);
    popup->Items().Items(2).SetEnabled(false);
    popup->Items().Items(3).SetImageIndex(5); // no such image: a plain item
    Then([this] {
        TMenuWindow& menu = *OpenMenus().at(0);
        const HWND h = menu.Handle();
        const TRect w = GetWindowRect(h);
        const auto reds = [&](int index) {
            const TRect r = OffsetRect(menu.ItemScreenRect(index), -w.Left, -w.Top);
            EXPECT_GE(r.Height(), 15 + 6) << "rows make room for the images";
            int count = 0;
            for (int32_t y = r.Top; y < r.Bottom; ++y)
                for (int32_t x = r.Left; x < r.Left + 22; ++x)
                    count += PixelAt(h, x, y) == 0xFF0000;
            return count;
        };
        EXPECT_EQ(reds(0), 16 * 15);
        EXPECT_EQ(reds(2), 0) << "disabled images are drawn in the grey look";
        EXPECT_EQ(reds(3), 0);
        Host->TypeKey(form->Handle(), VK_ESCAPE);
    });
    popup->Popup(200, 150);
    images.Free();
    EXPECT_EQ(popup->Images(), nullptr);
}

} // namespace

// A popup menu's keys belong to the whole program while its form is the main one: they work
// from another form (the video shown full screen), but not while a modal window disables it.
TEST_F(PopupMenuTest, ShortCutsOfTheMainFormsMenusWorkFromItsOtherForms) {
    AddItem(popup->Items(), "Pause", 'Z');
    TForm other(nullptr);
    other.SetBounds(0, 0, 200, 100);
    other.Show();
    Pump();
    ASSERT_EQ(GetActiveWindow(), other.Handle());
    Host->TypeKey(other.Handle(), 'Z');
    Pump();
    EXPECT_EQ(clicks, std::vector<std::string>{"Pause"});

    EnableWindow(form->Handle(), false);
    Host->TypeKey(other.Handle(), 'Z');
    Pump();
    EXPECT_EQ(clicks.size(), 1u);
    EnableWindow(form->Handle(), true);
}
