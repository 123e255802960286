#include "framework/windowing/caret.h"
#include "framework/windowing/clipboard.h"
#include "framework/controls/form.h"
#include "framework/controls/screen.h"
#include "headless_fixture.h"
#include "test_controls.h"

#include <string>
#include <vector>

using namespace brisat;

namespace {

class ControlsTest : public HeadlessTest {
protected:
    void SetUp() override {
        HeadlessTest::SetUp();
        form = &App->CreateForm<TForm>();
        form->SetBorderStyle(TFormBorderStyle::bsNone);
        form->SetBounds(50, 50, 200, 100);
        form->SetColor(clWhite);
        box = &CreateOwned<TTestBox>(*form);
        box->SetBounds(10, 10, 40, 20);
        box->SetParent(form);
        form->Show();
        Pump();
        h = form->Handle();
    }

    void LogMouse(TControl& c) {
        c.OnMouseDown = [this](TControl&, TMouseButton b, TShiftState s, int32_t x, int32_t y) {
            Log.push_back("down " + std::to_string(int(b)) + " " + std::to_string(x) + "," +
                          std::to_string(y) +
                          (s.Contains(TShiftStateKind::ssDouble) ? " double" : ""));
        };
        c.OnMouseMove = [this](TControl&, TShiftState s, int32_t x, int32_t y) {
            Log.push_back("move " + std::to_string(x) + "," + std::to_string(y) +
                          (s.Contains(TShiftStateKind::ssLeft) ? " left" : ""));
        };
        c.OnMouseUp = [this](TControl&, TMouseButton, TShiftState, int32_t x, int32_t y) {
            Log.push_back("up " + std::to_string(x) + "," + std::to_string(y));
        };
        c.OnClick = [this](TComponent&) { Log.push_back("click"); };
        c.OnDblClick = [this](TComponent&) { Log.push_back("dblclick"); };
    }

