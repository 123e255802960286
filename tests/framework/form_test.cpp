#include "framework/core/exceptions.h"
#include "framework/controls/form.h"
#include "framework/controls/screen.h"
#include "framework/controls/timer.h"
#include "headless_fixture.h"
#include "test_controls.h"

using namespace brisat;

namespace {

class FormTest : public HeadlessTest {
protected:
    void SetUp() override {
        HeadlessTest::SetUp();
        form = &App->CreateForm<TForm>();
        form->SetBounds(100, 100, 300, 200);
        form->Show();
        Pump();
    }

    TForm* form = nullptr;
};

// The default frame: dragging the caption moves the window, dragging a border sizes it, never
// below the minimum tracking size; the window manager's close button closes the form.
TEST_F(FormTest, CaptionDragMovesAndBorderDragSizesTheWindow) {
    const HWND h = form->Handle();
    const TRect client = GetClientRectInWindow(h);
    EXPECT_EQ(client, Rect(4, 4 + 19, 296, 196));
    EXPECT_EQ(SendMessage(h, WM_NCHITTEST, 0, PointToLParam({150, 110})), HTCAPTION);
    EXPECT_EQ(SendMessage(h, WM_NCHITTEST, 0, PointToLParam({150, 150})), HTCLIENT);

    Host->MouseDown(h, 50, 10);
    Host->MouseMove(h, 80, 30);
    Host->MouseMove(h, 90, 50);
    Host->MouseUp(h, 90, 50);
    Pump();
    EXPECT_EQ(form->BoundsRect(), Bounds(140, 140, 300, 200));
    EXPECT_EQ(Native(h).Bounds(), (TScreenRect{140, 140, 440, 340}));
    EXPECT_EQ(Host->Capture(), 0u);

    struct Case {
        TPoint grab;
        TPoint to;
        TRect after;
    };
    const Case cases[] = {
        {{299, 100}, {349, 100}, Bounds(140, 140, 350, 200)}, // right edge
        {{349, 199}, {359, 219}, Bounds(140, 140, 360, 220)}, // bottom-right corner
        {{0, 100}, {320, 100}, Bounds(388, 140, 112, 220)},   // left edge, held at the minimum
    };
    for (const Case& c : cases) {
        Host->MouseDown(h, c.grab.X, c.grab.Y);
        Host->MouseMove(h, c.to.X, c.to.Y);
        Host->MouseUp(h, c.to.X, c.to.Y);
        Pump();
        EXPECT_EQ(form->BoundsRect(), c.after);
    }

    // The form's resize events hold for sizes from the frame too.
    form->OnConstrainedResize = [](TControl&, int32_t&, int32_t&, int32_t& maxW, int32_t&) {
        maxW = 150;
    };
    Host->MouseDown(h, 111, 100);
    Host->MouseMove(h, 200, 100);
    Host->MouseUp(h, 200, 100);
    Pump();
    EXPECT_EQ(form->Width(), 150);
    form->OnConstrainedResize = nullptr;
}

TEST_F(FormTest, CloseButtonRunsCloseQueryAndTheCloseAction) {
    auto& other = App->CreateForm<TForm>();
    other.SetBounds(0, 0, 200, 100);
    other.Show();
    Pump();
    bool allow = false;
    TCloseAction chosen = TCloseAction::caHide;
    other.OnCloseQuery = [&allow](TComponent&, bool& can) { can = allow; };
    other.OnClose = [&chosen](TComponent&, TCloseAction& a) { a = chosen; };
    const HWND h = other.Handle();
    const TRect close = Bounds(200 - 4 - 2 - 16, 4 + 2, 16, 14);
    const auto clickClose = [&] {
        Host->Advance(1000); // not a double click
        Host->Click(h, close.Left + 4, close.Top + 4);
        Pump();
    };
    clickClose();
    EXPECT_TRUE(other.Visible()) << "the close query refused";
    allow = true;
    chosen = TCloseAction::caNone;
    clickClose();
    EXPECT_TRUE(other.Visible());
    chosen = TCloseAction::caHide;
    clickClose();
    EXPECT_FALSE(other.Visible());
    other.Show();
    chosen = TCloseAction::caFree;
    bool freed = false;
    other.OnDestroy = [&freed](TComponent&) { freed = true; };
    clickClose();
    EXPECT_TRUE(freed);
    EXPECT_FALSE(IsWindow(h));

    // Closing the main form ends the application.
    form->Close();
    Pump();
    EXPECT_TRUE(App->Terminated());
}

// A timer's handler opens a modal form; a second timer closes it from inside the nested loop.
// The first timer comes due again meanwhile but does not enter its handler a second time.
TEST_F(FormTest, ModalLoopRunsInsideATimerCallback) {
    auto& dialog = App->CreateForm<TForm>();
    auto& outer = CreateOwned<TTimer>(*form);
    outer.SetInterval(100);
    auto& closer = CreateOwned<TTimer>(*form);
    closer.SetEnabled(false);
    closer.SetInterval(350);
    int opened = 0, nested = 0;
    TModalResult result = mrNone;
    bool formDisabledInside = false;
    outer.OnTimer = [&](TComponent&) {
        ++opened;
        closer.SetEnabled(true);
        result = dialog.ShowModal();
        outer.SetEnabled(false);
    };
    closer.OnTimer = [&](TComponent&) {
        ++nested;
        closer.SetEnabled(false);
        formDisabledInside = !IsWindowEnabled(form->Handle());
        dialog.SetModalResult(mrOk);
    };
    const uint32_t start = Host->TickCount();
    while (result == mrNone)
        App->HandleMessage();
    EXPECT_EQ(Host->TickCount() - start, 450u);
    EXPECT_EQ(result, mrOk);
    EXPECT_EQ(opened, 1);
    EXPECT_EQ(nested, 1);
    EXPECT_TRUE(formDisabledInside);
    EXPECT_TRUE(IsWindowEnabled(form->Handle()));
    EXPECT_FALSE(dialog.Visible());
    EXPECT_EQ(GetActiveWindow(), form->Handle());
    outer.OnTimer = nullptr;
    closer.OnTimer = nullptr;
    dialog.Show();
    EXPECT_THROW(dialog.ShowModal(), EInvalidOperation);
}

TEST_F(FormTest, TerminatingEndsEveryModalLoopWithCancel) {
    auto& dialog = App->CreateForm<TForm>();
    PostMessage(form->Handle(), WM_USER);
    SetTimer(0, 0, 50, [this](HWND, UINT) { App->Terminate(); });
    EXPECT_EQ(dialog.ShowModal(), mrCancel);
    EXPECT_TRUE(App->Terminated());
}

// An exception that leaves a handler is shown in a message box and the loop goes on.
TEST_F(FormTest, AnExceptionInAHandlerIsShownAndTheLoopGoesOn) {
    auto& panel = CreateOwned<TTestPanel>(*form);
    panel.SetBounds(10, 10, 50, 50);
    panel.SetParent(form);
    int clicks = 0;
    panel.OnClick = [&clicks](TComponent&) {
        if (++clicks == 1) throw EConvertError("'x' is not a valid integer value");
    };
    std::string shown;
    Host->OnIdleWait = [&](int32_t) {
        // The message box is up: read it and press Enter.
        for (HWND top : GetTopLevelWindows())
            if (top != form->Handle() && IsWindowVisible(top) && shown.empty()) {
                shown = GetWindowText(top) + "|" + std::to_string(IsWindowEnabled(form->Handle()));
                Host->TypeKey(top, VK_RETURN);
            }
    };
    const TPoint at = ScreenToClient(form->Handle(), panel.ClientToScreen({5, 5}));
    const TRect client = GetClientRectInWindow(form->Handle());
    Host->Click(form->Handle(), at.X + client.Left, at.Y + client.Top);
    Pump();
    Host->OnIdleWait = nullptr;
    EXPECT_EQ(shown, App->Title() + "|0");
    Host->Click(form->Handle(), at.X + client.Left, at.Y + client.Top);
    Pump();
    EXPECT_EQ(clicks, 2);

    std::string handled;
    App->OnException = [&handled](TComponent&, const std::exception& e) { handled = e.what(); };
    clicks = 0;
    panel.Perform(WM_LBUTTONDOWN, MK_LBUTTON, MakeLParam(5, 5));
    SendMessage(panel.Handle(), WM_LBUTTONUP, 0, MakeLParam(5, 5));
    EXPECT_EQ(handled, "'x' is not a valid integer value");
    panel.OnClick = nullptr;
}

TEST_F(FormTest, PositionStateAndStayOnTopUseTheScreen) {
    Host->SetMonitors({{{0, 0, 800, 600}, {0, 0, 800, 570}, true},
                       {{800, 0, 1824, 768}, {800, 30, 1824, 768}, false}});
    auto& centred = App->CreateForm<TForm>();
    centred.SetBounds(0, 0, 200, 100);
    centred.SetPosition(TPosition::poScreenCenter);
    centred.Show();
    EXPECT_EQ(centred.BoundsRect(), Bounds(300, 250, 200, 100));

    EXPECT_EQ(Screen().MonitorCount(), 2);
    EXPECT_EQ(Screen().MonitorFromPoint({2000, 100}).MonitorNum(), 1);
    EXPECT_EQ(Screen().MonitorFromRect(Bounds(700, 10, 300, 50)).MonitorNum(), 1);
    EXPECT_EQ(Screen().DesktopRect(), Rect(0, 0, 1824, 768));

    centred.SetBounds(900, 100, 200, 100);
    centred.SetWindowState(TWindowState::wsMaximized);
    EXPECT_EQ(centred.BoundsRect(), Rect(800, 30, 1824, 768));
    centred.SetWindowState(TWindowState::wsNormal);
    EXPECT_EQ(centred.BoundsRect(), Bounds(900, 100, 200, 100));

    centred.SetFormStyle(TFormStyle::fsStayOnTop);
    form->Show();
    EXPECT_TRUE(Native(centred.Handle()).TopMost());
    EXPECT_EQ(GetTopLevelWindows().front(), centred.Handle());
    EXPECT_EQ(&Screen().Forms(0), &centred);
}

} // namespace

