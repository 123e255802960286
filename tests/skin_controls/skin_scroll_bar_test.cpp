#include "framework/core/exceptions.h"
#include "framework/widgets/scroll_math.h"
#include "skin/bitmap/draw_helpers.h"
#include "skin/objects/skin_object.h"
#include "skin_controls/se_skin_scroll_bar.h"
#include "skin_controls/skin_control_fixture.h"

#include <vector>

using namespace brisat;
using namespace brisat::test;

namespace {

class SkinScrollBarTest : public SkinControlTest {
protected:
    // A vertical bar 18 x 200 at (10, 10): buttons 16 long, the track from 17 to 183.
    template <class T = TKsCustomScrollBar> T& VerticalBar() {
        T& bar = Add<T>(Bounds(10, 10, 18, 200));
        bar.SetKind(TScrollBarKind::sbVertical);
        return bar;
    }
    void Press(TControl& c, int32_t x, int32_t y) {
        const TPoint p = OnForm(c, x, y);
        Host->MouseDown(Window(), p.X, p.Y);
        Pump();
    }
    void Move(TControl& c, int32_t x, int32_t y) {
        const TPoint p = OnForm(c, x, y);
        Host->MouseMove(Window(), p.X, p.Y);
        Pump();
    }
    void Release(TControl& c, int32_t x, int32_t y) {
        const TPoint p = OnForm(c, x, y);
        Host->MouseUp(Window(), p.X, p.Y);
        Pump();
    }
    void Wait(uint32_t ms) {
        Host->Advance(ms);
        Pump();
    }
};

TEST_F(SkinScrollBarTest, ThumbLengthFollowsThePageWithItsMinimumAndVanishesWhenItWouldFill) {
    auto& bar = VerticalBar();
    ASSERT_EQ(bar.GetTrackRect(), (TRect{1, 17, 17, 183}));
    const struct {
        int32_t max, page, length;
    } cases[] = {
        {100, 0, 16},    // no page: the standard thumb
        {24, 10, 66},    // nearest(10 × 166 / 25)
        {10000, 1, 10},  // the minimum, two thirds of the standard thumb
        {9, 10, 0},      // a page of everything would fill the track: no thumb
    };
    for (const auto& c : cases) {
        bar.SetMax(c.max);
        bar.SetPageSize(c.page);
        EXPECT_EQ(bar.GetThumbSize(), c.length) << c.max << "/" << c.page;
        EXPECT_EQ(bar.ThumbPresent(), c.length > 0) << c.max << "/" << c.page;
    }
    // A short bar shares its length between the buttons and has no room for a thumb.
    bar.SetHeight(20);
    EXPECT_EQ(bar.GetButtonSize(), 9);
    EXPECT_FALSE(bar.ThumbPresent());
}

TEST_F(SkinScrollBarTest, RangeAssignmentsClampAndKeepTheirOrder) {
    auto& bar = VerticalBar();
    bar.SetMax(50);
    bar.SetPosition(80);
    EXPECT_EQ(bar.Position(), 50);
    bar.SetPageSize(70);
    EXPECT_EQ(bar.PageSize(), 51) << "limited to Max - Min + 1";
    bar.SetPageSize(-3);
    EXPECT_EQ(bar.PageSize(), 51) << "a negative page is ignored";
    bar.SetMax(20);
    EXPECT_EQ(bar.Position(), 20);
    EXPECT_EQ(bar.PageSize(), 21);
    bar.SetMin(30);
    EXPECT_EQ(bar.Min(), 20) << "Min above Max becomes Max";
    EXPECT_THROW(bar.SetBorderWidth(-1), EInvalidOperation);
    EXPECT_EQ(bar.BorderWidth(), 1);
}

// Max 100, page 10: the thumb is 16 long and starts 17 + nearest(Position × 150 / 91).
TEST_F(SkinScrollBarTest, HoldingThePageForwardAreaRepeatsUntilTheThumbPassesThePointer) {
    auto& bar = VerticalBar();
    bar.SetPageSize(10);
    std::vector<TScrollCode> codes;
    bar.OnScroll = [&codes](TComponent&, TScrollCode code, int32_t&) { codes.push_back(code); };
    Press(bar, 8, 150);
    EXPECT_EQ(bar.Position(), 10) << "the first step comes at once";
    Wait(KeyboardRepeatDelay() - 1);
    EXPECT_EQ(bar.Position(), 10) << "the next waits for the keyboard delay";
    Wait(1);
    EXPECT_EQ(bar.Position(), 20);
    for (int i = 0; i < 20; ++i)
        Wait(KeyboardRepeatInterval());
    // At 80 the thumb (149..165) lies under the pointer: no more paging either way.
    EXPECT_EQ(bar.Position(), 80);
    Release(bar, 8, 150);
    EXPECT_EQ(codes.front(), TScrollCode::scPageDown);
    EXPECT_EQ(codes.back(), TScrollCode::scEndScroll);
    Wait(1000);
    EXPECT_EQ(bar.Position(), 80);
}

TEST_F(SkinScrollBarTest, DraggingTheThumbTracksAndOnScrollMayAlterThePosition) {
    auto& bar = VerticalBar();
    bar.SetPageSize(10);
    std::vector<TScrollCode> codes;
    bar.OnScroll = [&codes](TComponent&, TScrollCode code, int32_t& pos) {
        codes.push_back(code);
        if (code == TScrollCode::scPosition) pos -= pos % 10; // snaps when let go
    };
    Press(bar, 8, 20); // on the thumb, 3 pixels into it
    EXPECT_TRUE(bar.Dragging());
    Move(bar, 8, 20 + 75); // thumb start 92: nearest(75 × 91 / 150) = 46
    EXPECT_EQ(bar.Position(), 46);
    Move(bar, 8, 400); // held at the track's end
    EXPECT_EQ(bar.Position(), 91);
    Move(bar, 8, 20 + 75);
    Release(bar, 8, 20 + 75);
    EXPECT_FALSE(bar.Dragging());
    EXPECT_EQ(bar.Position(), 40);
    const std::vector<TScrollCode> tail(codes.end() - 2, codes.end());
    EXPECT_EQ(tail, (std::vector<TScrollCode>{TScrollCode::scPosition, TScrollCode::scEndScroll}));
}

TEST_F(SkinScrollBarTest, AutoScrollStepsByLineAndStopsAtTheEnd) {
    auto& bar = VerticalBar();
    bar.SetMax(3);
    bar.SetAutoScrollForward(true);
    Wait(KeyboardRepeatInterval());
    EXPECT_EQ(bar.Position(), 1);
    bar.SetAutoScrollBack(true);
    EXPECT_FALSE(bar.AutoScrollForward()) << "one direction at a time";
    Wait(KeyboardRepeatInterval());
    EXPECT_EQ(bar.Position(), 0);
    EXPECT_FALSE(bar.AutoScrollBack()) << "stops once Min is reached";
    Wait(KeyboardRepeatInterval() * 5);
    EXPECT_EQ(bar.Position(), 0);
}

// "ScrollBar" { VertFrame 20 wide, TopButton 12 high, BottomButton, VertSlider }.
TSeSkinBody ScrollBarSkin(bool withSlider) {
    TSeSkinBody body;
    auto bar = TopObject("ScrollBar");
    auto& frame = CreateOwned<TSeSkinObject>(*bar);
    frame.SetName("VertFrame");
    frame.SetColor(kSkinFrame);
    frame.SetBounds(Bounds(0, 0, 20, 50));
    AddColorObject(*bar, "TopButton").SetBounds(Bounds(0, 0, 20, 12));
    AddColorObject(*bar, "BottomButton").SetBounds(Bounds(0, 0, 20, 12));
    if (withSlider) AddColorObject(*bar, "VertSlider");
    body.Objects.push_back(std::move(bar));
    return body;
}

TEST_F(SkinScrollBarTest, SkinnedBarTakesTheFrameWidthAndLeavesMissingPartsUndrawn) {
    auto& bar = VerticalBar<TSeSkinScrollBar>();
    bar.SetPageSize(10);
    const TRect plainThumb = bar.GetThumbRect();
    EXPECT_NE(At(bar, 8, plainThumb.Top + 5), Rgb(kSkinFace));
    LoadSkin(ScrollBarSkin(true));
    bar.SetSkinEngine(Engine);
    EXPECT_EQ(bar.Width(), 20);
    EXPECT_EQ(bar.BorderWidth(), 0);
    EXPECT_EQ(bar.GetButtonSize(), 12);
    const TRect thumb = bar.GetThumbRect();
    EXPECT_EQ(At(bar, 10, 5), Rgb(kSkinFace)) << "top button";
    EXPECT_EQ(At(bar, 10, thumb.Top + 2), Rgb(kSkinFace)) << "slider";
    EXPECT_EQ(At(bar, 10, thumb.Bottom + 10), Rgb(kSkinFrame)) << "track: the frame";
    Move(bar, 10, 5);
    EXPECT_EQ(At(bar, 10, 5), Rgb(kSkinHot));

    LoadSkin(ScrollBarSkin(false));
    EXPECT_EQ(At(bar, 10, thumb.Top + 2), Rgb(kSkinFrame)) << "no slider: no thumb";
}

} // namespace
