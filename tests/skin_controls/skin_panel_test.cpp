#include "framework/core/exceptions.h"
#include "skin/objects/skin_object.h"
#include "skin_controls/se_skin_panel.h"
#include "skin_controls/skin_control_fixture.h"

using namespace brisat;
using namespace brisat::test;

namespace {

class SkinPanelTest : public SkinControlTest {
protected:
    // Clicks the caption button of Panel with the mouse.
    void ClickButton(TKsCustomPanel& panel) {
        const TRect b = panel.GetButtonRect();
        const TPoint p = OnForm(panel, b.Left + b.Width() / 2, b.Top + b.Height() / 2);
        Pump();
        Host->Advance(1000);
        Host->Click(Window(), p.X, p.Y);
        Pump();
    }
};

// Rolling keeps the caption only and refuses height changes until rolled down, which restores
// the height it had; OnRollup fires both ways.
TEST_F(SkinPanelTest, RolledPanelKeepsItsHeightUntilRolledDown) {
    auto& panel = Add<TSeSkinPanel>(Bounds(10, 10, 120, 90));
    int rollups = 0;
    panel.OnRollup = [&](TComponent&) { ++rollups; };
    ClickButton(panel);
    EXPECT_TRUE(panel.Rolled());
    EXPECT_EQ(panel.Height(), 20 + 2 * 1);
    panel.SetBounds(5, 6, 140, 300);
    EXPECT_EQ(panel.BoundsRect(), Bounds(5, 6, 140, 22));
    ClickButton(panel);
    EXPECT_FALSE(panel.Rolled());
    EXPECT_EQ(panel.Height(), 90);
    EXPECT_EQ(rollups, 2);
    panel.SetHeight(70);
    EXPECT_EQ(panel.Height(), 70);
}

// The hide button hides the panel after OnHide and before OnButtonClick.
TEST_F(SkinPanelTest, HideButtonHidesBetweenItsEvents) {
    auto& panel = Add<TSeSkinPanel>(Bounds(10, 10, 120, 90));
    panel.SetButtonKind(TKsPanelButtonKind::pbkHide);
    std::vector<std::string> events;
    panel.OnHide = [&](TComponent&) { events.push_back(panel.Visible() ? "hide:shown" : "hide"); };
    panel.OnButtonClick = [&](TComponent&) {
        events.push_back(panel.Visible() ? "click:shown" : "click:hidden");
    };
    ClickButton(panel);
    EXPECT_EQ(events, (std::vector<std::string>{"hide:shown", "click:hidden"}));
    EXPECT_FALSE(panel.Rolled());
}

// A press on the button shows it pressed only while the pointer stays on it; releasing away
// from it clicks nothing.
TEST_F(SkinPanelTest, ButtonPressFollowsThePointer) {
    auto& panel = Add<TSeSkinPanel>(Bounds(10, 10, 120, 90));
    const TRect b = panel.GetButtonRect();
    const TPoint on = OnForm(panel, b.Left + 2, b.Top + 2);
    Pump();
    Host->MouseMove(Window(), on.X, on.Y);
    Pump();
    EXPECT_TRUE(panel.ButtonHot());
    Host->MouseDown(Window(), on.X, on.Y);
    Pump();
    EXPECT_TRUE(panel.ButtonPressed());
    Host->MouseMove(Window(), on.X - 40, on.Y + 30);
    Pump();
    EXPECT_FALSE(panel.ButtonPressed());
    EXPECT_FALSE(panel.ButtonHot());
    Host->MouseUp(Window(), on.X - 40, on.Y + 30);
    Pump();
    EXPECT_FALSE(panel.Rolled());
}

TEST_F(SkinPanelTest, ChildrenAlignInsideBorderBevelAndCaption) {
    auto& panel = Add<TSeSkinPanel>(Bounds(10, 10, 120, 90));
    auto& child = Add<TKsCustomPanel>(Bounds(0, 0, 10, 10), &panel);
    child.SetAlign(TAlign::alClient);
    EXPECT_EQ(child.BoundsRect(), Rect(4, 24, 116, 86));
    panel.SetShowCaption(false);
    panel.SetShowBevel(false);
    EXPECT_EQ(child.BoundsRect(), Rect(3, 3, 117, 87));
    EXPECT_THROW(panel.SetBorderWidth(-1), EInvalidOperation);
    EXPECT_THROW(panel.SetBevelWidth(257), EInvalidOperation);
    EXPECT_EQ(panel.BorderWidth(), 3);
}

// Plain: etched bevel and a button-face caption bar. Skinned: "Frame" and "Caption"; a skin
// without "Frame" leaves the transparent panel showing the form.
TEST_F(SkinPanelTest, DrawsPlainThenSkinnedPieceByPiece) {
    auto& panel = Add<TSeSkinPanel>(Bounds(10, 10, 120, 90));
    panel.SetColor(clBlack);
    EXPECT_EQ(At(panel, 0, 0), Rgb(clBtnShadow));
    EXPECT_EQ(At(panel, 1, 1), Rgb(clBtnHighlight));
    EXPECT_EQ(At(panel, 10, 10), Rgb(clBtnFace));
    EXPECT_EQ(At(panel, 10, 50), 0x000000u);

    panel.SetSkinEngine(Engine);
    LoadSkin(ControlSkin());
    EXPECT_EQ(At(panel, 0, 0), Rgb(kSkinFrame));
    EXPECT_EQ(At(panel, 5, 5), Rgb(kSkinCaption));
    EXPECT_EQ(At(panel, 10, 50), Rgb(kSkinFrame));

    TSeSkinBody noFrame = ControlSkin();
    noFrame.Objects[0]->FindObject("Frame")->Free();
    LoadSkin(std::move(noFrame));
    EXPECT_EQ(At(panel, 10, 50), Rgb(clWhite));
}

// The rolled button falls back to "Button" when the skin has no "ButtonRolldown"; hot and
// pressed states reach the object.
TEST_F(SkinPanelTest, RolledButtonFallsBackToTheButtonObject) {
    TSeSkinBody body = ControlSkin();
    body.Objects[0]->FindObject("ButtonRollup")->SetColor(clYellow);
    LoadSkin(std::move(body));
    auto& panel = Add<TSeSkinPanel>(Bounds(10, 10, 120, 90));
    panel.SetSkinEngine(Engine);
    const TRect b = panel.GetButtonRect();
    EXPECT_EQ(At(panel, b.Left + 3, b.Top + 3), Rgb(clYellow));
    panel.SetRolled(true);
    EXPECT_EQ(At(panel, b.Left + 3, b.Top + 3), Rgb(kSkinFace));
    const TPoint on = OnForm(panel, b.Left + 3, b.Top + 3);
    Host->MouseMove(Window(), on.X, on.Y);
    EXPECT_EQ(At(panel, b.Left + 3, b.Top + 3), Rgb(kSkinHot));
    Host->MouseDown(Window(), on.X, on.Y);
    EXPECT_EQ(At(panel, b.Left + 3, b.Top + 3), Rgb(kSkinPressed));
}

// The skin's "Caption" sets the caption height; when the skin goes, the panel's own height
// comes back, also when it was never saved before the skin set its own.
TEST_F(SkinPanelTest, CaptionHeightFollowsTheSkinAndReturns) {
    auto& panel = Add<TSeSkinPanel>(Bounds(10, 10, 120, 90));
    panel.SetCaptionHeight(25);
    LoadSkin(ControlSkin());
    panel.SetSkinEngine(Engine);
    EXPECT_EQ(panel.CaptionHeight(), 18);
    TSeSkinBody noCaption = ControlSkin();
    noCaption.Objects[0]->FindObject("Caption")->Free();
    LoadSkin(std::move(noCaption));
    EXPECT_EQ(panel.CaptionHeight(), 25);
    LoadSkin(ControlSkin());
    EXPECT_EQ(panel.CaptionHeight(), 18);
    panel.SetSkinEngine(nullptr);
    EXPECT_EQ(panel.CaptionHeight(), 25);
}

} // namespace
