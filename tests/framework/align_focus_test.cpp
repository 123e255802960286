#include "framework/controls/form.h"
#include "headless_fixture.h"
#include "test_controls.h"

using namespace brisat;

namespace {

class AlignFocusTest : public HeadlessTest {
protected:
    void SetUp() override {
        HeadlessTest::SetUp();
        form = &App->CreateForm<TForm>();
        form->SetBorderStyle(TFormBorderStyle::bsNone);
        form->SetBounds(0, 0, 300, 200);
    }

    template <class T = TTestPanel> T& Child(TWinControl& parent, TRect bounds) {
        T& c = CreateOwned<T>(*form);
        c.SetBoundsRect(bounds);
        c.SetParent(&parent);
        return c;
    }

    TWinControl* TabFocus() const { return FindControl(GetFocus()); }

    TForm* form = nullptr;
};

// The framework's order: all top-aligned controls, then bottom, left, right, and client last;
// within one alignment by position (a tie keeps the earlier control first).
TEST_F(AlignFocusTest, AlignedControlsShareTheClientAreaInTheFrameworksOrder) {
    auto& client = Child(*form, Bounds(0, 0, 10, 10));
    client.SetAlign(TAlign::alClient);
    auto& right = Child(*form, Bounds(0, 0, 30, 10));
    right.SetAlign(TAlign::alRight);
    auto& left2 = Child(*form, Bounds(50, 0, 25, 10));
    left2.SetAlign(TAlign::alLeft);
    auto& left1 = Child(*form, Bounds(0, 0, 20, 10));
    left1.SetAlign(TAlign::alLeft);
    auto& bottom = Child(*form, Bounds(0, 0, 10, 15));
    bottom.SetAlign(TAlign::alBottom);
    auto& top = Child(*form, Bounds(0, 0, 10, 12));
    top.SetAlign(TAlign::alTop);
    auto& box = Child<TTestBox>(*form, Bounds(0, 50, 10, 8));
    box.SetAlign(TAlign::alTop);

    EXPECT_EQ(top.BoundsRect(), Bounds(0, 0, 300, 12));
    EXPECT_EQ(box.BoundsRect(), Bounds(0, 12, 300, 8));
    EXPECT_EQ(bottom.BoundsRect(), Bounds(0, 185, 300, 15));
    EXPECT_EQ(left1.BoundsRect(), Bounds(0, 20, 20, 165));
    EXPECT_EQ(left2.BoundsRect(), Bounds(20, 20, 25, 165));
    EXPECT_EQ(right.BoundsRect(), Bounds(270, 20, 30, 165));
    EXPECT_EQ(client.BoundsRect(), Bounds(45, 20, 225, 165));

    // Resizing the parent, hiding a control and moving one past another realign.
    form->SetBounds(0, 0, 400, 300);
    EXPECT_EQ(client.BoundsRect(), Bounds(45, 20, 325, 265));
    top.Hide();
    EXPECT_EQ(box.BoundsRect(), Bounds(0, 0, 400, 8));
    left1.SetLeft(100);
    EXPECT_EQ(left2.BoundsRect(), Bounds(0, 8, 25, 277));
    EXPECT_EQ(left1.BoundsRect(), Bounds(25, 8, 20, 277));
}

TEST_F(AlignFocusTest, AnchorsFollowTheParentsSize) {
    struct Case {
        TAnchors anchors;
        TRect after;
    };
    const Case cases[] = {
        {{TAnchorKind::akLeft, TAnchorKind::akTop}, Bounds(10, 20, 30, 40)},
        {{TAnchorKind::akRight, TAnchorKind::akBottom}, Bounds(110, 70, 30, 40)},
        {{TAnchorKind::akLeft, TAnchorKind::akRight, TAnchorKind::akTop}, Bounds(10, 20, 130, 40)},
        {{TAnchorKind::akLeft, TAnchorKind::akTop, TAnchorKind::akBottom}, Bounds(10, 20, 30, 90)},
        {{}, Bounds(60, 45, 30, 40)},
    };
    for (const Case& c : cases) {
        form->SetBounds(0, 0, 300, 200);
        auto& p = Child(*form, Bounds(10, 20, 30, 40));
        p.SetAnchors(c.anchors);
        form->SetBounds(0, 0, 400, 250);
        EXPECT_EQ(p.BoundsRect(), c.after) << c.anchors.Bits();
        p.Free();
    }
}

// Tab walks the tab order depth first, skipping controls that are not tab stops, hidden or
// disabled; Shift+Tab walks back; a control that wants Tab (WM_GETDLGCODE) keeps it.
TEST_F(AlignFocusTest, TabMovesTheFocusInTabOrder) {
    auto& a = Child(*form, Bounds(0, 0, 10, 10));
    auto& group = Child(*form, Bounds(0, 20, 100, 50));
    auto& b = Child(group, Bounds(0, 0, 10, 10));
    auto& c = Child(group, Bounds(20, 0, 10, 10));
    auto& d = Child(*form, Bounds(0, 80, 10, 10));
    auto& hidden = Child(*form, Bounds(0, 100, 10, 10));
    for (TWinControl* w : {&a, &b, &c, &d, &hidden})
        w->SetTabStop(true);
    c.SetTabOrder(0); // before b
    hidden.Hide();
    d.SetEnabled(false);
    form->Show();
    Pump();
    EXPECT_TRUE(a.Focused()) << "activation focuses the first tab stop";

    std::vector<TWinControl*> seen;
    for (int i = 0; i < 4; ++i) {
        Host->TypeKey(form->Handle(), VK_TAB);
        Pump();
        seen.push_back(TabFocus());
    }
    EXPECT_EQ(seen, (std::vector<TWinControl*>{&c, &b, &a, &c}));
    Host->KeyDown(form->Handle(), VK_TAB, PlatformShift);
    Pump();
    EXPECT_TRUE(a.Focused());
    EXPECT_EQ(form->ActiveControl(), &a);

    // A control that takes Tab itself sees the key.
    uint16_t typed = 0;
    a.OnKeyDown = [&typed](TComponent&, uint16_t& key, TShiftState) { typed = key; };
    TWndMethod inherited = a.WindowProc;
    a.WindowProc = [inherited](TMessage& m) {
        if (m.Msg == WM_GETDLGCODE) {
            m.Result = DLGC_WANTTAB;
            return;
        }
        inherited(m);
    };
    Host->TypeKey(form->Handle(), VK_TAB);
    Pump();
    EXPECT_TRUE(a.Focused());
    EXPECT_EQ(typed, VK_TAB);
    a.WindowProc = inherited;
    a.OnKeyDown = nullptr;
}

TEST_F(AlignFocusTest, FocusCannotGoToHiddenOrDisabledControlsAndLeavesWithThem) {
    auto& a = Child(*form, Bounds(0, 0, 10, 10));
    auto& b = Child(*form, Bounds(20, 0, 10, 10));
    std::vector<std::string> log;
    a.OnEnter = [&log](TComponent&) { log.push_back("enter a"); };
    a.OnExit = [&log](TComponent&) { log.push_back("exit a"); };
    form->Show();
    Pump();
    b.SetEnabled(false);
    EXPECT_THROW(b.SetFocus(), EInvalidOperation);
    a.SetFocus();
    EXPECT_TRUE(a.Focused());
    a.Hide();
    EXPECT_FALSE(a.Focused());
    EXPECT_EQ(log, (std::vector<std::string>{"enter a", "exit a"}));
    a.OnEnter = nullptr;
    a.OnExit = nullptr;
    // Destroying the active control clears the form's reference.
    a.Show();
    a.SetFocus();
    a.Free();
    EXPECT_EQ(form->ActiveControl(), nullptr);
    std::vector<TWinControl*> tabs;
    form->GetTabOrderList(tabs);
    EXPECT_EQ(tabs, (std::vector<TWinControl*>{&b}));
}

} // namespace