namespace {

class TCountingHint : public THintWindow {
public:
    explicit TCountingHint(int& shown) : THintWindow(nullptr), m_shown(shown) {}
    void ActivateHint(const TRect& rect, const std::string& hint) override {
        ++m_shown;
        THintWindow::ActivateHint(rect, hint);
    }

private:
    int& m_shown;
};

// Run shows the main form, runs the idle handler whenever the queue is empty, and returns once
// the main form closes; hints come from the replaceable hint window class.
TEST_F(FormTest, RunShowsTheMainFormIdlesAndEndsWhenItCloses) {
    form->Hide();
    auto& panel = CreateOwned<TTestPanel>(*form);
    panel.SetBounds(0, 0, 100, 100);
    panel.SetHint("Volume");
    panel.SetShowHint(true);
    panel.SetParent(form);
    int hints = 0;
    App->SetHintWindowClass([&hints] { return std::make_unique<TCountingHint>(hints); });
    int idles = 0;
    App->OnIdle = [&idles](TComponent&, bool& done) {
        ++idles;
        done = true;
    };
    int step = 0;
    Host->OnIdleWait = [&](int32_t) {
        const HWND h = form->Handle();
        const TRect client = GetClientRectInWindow(h);
        if (step == 0) Host->MouseMove(h, client.Left + 10, client.Top + 10);
        if (step == 3) Host->CloseRequest(h);
        ++step;
    };
    App->Run();
    Host->OnIdleWait = nullptr;
    App->OnIdle = nullptr;
    EXPECT_TRUE(App->Terminated());
    EXPECT_EQ(hints, 1);
    EXPECT_EQ(App->HintControl(), &panel);
    // Switching hints off and on makes a hint window of the current class at once.
    App->SetHintWindowClass([] { return std::make_unique<THintWindow>(nullptr); });
    App->SetShowHint(false);
    EXPECT_EQ(App->HintWindow(), nullptr);
    App->SetShowHint(true);
    ASSERT_NE(App->HintWindow(), nullptr);
    EXPECT_EQ(dynamic_cast<TCountingHint*>(App->HintWindow()), nullptr);
    EXPECT_GE(idles, 4);
    EXPECT_EQ(idles, Host->IdleWaits()) << "one idle handler run per sleep";
}

} // namespace

