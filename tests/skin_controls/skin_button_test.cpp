#include "framework/core/exceptions.h"
#include "framework/widgets/edit.h"
#include "skin/objects/skin_object.h"
#include "skin_controls/se_skin_button.h"
#include "skin_controls/skin_control_fixture.h"

using namespace brisat;
using namespace brisat::test;

namespace {

class SkinButtonTest : public SkinControlTest {
protected:
    TSeSkinButton& AddButton(const std::string& name, const TRect& bounds) {
        auto& button = Add<TSeSkinButton>(bounds);
        button.SetName(name);
        button.OnClick = [this, name](TComponent&) { Clicks.push_back(name); };
        return button;
    }
    void Key(uint32_t key) {
        Pump();
        Host->KeyDown(Window(), key);
        Host->KeyUp(Window(), key);
        Pump();
    }
    // A glyph of Cells cells of 8 x 8: olive background (transparent), a 4 x 4 square of
    // Colors[i] in the middle of cell i.
    static TBitmap& Glyph(TBitmap& glyph, std::vector<TColor> colors) {
        const int32_t cells = int32_t(colors.size());
        glyph.SetSize(8 * cells, 8);
        glyph.DC().FillRect({0, 0, 8 * cells, 8}, clOlive);
        for (int32_t i = 0; i < cells; ++i)
            glyph.DC().FillRect(Bounds(8 * i + 2, 2, 4, 4), colors[size_t(i)]);
        return glyph;
    }

