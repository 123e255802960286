#include "framework/core/exceptions.h"
#include "framework/core/object_text_reader.h"
#include "skin_controls/se_skin_track_bar.h"
#include "skin_controls/skin_control_fixture.h"
#include "skin_controls/skin_control_registry.h"

#include <vector>

using namespace brisat;
using namespace brisat::test;

namespace {

// Plain sizes: margin 9, channel offset 7; ThumbHalfWidth 2 makes the thumb 5 long and 11 across.
constexpr int32_t Margin = 9;

// "TrackBar" { Frame (margin 6, offset 3), Track and Highlight (4 thick), Thumb (7 x 12) },
// without the pieces the flags leave out.
TSeSkinBody TrackBarSkin(bool withTrack = true, bool withThumb = true) {
    TSeSkinBody body;
    body.SkinName = "Tracks";
    auto bar = TopObject("TrackBar");
    auto& frame = CreateOwned<TSeSkinObject>(*bar);
    frame.SetName("Frame");
    frame.SetMarginLeft(6);
    frame.SetMarginTop(3);
    if (withTrack) {
        for (auto [name, color] : {std::pair{"Track", kSkinFrame}, {"Highlight", kSkinCaption}}) {
            auto& piece = CreateOwned<TSeSkinObject>(*bar);
            piece.SetName(name);
            piece.SetColor(color);
            piece.SetBounds(Bounds(0, 0, 48, 4));
        }
    }
    if (withThumb) AddColorObject(*bar, "Thumb").SetBounds(Bounds(0, 0, 7, 12));
    body.Objects.push_back(std::move(bar));
    return body;
}

class SkinTrackBarTest : public SkinControlTest {
protected:
    // The player's volume bar: 0..10000 snapping to 1000, thumb half-width 2, no ticks.
    template <class T = TKsCustomTrackBar> T& VolumeBar(const TRect& bounds = Bounds(10, 10, 100, 20)) {
        T& bar = Add<T>(bounds);
        bar.SetMax(10000);
        bar.SetFrequency(1000);
        bar.SetThumbHalfWidth(2);
        bar.SetShowTicks(false);
        bar.SetTickMarks(TTickMark::tmTopLeft);
        bar.SetPosition(0);
        bar.OnChange = [this, &bar](TComponent&) { Changes.push_back(bar.Position()); };
        return bar;
    }
    // Pointer input at a point of Bar.
    void Press(TControl& bar, int32_t x, int32_t y) {
        Host->MouseDown(Form->Handle(), bar.Left() + x, bar.Top() + y), Pump();
    }
    void MoveTo(TControl& bar, int32_t x, int32_t y) {
        Host->MouseMove(Form->Handle(), bar.Left() + x, bar.Top() + y), Pump();
    }
    void Release(TControl& bar, int32_t x, int32_t y) {
        Host->MouseUp(Form->Handle(), bar.Left() + x, bar.Top() + y), Pump();
    }
    void Key(uint32_t key) {
        Host->KeyDown(Form->Handle(), key);
        Host->KeyUp(Form->Handle(), key);
        Pump();
    }

