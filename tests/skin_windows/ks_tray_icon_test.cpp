// The skinned form's tray record on the headless platform: the tip and the picture the icon
// shows, adding and deleting it, and what its notifications do to the window.
#include "skin_windows/ks_tray_icon.h"

#include "framework/windowing/notify_icon.h"
#include "skin/bitmap/bitmap.h"
#include "skin_window_fixture.h"

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

TEST_F(TrayIconTest, TheIconShowsTheWindowsPictureWithTheKeyPixelClear) {
    TKsCustomForm& form = AddFormComponent();
    TKsTrayIcon tray(form);
    TKsBitmap picture;
    picture.SetSize(2, 1);
    picture.SetPixels(0, 0, 0xFF123456);
    picture.SetPixels(1, 0, ksKeyPixel);
    tray.SetIcon(&picture);
    EXPECT_EQ(PlatformIcon(), nullptr); // nothing shown before Add
    tray.Add();
    ASSERT_NE(PlatformIcon(), nullptr);
    ASSERT_EQ(PlatformIcon()->Images().size(), 1u);
    EXPECT_EQ(PlatformIcon()->Images()[0].Pixels, (std::vector<uint32_t>{0xFF123456, 0}));

    // A new picture reaches the shown icon; no picture leaves it empty.
    picture.SetPixels(0, 0, 0xFF00FF00);
    tray.SetIcon(&picture);
    EXPECT_EQ(PlatformIcon()->Images()[0].Pixels[0], 0xFF00FF00u);
    tray.SetIcon(nullptr);
    EXPECT_TRUE(PlatformIcon()->Images().empty());

    tray.Delete();
    EXPECT_FALSE(tray.Shown());
    EXPECT_EQ(PlatformIcon(), nullptr);
    tray.Delete();
}

} // namespace
} // namespace brisat::test