    std::vector<std::string> Clicks;
};

// Released outside, the press clicks nothing; back inside it shows pressed again.
TEST_F(SkinButtonTest, MousePressClicksOnlyWhenReleasedInside) {
    auto& button = AddButton("b", Bounds(10, 10, 75, 25));
    Pump();
    Host->MouseDown(Window(), 20, 20);
    Pump();
    EXPECT_TRUE(button.Pressed());
    EXPECT_TRUE(button.Focused());
    Host->MouseMove(Window(), 200, 200);
    Pump();
    EXPECT_FALSE(button.Pressed());
    Host->MouseMove(Window(), 30, 20);
    Pump();
    EXPECT_TRUE(button.Pressed());
    Host->MouseMove(Window(), 200, 200);
    Host->MouseUp(Window(), 200, 200);
    Pump();
    EXPECT_TRUE(Clicks.empty());
    EXPECT_FALSE(button.Pressed());
    Host->Advance(1000);
    Host->Click(Window(), 20, 20);
    Pump();
    EXPECT_EQ(Clicks, (std::vector<std::string>{"b"}));
}

// Return clicks the focused button, else the default one; Escape clicks the button whose
// ModalResult is mrCancel, Cancel or not, and the form takes the result.
TEST_F(SkinButtonTest, DialogKeysClickTheRightButton) {
    auto& ok = AddButton("ok", Bounds(10, 10, 75, 25));
    auto& other = AddButton("other", Bounds(100, 10, 75, 25));
    auto& close = AddButton("close", Bounds(190, 10, 75, 25));
    auto& edit = Add<TEdit>(Bounds(10, 50, 100, 20));
    ok.SetDefault(true);
    close.SetModalResult(mrCancel);
    EXPECT_FALSE(close.Cancel());
    edit.SetFocus();
    Key(VK_RETURN);
    other.SetFocus();
    EXPECT_FALSE(ok.Active());
    Key(VK_RETURN);
    Key(VK_ESCAPE);
    EXPECT_EQ(Clicks, (std::vector<std::string>{"ok", "other", "close"}));
    EXPECT_EQ(Form->ModalResult(), mrCancel);

    Key(VK_SPACE);
    EXPECT_EQ(Clicks.back(), "other");
    other.SetCancel(true);
    EXPECT_EQ(other.ModalResult(), mrCancel);
}

TEST_F(SkinButtonTest, GlyphShapeSetsNumGlyphs) {
    auto& button = AddButton("b", Bounds(10, 10, 75, 25));
    const struct {
        int32_t Width;
        int32_t Height;
        int32_t NumGlyphs;
    } cases[] = {{64, 16, 4}, {80, 16, 1}, {32, 16, 2}, {16, 16, 1}, {20, 16, 1}, {48, 16, 3}};
    for (const auto& c : cases) {
        TBitmap glyph;
        glyph.SetSize(c.Width, c.Height);
        button.SetGlyph(glyph);
        EXPECT_EQ(button.NumGlyphs(), c.NumGlyphs) << c.Width << "x" << c.Height;
    }
    EXPECT_THROW(button.SetNumGlyphs(5), EInvalidOperation);
    EXPECT_THROW(button.SetNumGlyphs(0), EInvalidOperation);
}

// Enabled: cell 0 as it is; disabled: cell 1 greyed (lightness × 50 + 160); black-and-white
// while the mouse is away: the lightness grey. The olive background is left out.
TEST_F(SkinButtonTest, GlyphCellAndGreyingFollowTheState) {
    auto& button = AddButton("b", Bounds(10, 10, 40, 30));
    TBitmap glyph;
    button.SetGlyph(Glyph(glyph, {clRed, clNavy}));
    ASSERT_EQ(button.NumGlyphs(), 2);
    const TRect g = button.GetGlyphRect();
    const int32_t x = g.Left + (g.Width() - 8) / 2 + 3, y = g.Top + (g.Height() - 8) / 2 + 3;
    EXPECT_EQ(At(button, x, y), 0xFF0000u);
    EXPECT_NE(At(button, x - 3, y - 3), Rgb(clOlive));
    button.SetBlackAndWhiteGlyph(true);
    EXPECT_EQ(At(button, x, y), 0x808080u);
    button.SetEnabled(false);
    EXPECT_EQ(At(button, x, y), 0xADADADu); // navy's lightness 128/510: 13 + 160
}

// Normal, focused, hot, pressed and disabled pick the face object's state colour.
TEST_F(SkinButtonTest, SkinnedFaceShowsTheButtonState) {
    LoadSkin(ControlSkin());
    auto& button = AddButton("b", Bounds(10, 10, 75, 25));
    button.SetSkinEngine(Engine);
    EXPECT_EQ(At(button, 2, 2), Rgb(kSkinFace));
    button.SetFocus();
    EXPECT_EQ(At(button, 2, 2), Rgb(kSkinFocused));
    Host->MouseMove(Window(), 20, 20);
    EXPECT_EQ(At(button, 2, 2), Rgb(kSkinHot));
    Host->MouseDown(Window(), 20, 20);
    EXPECT_EQ(At(button, 2, 2), Rgb(kSkinPressed));
    Host->MouseUp(Window(), 20, 20);
    button.SetEnabled(false);
    EXPECT_EQ(At(button, 2, 2), Rgb(kSkinDisabled));
}

// The caption takes the "Text" font; with ShowCaption off it is drawn plain (window text).
TEST_F(SkinButtonTest, CaptionSkinnedOrPlain) {
    TSeSkinBody body = ControlSkin();
    body.Objects[1]->FindObject("Text")->Font().SetColor(clRed);
    body.Objects[1]->FindObject("Text")->Font().SetSize(14);
    LoadSkin(std::move(body));
    auto& button = AddButton("b", Bounds(10, 10, 100, 30));
    button.Font().SetSize(14);
    button.SetCaption("MMMM");
    button.SetSkinEngine(Engine);
    // Text pixels are smoothed: count the clearly red and the clearly dark ones.
    const auto count = [&](bool red) {
        Pump();
        int n = 0;
        for (int32_t y = 0; y < 30; ++y)
            for (int32_t x = 0; x < 100; ++x) {
                const uint32_t p = At(button, x, y);
                const uint32_t r = p >> 16 & 0xFF, g = p >> 8 & 0xFF, b = p & 0xFF;
                n += red ? r > 150 && g < 60 && b < 60 : r < 60 && g < 60 && b < 60;
            }
        return n;
    };
    EXPECT_GT(count(true), 20);
    EXPECT_EQ(count(false), 0);
    button.SetShowCaption(false);
    button.Invalidate();
    EXPECT_EQ(count(true), 0);
    EXPECT_GT(count(false), 20);
}

TEST_F(SkinButtonTest, KindSetsCaptionResultDefaultAndGlyph) {
    auto& button = AddButton("b", Bounds(10, 10, 75, 25));
    button.SetKind(TBitBtnKind::bkOK);
    EXPECT_EQ(button.Caption(), "OK");
    EXPECT_EQ(button.ModalResult(), mrOk);
    EXPECT_TRUE(button.Default());
    EXPECT_EQ(button.NumGlyphs(), 2);
    EXPECT_FALSE(button.Glyph().Empty());
    button.SetKind(TBitBtnKind::bkAll);
    EXPECT_EQ(button.Caption(), "&All");
    EXPECT_EQ(button.ModalResult(), mrAll);
    EXPECT_FALSE(button.Default());
    button.SetKind(TBitBtnKind::bkCustom);
    EXPECT_EQ(button.Caption(), "&All");
}

} // namespace
