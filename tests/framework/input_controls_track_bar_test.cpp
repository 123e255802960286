#include "framework/controls/form.h"
#include "framework/widgets/input_control_classes.h"
#include "framework/core/object_text_reader.h"
#include "framework/core/object_text_writer.h"
#include "framework/widgets/track_bar.h"
#include "headless_fixture.h"
#include "text_lines.h"

#include <vector>

using namespace brisat;

namespace {

// A 150 × 45 bar at (10, 10): thumb 20 across and 11 along, the channel inset 8 at each end, so
// the thumb's left edge is 8 + Position × 123 / (Max − Min); thumb rows 9..28 and the ticks
// below them at rows 31..33 (34 for the end ticks).
class TrackBarTest : public HeadlessTest {
protected:
    void SetUp() override {
        HeadlessTest::SetUp();
        form = &App->CreateForm<TForm>();
        form->SetBorderStyle(TFormBorderStyle::bsNone);
        form->SetBounds(50, 50, 200, 200);
        form->SetColor(clTeal);
        bar = &CreateOwned<TTrackBar>(*form);
        bar->SetBounds(10, 10, 150, 45);
        bar->SetParent(form);
        bar->OnChange = [this](TComponent&) { changes.push_back(bar->Position()); };
        form->Show();
        Pump();
        h = form->Handle();
    }

    // Bar x of the thumb's left edge, found by its lit inner edge in a body row.
    int ThumbLeft() {
        Pump();
        for (int x = 0; x < 150; ++x)
            if (PixelAt(h, 10 + x, 10 + 12) == Rgb(clBtnHighlight)) return x - 1;
        return -1;
    }
    int TicksInRow(int row) {
        Pump();
        int n = 0;
        for (int x = 0; x < 150; ++x)
            n += PixelAt(h, 10 + x, 10 + row) == Rgb(clBtnText);
        return n;
    }
    void Press(int x, int y) { Host->MouseDown(h, 10 + x, 10 + y), Pump(); }
    void MoveTo(int x, int y) { Host->MouseMove(h, 10 + x, 10 + y), Pump(); }
    void Release(int x, int y) { Host->MouseUp(h, 10 + x, 10 + y), Pump(); }

