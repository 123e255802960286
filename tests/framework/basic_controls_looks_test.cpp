#include "framework/widgets/button.h"
#include "framework/widgets/check_box.h"
#include "framework/core/exceptions.h"
#include "framework/graphics/image_list.h"
#include "framework/widgets/label.h"
#include "framework/widgets/panel.h"
#include "framework/widgets/shape_control.h"
#include "framework/widgets/speed_button.h"
#include "framework/widgets/splitter.h"
#include "headless_fixture.h"

using namespace brisat;

namespace {

class BasicLooksTest : public HeadlessTest {
protected:
    void SetUp() override {
        HeadlessTest::SetUp();
        form = &App->CreateForm<TForm>();
        form->SetBorderStyle(TFormBorderStyle::bsNone);
        form->SetBounds(0, 0, 200, 150);
        form->SetColor(clWhite);
    }

    template <class T> T& Add(const TRect& bounds) {
        T& c = CreateOwned<T>(*form);
        c.SetBoundsRect(bounds);
        c.SetParent(form);
        return c;
    }
    uint32_t At(int32_t x, int32_t y) {
        Pump();
        return PixelAt(form->Handle(), x, y);
    }
    // How many presented pixels of Rect have the colour.
    int Count(const TRect& r, TColor color) {
        Pump();
        int n = 0;
        for (int32_t y = r.Top; y < r.Bottom; ++y)
            for (int32_t x = r.Left; x < r.Right; ++x)
                n += PixelAt(form->Handle(), x, y) == Rgb(color);
        return n;
    }

