#include "framework/core/exceptions.h"
#include "framework/widgets/shape_control.h"
#include "skin/objects/skin_object.h"
#include "skin_controls/ks_custom_control.h"
#include "skin_controls/ks_graphic_control.h"
#include "skin_controls/ks_speed_controls.h"
#include "skin_controls/se_skin_control.h"
#include "skin_controls/skin_control_fixture.h"

using namespace brisat;
using namespace brisat::test;

namespace {

// A skinned control drawing its skin object's "Face", or the base's plain fill.
class TTestSkinned : public TSeSkinControl<TKsCustomControl> {
public:
    explicit TTestSkinned(TComponent* owner) : TSeSkinControl(owner, "Button") {}

protected:
    void PaintBuffer() override {
        if (!IsSkinned()) return TKsCustomControl::PaintBuffer();
        TSeSkinObject* face = SkinCopy()->FindObject("Face");
        face->SetBounds(ControlRect());
        face->Draw(Buffer());
    }
};

// A form that answers the blended-form query.
class TBlendedForm : public TForm {
public:
    using TForm::TForm;
    bool Blended = false;

protected:
    void WndProc(TMessage& message) override {
        if (message.Msg == CM_ISOWNERBLENDED) {
            message.Result = Blended;
            return;
        }
        TForm::WndProc(message);
    }
};

using SkinControlBaseTest = SkinControlTest;

// Small resizes keep the buffer; more than one grain too large reallocates it.
TEST_F(SkinControlBaseTest, BufferGrowsAndShrinksInGrainSteps) {
    auto& control = Add<TKsCustomControl>(Bounds(0, 0, 100, 30));
    EXPECT_EQ(control.Buffer().Width(), 120);
    EXPECT_EQ(control.Buffer().Height(), 60);
    const struct {
        int32_t Width;
        int32_t BufferWidth;
    } steps[] = {{110, 120}, {119, 120}, {80, 90}, {60, 90}, {59, 60}, {121, 150}};
    for (const auto& step : steps) {
        control.SetWidth(step.Width);
        EXPECT_EQ(control.Buffer().Width(), step.BufferWidth) << step.Width;
    }
}

// Opaque fills with Color; Blend lays BlendValue/255 of it over the white form.
TEST_F(SkinControlBaseTest, BlendValueMixesTheControlOverTheParent) {
    auto& control = Add<TKsCustomControl>(Bounds(20, 20, 60, 30));
    control.SetColor(clBlack);
    EXPECT_EQ(At(control, 5, 5), 0x000000u);
    control.SetBlend(true);
    const struct {
        int32_t Value;
        uint32_t Pixel;
    } cases[] = {{0, 0xFFFFFF}, {255, 0x000000}, {128, 0x7F7F7F}};
    for (const auto& c : cases) {
        control.SetBlendValue(c.Value);
        EXPECT_EQ(At(control, 5, 5), c.Pixel) << c.Value;
        EXPECT_EQ(At(control, 59, 29), c.Pixel) << c.Value;
    }
    EXPECT_THROW(control.SetBlendValue(256), EInvalidOperation);
    EXPECT_THROW(control.SetBlendValue(-1), EInvalidOperation);
    EXPECT_EQ(control.BlendValue(), 128);
}

// A transparent control shows the parent's background and the parent's windowless children;
// nested in a self-drawn parent it shows that parent's picture.
TEST_F(SkinControlBaseTest, TransparentShowsTheParentAndItsWindowlessChildren) {
    auto& shape = Add<TShape>(Bounds(30, 30, 20, 20));
    shape.Brush().SetColor(clBlue);
    shape.Pen().SetColor(clBlue);
    auto& control = Add<TKsCustomControl>(Bounds(20, 20, 60, 40));
    control.SetTransparent(true);
    EXPECT_EQ(At(control, 2, 2), Rgb(clWhite));
    EXPECT_EQ(At(control, 15, 15), Rgb(clBlue));

    auto& outer = Add<TKsCustomControl>(Bounds(100, 20, 80, 60));
    outer.SetColor(clRed);
    auto& inner = Add<TKsCustomControl>(Bounds(10, 10, 30, 30), &outer);
    inner.SetTransparent(true);
    inner.SetBorderStyle(TBorderStyle::bsSingle);
    EXPECT_EQ(At(inner, 15, 15), Rgb(clRed));
    EXPECT_EQ(At(inner, 0, 0), Rgb(clBtnShadow));
    EXPECT_EQ(At(inner, 29, 29), Rgb(clBtnHighlight));

    // Blended over a transparent face, the background shows whatever the value (give or take
    // the blend's rounding).
    control.SetBlend(true);
    control.SetBlendValue(60);
    EXPECT_NEAR(At(control, 15, 15) & 0xFF, 0xFF, 1);
    EXPECT_EQ(At(control, 15, 15) & 0xFFFF00, 0u);
}

// Windowless self-drawn children of a self-drawn parent are drawn over its picture.
TEST_F(SkinControlBaseTest, GraphicChildrenDrawOverTheParentBuffer) {
    auto& parent = Add<TKsCustomControl>(Bounds(10, 10, 100, 60));
    parent.SetColor(clRed);
    auto& child = CreateOwned<TKsGraphicControl>(*Form);
    child.SetBounds(10, 10, 30, 20);
    child.SetParent(&parent);
    child.SetColor(clBlue);
    EXPECT_EQ(At(parent, 15, 15), Rgb(clBlue));
    EXPECT_EQ(At(parent, 50, 15), Rgb(clRed));
    child.SetTransparent(true);
    EXPECT_EQ(At(parent, 15, 15), Rgb(clRed));
    child.SetTransparent(false);
    child.SetBlend(true);
    child.SetBlendValue(0);
    EXPECT_EQ(At(parent, 15, 15), Rgb(clRed));
}

TEST_F(SkinControlBaseTest, TracksTheMouseOverTheControl) {
    auto& control = Add<TKsCustomControl>(Bounds(10, 10, 50, 30));
    std::vector<std::string> events;
    control.OnMouseEnter = [&](TComponent&) { events.push_back("enter"); };
    control.OnMouseLeave = [&](TComponent&) { events.push_back("leave"); };
    Pump();
    Host->MouseMove(Window(), 20, 20);
    Pump();
    EXPECT_TRUE(control.MouseInControl());
    Host->MouseMove(Window(), 200, 200);
    Pump();
    EXPECT_FALSE(control.MouseInControl());
    EXPECT_EQ(events, (std::vector<std::string>{"enter", "leave"}));
}

// 1703 releases the copy and the control paints plain; 1702 takes the new skin's object.
// Another engine's broadcasts change nothing.
TEST_F(SkinControlBaseTest, SkinChangeSwapsTheLookAndOtherEnginesAreIgnored) {
    auto& control = Add<TTestSkinned>(Bounds(10, 10, 50, 30));
    control.SetColor(clBlack);
    control.SetSkinEngine(Engine);
    EXPECT_FALSE(control.IsSkinned());
    EXPECT_EQ(At(control, 5, 5), 0x000000u);

    LoadSkin(ControlSkin());
    EXPECT_TRUE(control.IsSkinned());
    EXPECT_EQ(At(control, 5, 5), Rgb(kSkinFace));

    TSeSkinBody second = ControlSkin();
    second.Objects[1]->FindObject("Face")->SetColor(clYellow);
    LoadSkin(std::move(second));
    EXPECT_EQ(At(control, 5, 5), Rgb(clYellow));

    auto& other = CreateOwned<TSeSkinEngine>(*Form);
    const WPARAM otherEngine = reinterpret_cast<WPARAM>(&other);
    control.Perform(SkinChangingMessage, otherEngine, LPARAM(otherEngine));
    EXPECT_TRUE(control.IsSkinned());
    const WPARAM own = reinterpret_cast<WPARAM>(Engine);
    control.Perform(SkinChangingMessage, own, LPARAM(own));
    EXPECT_EQ(control.SkinCopy(), nullptr);
    control.Invalidate();
    EXPECT_EQ(At(control, 5, 5), 0x000000u);
    control.Perform(SkinChangedMessage, own, LPARAM(own));
    EXPECT_EQ(At(control, 5, 5), Rgb(clYellow));
}

TEST_F(SkinControlBaseTest, MissingObjectOrRemovedEngineDrawsPlain) {
    LoadSkin(ControlSkin());
    auto& control = Add<TTestSkinned>(Bounds(10, 10, 50, 30));
    control.SetColor(clBlack);
    control.SetSkinObject("NoSuchObject");
    control.SetSkinEngine(Engine);
    EXPECT_FALSE(control.IsSkinned());
    EXPECT_EQ(At(control, 5, 5), 0x000000u);

    control.SetSkinObject("button"); // names compare without case
    control.SetSkinEngine(Engine);
    EXPECT_EQ(At(control, 5, 5), Rgb(kSkinFace));
    Engine->Free();
    Engine = nullptr;
    EXPECT_EQ(control.SkinEngine(), nullptr);
    EXPECT_FALSE(control.IsSkinned());
    EXPECT_EQ(At(control, 5, 5), 0x000000u);
    EXPECT_EQ(control.Version(), "2.8.8");
    control.SetVersion("1.0");
    EXPECT_EQ(control.Version(), "2.8.8");
}

// A blended form needs every paint drawn afresh; otherwise a clean buffer is kept.
TEST_F(SkinControlBaseTest, BlendedOwnerRendersEveryTime) {
    auto& form = App->CreateForm<TBlendedForm>();
    form.SetBounds(0, 0, 100, 100);
    form.Show();
    auto& control = CreateOwned<TKsCustomControl>(form);
    control.SetParent(&form);
    Pump();
    control.SetNeedsRender(false);
    EXPECT_FALSE(control.IsOwnerBlended());
    EXPECT_FALSE(control.RenderBuffer());
    form.Blended = true;
    EXPECT_TRUE(control.IsOwnerBlended());
    EXPECT_TRUE(control.RenderBuffer());
}

// The tool-bar pieces draw nothing at run time and outline themselves while designed.
TEST_F(SkinControlBaseTest, SpeedPiecesOutlineOnlyAtDesignTime) {
    auto& divider = Add<TKsSpeedDivider>(Bounds(10, 10, 8, 30));
    auto& container = Add<TKsSpeedContainer>(Bounds(40, 10, 60, 30));
    EXPECT_EQ(divider.Width(), 8);
    EXPECT_EQ(At(divider, 0, 0), Rgb(clWhite));
    EXPECT_EQ(At(container, 0, 0), Rgb(clWhite));
    EXPECT_EQ(At(container, 59, 29), Rgb(clWhite));
    divider.SetDesigning(true);
    container.SetDesigning(true);
    divider.Invalidate();
    container.Invalidate();
    EXPECT_EQ(divider.Buffer().Pixels(0, 0), ksDesignOutline);
    EXPECT_EQ(container.Buffer().Pixels(59, 29), ksDesignOutline);
    EXPECT_TRUE(container.ControlStyle().Contains(TControlStyleKind::csAcceptsControls));
}

} // namespace
