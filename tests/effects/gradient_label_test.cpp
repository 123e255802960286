#include "effects/gradient_label.h"

#include "framework/controls/form.h"
#include "framework/headless_fixture.h"
#include "framework/graphics/surface.h"

using namespace brisat;

namespace {

uint32_t Grey(uint32_t level) {
    return 0xFF000000u | level << 16 | level << 8 | level;
}

// Black to white: step i of n is grey MulDiv(255, i, n), rounded half away from zero.
TEST(FillGradient, EachDirectionPlacesItsSteps) {
    using D = TDirection;
    struct TProbe {
        int32_t X, Y;
        uint32_t Level;
    };
    struct TCase {
        D Direction;
        int32_t Width, Height;
        std::vector<TProbe> Probes;
    };
    const TCase cases[] = {
        {D::dfLeftRight, 5, 4, {{0, 0, 0}, {1, 2, 64}, {2, 0, 128}, {3, 3, 191}, {4, 3, 255}}},
        {D::dfRightLeft, 5, 4, {{4, 0, 0}, {3, 1, 64}, {0, 3, 255}}},
        {D::dfTopBottom, 5, 4, {{0, 0, 0}, {2, 1, 85}, {0, 2, 170}, {4, 3, 255}}},
        {D::dfBottomTop, 5, 4, {{0, 3, 0}, {1, 2, 85}, {4, 0, 255}}},
        // Edges from-colour, middle to-colour.
        {D::dfInHorizontal, 5, 4, {{0, 0, 0}, {4, 3, 0}, {0, 1, 255}, {3, 2, 255}}},
        {D::dfInHorizontal, 5, 5, {{0, 0, 0}, {0, 1, 128}, {0, 2, 255}, {0, 3, 128}, {0, 4, 0}}},
        {D::dfOutHorizontal, 5, 4, {{0, 2, 0}, {0, 1, 128}, {4, 3, 128}, {0, 0, 255}}},
        {D::dfInVertical, 5, 4, {{0, 0, 0}, {4, 0, 0}, {1, 1, 128}, {3, 1, 128}, {2, 3, 255}}},
        {D::dfOutVertical, 5, 4, {{2, 0, 0}, {1, 0, 128}, {3, 3, 128}, {0, 1, 255}, {4, 1, 255}}},
        // Nested boxes reach the last row and column too.
        {D::dfInRectangle, 5, 5, {{0, 0, 0}, {4, 4, 0}, {1, 3, 128}, {3, 3, 128}, {2, 2, 255}}},
        {D::dfOutRectangle, 5, 5, {{2, 2, 0}, {1, 1, 128}, {3, 2, 128}, {0, 0, 255}, {4, 4, 255}}},
        // A single column has no steps to go: all from-colour.
        {D::dfLeftRight, 1, 3, {{0, 0, 0}, {0, 2, 0}}},
    };
    for (const TCase& c : cases) {
        TSurface surface(c.Width, c.Height);
        FillGradient(surface, clBlack, clWhite, c.Direction);
        for (const TProbe& p : c.Probes)
            EXPECT_EQ(surface.Row(p.Y)[p.X], Grey(p.Level))
                << DirectionInfo.Identifiers[size_t(c.Direction)] << " " << c.Width << "x"
                << c.Height << " at " << p.X << "," << p.Y;
    }
}

TEST(FillGradient, ChannelsMoveTowardsTheirOwnTargets) {
    TSurface surface(3, 1);
    // RGB(255, 0, 10) to RGB(0, 255, 20), colours written 0x00BBGGRR.
    FillGradient(surface, 0x0A00FF, 0x14FF00, TDirection::dfLeftRight);
    EXPECT_EQ(surface.Row(0)[0], 0xFFFF000Au);
    EXPECT_EQ(surface.Row(0)[1], 0xFF7F800Fu); // 255 − 128, 0 + 128, 10 + 5
    EXPECT_EQ(surface.Row(0)[2], 0xFF00FF14u);
}

class GradientLabelTest : public HeadlessTest {
protected:
    void SetUp() override {
        HeadlessTest::SetUp();
        form = &App->CreateForm<TForm>();
        form->SetBorderStyle(TFormBorderStyle::bsNone);
        form->SetBounds(0, 0, 120, 60);
        form->SetColor(Dark);
        label = &CreateOwned<TZeltLiquidLabel>(*form);
        label->SetAutoSize(false);
        label->SetBounds(10, 10, 65, 40);
        label->Font().SetHeight(-16);
        // Full blocks cover whole cells, so covered pixels show the gradient unmixed.
        label->SetCaption("\u2588\u2588\u2588\u2588\u2588\u2588\u2588\u2588\u2588\u2588");
        label->SetTransparent(true);
        label->SetParent(form);
        form->Show();
        Pump();
    }

    // The label's pixel at its own X, Y.
    uint32_t At(int32_t x, int32_t y) { return PixelAt(form->Handle(), 10 + x, 10 + y); }

    static constexpr TColor Dark = 0x203040;
    TForm* form = nullptr;
    TZeltLiquidLabel* label = nullptr;
};

TEST_F(GradientLabelTest, LettersRunFromBlueToBlackOverATransparentGround) {
    const int32_t row = 6;
    EXPECT_EQ(At(0, row), 0x0000FFu) << "leftmost column of the letters is pure blue";
    EXPECT_EQ(At(64, row), 0x000000u) << "rightmost column of the label is pure black";
    EXPECT_EQ(At(32, row), 0x00007Fu); // step 32 of 64: 255 − 128
    // Below the line of text the dark panel shows through.
    EXPECT_EQ(At(5, 35), Rgb(Dark));
    EXPECT_EQ(At(70, row), Rgb(Dark)) << "nothing is drawn outside the label";
}

TEST_F(GradientLabelTest, SettersRepaintAndOpaqueLabelsFillTheirColour) {
    label->SetDirection(TDirection::dfRightLeft);
    label->SetFromColor(clRed);
    label->SetTransparent(false);
    label->SetColor(clWhite);
    Pump();
    EXPECT_EQ(At(64, 6), 0xFF0000u);
    EXPECT_EQ(At(0, 6), 0x000000u);
    EXPECT_EQ(At(5, 35), 0xFFFFFFu);
}

TEST_F(GradientLabelTest, DisabledLabelIsEmbossedWithoutGradient) {
    label->SetEnabled(false);
    Pump();
    EXPECT_EQ(At(0, 6), Rgb(clBtnShadow));
    EXPECT_EQ(At(5, 35), Rgb(Dark));
}

} // namespace
