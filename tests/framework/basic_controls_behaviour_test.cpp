#include "framework/widgets/button.h"
#include "framework/widgets/check_box.h"
#include "framework/widgets/label.h"
#include "framework/widgets/panel.h"
#include "framework/widgets/speed_button.h"
#include "framework/widgets/splitter.h"
#include "headless_fixture.h"

#include <string>
#include <vector>

using namespace brisat;

namespace {

class BasicBehaviourTest : public HeadlessTest {
protected:
    void SetUp() override {
        HeadlessTest::SetUp();
        form = &App->CreateForm<TForm>();
        form->SetBorderStyle(TFormBorderStyle::bsNone);
        form->SetBounds(0, 0, 300, 200);
        form->Show();
        Pump();
        h = form->Handle();
    }

    template <class T> T& Add(const TRect& bounds, TWinControl* parent = nullptr) {
        T& c = CreateOwned<T>(*form);
        c.SetBoundsRect(bounds);
        c.SetParent(parent ? parent : form);
        return c;
    }
    // Counts OnClick of Control in Clicks[Name].
    void CountClicks(TControl& control, const std::string& name) {
        control.OnClick = [this, name](TComponent&) { Clicks.push_back(name); };
    }
    void ClickAt(int32_t x, int32_t y) {
        Host->Advance(1000); // never a double click
        Host->Click(h, x, y);
        Pump();
    }

