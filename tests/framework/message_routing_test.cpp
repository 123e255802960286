#include "framework/controls/form.h"
#include "headless_fixture.h"
#include "test_controls.h"

#include <string>
#include <vector>

using namespace brisat;

namespace {

// A windowed control that takes the left press over itself, as a skinned button does; every
// other message keeps the inherited routing.
class TPressPanel : public TTestPanel {
public:
    using TTestPanel::TTestPanel;
    std::vector<TPoint> Presses;

protected:
    void WMLButtonDown(TMessage& m) override {
        Presses.push_back(LParamToPoint(m.LParam));
    }
};

// A form whose top client band drags the window, as a skinned frame's caption does.
class TBandForm : public TForm {
public:
    using TForm::TForm;

protected:
    void WMNCHitTest(TMessage& m) override {
        TForm::WMNCHitTest(m);
        if (m.Result == HTCLIENT && ScreenToClient(LParamToPoint(m.LParam)).Y < 10)
            m.Result = HTCAPTION;
    }
};

class MessageRoutingTest : public HeadlessTest {};

TEST_F(MessageRoutingTest, AControlOverridesOneHandlerAndKeepsTheRestOfTheRouting) {
    auto& form = App->CreateForm<TForm>();
    form.SetBorderStyle(TFormBorderStyle::bsNone);
    form.SetBounds(50, 50, 200, 100);
    auto& panel = CreateOwned<TPressPanel>(form);
    panel.SetBounds(10, 10, 100, 60);
    panel.SetTabStop(true);
    panel.SetParent(&form);
    auto& box = CreateOwned<TTestBox>(form);
    box.SetBounds(50, 10, 20, 20);
    box.SetParent(&panel);
    box.SetParentColor(true);
    std::vector<std::string> log;
    panel.OnMouseDown = [&log](TControl&, TMouseButton, TShiftState, int32_t, int32_t) {
        log.push_back("panel down");
    };
    panel.OnMouseUp = [&log](TControl&, TMouseButton, TShiftState, int32_t x, int32_t y) {
        log.push_back("panel up " + std::to_string(x) + "," + std::to_string(y));
    };
    panel.OnClick = [&log](TComponent&) { log.push_back("panel click"); };
    panel.OnKeyDown = [&log](TComponent&, uint16_t& key, TShiftState) {
        log.push_back("key " + std::to_string(key));
    };
    box.OnMouseDown = [&log](TControl&, TMouseButton, TShiftState, int32_t x, int32_t y) {
        log.push_back("box down " + std::to_string(x) + "," + std::to_string(y));
    };
    form.Show();
    Pump();
    const HWND h = form.Handle();

    // The override takes the press: no OnMouseDown and no click armed; the release still
    // reaches the inherited handler.
    Host->MouseDown(h, 15, 20);
    Host->MouseUp(h, 16, 20);
    // Over the windowless child the press goes on to the child, not to the override.
    Host->MouseDown(h, 65, 25);
    Host->MouseUp(h, 65, 25);
    Pump();
    ASSERT_EQ(panel.Presses.size(), 1u);
    EXPECT_EQ(panel.Presses[0], (TPoint{5, 10}));
    EXPECT_EQ(log, (std::vector<std::string>{"panel up 6,10", "box down 5,5"}));

    log.clear();
    panel.SetFocus();
    Host->KeyDown(h, 'A');
    Host->KeyUp(h, 'A');
    Pump();
    EXPECT_EQ(log, (std::vector<std::string>{"key 65"}));
    panel.SetCaption("Skinned");
    EXPECT_EQ(GetWindowText(panel.Handle()), "Skinned");
    panel.SetColor(clYellow);
    EXPECT_EQ(box.Color(), clYellow) << "the colour still goes on to the children";
}

TEST_F(MessageRoutingTest, AFormOverridesTheHitTestAndTheDefaultFrameDragsByIt) {
    auto& form = App->CreateForm<TBandForm>();
    form.SetBounds(100, 100, 300, 200);
    form.Show();
    Pump();
    const HWND h = form.Handle();
    const TRect client = GetClientRectInWindow(h);
    EXPECT_EQ(client, Rect(4, 4 + 19, 296, 196)) << "the frame is still the default one";
    const TPoint grab{client.Left + 50, client.Top + 5};
    EXPECT_EQ(SendMessage(h, WM_NCHITTEST, 0, PointToLParam({100 + grab.X, 100 + grab.Y})),
              HTCAPTION);
    EXPECT_EQ(SendMessage(h, WM_NCHITTEST, 0, PointToLParam({100 + grab.X, 100 + grab.Y + 20})),
              HTCLIENT);

    Host->MouseDown(h, grab.X, grab.Y);
    Host->MouseMove(h, grab.X + 30, grab.Y + 40);
    Host->MouseUp(h, grab.X + 30, grab.Y + 40);
    Pump();
    EXPECT_EQ(form.BoundsRect(), Bounds(130, 140, 300, 200));
}

} // namespace
