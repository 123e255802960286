#include "skin_windows/ks_custom_form.h"

#include "skin/bitmap/bitmap.h"
#include "skin_window_fixture.h"

namespace brisat::test {
namespace {

// A 400 × 300 window at (100, 100): border 4, caption 19, so the client is (4, 23, 396, 296)
// and the caption band (4, 4, 396, 22). Buttons are 16 × 14 at y 6, from the right: close 378,
// maximize 360, minimize 344, roll-up 326, tray 310; the system-menu square is (4, 4, 22, 22).
using FormGeometryTest = KsFormTest;

TEST_F(FormGeometryTest, TheFrameIsOursAndTheClientKeepsItsSize) {
    EXPECT_EQ(GetClientRectInWindow(Window()), (TRect{4, 23, 396, 296}));
    EXPECT_EQ(Bounds(), (TRect{100, 100, 500, 400}));
    Ks->SetBorderStyle(TKsBorderStyle::kbsNone);
    EXPECT_EQ(GetClientRectInWindow(Window()), (TRect{0, 0, 392, 273}));
    Ks->SetBorderStyle(TKsBorderStyle::kbsToolWindow);
    EXPECT_EQ(GetClientRectInWindow(Window()), (TRect{4, 19, 396, 292}));
}

TEST_F(FormGeometryTest, HitCodesOfEveryFramePart) {
    struct Case {
        TPoint At;
        int32_t Code;
    };
    const Case cases[] = {
        {{200, 10}, khtCaption},      {{2, 150}, khtLeft},        {{200, 2}, khtTop},
        {{398, 150}, khtRight},       {{200, 298}, khtBottom},    {{2, 2}, khtTopLeft},
        {{398, 2}, khtTopRight},      {{2, 298}, khtBottomLeft},  {{398, 298}, khtBottomRight},
        {{19, 2}, khtTopLeft},        {{20, 2}, khtTop},          {{380, 2}, khtTop},
        {{381, 2}, khtTopRight},      {{2, 19}, khtTopLeft},      {{2, 20}, khtLeft},
        {{2, 281}, khtBottomLeft},    {{200, 150}, khtNone},      {{385, 10}, khtClose},
        {{368, 10}, khtMaximize},     {{350, 10}, khtMinimize},   {{334, 10}, khtRollup},
        {{318, 10}, khtTray},         {{10, 10}, khtSysMenu},     {{300, 10}, khtCaption},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Ks->HitTest(c.At.X, c.At.Y), c.Code) << c.At.X << ", " << c.At.Y;
}

TEST_F(FormGeometryTest, ButtonsFollowTheIconsAndTheState) {
    Ks->SetBorderIcons({TKsBorderIcon::kbiClose, TKsBorderIcon::kbiHelp});
    EXPECT_EQ(Ks->HitTest(385, 10), khtClose);
    // The help button comes after a gap of 2 beside the close button's gap of 2.
    EXPECT_EQ(Ks->HitTest(365, 10), khtHelp);
    EXPECT_EQ(Ks->HitTest(10, 10), khtCaption);
    Ks->RollUp();
    EXPECT_EQ(Ks->HitTest(365, 10), khtCaption);
}

TEST_F(FormGeometryTest, PlatformAnswersFollowCanMoveCanResizeAndTheState) {
    const auto ask = [&](int32_t x, int32_t y) {
        const TPoint p = OnScreen(x, y);
        return SendMessage(Window(), WM_NCHITTEST, 0, PointToLParam(p));
    };
    EXPECT_EQ(ask(200, 10), HTCAPTION);
    EXPECT_EQ(ask(398, 298), HTBOTTOMRIGHT);
    EXPECT_EQ(ask(385, 10), HTCLOSE);
    EXPECT_EQ(ask(334, 10), HTMINBUTTON);
    EXPECT_EQ(ask(200, 150), HTCLIENT);
    Ks->SetCanMove(false);
    Ks->SetCanResize(false);
    EXPECT_EQ(ask(200, 10), HTCLIENT);
    EXPECT_EQ(ask(398, 298), HTCLIENT);
}

TEST_F(FormGeometryTest, DropShadowGrowsTheWindowButNotTheClient) {
    const TRect client = GetClientRect(Window());
    Ks->SetDropShadow(true);
    EXPECT_EQ(GetClientRect(Window()), client);
    EXPECT_EQ(Bounds(), (TRect{100, 100, 504, 404}));
    EXPECT_EQ(Ks->SizeWithoutShadow(), (TSize{400, 300}));
    EXPECT_EQ(Ks->FullSize(), (TSize{404, 304}));
    const std::optional<TRegion> shape = GetWindowRgn(Window());
    ASSERT_TRUE(shape);
    EXPECT_TRUE(shape->Contains(402, 302));
    EXPECT_FALSE(shape->Contains(402, 1));
    EXPECT_FALSE(shape->Contains(1, 302));
    // Maximized, the shadow goes.
    Ks->Maximize();
    EXPECT_EQ(Ks->FullSize(), Ks->SizeWithoutShadow());
}

TEST_F(FormGeometryTest, AWindowSmallerThanItsFrameStaysWhole) {
    Ks->SetConstraints({1, 1, 0, 0});
    Form->SetBounds(100, 100, 5, 5);
    Pump();
    const TRect client = GetClientRectInWindow(Window());
    EXPECT_GE(client.Width(), 0);
    EXPECT_GE(client.Height(), 0);
    for (int32_t y = 0; y < 5; ++y)
        for (int32_t x = 0; x < 5; ++x)
            Ks->HitTest(x, y);
    EXPECT_EQ(Bounds(), (TRect{100, 100, 105, 105}));
}

TEST_F(FormGeometryTest, AbsurdConstraintsLeaveAUsableSize) {
    struct Case {
        TKsSizeConstraints Limits;
        TSize Expected;
    };
    const Case cases[] = {
        // Negative limits are no limits.
        {{-100, -5, -1, -1}, {400, 300}},
        // A maximum below the minimum gives way to it.
        {{300, 200, 10, 10}, {300, 200}},
        // Beyond what a window can be: the largest window.
        {{0, 0, 1 << 30, 1 << 30}, {400, 300}},
        {{1 << 30, 0, 0, 0}, {MaxWindowExtent, 300}},
    };
    for (const Case& c : cases) {
        Form->SetBounds(100, 100, 400, 300);
        Ks->SetConstraints(c.Limits);
        Pump();
        EXPECT_EQ(Ks->SizeWithoutShadow(), c.Expected)
            << c.Limits.MinWidth << " " << c.Limits.MaxWidth;
        const TPoint min = Ks->GetMinTrackSize(), max = Ks->GetMaxTrackSize();
        EXPECT_LE(min.X, max.X);
        EXPECT_LE(min.Y, max.Y);
        Ks->SetConstraints({});
    }
}

TEST_F(FormGeometryTest, PlainFrameShowsAGradientCaptionAndButtons) {
    SetActiveWindow(Window());
    Pump();
    // From the active caption colour on the left towards the gradient colour on the right.
    const uint32_t left = PixelAt(Window(), 4, 4), right = PixelAt(Window(), 300, 4);
    EXPECT_EQ(left, Rgb(clActiveCaption));
    EXPECT_NE(right, left);
    EXPECT_NE(PixelAt(Window(), 385, 10), right);
    // The edge and the border in the button face.
    EXPECT_EQ(PixelAt(Window(), 2, 150), Rgb(clBtnFace));
    EXPECT_EQ(PixelAt(Window(), 200, 150), Rgb(clWhite));
}

// The screen behind the window: a window of its own in a known colour, shown before the form.
class FormBackgroundTest : public SkinWindowTest {
protected:
    void SetUp() override {
        SkinWindowTest::SetUp();
        Behind = &App->CreateForm<TForm>();
        Behind->SetBorderStyle(TFormBorderStyle::bsNone);
        Behind->SetBounds(0, 0, kScreenWidth, kWorkAreaBottom);
        Behind->SetColor(TColor(0x00204080));
        Behind->Show();
        Pump();
        Ks = &AddFormComponent();
        ShowForm();
    }
    // The pixel the shadow gives over the background colour.
    static uint32_t Shadowed(uint32_t rgb) {
        TKsBitmap one;
        one.SetSize(1, 1);
        one.Fill(0xFF000000 | rgb);
        one.SetAlphaBlend(true);
        one.FillRect({0, 0, 1, 1}, kShadowPixel);
        return one.Pixels(0, 0) & 0xFFFFFF;
    }
    TForm* Behind = nullptr;
    TKsCustomForm* Ks = nullptr;
};

TEST_F(FormBackgroundTest, ShadowDarkensTheScreenBehindEvenWhereTheWindowWas) {
    const uint32_t back = Rgb(TColor(0x00204080));
    Ks->SetDropShadow(true);
    Pump();
    EXPECT_EQ(PixelAt(Window(), 402, 200), Shadowed(back));
    // Moved, the window captures the screen at its new place.
    Form->SetBounds(90, 100, 404, 304);
    Pump();
    EXPECT_EQ(Bounds(), (TRect{90, 100, 494, 404}));
    RedrawWindow(Window(), nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_ERASE);
    Pump();
    EXPECT_EQ(PixelAt(Window(), 402, 200), Shadowed(back));
}

TEST_F(FormBackgroundTest, BlendLaysTheFrameOverTheScreenByBlendValue) {
    const uint32_t back = Rgb(TColor(0x00204080));
    Ks->SetBlendValue(0);
    Ks->SetBlend(true);
    Pump();
    EXPECT_EQ(PixelAt(Window(), 2, 150), back);
    EXPECT_EQ(PixelAt(Window(), 200, 150), back);
    Ks->SetBlendValue(255);
    Pump();
    EXPECT_EQ(PixelAt(Window(), 2, 150), Rgb(clBtnFace));
    Ks->SetBlendValue(128);
    Pump();
    const uint32_t half = PixelAt(Window(), 2, 150);
    EXPECT_NE(half, back);
    EXPECT_NE(half, Rgb(clBtnFace));
}

} // namespace
} // namespace brisat::test