    TForm* form = nullptr;
    TTestBox* box = nullptr;
    HWND h = 0;
    std::vector<std::string> Log;
};

// A windowless control gets its parent's mouse messages in its own coordinates, keeps them while
// the button is held (capture), and clicks only when released inside.
TEST_F(ControlsTest, WindowlessControlsGetTheMouseWithCaptureClicksAndDoubleClicks) {
    LogMouse(*box);
    Host->MouseDown(h, 15, 15);
    Host->MouseMove(h, 150, 80);
    Host->MouseUp(h, 150, 80);
    Pump();
    EXPECT_EQ(Log, (std::vector<std::string>{"down 0 5,5", "move 140,70 left", "up 140,70"}));
    EXPECT_EQ(Host->Capture(), 0u);

    Log.clear();
    Host->Advance(1000);
    Host->Click(h, 20, 20);
    Host->Click(h, 21, 20);
    Pump();
    EXPECT_EQ(Log, (std::vector<std::string>{"down 0 10,10", "click", "up 10,10", "dblclick",
                                             "down 0 11,10 double", "click", "up 11,10"}));

    // Over the parent only, nothing reaches the box.
    Log.clear();
    Host->Advance(1000);
    Host->Click(h, 100, 60, TPlatformButton::Right);
    Pump();
    EXPECT_TRUE(Log.empty());
}

TEST_F(ControlsTest, MouseEnterAndLeaveFollowThePointerAndTheCursorFollowsTheControl) {
    auto& panel = CreateOwned<TTestPanel>(*form);
    panel.SetBounds(100, 10, 50, 50);
    panel.SetParent(form);
    std::vector<std::string> log;
    const auto watch = [&log](TControl& c, const std::string& name) {
        TWndMethod inherited = c.WindowProc;
        c.WindowProc = [&log, name, inherited](TMessage& m) {
            if (m.Msg == CM_MOUSEENTER) log.push_back("enter " + name);
            if (m.Msg == CM_MOUSELEAVE) log.push_back("leave " + name);
            inherited(m);
        };
        return inherited;
    };
    const TWndMethod boxProc = watch(*box, "box");
    const TWndMethod panelProc = watch(panel, "panel");
    const TWndMethod formProc = watch(*form, "form");
    box->SetCursor(crHandPoint);

    Host->MouseMove(h, 5, 5);
    Host->MouseMove(h, 20, 20);
    Pump();
    EXPECT_EQ(Host->Cursor(), crHandPoint);
    Host->MouseMove(h, 120, 20);
    Pump();
    EXPECT_EQ(Host->Cursor(), crArrow);
    Host->MouseMove(h, 60, 60);
    Pump();
    EXPECT_EQ(log, (std::vector<std::string>{"enter form", "enter box", "leave box", "leave form",
                                             "enter panel", "leave panel", "enter form"}));
    Screen().SetCursor(crHourGlass);
    Host->MouseMove(h, 20, 20);
    Pump();
    EXPECT_EQ(Host->Cursor(), crHourGlass);
    Screen().SetCursor(crDefault);
    box->WindowProc = boxProc;
    panel.WindowProc = panelProc;
    form->WindowProc = formProc;
}

TEST_F(ControlsTest, ParentFontAndColorFlowDownUntilAControlSetsItsOwn) {
    auto& panel = CreateOwned<TTestPanel>(*form);
    panel.SetParent(form);
    auto& inner = CreateOwned<TTestBox>(*form);
    inner.SetParent(&panel);
    inner.SetParentColor(true);
    EXPECT_EQ(inner.Color(), panel.Color());

    form->Font().SetName("Tahoma");
    EXPECT_EQ(panel.Font().Name(), "Tahoma");
    EXPECT_EQ(inner.Font().Name(), "Tahoma");
    panel.Font().SetHeight(-20);
    EXPECT_FALSE(panel.ParentFont());
    form->Font().SetName("Verdana");
    EXPECT_EQ(panel.Font().Name(), "Tahoma");
    EXPECT_EQ(inner.Font().Height(), -20);

    panel.SetColor(clTeal);
    EXPECT_EQ(inner.Color(), clTeal);
    EXPECT_TRUE(inner.ParentColor());
    inner.SetColor(clMaroon);
    panel.SetColor(clOlive);
    EXPECT_EQ(inner.Color(), clMaroon);
}

// The caret is inverted over the presented pixels in its on phase and gone in the off phase; the
// back buffer under it keeps what was painted.
TEST_F(ControlsTest, CaretBlinksOverThePresentedPixels) {
    auto& panel = CreateOwned<TTestPanel>(*form);
    panel.SetBounds(100, 10, 50, 50);
    panel.SetColor(clWhite);
    panel.SetParent(form);
    Pump();
    ASSERT_TRUE(CreateCaret(panel.Handle(), 2, 12));
    SetCaretPos(5, 6);
    EXPECT_FALSE(HideCaret(form->Handle())) << "not the owner";
    ShowCaret(panel.Handle());
    Pump();
    EXPECT_EQ(PixelAt(h, 105, 16), 0x000000u);
    EXPECT_EQ(PixelAt(h, 107, 16), 0xFFFFFFu);
    Host->Advance(GetCaretBlinkTime());
    Pump();
    EXPECT_EQ(PixelAt(h, 105, 16), 0xFFFFFFu);
    Host->Advance(GetCaretBlinkTime());
    Pump();
    EXPECT_EQ(PixelAt(h, 105, 16), 0x000000u);
    panel.Hide();
    Pump();
    EXPECT_EQ(PixelAt(h, 105, 16), 0xFFFFFFu);
    panel.Free();
    EXPECT_FALSE(ShowCaret(0)) << "the caret went with its window";
}

TEST_F(ControlsTest, MinimizeRestoreAndClipboard) {
    int minimized = 0, restored = 0;
    App->OnMinimize = [&minimized](TComponent&) { ++minimized; };
    App->OnRestore = [&restored](TComponent&) { ++restored; };
    SendMessage(h, WM_SYSCOMMAND, SC_MINIMIZE, 0);
    EXPECT_TRUE(App->Minimized());
    EXPECT_FALSE(Native(h).Visible());
    App->Minimize();
    App->Restore();
    EXPECT_TRUE(Native(h).Visible());
    EXPECT_EQ(GetActiveWindow(), h);
    EXPECT_EQ(minimized, 1);
    EXPECT_EQ(restored, 1);
    App->OnMinimize = nullptr;
    App->OnRestore = nullptr;

    Clipboard().SetAsText("Привет");
    EXPECT_EQ(Host->ClipboardText(), "Привет");
    EXPECT_TRUE(Clipboard().HasText());
}

} // namespace