namespace {

// What the skinned frame and the window magnet build on: a subclass may answer the hit test
// and correct the rectangle while the window is dragged; a window shape limits the hit test
// and becomes the native window's shape.
TEST_F(FormTest, HooksCanTakeOverHitTestingAndSnapTheDraggedWindow) {
    const HWND h = form->Handle();
    SetWindowSubclass(
        h,
        [](HWND w, UINT msg, WPARAM wp, LPARAM lp, uintptr_t) -> LRESULT {
            if (msg == WM_NCHITTEST) {
                const LRESULT hit = DefSubclassProc(w, msg, wp, lp);
                const TPoint p = ScreenToClient(w, LParamToPoint(lp));
                return hit == HTCLIENT && p.Y < 10 ? HTCAPTION : hit;
            }
            if (msg == WM_MOVING) {
                TRect& r = *reinterpret_cast<TRect*>(lp);
                if (std::abs(r.Left) < 20) r = OffsetRect(r, -r.Left, 0);
            }
            return DefSubclassProc(w, msg, wp, lp);
        },
        1);
    const TRect client = GetClientRectInWindow(h);
    const TPoint grab{client.Left + 50, client.Top + 5}; // client area, taken as caption
    Host->MouseDown(h, grab.X, grab.Y);
    Host->MouseMove(h, grab.X - 85, grab.Y + 10);
    Host->MouseUp(h, grab.X - 85, grab.Y + 10);
    Pump();
    EXPECT_EQ(form->BoundsRect(), Bounds(0, 110, 300, 200)) << "snapped: 15 pixels from the edge";
    RemoveWindowSubclass(h, 1);

    TRegion shape(Rect(0, 0, 150, 200));
    SetWindowRgn(h, shape, true);
    ASSERT_EQ(Native(h).Shape().size(), 1u);
    EXPECT_EQ(Native(h).Shape()[0], (TScreenRect{0, 0, 150, 200}));
    EXPECT_EQ(WindowFromPoint({200, 210}), 0u);
    EXPECT_EQ(WindowFromPoint({100, 210}), h);
    SetWindowRgn(h, std::nullopt, true);
    EXPECT_TRUE(Native(h).Shape().empty());
}

} // namespace

namespace {

TEST_F(FormTest, TheDefaultFrameShowsWhetherTheFormIsActive) {
    const HWND h = form->Handle();
    const TPoint caption{40, 10};
    EXPECT_EQ(PixelAt(h, caption.X, caption.Y), Rgb(clActiveCaption));
    auto& other = App->CreateForm<TForm>();
    other.SetBounds(600, 500, 100, 100);
    other.Show();
    Pump();
    EXPECT_EQ(PixelAt(h, caption.X, caption.Y), Rgb(clInactiveCaption));
    EXPECT_EQ(PixelAt(h, 1, 100), Rgb(clBtnHighlight)) << "raised outer edge";
}

} // namespace