    std::vector<int32_t> Changes;
};

TEST_F(SkinTrackBarTest, PositionMinAndMaxKeepTheRangeAndReportChanges) {
    auto& bar = Add<TKsCustomTrackBar>(Bounds(10, 10, 150, 45));
    bar.OnChange = [&](TComponent&) { Changes.push_back(bar.Position()); };
    EXPECT_EQ(bar.Position(), 3);
    bar.SetPosition(10);
    bar.SetPosition(11); // clamps to 10, still reported
    bar.SetPosition(10); // equal: nothing
    bar.SetMax(0);       // not above Min: ignored
    bar.SetMax(-4);
    bar.SetMin(10); // not below Max: ignored
    bar.SetMax(6);  // pulls Position in
    bar.SetPosition(-5);
    bar.SetMin(2); // pushes Position up
    EXPECT_EQ(Changes, (std::vector<int32_t>{10, 10, 6, 0, 2}));
    EXPECT_EQ(bar.Min(), 2);
    EXPECT_EQ(bar.Max(), 6);
}

TEST_F(SkinTrackBarTest, DraggingTheVolumeBarYieldsMultiplesOfTheFrequencyUpToTheEnds) {
    auto& bar = VolumeBar();
    const int32_t thumb = bar.ValueToPixel(0);
    Press(bar, thumb, 12);
    ASSERT_TRUE(bar.Dragging());
    for (int32_t x = thumb; x <= 110; x += 3)
        MoveTo(bar, x, 12);
    EXPECT_EQ(bar.Position(), 10000);
    MoveTo(bar, -8, 40); // far past the start, and off the bar across
    EXPECT_EQ(bar.Position(), 0);
    Release(bar, -8, 40);
    EXPECT_FALSE(bar.Dragging());
    ASSERT_GE(Changes.size(), 11u);
    for (int32_t value : Changes)
        EXPECT_EQ(value % 1000, 0) << value;
    // The keys step by LineSize, not by the frequency.
    Key(VK_RIGHT);
    Key(VK_RIGHT);
    Key(VK_LEFT);
    EXPECT_EQ(bar.Position(), 1);
    Key(VK_END);
    Key(VK_NEXT);
    EXPECT_EQ(bar.Position(), 10000);
}

TEST_F(SkinTrackBarTest, PixelsMapToTheNearestValueThenSnapHalfStepsDown) {
    // Travel 40 over 0..20: each pixel is half a value.
    auto& halves = Add<TKsCustomTrackBar>(Bounds(0, 0, 40 + 2 * Margin + 5, 30));
    halves.SetThumbHalfWidth(2);
    halves.SetMax(20);
    // Travel 20 over 0..20 with Frequency 4: each pixel one value.
    auto& steps = Add<TKsCustomTrackBar>(Bounds(0, 40, 20 + 2 * Margin + 5, 30));
    steps.SetThumbHalfWidth(2);
    steps.SetMax(20);
    steps.SetFrequency(4);
    const int32_t start = Margin + 2;
    const struct {
        TKsCustomTrackBar& Bar;
        int32_t Offset, Value;
    } cases[] = {
        {halves, 1, 0},  {halves, 3, 2},  {halves, 5, 2},  {halves, 7, 4}, // ties to even
        {steps, 2, 0},   {steps, 3, 4},   {steps, 6, 4},   {steps, 7, 8},  // half a step goes down
        {steps, 19, 20}, {steps, 40, 20}, {steps, -9, 0},                  // clamped at the ends
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.Bar.PixelToValue(uint16_t(start + c.Offset)), c.Value) << c.Offset;
    EXPECT_EQ(halves.ValueToPixel(1), start + 2);
}

TEST_F(SkinTrackBarTest, AClickBesideTheThumbMovesOnePageTowardsIt) {
    auto& bar = VolumeBar();
    bar.SetPageSize(500);
    Press(bar, 95, 12); // far beyond the thumb: still one page
    Release(bar, 95, 12);
    EXPECT_EQ(bar.Position(), 500);
    Press(bar, 2, 12);
    Release(bar, 2, 12);
    EXPECT_EQ(bar.Position(), 0);
    // Just beside a thumb between multiples of the frequency the click still pages towards
    // itself, though the value there would snap to below the thumb's.
    bar.SetPosition(3);
    const int32_t right = bar.ValueToPixel(3) + 3;
    ASSERT_FALSE(bar.ThumbHitTest(right, 12));
    Press(bar, right, 12);
    Release(bar, right, 12);
    EXPECT_EQ(bar.Position(), 503);
    EXPECT_FALSE(bar.Dragging());
}

TEST_F(SkinTrackBarTest, AVerticalBarHasMinAtTheTop) {
    auto& bar = Add<TKsCustomTrackBar>(Bounds(10, 10, 30, 150));
    bar.SetOrientation(TTrackOrientation::toVertical);
    bar.SetMax(99);
    bar.SetPosition(50);
    EXPECT_LT(bar.ValueToPixel(0), bar.ValueToPixel(99));
    Press(bar, 12, 3);
    Release(bar, 12, 3);
    EXPECT_EQ(bar.Position(), 48);
    Key(VK_DOWN);
    EXPECT_EQ(bar.Position(), 49);
    const int32_t thumb = bar.ValueToPixel(49);
    Press(bar, 12, thumb);
    ASSERT_TRUE(bar.Dragging());
    MoveTo(bar, 12, -8);
    EXPECT_EQ(bar.Position(), 0);
    MoveTo(bar, 12, 160);
    EXPECT_EQ(bar.Position(), 99);
}

TEST_F(SkinTrackBarTest, ThumbHitTestFollowsThePointedShape) {
    auto& bar = Add<TKsCustomTrackBar>(Bounds(0, 0, 100, 40));
    bar.SetThumbHalfWidth(2);
    bar.SetShowTicks(false);
    bar.SetPosition(0);
    // Thumb centre 11: along 9..13, across 7..17; the point's slopes run 2 pixels.
    const struct {
        TTickMark Marks;
        int32_t X, Y;
        bool Inside;
    } cases[] = {
        {TTickMark::tmBottomRight, 9, 7, true},   {TTickMark::tmBottomRight, 13, 15, true},
        {TTickMark::tmBottomRight, 11, 17, true}, {TTickMark::tmBottomRight, 10, 16, true},
        {TTickMark::tmBottomRight, 9, 16, false}, {TTickMark::tmBottomRight, 13, 17, false},
        {TTickMark::tmBottomRight, 8, 10, false}, {TTickMark::tmBottomRight, 11, 18, false},
        {TTickMark::tmTopLeft, 11, 7, true},      {TTickMark::tmTopLeft, 9, 7, false},
        {TTickMark::tmTopLeft, 12, 8, true},      {TTickMark::tmTopLeft, 9, 17, true},
        {TTickMark::tmBoth, 9, 17, true},         {TTickMark::tmBoth, 13, 7, true},
        {TTickMark::tmBoth, 9, 18, false},        {TTickMark::tmBoth, 14, 7, false},
    };
    for (const auto& c : cases) {
        bar.SetTickMarks(c.Marks);
        EXPECT_EQ(bar.ThumbHitTest(c.X, c.Y), c.Inside) << int(c.Marks) << " " << c.X << "," << c.Y;
    }
    // Vertical: the same shape turned, the point towards the right.
    bar.SetOrientation(TTrackOrientation::toVertical);
    bar.SetTickMarks(TTickMark::tmBottomRight);
    EXPECT_TRUE(bar.ThumbHitTest(17, 11));
    EXPECT_FALSE(bar.ThumbHitTest(16, 9));
}

TEST_F(SkinTrackBarTest, TicksStandAtMultiplesOfTheFrequencyAndAtBothEnds) {
    auto& bar = Add<TKsCustomTrackBar>(Bounds(0, 0, 150, 45));
    bar.SetThumbHalfWidth(2);
    // Ticks below a 11-pixel thumb at offset 7: rows 20..22, 23 only at the ends.
    auto ticksInRow = [&](int32_t row) {
        int32_t n = 0;
        for (int32_t x = 0; x < 150; ++x)
            n += At(bar, x, row) == Rgb(clBlack);
        return n;
    };
    const struct {
        int32_t Min, Max, Frequency, Row, Count;
    } cases[] = {
        {0, 10, 1, 21, 11},   {0, 10, 3, 21, 5}, // 0, 3, 6, 9 and 10
        {-7, 7, 5, 21, 5},                       // -7, -5, 0, 5, 7
        {0, 10, 0, 21, 11},   {0, 10, -4, 21, 11}, // a frequency below 1 counts as 1
        {0, 10, 1, 23, 2},                         // only the end ticks are longer
        // Denser than the pixels: a tick on each of the 128 pixels from Min's to Max's.
        {INT32_MIN, INT32_MAX, 1, 21, 128},
    };
    for (const auto& c : cases) {
        bar.SetMin(INT32_MIN);
        bar.SetMax(c.Max);
        bar.SetMin(c.Min);
        bar.SetFrequency(c.Frequency);
        EXPECT_EQ(ticksInRow(c.Row), c.Count) << c.Min << ".." << c.Max << " / " << c.Frequency;
    }
}

// Undefined by design, made safe: no division by zero, values stay in range.
TEST_F(SkinTrackBarTest, NoFrequencyOrNoTravelIsSafe) {
    const struct {
        int32_t Frequency, Width;
    } cases[] = {{0, 100}, {-3, 100}, {1000, 23}, {1000, 10}, {0, 1}};
    int32_t top = 0;
    for (const auto& c : cases) {
        auto& bar = VolumeBar(Bounds(10, top += 25, c.Width, 20));
        bar.SetFrequency(c.Frequency);
        bar.SetShowTicks(true);
        for (int32_t x = 0; x <= c.Width + 5; ++x) {
            const int32_t value = bar.PixelToValue(uint16_t(x));
            ASSERT_TRUE(value >= 0 && value <= 10000) << value;
        }
        Press(bar, bar.ValueToPixel(0), 12);
        MoveTo(bar, c.Width, 12);
        Release(bar, c.Width, 12);
        EXPECT_GE(bar.Position(), 0);
        EXPECT_LE(bar.Position(), 10000);
    }
}

TEST_F(SkinTrackBarTest, LayoutsLoadMinAndMaxInAnyOrderAndRejectImpossibleValues) {
    RegisterSkinControlClasses();
    auto read = TextToComponent("object Bar: TSeSkinTrackBar\n  Min = 20\n  Max = 30\n"
                                "  Position = 25\n  IntervalHighlightType = htLowInterval\nend\n");
    auto& bar = dynamic_cast<TSeSkinTrackBar&>(*read);
    EXPECT_EQ(bar.Min(), 20);
    EXPECT_EQ(bar.Max(), 30);
    EXPECT_EQ(bar.Position(), 25);
    EXPECT_EQ(bar.IntervalHighlightType(), TIntervalHighlightType::htLowInterval);
    EXPECT_TRUE(bar.Transparent());
    EXPECT_THROW(TextToComponent("object Bar: TSeSkinTrackBar\n  Min = 20\n  Max = 5\nend\n"),
                 Exception);
    EXPECT_THROW(TextToComponent("object Bar: TSeSkinTrackBar\n  ThumbHalfWidth = -1\nend\n"),
                 Exception);
}

// Thumb centre 49 of 0..100 on a 100-pixel bar: track rows 6..9, thumb rows 3..14.
class SkinnedTrackBarTest : public SkinTrackBarTest {
protected:
    TSeSkinTrackBar& Bar() {
        auto& bar = Add<TSeSkinTrackBar>(Bounds(10, 10, 100, 30));
        bar.SetShowTicks(false);
        bar.SetMax(100);
        bar.SetPosition(50);
        bar.SetIntervalHighlightType(TIntervalHighlightType::htLowInterval);
        bar.SetSkinEngine(Engine);
        return bar;
    }
};

TEST_F(SkinnedTrackBarTest, DrawsTrackHighlightAndThumbByState) {
    LoadSkin(TrackBarSkin());
    auto& bar = Bar();
    ASSERT_TRUE(bar.IsSkinned());
    ASSERT_EQ(bar.ValueToPixel(50), 49);
    EXPECT_EQ(At(bar, 20, 8), Rgb(kSkinCaption));
    EXPECT_EQ(At(bar, 80, 8), Rgb(kSkinFrame));
    EXPECT_EQ(At(bar, 49, 13), Rgb(kSkinFace));
    EXPECT_EQ(At(bar, 80, 13), Rgb(clWhite)); // transparent beside its pieces
    MoveTo(bar, 49, 13);
    EXPECT_EQ(At(bar, 49, 13), Rgb(kSkinHot));
    Press(bar, 49, 13);
    EXPECT_EQ(At(bar, 49, 13), Rgb(kSkinPressed));
    Release(bar, 49, 13);
    bar.SetEnabled(false);
    EXPECT_EQ(At(bar, 49, 13), Rgb(kSkinDisabled));
    EXPECT_EQ(At(bar, 20, 8), Rgb(kSkinFrame)); // no highlight while disabled
}

TEST_F(SkinnedTrackBarTest, MissingPiecesAreLeftOut) {
    LoadSkin(TrackBarSkin(false, true));
    auto& noTrack = Bar();
    EXPECT_EQ(At(noTrack, 20, 8), Rgb(clWhite));
    EXPECT_EQ(At(noTrack, 80, 8), Rgb(clWhite));
    EXPECT_EQ(At(noTrack, 49, 13), Rgb(kSkinFace));
    // Without a thumb object the plain sizes hold (9 long, 20 across): track rows 10..13,
    // thumb centre 50, and no thumb drawn.
    LoadSkin(TrackBarSkin(true, false));
    EXPECT_EQ(At(noTrack, 20, 11), Rgb(kSkinCaption));
    EXPECT_EQ(At(noTrack, 50, 5), Rgb(clWhite));
    // Without its skin object the plain look comes back: the thumb's face at centre 49.
    noTrack.SetSkinObject("Nothing");
    noTrack.SetSkinEngine(Engine);
    EXPECT_FALSE(noTrack.IsSkinned());
    EXPECT_EQ(At(noTrack, 49, 12), Rgb(clBtnFace));
}

// The player's zoom bar with a shipped skin: the stretch above the thumb is highlighted.
TEST_F(SkinnedTrackBarTest, ShippedSkinHighlightsTheLowInterval) {
    LoadShippedSkin("steel");
    auto& bar = Add<TSeSkinTrackBar>(Bounds(10, 10, 20, 200));
    bar.SetOrientation(TTrackOrientation::toVertical);
    bar.SetMax(99);
    bar.SetThumbHalfWidth(2);
    bar.SetShowTicks(false);
    bar.SetPosition(50);
    bar.SetSkinEngine(Engine);
    ASSERT_TRUE(bar.IsSkinned());
    const int32_t centre = bar.ValueToPixel(50);
    ASSERT_GT(centre, 80);
    ASSERT_LT(centre, 120);
    auto row = [&](int32_t y) {
        std::vector<uint32_t> pixels;
        for (int32_t x = 0; x < 20; ++x)
            pixels.push_back(At(bar, x, y));
        return pixels;
    };
    const std::vector<uint32_t> low = row(40), high = row(160);
    EXPECT_NE(low, std::vector<uint32_t>(20, Rgb(clWhite))); // the track is there
    bar.SetIntervalHighlightType(TIntervalHighlightType::htLowInterval);
    EXPECT_NE(row(40), low);
    EXPECT_EQ(row(160), high);
}

} // namespace