    TForm* form = nullptr;
    TTrackBar* bar = nullptr;
    HWND h = 0;
    std::vector<int> changes;
};

TEST_F(TrackBarTest, PositionStaysInRangeAndEveryChangeIsReported) {
    bar->SetPosition(7);
    bar->SetPosition(7);
    bar->SetPosition(25);
    bar->SetPosition(-3);
    bar->SetPosition(4);
    bar->SetMax(3);  // pulls the position in
    bar->SetMin(20); // drags Max along
    EXPECT_EQ(changes, (std::vector<int>{7, 10, 0, 4, 3, 20}));
    EXPECT_EQ(bar->Max(), 20);
    bar->SetMax(-5);
    EXPECT_EQ(bar->Min(), -5);
    EXPECT_EQ(bar->Position(), -5);
}

TEST_F(TrackBarTest, ThumbStandsAtItsPositionAcrossTheWholeRange) {
    EXPECT_EQ(ThumbLeft(), 8);
    bar->SetPosition(5);
    EXPECT_EQ(ThumbLeft(), 8 + 61);
    bar->SetPosition(10);
    EXPECT_EQ(ThumbLeft(), 8 + 123);
    // The full 32-bit range does not overflow.
    bar->SetMin(INT32_MIN);
    bar->SetMax(INT32_MAX);
    bar->SetPosition(0);
    EXPECT_EQ(ThumbLeft(), 8 + 61);
    bar->SetSliderVisible(false);
    EXPECT_EQ(ThumbLeft(), -1);
}

TEST_F(TrackBarTest, TicksFollowFrequencyStyleAndSide) {
    struct Case {
        int max, frequency;
        TTickStyle style;
        int row, count;
    };
    const Case cases[] = {
        {10, 1, TTickStyle::tsAuto, 33, 11},
        {10, 3, TTickStyle::tsAuto, 33, 5},   // 0, 3, 6, 9 and the end
        {10, 0, TTickStyle::tsAuto, 33, 11},  // no frequency counts as 1
        {10, 1, TTickStyle::tsAuto, 34, 2},   // only the end ticks are longer
        {10, 1, TTickStyle::tsManual, 33, 3}, // the ends and the tick set at 4
        {10, 1, TTickStyle::tsNone, 33, 0},
        // Denser than the pixels: one tick per pixel of the track, 124 of them.
        {2000000000, 1, TTickStyle::tsAuto, 33, 124},
    };
    bar->SetTick(4);
    for (const Case& c : cases) {
        bar->SetMax(c.max);
        bar->SetFrequency(c.frequency);
        bar->SetTickStyle(c.style);
        EXPECT_EQ(TicksInRow(c.row), c.count) << c.max << " " << c.frequency << " " << int(c.style);
    }
    // Above the thumb instead: the thumb moves down to make room.
    bar->SetMax(10);
    bar->SetTickStyle(TTickStyle::tsAuto);
    bar->SetTickMarks(TTickMark::tmTopLeft);
    EXPECT_EQ(TicksInRow(12), 11);
}

TEST_F(TrackBarTest, ADisabledBarGreysItsTicksAndChecksItsThumb) {
    bar->SetEnabled(false);
    EXPECT_EQ(TicksInRow(33), 0);
    int grey = 0, lit = 0;
    for (int x = 0; x < 150; ++x)
        grey += PixelAt(h, 10 + x, 10 + 33) == Rgb(clBtnShadow);
    for (int x = 8 + 2; x < 8 + 9; ++x)
        lit += PixelAt(h, 10 + x, 10 + 14) == Rgb(clBtnHighlight);
    EXPECT_EQ(grey, 11);
    EXPECT_GT(lit, 2);
}

TEST_F(TrackBarTest, KeysMoveByLineAndPageAndStopAtTheEnds) {
    bar->SetPageSize(3);
    bar->SetPosition(5);
    bar->SetFocus();
    struct Step {
        uint32_t key;
        int position;
    };
    const Step steps[] = {{VK_RIGHT, 6}, {VK_LEFT, 5},  {VK_DOWN, 6}, {VK_UP, 5},
                          {VK_NEXT, 8},  {VK_PRIOR, 5}, {VK_END, 10}, {VK_RIGHT, 10},
                          {VK_NEXT, 10}, {VK_HOME, 0},  {VK_LEFT, 0}};
    for (const Step& s : steps) {
        Host->KeyDown(h, s.key);
        Host->KeyUp(h, s.key);
        Pump();
        EXPECT_EQ(bar->Position(), s.position) << s.key;
    }
    // Arrows stay with the bar instead of moving the focus.
    EXPECT_TRUE(bar->Focused());
}

TEST_F(TrackBarTest, APressBesideTheThumbPagesTowardsThePointerWhileHeld) {
    Press(140, 20);
    EXPECT_EQ(bar->Position(), 2);
    EXPECT_TRUE(bar->Focused());
    Host->Advance(400);
    Pump();
    EXPECT_EQ(bar->Position(), 4);
    for (int i = 0; i < 10; ++i) {
        Host->Advance(100);
        Pump();
    }
    // Paging stops once the thumb lies under the pointer.
    EXPECT_EQ(bar->Position(), 10);
    Release(140, 20);
    EXPECT_EQ(changes, (std::vector<int>{2, 4, 6, 8, 10}));

    // Released, the repeat stops.
    Press(60, 20);
    Release(60, 20);
    Host->Advance(1000);
    Pump();
    EXPECT_EQ(bar->Position(), 8);
}

TEST_F(TrackBarTest, DraggingTheThumbFollowsThePointerAndShowsItPressed) {
    bar->SetMax(100);
    Press(13, 20); // the thumb's centre at 0
    MoveTo(13 + 62, 20);
    EXPECT_EQ(bar->Position(), 50);
    // The pressed thumb's face is checked: lit pixels inside the body.
    int lit = 0;
    for (int x = 8 + 61 + 2; x < 8 + 61 + 9; ++x)
        lit += PixelAt(h, 10 + x, 10 + 14) == Rgb(clBtnHighlight);
    EXPECT_GT(lit, 2);
    MoveTo(500, 90); // beyond the end, and off the bar
    EXPECT_EQ(bar->Position(), 100);
    Release(500, 90);
    MoveTo(13, 20);
    EXPECT_EQ(bar->Position(), 100);
}

TEST_F(TrackBarTest, AVerticalBarRunsDownFromMin) {
    bar->SetOrientation(TTrackBarOrientation::trVertical);
    EXPECT_EQ(bar->Width(), 45);
    EXPECT_EQ(bar->Height(), 150);
    bar->SetFocus();
    Host->KeyDown(h, VK_DOWN);
    Pump();
    EXPECT_EQ(bar->Position(), 1);
    Press(20, 140);
    Release(20, 140);
    EXPECT_EQ(bar->Position(), 3);
}

TEST_F(TrackBarTest, LayoutsReadPropertiesInAnyOrderAndWriteThemBack) {
    RegisterInputControlClasses();
    const std::string text = Lines({
        "object TrackBar1: TTrackBar",
        "  Left = 8",
        "  Top = 24",
        "  Width = 145",
        "  Height = 17",
        "  Position = 750",
        "  Max = 10000",
        "  Frequency = 1000",
        "  ThumbLength = 10",
        "  TickMarks = tmBoth",
        "  TickStyle = tsManual",
        "end",
    });
    auto component = TextToComponent(text);
    auto* read = dynamic_cast<TTrackBar*>(component.get());
    ASSERT_NE(read, nullptr);
    EXPECT_EQ(read->Position(), 750);
    EXPECT_EQ(read->Max(), 10000);
    EXPECT_EQ(read->ThumbLength(), 10);
    EXPECT_EQ(read->TickMarks(), TTickMark::tmBoth);
    const std::string written = ComponentToText(*read);
    EXPECT_NE(written.find("Max = 10000"), std::string::npos) << written;
    EXPECT_NE(written.find("Position = 750"), std::string::npos) << written;
    EXPECT_EQ(written.find("Min ="), std::string::npos) << written;
    auto again = TextToComponent(written);
    EXPECT_EQ(dynamic_cast<TTrackBar&>(*again).Frequency(), 1000);
}

} // namespace
