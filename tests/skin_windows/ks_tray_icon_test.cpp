// The skinned form's tray record on the headless platform: the tip and the picture the icon
// shows, adding and deleting it, and what its notifications do to the window.
#include "framework/windowing/notify_icon.h"
#include "skin/bitmap/bitmap.h"
#include "skin_window_fixture.h"
#include "skin_windows/ks_popup_window.h"
#include "skin_windows/ks_tray_icon.h"

namespace brisat::test {
namespace {

class TrayIconTest : public SkinWindowTest {
protected:
    // The platform's only tray icon, nullptr when none lives.
    THeadlessTrayIcon* PlatformIcon() {
        return Host->TrayIcons().size() == 1 ? Host->TrayIcons().begin()->second : nullptr;
    }
    // The icon's platform event, handled.
    void TrayEvent(TPlatformEventKind kind) {
        ASSERT_NE(PlatformIcon(), nullptr);
        TPlatformEvent e;
        e.Kind = kind;
        e.Window = Host->TrayIcons().begin()->first;
        Host->Inject(e);
        Pump();
    }
};

TEST_F(TrayIconTest, TheTipIsTheTitleOrTheCaptionCutTo63Characters) {
    struct TCase {
        bool MinimizeApplication;
        std::string Title, Caption, Tip;
    };
    const std::string long70(70, 'c');
    const TCase cases[] = {
        {true, "Brisat", "Main window", "Brisat"},
        {false, "Brisat", "Main window", "Main window"},
        {false, "Brisat", long70, std::string(63, 'c')},
        {true, std::string(62, 't') + "\xC3\xA9\xC3\xA9", "x", std::string(62, 't') + "\xC3\xA9"},
    };
    TKsCustomForm& form = AddFormComponent();
    for (const TCase& c : cases) {
        form.SetMinimizeApplication(c.MinimizeApplication);
        App->SetTitle(c.Title);
        Form->SetCaption(c.Caption);
        TKsTrayIcon tray(form);
        tray.Add();
        EXPECT_EQ(tray.Tip(), c.Tip);
        ASSERT_NE(PlatformIcon(), nullptr);
        EXPECT_TRUE(PlatformIcon()->Visible());
        EXPECT_EQ(PlatformIcon()->Tip(), c.Tip);
    }
    // Each record took its icon with it.
    EXPECT_EQ(PlatformIcon(), nullptr);
}

TEST_F(TrayIconTest, TheIconShowsAPlainWindowFigureOrThePictureGivenWithTheKeyPixelClear) {
    TKsCustomForm& form = AddFormComponent();
    TKsTrayIcon tray(form);
    tray.Add();
    ASSERT_NE(PlatformIcon(), nullptr);
    ASSERT_EQ(PlatformIcon()->Images().size(), 1u);
    const TPixelImage& figure = PlatformIcon()->Images()[0];
    EXPECT_EQ(figure.Width, 22);
    EXPECT_EQ(figure.At(11, 5), ksDarkBluePixel); // caption strip
    EXPECT_EQ(figure.At(11, 12), ksWhitePixel);   // body
    EXPECT_EQ(figure.At(0, 0) >> 24, 0u);         // clear around

    TKsBitmap picture;
    picture.SetSize(2, 1);
    picture.SetPixels(0, 0, 0xFF123456);
    picture.SetPixels(1, 0, ksKeyPixel);
    tray.SetIcon(&picture);
    ASSERT_EQ(PlatformIcon()->Images().size(), 1u);
    EXPECT_EQ(PlatformIcon()->Images()[0].Pixels, (std::vector<uint32_t>{0xFF123456, 0}));
    tray.SetIcon(nullptr);
    EXPECT_TRUE(PlatformIcon()->Images().empty());

    tray.Delete();
    EXPECT_FALSE(tray.Shown());
    EXPECT_EQ(PlatformIcon(), nullptr);
    tray.Delete();
}

// The form in the tray, its window hidden and its icon shown.
class TrayStateTest : public TrayIconTest {
protected:
    void SetUp() override {
        TrayIconTest::SetUp();
        Component = &AddFormComponent();
        Component->SetMinimizeApplication(false);
        Form->SetCaption("Player");
        ShowForm();
    }
    void EnterTray() {
        Component->MinimizeToTray();
        Pump();
        ASSERT_EQ(Component->WindowState(), TKsWindowState::kwsTray);
        ASSERT_FALSE(IsWindowVisible(Window()));
        ASSERT_NE(PlatformIcon(), nullptr);
        ASSERT_TRUE(PlatformIcon()->Visible());
        ASSERT_EQ(PlatformIcon()->Tip(), "Player");
    }
    TKsCustomForm* Component = nullptr;
};

TEST_F(TrayStateTest, ActivatingTheIconOrLosingTheTrayBringsTheWindowBackAndRemovesTheIcon) {
    for (const TPlatformEventKind kind :
         {TPlatformEventKind::TrayActivate, TPlatformEventKind::TrayLost}) {
        EnterTray();
        TrayEvent(kind);
        EXPECT_EQ(Component->WindowState(), TKsWindowState::kwsNormal);
        EXPECT_TRUE(IsWindowVisible(Window()));
        EXPECT_EQ(PlatformIcon(), nullptr);
    }
}

TEST_F(TrayStateTest, TheWindowComesBackInTheStateItLeftFor) {
    Component->Maximize();
    Pump();
    EnterTray();
    TrayEvent(TPlatformEventKind::TrayActivate);
    EXPECT_EQ(Component->WindowState(), TKsWindowState::kwsMaximized);
    EXPECT_TRUE(IsWindowVisible(Window()));
}

TEST_F(TrayStateTest, LeavingTheTrayOtherwiseOrDestroyingTheFormRemovesTheIcon) {
    EnterTray();
    Component->Restore();
    EXPECT_EQ(PlatformIcon(), nullptr);
    EnterTray();
    Component->MinimizeToTray(); // a second time: back
    EXPECT_EQ(PlatformIcon(), nullptr);
    EXPECT_TRUE(IsWindowVisible(Window()));
    EnterTray();
    delete Component;
    EXPECT_EQ(PlatformIcon(), nullptr);
}

TEST_F(TrayStateTest, TheIconsMenuIsTheSystemMenuAtTheCursor) {
    EnterTray();
    Host->MouseMove(Window(), 60, 70); // the cursor, wherever the hidden window is
    const TPoint cursor{Host->CursorX(), Host->CursorY()};
    std::optional<TPoint> menuAt;
    Host->OnIdleWait = [&](int32_t) {
        for (HWND top : GetTopLevelWindows())
            if (dynamic_cast<TKsPopupWindow*>(FindControl(top)) && IsWindowVisible(top)) {
                if (!menuAt) menuAt = GetWindowRect(top).TopLeft();
                // The first item, "&Restore".
                Host->TypeKey(top, VK_DOWN);
                Host->TypeKey(top, VK_RETURN);
                return;
            }
    };
    TrayEvent(TPlatformEventKind::TrayContextMenu);
    Host->OnIdleWait = nullptr;
    Pump();
    ASSERT_TRUE(menuAt);
    EXPECT_EQ(*menuAt, cursor);
    EXPECT_EQ(Component->WindowState(), TKsWindowState::kwsNormal);
    EXPECT_EQ(PlatformIcon(), nullptr);
}

} // namespace
} // namespace brisat::test