namespace {

// Keys the focused control does not want and the form does not use for navigation are offered
// to every control, as default and cancel buttons expect; the wheel goes to the focused control
// first and then to its parents.
TEST_F(AlignFocusTest, DialogKeysReachEveryControlAndTheWheelBubblesUp) {
    auto& group = Child(*form, Bounds(0, 0, 100, 50));
    auto& focused = Child(group, Bounds(0, 0, 10, 10));
    auto& cancel = Child(group, Bounds(20, 0, 10, 10));
    std::vector<uint16_t> taken;
    const TWndMethod inherited = cancel.WindowProc;
    cancel.WindowProc = [&taken, inherited](TMessage& m) {
        if (m.Msg == CM_DIALOGKEY && m.WParam == VK_ESCAPE) {
            taken.push_back(uint16_t(m.WParam));
            m.Result = 1;
            return;
        }
        inherited(m);
    };
    std::vector<uint16_t> typed;
    focused.OnKeyDown = [&typed](TComponent&, uint16_t& key, TShiftState) { typed.push_back(key); };
    int down = 0, up = 0;
    focused.OnMouseWheelDown = [&down](TComponent&, TShiftState, TPoint, bool& handled) {
        ++down;
        handled = true;
    };
    form->OnMouseWheelUp = [&up](TComponent&, TShiftState, TPoint, bool&) { ++up; };
    form->Show();
    focused.SetFocus();
    Pump();
    Host->TypeKey(form->Handle(), VK_ESCAPE);
    Host->TypeKey(form->Handle(), VK_RETURN);
    Host->Wheel(form->Handle(), 5, 5, -120);
    Host->Wheel(form->Handle(), 5, 5, 240);
    Pump();
    EXPECT_EQ(taken, (std::vector<uint16_t>{VK_ESCAPE}));
    EXPECT_EQ(typed, (std::vector<uint16_t>{VK_RETURN})) << "nobody took Enter";
    EXPECT_EQ(down, 1);
    EXPECT_EQ(up, 1) << "the focused control left it to its form";
    cancel.WindowProc = inherited;
    focused.OnKeyDown = nullptr;
    focused.OnMouseWheelDown = nullptr;
    form->OnMouseWheelUp = nullptr;
}

} // namespace

namespace {

TEST_F(AlignFocusTest, ResizeEventsMayLimitOrRefuseANewSize) {
    auto& p = Child(*form, Bounds(0, 0, 50, 50));
    p.OnConstrainedResize = [](TControl&, int32_t& minW, int32_t&, int32_t& maxW, int32_t&) {
        minW = 20;
        maxW = 80;
    };
    p.SetBounds(5, 5, 200, 60);
    EXPECT_EQ(p.BoundsRect(), Bounds(5, 5, 80, 60));
    p.SetWidth(3);
    EXPECT_EQ(p.Width(), 20);
    p.OnCanResize = [](TControl&, int32_t&, int32_t& h, bool& resize) { resize = h < 100; };
    p.SetBounds(7, 7, 40, 150);
    EXPECT_EQ(p.BoundsRect(), Bounds(7, 7, 20, 60)) << "refused size, accepted move";
    p.SetAlign(TAlign::alClient);
    EXPECT_EQ(p.BoundsRect(), Bounds(0, 0, 20, 60)) << "alignment cannot override the events";
    p.OnCanResize = nullptr;
    p.OnConstrainedResize = nullptr;
}

} // namespace