    TForm* form = nullptr;
};

// Outer bevel, border ring and inner bevel from the edge in; aligned children sit inside them;
// a single border takes one pixel more on each side.
TEST_F(BasicLooksTest, PanelBevelsBorderAndClientArea) {
    form->Show();
    auto& panel = Add<TPanel>(Bounds(10, 10, 50, 40));
    panel.SetBevelOuter(TPanelBevel::bvRaised);
    panel.SetBevelInner(TPanelBevel::bvLowered);
    panel.SetBevelWidth(2);
    panel.SetBorderWidth(1);
    const struct {
        TPoint P;
        TColor Color;
    } pixels[] = {
        {{10, 10}, clBtnHighlight}, {{11, 11}, clBtnHighlight}, {{59, 49}, clBtnShadow},
        {{59, 10}, clBtnShadow},    {{12, 12}, clBtnFace},      {{13, 13}, clBtnShadow},
        {{14, 40}, clBtnShadow},    {{56, 46}, clBtnHighlight}, {{15, 15}, clBtnFace},
    };
    for (const auto& p : pixels)
        EXPECT_EQ(At(p.P.X, p.P.Y), Rgb(p.Color)) << p.P.X << "," << p.P.Y;

    auto& child = CreateOwned<TPanel>(*form);
    child.SetParent(&panel);
    child.SetAlign(TAlign::alClient);
    EXPECT_EQ(child.BoundsRect(), Rect(5, 5, 45, 35));
    panel.SetBorderStyle(TBorderStyle::bsSingle);
    EXPECT_EQ(panel.ClientWidth(), 48);
    EXPECT_EQ(child.BoundsRect(), Rect(5, 5, 43, 33));
    EXPECT_THROW(panel.SetBevelWidth(0), EInvalidOperation);
}

TEST_F(BasicLooksTest, PanelCaptionFollowsItsAlignment) {
    form->Show();
    auto& panel = Add<TPanel>(Bounds(0, 0, 120, 30));
    panel.SetCaption("WWW");
    const TRect left = Rect(0, 0, 40, 30), middle = Rect(40, 0, 80, 30),
                right = Rect(80, 0, 120, 30);
    const struct {
        TAlignment Alignment;
        TRect Inked;
        TRect Blank;
    } cases[] = {
        {TAlignment::taLeftJustify, left, right},
        {TAlignment::taCenter, middle, left},
        {TAlignment::taRightJustify, right, left},
    };
    for (const auto& c : cases) {
        panel.SetAlignment(c.Alignment);
        EXPECT_GT(Count(c.Inked, clBlack), 0) << int(c.Alignment);
        EXPECT_EQ(Count(c.Blank, clBlack), 0) << int(c.Alignment);
    }
}

TEST_F(BasicLooksTest, LabelsDrawInTheFontColourOrEmbossedWhenDisabled) {
    form->SetColor(clBtnFace);
    form->Show();
    auto& label = Add<TLabel>(Bounds(10, 10, 10, 10));
    label.SetCaption("Label");
    EXPECT_GT(label.Width(), 20) << "AutoSize fits the text";
    const TRect area = label.BoundsRect();
    EXPECT_GT(Count(area, clBlack), 0);
    label.SetEnabled(false);
    EXPECT_EQ(Count(area, clBlack), 0);
    EXPECT_GT(Count(area, clBtnShadow), 0);
    EXPECT_GT(Count(OffsetRect(area, 1, 1), clBtnHighlight), 0);
}

// A wrapping label keeps its width and grows in height; a right-justified one keeps its right
// edge; Layout moves the text down.
TEST_F(BasicLooksTest, LabelAutoSizeWordWrapAndLayout) {
    form->Show();
    auto& label = Add<TLabel>(Bounds(10, 10, 60, 10));
    label.SetCaption("W");
    const int32_t line = label.Height();
    EXPECT_GT(line, 5);
    label.SetWordWrap(true);
    label.SetWidth(60);
    label.SetCaption("WWW WWW WWW WWW");
    EXPECT_EQ(label.Width(), 60);
    EXPECT_GE(label.Height(), 3 * line);
    label.SetWordWrap(false);
    label.SetAlignment(TAlignment::taRightJustify);
    const int32_t right = label.Left() + label.Width();
    label.SetCaption("W");
    EXPECT_LT(label.Width(), 20);
    EXPECT_EQ(label.Left() + label.Width(), right);

    label.SetAutoSize(false);
    label.SetBounds(10, 10, 40, 60);
    label.SetLayout(TLabelLayout::tlBottom);
    EXPECT_EQ(Count(Rect(10, 10, 50, 60 - line), clBlack), 0);
    EXPECT_GT(Count(Rect(10, 70 - line, 50, 70), clBlack), 0);
}

TEST_F(BasicLooksTest, CheckBoxMarksShowTheState) {
    form->Show();
    auto& box = Add<TCheckBox>(Bounds(10, 10, 97, 17));
    box.SetAllowGrayed(true);
    // The well inside the box's sunken edge.
    const TRect well = Rect(12, 14, 21, 23);
    const struct {
        TCheckBoxState State;
        bool Enabled;
        TColor Mark;
        TColor Well;
    } cases[] = {
        {TCheckBoxState::cbUnchecked, true, clWhite, clWhite},
        {TCheckBoxState::cbChecked, true, clBlack, clWhite},
        {TCheckBoxState::cbGrayed, true, clBtnShadow, clWhite},
        {TCheckBoxState::cbChecked, false, clBtnShadow, clBtnFace},
    };
    for (const auto& c : cases) {
        box.SetState(c.State);
        box.SetEnabled(c.Enabled);
        EXPECT_GT(Count(well, c.Mark), 0) << int(c.State);
        EXPECT_GT(Count(well, c.Well), 0) << int(c.State);
        if (c.Mark != clBlack) {
            EXPECT_EQ(Count(well, clBlack), 0) << int(c.State);
        }
    }
}

TEST_F(BasicLooksTest, ShapesOutlineWithThePenAndFillWithTheBrush) {
    form->Show();
    auto& shape = Add<TShape>(Bounds(100, 10, 30, 20));
    shape.Pen().SetColor(clLime);
    shape.Pen().SetWidth(3);
    shape.Brush().SetColor(clBlue);
    const struct {
        TShapeType Type;
        TPoint P;
        TColor Color;
    } cases[] = {
        {TShapeType::stRectangle, {100, 10}, clLime}, {TShapeType::stRectangle, {102, 12}, clLime},
        {TShapeType::stRectangle, {103, 13}, clBlue}, {TShapeType::stRectangle, {129, 29}, clLime},
        {TShapeType::stEllipse, {100, 10}, clWhite},  {TShapeType::stEllipse, {115, 20}, clBlue},
        {TShapeType::stEllipse, {115, 10}, clLime},   {TShapeType::stCircle, {101, 20}, clWhite},
        {TShapeType::stCircle, {106, 20}, clLime},    {TShapeType::stRoundRect, {110, 10}, clLime},
        {TShapeType::stRoundRect, {115, 20}, clBlue}, {TShapeType::stSquare, {105, 20}, clLime},
    };
    for (const auto& c : cases) {
        shape.SetShape(c.Type);
        EXPECT_EQ(At(c.P.X, c.P.Y), Rgb(c.Color)) << int(c.Type) << " at " << c.P.X << ","
                                                  << c.P.Y;
    }
    shape.Brush().SetStyle(TBrushStyle::bsClear);
    shape.SetShape(TShapeType::stRectangle);
    EXPECT_EQ(At(115, 20), Rgb(clWhite));
}

// A bevelled splitter shows two shadow lines and a highlight line along its length; a plain one
// only its parent's colour.
TEST_F(BasicLooksTest, BevelledSplitterLines) {
    form->SetColor(clBtnFace);
    form->Show();
    auto& splitter = Add<TSplitter>(Bounds(0, 0, 5, 10));
    EXPECT_EQ(splitter.Height(), 150) << "aligned to the left edge";
    const TColor plain[] = {clBtnFace, clBtnFace, clBtnFace, clBtnFace, clBtnFace};
    const TColor bevelled[] = {clBtnShadow, clBtnFace, clBtnShadow, clBtnFace, clBtnHighlight};
    for (const TColor* columns : {plain, bevelled}) {
        splitter.SetBeveled(columns == bevelled);
        for (int32_t x = 0; x < 5; ++x)
            EXPECT_EQ(At(x, 75), Rgb(columns[x])) << x << " bevelled " << splitter.Beveled();
    }
}

class SpeedButtonLooksTest : public BasicLooksTest {
protected:
    void SetUp() override {
        BasicLooksTest::SetUp();
        form->SetColor(clBtnFace);
        form->Show();
        button = &Add<TSpeedButton>(Bounds(10, 100, 23, 22));
        // A navy square on a fuchsia ground, which the bottom-left pixel makes transparent.
        glyph.SetSize(16, 15);
        glyph.DC().FillRect(Bounds(0, 0, 16, 15), clFuchsia);
        glyph.DC().FillRect(Rect(4, 4, 12, 11), clNavy);
    }