    TForm* form = nullptr;
    HWND h = 0;
    std::vector<std::string> Clicks;
};

// A press and release inside clicks; the button shows pressed only while the pointer is on it;
// releasing outside, or a disabled button, clicks nothing; the caption's accelerator clicks.
TEST_F(BasicBehaviourTest, SpeedButtonClicksOnReleaseInside) {
    auto& button = Add<TSpeedButton>(Bounds(10, 10, 23, 22));
    button.SetCaption("&Play");
    CountClicks(button, "play");
    Host->MouseDown(h, 15, 15);
    Pump();
    EXPECT_EQ(button.State(), TButtonState::bsDown);
    Host->MouseMove(h, 100, 100);
    Pump();
    EXPECT_EQ(button.State(), TButtonState::bsUp);
    Host->MouseUp(h, 100, 100);
    Pump();
    EXPECT_TRUE(Clicks.empty());

    ClickAt(15, 15);
    EXPECT_EQ(Clicks, std::vector<std::string>{"play"});
    EXPECT_EQ(button.State(), TButtonState::bsUp);
    EXPECT_FALSE(button.Down()) << "only grouped buttons stay down";

    Host->TypeKey(h, 'P', "p");
    Pump();
    EXPECT_EQ(Clicks.size(), 2u);
    button.SetEnabled(false);
    EXPECT_EQ(button.State(), TButtonState::bsDisabled);
    ClickAt(15, 15);
    EXPECT_EQ(Clicks.size(), 2u);
}

// Going down releases the group's other buttons on the same parent; the last one stays down
// unless AllowAllUp; other groups and other parents are left alone.
TEST_F(BasicBehaviourTest, GroupedSpeedButtonsReleaseEachOther) {
    auto& a = Add<TSpeedButton>(Bounds(0, 0, 23, 22));
    auto& b = Add<TSpeedButton>(Bounds(30, 0, 23, 22));
    auto& other = Add<TSpeedButton>(Bounds(60, 0, 23, 22));
    auto& panel = Add<TPanel>(Bounds(0, 100, 100, 40));
    auto& elsewhere = Add<TSpeedButton>(Bounds(0, 0, 23, 22), &panel);
    for (TSpeedButton* button : {&a, &b, &elsewhere})
        button->SetGroupIndex(1);
    other.SetGroupIndex(2);
    other.SetDown(true);
    elsewhere.SetDown(true);
    CountClicks(a, "a");

    ClickAt(5, 5);
    EXPECT_TRUE(a.Down());
    EXPECT_EQ(a.State(), TButtonState::bsExclusive);
    ClickAt(35, 5);
    EXPECT_TRUE(b.Down());
    EXPECT_FALSE(a.Down());
    EXPECT_EQ(a.State(), TButtonState::bsUp);
    EXPECT_TRUE(other.Down());
    EXPECT_TRUE(elsewhere.Down());

    ClickAt(35, 5);
    EXPECT_TRUE(b.Down()) << "the last one down stays down";
    a.SetAllowAllUp(true);
    EXPECT_TRUE(b.AllowAllUp()) << "the group shares AllowAllUp";
    ClickAt(35, 5);
    EXPECT_FALSE(b.Down());
    EXPECT_EQ(Clicks, std::vector<std::string>{"a"});
}

TEST_F(BasicBehaviourTest, SpeedButtonHintsShowAfterThePause) {
    auto& panel = Add<TPanel>(Bounds(0, 0, 200, 32));
    panel.SetShowHint(true);
    auto& button = Add<TSpeedButton>(Bounds(8, 6, 23, 22), &panel);
    button.SetHint("Play");
    EXPECT_TRUE(button.ShowHint()) << "taken from the panel";
    Host->MouseMove(h, 12, 10);
    Pump();
    Host->Advance(App->HintPause());
    Pump();
    ASSERT_NE(App->HintWindow(), nullptr);
    EXPECT_EQ(App->HintControl(), &button);
    EXPECT_TRUE(IsWindowVisible(App->HintWindow()->Handle()));
    EXPECT_EQ(Native(App->HintWindow()->Handle()).Kind(), TPlatformWindowKind::Tooltip);
    // As wide as its text and margins, not the screen.
    EXPECT_LT(App->HintWindow()->Width(), 100);
}

// Enter clicks the default button, or the focused one; Escape the cancel button; Space and a
// mouse press click the focused button; ModalResult ends a modal loop.
TEST_F(BasicBehaviourTest, ButtonsAnswerEnterEscapeSpaceAndEndModalLoops) {
    auto& ok = Add<TButton>(Bounds(10, 10, 75, 25));
    auto& cancel = Add<TButton>(Bounds(100, 10, 75, 25));
    auto& box = Add<TCheckBox>(Bounds(10, 50, 97, 17));
    ok.SetDefault(true);
    cancel.SetCancel(true);
    CountClicks(ok, "ok");
    CountClicks(cancel, "cancel");
    box.SetFocus();
    const auto press = [&](uint32_t key) {
        Host->TypeKey(h, key);
        Pump();
    };
    press(VK_RETURN);
    press(VK_ESCAPE);
    cancel.SetFocus();
    press(VK_RETURN);
    press(VK_SPACE);
    EXPECT_EQ(Clicks, (std::vector<std::string>{"ok", "cancel", "cancel", "cancel"}));
    Host->KeyDown(h, VK_SPACE);
    Pump();
    EXPECT_TRUE(cancel.Pressed());
    Host->KeyUp(h, VK_SPACE);
    Pump();
    EXPECT_FALSE(cancel.Pressed());

    auto& dialog = App->CreateForm<TForm>();
    dialog.SetBounds(50, 50, 200, 100);
    auto& yes = CreateOwned<TButton>(dialog);
    yes.SetParent(&dialog);
    yes.SetDefault(true);
    yes.SetModalResult(mrYes);
    Host->OnIdleWait = [&](int32_t) { Host->TypeKey(dialog.Handle(), VK_RETURN); };
    EXPECT_EQ(dialog.ShowModal(), mrYes);
    Host->OnIdleWait = nullptr;
}

// A click, Space or the accelerator moves to the next state; every change fires OnClick, a
// setter's too, but setting the same state again does not.
TEST_F(BasicBehaviourTest, CheckBoxCyclesItsStatesAndFiresOnClick) {
    auto& box = Add<TCheckBox>(Bounds(10, 10, 97, 17));
    box.SetCaption("&Colors");
    int clicks = 0;
    box.OnClick = [&clicks](TComponent&) { ++clicks; };
    ClickAt(15, 15);
    EXPECT_EQ(box.State(), TCheckBoxState::cbChecked);
    EXPECT_TRUE(box.Focused());
    Host->TypeKey(h, VK_SPACE);
    Pump();
    EXPECT_EQ(box.State(), TCheckBoxState::cbUnchecked);
    box.SetAllowGrayed(true);
    for (TCheckBoxState expected : {TCheckBoxState::cbChecked, TCheckBoxState::cbGrayed,
                                    TCheckBoxState::cbUnchecked}) {
        ClickAt(60, 15);
        EXPECT_EQ(box.State(), expected);
    }
    EXPECT_EQ(clicks, 5);
    box.SetChecked(true);
    box.SetChecked(true);
    EXPECT_EQ(clicks, 6);
    Host->TypeKey(h, 'C', "c");
    Pump();
    EXPECT_EQ(box.State(), TCheckBoxState::cbGrayed);
    Host->MouseDown(h, 15, 15);
    Host->MouseMove(h, 200, 150);
    Host->MouseUp(h, 200, 150);
    Pump();
    EXPECT_EQ(box.State(), TCheckBoxState::cbGrayed) << "released outside";
}

TEST_F(BasicBehaviourTest, LabelAcceleratorFocusesItsControl) {
    auto& label = Add<TLabel>(Bounds(10, 10, 60, 15));
    auto& first = Add<TCheckBox>(Bounds(10, 40, 97, 17));
    auto& target = Add<TCheckBox>(Bounds(10, 70, 97, 17));
    label.SetCaption("&Volume");
    label.SetFocusControl(&target);
    first.SetFocus();
    Host->TypeKey(h, 'V', "v");
    Pump();
    EXPECT_TRUE(target.Focused());
    EXPECT_EQ(target.State(), TCheckBoxState::cbUnchecked) << "focused, not clicked";
    target.Free();
    EXPECT_EQ(label.FocusControl(), nullptr);
}

// A splitter between a client area and a right-aligned list resizes the list as it is dragged,
// keeping it within MinSize and what leaves MinSize for the client area; OnCanResize may alter
// the size, AutoSnap shuts the list below MinSize.
TEST_F(BasicBehaviourTest, SplitterDragResizesItsNeighbourWithinLimits) {
    auto& list = Add<TPanel>(Bounds(0, 0, 1, 10));
    list.SetAlign(TAlign::alRight);
    auto& splitter = Add<TSplitter>(Bounds(0, 0, 5, 10));
    splitter.SetAlign(TAlign::alRight);
    splitter.SetMinSize(30);
    auto& video = Add<TPanel>(Bounds(0, 0, 10, 10));
    video.SetAlign(TAlign::alClient);
    ASSERT_EQ(splitter.Left(), 294);
    ASSERT_EQ(splitter.FindNeighbour(), &list);
    int moved = 0;
    splitter.OnMoved = [&moved](TComponent&) { ++moved; };

    const auto drag = [&](int32_t from, int32_t to) {
        Host->Advance(1000);
        Host->MouseDown(h, from, 50);
        Host->MouseMove(h, to, 50);
        Host->MouseUp(h, to, 50);
        Pump();
    };
    drag(296, 196);
    EXPECT_EQ(list.Width(), 101);
    EXPECT_EQ(splitter.Left(), 194);
    EXPECT_EQ(video.Width(), 194);
    drag(196, 0);
    EXPECT_EQ(list.Width(), 300 - 30 - 5) << "the client area keeps MinSize";
    drag(32, 290);
    EXPECT_EQ(list.Width(), 0) << "snapped shut below MinSize";
    EXPECT_EQ(video.Width(), 295);
    splitter.OnCanResize = [](TSplitter&, int32_t& size, bool& accept) {
        accept = size != 77;
        size = size / 10 * 10;
    };
    drag(297, 224);
    EXPECT_EQ(list.Width(), 70);
    drag(227, 220);
    EXPECT_EQ(list.Width(), 70) << "77 was refused";
    EXPECT_GE(moved, 4);
}

} // namespace