namespace {

class TRecordingMenu : public TComponent, public IPopupSource {
public:
    explicit TRecordingMenu(TComponent* owner) : TComponent(owner) {}
    void Popup(int32_t x, int32_t y) override { At.push_back({x, y}); }
    std::vector<TPoint> At;
};

// Right clicks open the popup menu of the control under the pointer (windowless ones too), a
// control without one defers to its parent; characters reach a caption's accelerator when the
// focused control does not take them; the wheel goes to the focused window.
TEST_F(ControlsTest, ContextMenusAcceleratorsAndTheWheel) {
    auto& menu = CreateOwned<TRecordingMenu>(*form);
    box->SetPopupMenu(&menu);
    auto& panel = CreateOwned<TTestPanel>(*form);
    panel.SetBounds(100, 10, 50, 50);
    panel.SetParent(form);
    Host->Click(h, 20, 20, TPlatformButton::Right);
    Host->Advance(1000);
    Host->Click(h, 120, 20, TPlatformButton::Right);
    Pump();
    EXPECT_EQ(menu.At.size(), 1u) << "the panel has no menu, nor its form yet";
    form->SetPopupMenu(&menu);
    Host->Advance(1000);
    Host->Click(h, 120, 20, TPlatformButton::Right);
    Pump();
    ASSERT_EQ(menu.At.size(), 2u);
    EXPECT_EQ(menu.At[0], (TPoint{70, 70}));
    EXPECT_EQ(menu.At[1], (TPoint{170, 70}));
    menu.Free();
    EXPECT_EQ(box->PopupMenu(), nullptr);
    EXPECT_EQ(form->PopupMenu(), nullptr);

    EXPECT_TRUE(IsAccel(U'y', "&Yes"));
    EXPECT_TRUE(IsAccel(U'я', "Сохранить &я"));
    EXPECT_FALSE(IsAccel(U'a', "Save && &Quit"));
    EXPECT_TRUE(IsAccel(U'Q', "Save && &Quit"));
    std::vector<UINT> seen;
    panel.SetCaption("&Options");
    const TWndMethod inherited = panel.WindowProc;
    panel.WindowProc = [&](TMessage& m) {
        if (m.Msg == CM_DIALOGCHAR && IsAccel(char32_t(m.WParam), panel.Caption())) {
            seen.push_back(m.Msg);
            m.Result = 1;
            return;
        }
        if (m.Msg == WM_MOUSEWHEEL) seen.push_back(m.Msg);
        inherited(m);
    };
    std::u32string typed;
    panel.OnKeyPress = [&typed](TComponent&, char32_t& c) { typed += c; };
    panel.SetFocus();
    Host->TypeKey(h, 'X', "x");
    Host->TypeKey(h, 'O', "o");
    Host->Wheel(h, 10, 10, -120);
    Pump();
    EXPECT_EQ(seen, (std::vector<UINT>{CM_DIALOGCHAR, WM_MOUSEWHEEL}));
    EXPECT_EQ(typed, U"x");
    panel.WindowProc = inherited;
    panel.OnKeyPress = nullptr;
}

} // namespace
