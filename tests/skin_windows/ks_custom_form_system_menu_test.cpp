#include "skin_windows/ks_form_system_menu.h"

#include "framework/controls/menu_window.h"
#include "skin_window_fixture.h"
#include "skin_windows/ks_popup_window.h"

namespace brisat::test {
namespace {

using S = TKsWindowState;
using I = TKsBorderIcon;
using Captions = std::vector<std::string>;

Captions CaptionsOf(S state, TKsBorderIcons icons) {
    Captions captions;
    for (const TKsSystemMenuEntry& e : SystemMenuEntries(state, icons))
        captions.push_back(e.Caption);
    return captions;
}

TEST(SystemMenuEntries, EachStateOffersItsCommands) {
    struct Case {
        S State;
        Captions Expected;
    };
    const Case cases[] = {
        {S::kwsNormal,
         {"Mi&nimize", "Ma&ximize", "Ro&llup", "Minimize to &Tray", "-", "&Close"}},
        {S::kwsMaximized,
         {"&Restore", "Mi&nimize", "Ro&llup", "Minimize to &Tray", "-", "&Close"}},
        {S::kwsRollup,
         {"&Restore", "Mi&nimize", "Ma&ximize", "Minimize to &Tray", "-", "&Close"}},
        {S::kwsMinimized, {"&Restore", "-", "&Close"}},
        {S::kwsTray, {"&Restore", "-", "&Close"}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CaptionsOf(c.State, kDefaultBorderIcons), c.Expected) << int(c.State);
}

TEST(SystemMenuEntries, IconsDecideAndCloseAloneHasNoSeparator) {
    EXPECT_EQ(CaptionsOf(S::kwsNormal, {I::kbiClose}), Captions{"&Close"});
    EXPECT_EQ(CaptionsOf(S::kwsNormal, {I::kbiClose, I::kbiMinimize, I::kbiRollup}),
              (Captions{"Mi&nimize", "Ro&llup", "-", "&Close"}));
    EXPECT_EQ(CaptionsOf(S::kwsNormal, {I::kbiMinimize}), Captions{"Mi&nimize"});
    EXPECT_TRUE(CaptionsOf(S::kwsNormal, {}).empty());
}

TEST(SystemMenuEntries, ImagesShortCutAndCommands) {
    const std::vector<TKsSystemMenuEntry> entries =
        SystemMenuEntries(S::kwsRollup, kDefaultBorderIcons);
    std::vector<int32_t> images;
    for (const TKsSystemMenuEntry& e : entries)
        images.push_back(e.ImageIndex);
    EXPECT_EQ(images, (std::vector<int32_t>{3, 1, 2, 5, -1, 0}));
    EXPECT_EQ(entries.back().ShortCut, "Alt+F4");
    EXPECT_EQ(SystemCommandOf("Ro&llup"), TKsSystemCommand::RollUp);
    EXPECT_EQ(SystemCommandOf("Minimize to &Tray"), TKsSystemCommand::Tray);
    EXPECT_EQ(SystemCommandOf("Rollup"), std::nullopt);
}

class FormSystemMenuTest : public KsFormTest {
protected:
    // The visible popup windows of the skinned menus.
    std::vector<HWND> OpenPopups() {
        std::vector<HWND> popups;
        for (HWND top : GetTopLevelWindows())
            if (dynamic_cast<TKsPopupWindow*>(FindControl(top)) && IsWindowVisible(top))
                popups.push_back(top);
        return popups;
    }
    // Runs Open; once the menu shows, notes its place and item count, then types Keys.
    void WhileOpen(const std::function<void()>& open, std::vector<uint32_t> keys = {VK_ESCAPE}) {
        MenuAt.reset();
        Host->OnIdleWait = [this, keys](int32_t) {
            const std::vector<HWND> popups = OpenPopups();
            if (popups.empty()) return;
            if (!MenuAt) MenuAt = GetWindowRect(popups.front()).TopLeft();
            for (uint32_t key : keys)
                Host->TypeKey(popups.front(), key);
        };
        open();
        Host->OnIdleWait = nullptr;
        Pump();
    }

    std::optional<TPoint> MenuAt;
};

TEST_F(FormSystemMenuTest, AltSpaceOpensAtTheClientOrigin) {
    SetActiveWindow(Window());
    WhileOpen([&] {
        TPlatformEvent space;
        space.Kind = TPlatformEventKind::Text;
        space.Window = Window();
        space.Modifiers = PlatformAlt;
        space.Text = " ";
        Host->Inject(space);
        Pump();
    });
    ASSERT_TRUE(MenuAt);
    EXPECT_EQ(*MenuAt, ClientToScreen(Window(), {0, 0}));
}

TEST_F(FormSystemMenuTest, RightClickOnTheCaptionOpensAtTheMouse) {
    WhileOpen([&] {
        Host->Advance(1000);
        Host->Click(Window(), 150, 10, TPlatformButton::Right);
        Pump();
    });
    ASSERT_TRUE(MenuAt);
    EXPECT_EQ(*MenuAt, OnScreen(150, 10));
}

TEST_F(FormSystemMenuTest, ChosenItemRunsItsCommand) {
    // Down to the third item (Ro&llup) and Enter.
    WhileOpen([&] { Ks->ShowSystemMenu(); }, {VK_DOWN, VK_DOWN, VK_DOWN, VK_RETURN});
    EXPECT_EQ(Ks->WindowState(), TKsWindowState::kwsRollup);
    // The close command of the platform closes through the form.
    bool asked = false;
    Form->OnCloseQuery = [&](TComponent&, bool& canClose) {
        asked = true;
        canClose = false;
    };
    SendMessage(Window(), WM_SYSCOMMAND, SC_CLOSE);
    EXPECT_TRUE(asked);
    Form->OnCloseQuery = nullptr;
}

} // namespace
} // namespace brisat::test
