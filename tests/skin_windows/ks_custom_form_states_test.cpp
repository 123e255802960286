#include "skin_windows/ks_custom_form.h"

#include "skin_window_fixture.h"

namespace brisat::test {
namespace {

// The maximized plain window: the work area with the 4-pixel border off the screen.
constexpr TRect kMaximized{-4, -4, kScreenWidth + 4, kWorkAreaBottom + 4};
constexpr TRect kNormal{100, 100, 500, 400};

using FormStatesTest = KsFormTest;

TEST_F(FormStatesTest, MaximizeTogglesAndRestoresTheNormalBounds) {
    Ks->Maximize();
    EXPECT_EQ(Ks->WindowState(), TKsWindowState::kwsMaximized);
    EXPECT_EQ(Bounds(), kMaximized);
    Ks->Maximize();
    EXPECT_EQ(Ks->WindowState(), TKsWindowState::kwsNormal);
    EXPECT_EQ(Bounds(), kNormal);
}

TEST_F(FormStatesTest, MaximizedThenRolledUpRestoresToMaximized) {
    Ks->Maximize();
    Ks->RollUp();
    EXPECT_EQ(Ks->WindowState(), TKsWindowState::kwsRollup);
    EXPECT_EQ(Bounds().Height(), 23 + 4);
    Ks->Restore();
    EXPECT_EQ(Ks->WindowState(), TKsWindowState::kwsMaximized);
    EXPECT_EQ(Bounds(), kMaximized);
}

TEST_F(FormStatesTest, RolledUpMovedAndUnrolledKeepsThePlaceAndRegainsTheHeight) {
    Ks->RollUp();
    EXPECT_EQ(Bounds(), (TRect{100, 100, 500, 127}));
    Drag({200, 10}, 150, 60);
    EXPECT_EQ(Bounds(), (TRect{250, 160, 650, 187}));
    Ks->RollUp();
    EXPECT_EQ(Ks->WindowState(), TKsWindowState::kwsNormal);
    EXPECT_EQ(Bounds(), (TRect{250, 160, 650, 460}));
}

TEST_F(FormStatesTest, MinimizeWithTheApplicationHidesAndRestoresIt) {
    Ks->Minimize();
    EXPECT_EQ(Ks->WindowState(), TKsWindowState::kwsMinimized);
    EXPECT_TRUE(App->Minimized());
    EXPECT_FALSE(IsWindowVisible(Window()));
    // Restoring the application restores the form.
    App->Restore();
    EXPECT_EQ(Ks->WindowState(), TKsWindowState::kwsNormal);
    EXPECT_TRUE(IsWindowVisible(Window()));
    EXPECT_EQ(Bounds(), kNormal);
    // Minimizing the application minimizes the form; the form's restore brings both back.
    App->Minimize();
    EXPECT_EQ(Ks->WindowState(), TKsWindowState::kwsMinimized);
    Ks->Restore();
    EXPECT_FALSE(App->Minimized());
    EXPECT_TRUE(IsWindowVisible(Window()));
}

TEST_F(FormStatesTest, MinimizeAloneTakesTheMinimizedPlaceAndComesBackMaximized) {
    Ks->SetMinimizeApplication(false);
    Ks->Maximize();
    Ks->Minimize();
    EXPECT_EQ(Bounds(), (TRect{0, kWorkAreaBottom - 27, 150, kWorkAreaBottom}));
    EXPECT_FALSE(App->Minimized());
    Ks->Restore();
    EXPECT_EQ(Ks->WindowState(), TKsWindowState::kwsMaximized);
    EXPECT_EQ(Bounds(), kMaximized);
}

TEST_F(FormStatesTest, TrayHidesTheWindowAndRestoreBringsTheEarlierState) {
    Ks->SetMinimizeApplication(false);
    Ks->RollUp();
    Ks->MinimizeToTray();
    EXPECT_EQ(Ks->WindowState(), TKsWindowState::kwsTray);
    EXPECT_FALSE(IsWindowVisible(Window()));
    Ks->Restore();
    EXPECT_TRUE(IsWindowVisible(Window()));
    EXPECT_EQ(Ks->WindowState(), TKsWindowState::kwsRollup);
    EXPECT_EQ(Bounds(), (TRect{100, 100, 500, 127}));
}

TEST_F(FormStatesTest, PrivateMessagesSetTheStateAndReportBlend) {
    SendMessage(Window(), KM_SETSTATE, 1);
    EXPECT_EQ(Ks->WindowState(), TKsWindowState::kwsMaximized);
    SendMessage(Window(), KM_SETSTATE, 3);
    EXPECT_EQ(Ks->WindowState(), TKsWindowState::kwsRollup);
    SendMessage(Window(), KM_SETSTATE, 0);
    EXPECT_EQ(Ks->WindowState(), TKsWindowState::kwsMaximized);
    EXPECT_EQ(SendMessage(Window(), KM_ISBLENDED), 0);
    Ks->SetBlend(true);
    EXPECT_EQ(SendMessage(Window(), KM_ISBLENDED), 1);
}

TEST_F(FormStatesTest, CaptionButtonsRunTheirOperations) {
    ClickAt({368, 10});
    EXPECT_EQ(Ks->WindowState(), TKsWindowState::kwsMaximized);
    // Maximized, the window is 1288 wide: the buttons keep their distance from its right end.
    ClickAt({368 + 1288 - 400, 10});
    EXPECT_EQ(Ks->WindowState(), TKsWindowState::kwsNormal);
    ClickAt({334, 10});
    EXPECT_EQ(Ks->WindowState(), TKsWindowState::kwsRollup);
    // Pressed on one button and released on another: nothing.
    Host->MouseDown(Window(), 334, 10);
    Host->MouseUp(Window(), 350, 10);
    Pump();
    EXPECT_EQ(Ks->WindowState(), TKsWindowState::kwsRollup);
}

TEST_F(FormStatesTest, CloseAsksTheFormAndFollowsItsAction) {
    TForm& second = App->CreateForm<TForm>();
    second.SetBounds(200, 200, 300, 200);
    TKsCustomForm& ks = CreateOwned<TKsCustomForm>(second);
    ks.SetActive(true);
    second.Show();
    bool allow = false;
    TCloseAction action = TCloseAction::caHide;
    second.OnCloseQuery = [&](TComponent&, bool& canClose) { canClose = allow; };
    second.OnClose = [&](TComponent&, TCloseAction& a) { a = action; };
    ks.Close();
    EXPECT_TRUE(second.Visible());
    allow = true;
    action = TCloseAction::caNone;
    ks.Close();
    EXPECT_TRUE(second.Visible());
    action = TCloseAction::caMinimize;
    ks.SetMinimizeApplication(false);
    ks.Close();
    EXPECT_EQ(ks.WindowState(), TKsWindowState::kwsMinimized);
    action = TCloseAction::caHide;
    ks.Close();
    EXPECT_FALSE(second.Visible());
    EXPECT_FALSE(App->Terminated());
    // The main form's close ends the application.
    Ks->Close();
    Pump();
    EXPECT_TRUE(App->Terminated());
}

} // namespace
} // namespace brisat::test
