// Where top-level windows go besides where the program puts them: a sizable window keeps within
// the tracking sizes its procedure answers and tells its native window (the window manager) the
// same limits, maximises within them, takes the place and size the window manager gives it
// without sending it back, and a dialog shown modally without a place of its own opens centred
// on the form it was opened from.
#include "framework/controls/form.h"
#include "headless_fixture.h"

using namespace brisat;

namespace {

// A sizable form from 200 × 150 to 400 × 300, frame included.
class TLimitedForm : public TForm {
public:
    explicit TLimitedForm(TComponent* owner) : TForm(owner) {}

protected:
    void WndProc(TMessage& m) override {
        if (m.Msg == WM_GETMINMAXINFO) {
            auto* info = reinterpret_cast<TMinMaxInfo*>(m.LParam);
            info->ptMinTrackSize = {200, 150};
            info->ptMaxTrackSize = {400, 300};
            return;
        }
        TForm::WndProc(m);
    }
};

class WindowPlacement : public HeadlessTest {
protected:
    void SetUp() override {
        HeadlessTest::SetUp();
        Host->SetMonitors({{{0, 0, 1920, 1080}, {0, 30, 1920, 1080}, true}});
        form = &App->CreateForm<TLimitedForm>();
        form->SetBounds(100, 100, 300, 200);
        form->Show();
        Pump();
    }

    TLimitedForm* form = nullptr;
};

TEST_F(WindowPlacement, SizableWindowKeepsWithinItsLimitsWhichItsNativeWindowIsTold) {
    const HWND h = form->Handle();
    EXPECT_EQ(Native(h).SizeLimits(), (TSizeLimits{200, 150, 400, 300}));
    form->SetBounds(100, 100, 50, 50);
    EXPECT_EQ(form->BoundsRect(), Bounds(100, 100, 200, 150));
    form->SetBounds(100, 100, 2000, 2000);
    EXPECT_EQ(form->BoundsRect(), Bounds(100, 100, 400, 300));

    // The right edge dragged past the maximum stops there.
    form->SetBounds(100, 100, 300, 200);
    Host->MouseDown(h, 299, 100);
    Host->MouseMove(h, 599, 100);
    Host->MouseUp(h, 599, 100);
    Pump();
    EXPECT_EQ(form->BoundsRect(), Bounds(100, 100, 400, 200));

    // A fixed frame is the program's to size alone.
    form->SetBorderStyle(TFormBorderStyle::bsDialog);
    EXPECT_EQ(Native(h).SizeLimits(), std::nullopt);
}

TEST_F(WindowPlacement, CaptionDoubleClickMaximisesWithinTheLimitsAndAgainRestores) {
    const HWND h = form->Handle();
    Host->Click(h, 150, 10);
    Host->Click(h, 150, 10);
    Pump();
    EXPECT_EQ(form->WindowState(), TWindowState::wsMaximized);
    EXPECT_EQ(form->BoundsRect(), Bounds(0, 30, 400, 300));
    Host->Click(h, 150, 10);
    Host->Click(h, 150, 10);
    Pump();
    EXPECT_EQ(form->BoundsRect(), Bounds(100, 100, 300, 200));
}

TEST_F(WindowPlacement, PlaceFromTheWindowManagerIsTakenWithinTheLimitsAndNotSentBack) {
    const HWND h = form->Handle();
    const int32_t clientWidth = form->ClientWidth();
    TPlatformEvent moved;
    moved.Kind = TPlatformEventKind::Moved;
    moved.Window = uint32_t(h);
    moved.Bounds = {500, 400, 850, 650};
    Host->Inject(moved);
    Pump();
    EXPECT_EQ(form->BoundsRect(), Bounds(500, 400, 350, 250));
    EXPECT_EQ(form->ClientWidth(), clientWidth + 50);
    EXPECT_EQ(Native(h).Bounds(), (TScreenRect{100, 100, 400, 300}));

    // A size past the limits is kept to them; the next present gives it back to the window.
    moved.Bounds = {0, 0, 1920, 1080};
    Host->Inject(moved);
    Pump();
    EXPECT_EQ(form->BoundsRect(), Bounds(0, 0, 400, 300));
}

TEST_F(WindowPlacement, ModalDialogWithoutAPlaceOpensCentredOnTheActiveForm) {
    TForm dialog(nullptr);
    dialog.SetBounds(0, 0, 120, 60);
    TRect shown;
    dialog.OnShow = [&](TComponent&) {
        shown = dialog.BoundsRect();
        dialog.SetModalResult(mrOk);
    };
    EXPECT_EQ(dialog.ShowModal(), mrOk);
    EXPECT_EQ(shown, Bounds(100 + 90, 100 + 70, 120, 60));

    // Shown modelessly it stays where it was put.
    TForm other(nullptr);
    other.SetBounds(10, 20, 120, 60);
    other.Show();
    EXPECT_EQ(other.BoundsRect(), Bounds(10, 20, 120, 60));
}

} // namespace