    TSpeedButton* button = nullptr;
    TBitmap glyph;
};

// The glyph sits centred at (4, 4) of a 23 × 22 button, flat or not.
TEST_F(SpeedButtonLooksTest, GlyphsAreTransparentAndEmbossedWhenDisabled) {
    for (bool flat : {false, true}) {
        button->SetFlat(flat);
        button->SetGlyph(glyph);
        EXPECT_EQ(At(10 + 4 + 5, 100 + 4 + 5), Rgb(clNavy)) << flat;
        EXPECT_EQ(At(10 + 4, 100 + 4), Rgb(clBtnFace)) << flat;
        button->SetEnabled(false);
        EXPECT_EQ(At(10 + 4 + 5, 100 + 4 + 5), Rgb(clBtnShadow)) << flat;
        EXPECT_EQ(At(10 + 4 + 12, 100 + 4 + 11), Rgb(clBtnHighlight)) << flat;
        button->SetEnabled(true);
    }
    // From an image list, with its mask.
    TImageList& images = CreateOwned<TImageList>(*form);
    images.SetSize(16, 15);
    images.AddMasked(glyph, clFuchsia);
    button->SetGlyph(TBitmap());
    button->SetImages(&images);
    button->SetImageIndex(0);
    EXPECT_EQ(At(10 + 4 + 5, 100 + 4 + 5), Rgb(clNavy));
    button->SetEnabled(false);
    EXPECT_EQ(At(10 + 4 + 5, 100 + 4 + 5), Rgb(clBtnShadow));
    images.Free();
    EXPECT_EQ(button->Images(), nullptr);
}

// The glyph's top-left corner for each layout at margin 0 in a flat 40 × 40 button (face inset
// 1), centred across; Margin -1 centres it, a caption moves it aside by Spacing.
TEST_F(SpeedButtonLooksTest, LayoutMarginAndSpacingPlaceTheGlyph) {
    button->SetBounds(10, 60, 40, 40);
    button->SetFlat(true);
    button->SetGlyph(glyph);
    const struct {
        TButtonLayout Layout;
        int32_t Margin;
        TPoint Corner;
    } cases[] = {
        {TButtonLayout::blGlyphLeft, 0, {1, 13}},  {TButtonLayout::blGlyphRight, 0, {23, 13}},
        {TButtonLayout::blGlyphTop, 0, {12, 1}},   {TButtonLayout::blGlyphBottom, 0, {12, 24}},
        {TButtonLayout::blGlyphLeft, 5, {6, 13}},  {TButtonLayout::blGlyphLeft, -1, {12, 13}},
    };
    for (const auto& c : cases) {
        button->SetLayout(c.Layout);
        button->SetMargin(c.Margin);
        // The navy square starts 4 pixels into the glyph.
        const TPoint navy{10 + c.Corner.X + 4, 60 + c.Corner.Y + 4};
        EXPECT_EQ(At(navy.X, navy.Y), Rgb(clNavy)) << int(c.Layout) << " " << c.Margin;
        EXPECT_EQ(At(navy.X - 1, navy.Y - 1), Rgb(clBtnFace)) << int(c.Layout) << " " << c.Margin;
    }
    // With a caption the pair is centred: glyph, Spacing (4), then the text.
    button->SetLayout(TButtonLayout::blGlyphLeft);
    button->SetCaption("W");
    TDeviceContext measure;
    measure.SelectFont(&button->Font());
    const int32_t w = measure.GetTextExtent("W").cx;
    const int32_t glyphX = 1 + (38 - 16 - 4 - w + 1) / 2;
    EXPECT_EQ(At(10 + glyphX + 4, 60 + 13 + 4), Rgb(clNavy));
    EXPECT_EQ(At(10 + glyphX + 3, 60 + 13 + 4), Rgb(clBtnFace));
    EXPECT_GT(Count(Rect(10 + glyphX + 20, 60, 50, 100), clBlack), 0);
    EXPECT_EQ(Count(Rect(10, 60, 10 + glyphX + 20, 100), clBlack), 0);
}

// A flat button shows a raised frame only under the mouse and a sunken one while down; a plain
// one always has its raised 3-D face.
TEST_F(SpeedButtonLooksTest, FlatButtonsShowTheirFrameWhenHotOrDown) {
    const HWND h = form->Handle();
    button->SetFlat(true);
    EXPECT_EQ(At(10, 100), Rgb(clBtnFace));
    Host->MouseMove(h, 15, 105);
    EXPECT_EQ(At(10, 100), Rgb(clBtnHighlight));
    EXPECT_EQ(At(32, 121), Rgb(clBtnShadow));
    EXPECT_TRUE(button->MouseInControl());
    Host->MouseMove(h, 100, 50);
    EXPECT_EQ(At(10, 100), Rgb(clBtnFace));
    button->SetGroupIndex(1);
    button->SetDown(true);
    EXPECT_EQ(At(10, 100), Rgb(clBtnShadow));
    EXPECT_EQ(At(32, 121), Rgb(clBtnHighlight));
    button->SetFlat(false);
    button->SetDown(false);
    button->SetAllowAllUp(true);
    button->SetDown(false);
    EXPECT_EQ(At(10, 100), Rgb(clBtnHighlight));
    EXPECT_EQ(At(32, 121), Rgb(cl3DDkShadow));
}

// The button Enter would click has a dark outline; the focused one a dotted focus frame.
TEST_F(BasicLooksTest, DefaultButtonsWearADarkOutline) {
    form->SetColor(clBtnFace);
    form->Show();
    auto& plain = Add<TButton>(Bounds(10, 10, 75, 25));
    auto& deflt = Add<TButton>(Bounds(10, 50, 75, 25));
    deflt.SetDefault(true);
    EXPECT_EQ(At(10, 10), Rgb(clBtnHighlight));
    EXPECT_EQ(At(10, 50), Rgb(clWindowFrame));
    plain.SetFocus();
    EXPECT_EQ(At(10, 10), Rgb(clWindowFrame)) << "the focused button is the one Enter clicks";
    EXPECT_EQ(At(10, 50), Rgb(clBtnHighlight));
    EXPECT_EQ(At(14, 14), Rgb(clBtnFace) ^ 0xFFFFFF) << "the focus frame inverts the face";
}

} // namespace
