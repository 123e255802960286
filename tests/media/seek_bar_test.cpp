// The seek bar on a real 95.5-second clip: timer arithmetic, seeking on release, the timer's
// switching by the controller's actions, and the link to the controller.
#include "filter_graph_fixture.h"
#include "framework/controls/form.h"
#include "media/ds_track_bar.h"

#include <atomic>
#include <gtest/gtest.h>

using namespace brisat;
using namespace brisat::test;

namespace {

constexpr std::int64_t kMs = 10'000; // 100-ns units

class SeekBarTest : public FilterGraphTest {
protected:
    void SetUp() override {
        FilterGraphTest::SetUp();
        form = &App->CreateForm<TForm>();
        form->SetBorderStyle(TFormBorderStyle::bsNone);
        form->SetBounds(50, 50, 300, 100);
        bar = &CreateOwned<TDSTrackBar>(*form);
        bar->SetBounds(10, 10, 200, 40);
        bar->SetParent(form);
        bar->SetOnTimer([this](TComponent&, std::uint32_t current, std::uint32_t stop) {
            ticks.push_back({current, stop});
        });
        form->Show();
        Pump();
        Attach();
        bar->SetFilterGraph(Graph.get());
        Activate();
    }
    void TearDown() override {
        Detach();
        form = nullptr; // the application frees it
        FilterGraphTest::TearDown();
    }

    // Renders the long clip and plays it; returns once the bar has handled the new clock.
    void StartLongClip() {
        RenderLongClip();
        PlayToTheNewClock();
    }
    void RenderLongClip() {
        std::string clip = Clip("long.avi");
        ASSERT_FALSE(clip.empty());
        ASSERT_EQ(Graph->RenderFile(clip), S_OK) << Graph->LastErrorDetail();
    }
    void PlayToTheNewClock() {
        bool clock = false;
        Graph->OnGraphClockChanged = [&](TComponent&) { clock = true; };
        ASSERT_TRUE(Graph->Play());
        ASSERT_TRUE(PumpUntil([&] { return clock; }));
        Graph->OnGraphClockChanged = nullptr;
    }
    // Holds the graph still at `ms` without telling the listeners, so the timer keeps running.
    void HoldAt(std::int64_t ms) {
        auto graph = Graph->QueryInterface<TGraphInterface::IMediaSeeking>();
        graph->Pause();
        std::int64_t at = ms * kMs;
        graph->SetPositions(&at, AM_SEEKING_AbsolutePositioning, nullptr, AM_SEEKING_NoPositioning);
        WaitCued();
    }
    void WaitCued() {
        auto graph = Graph->QueryInterface<TGraphInterface::IFilterGraph>();
        gst_element_get_state(graph->Pipeline(), nullptr, nullptr, 5 * GST_SECOND);
    }
    std::int64_t PositionMs() {
        std::int64_t position = -1;
        Graph->QueryInterface<TGraphInterface::IMediaSeeking>()->GetCurrentPosition(position);
        return position / kMs;
    }
    // Lets the bar's timer fire once.
    void Tick() {
        Host->Advance(bar->TimerInterval() ? bar->TimerInterval() : 1000);
        Pump();
    }
    HWND Form() { return form->Handle(); }

    TForm* form = nullptr;
    TDSTrackBar* bar = nullptr;
    std::vector<std::pair<std::uint32_t, std::uint32_t>> ticks;
};

} // namespace

TEST_F(SeekBarTest, TicksReportMillisecondsAndMoveTheThumbInTimerUnits) {
    StartLongClip();
    EXPECT_TRUE(bar->TimerEnabled());
    HoldAt(12345);
    struct Case {
        std::uint32_t Interval;
        int Max, Position;
    };
    for (Case c : {Case{1000, 95, 12}, Case{500, 191, 24}, Case{100, 955, 123}}) {
        bar->SetTimerInterval(c.Interval);
        ticks.clear();
        Tick();
        ASSERT_EQ(ticks.size(), 1u) << c.Interval;
        EXPECT_EQ(ticks[0], std::make_pair(12345u, 95500u)) << c.Interval;
        EXPECT_EQ(bar->Min(), 0);
        EXPECT_EQ(bar->Max(), c.Max) << c.Interval;
        EXPECT_EQ(bar->Position(), c.Position) << c.Interval;
    }
}

// Flushes that reach the graph's sinks, counted from when it is made.
struct TFlushCount {
    static GstPadProbeReturn Count(GstPad*, GstPadProbeInfo* info, gpointer self) {
        if (GST_EVENT_TYPE(GST_PAD_PROBE_INFO_EVENT(info)) == GST_EVENT_FLUSH_START)
            static_cast<TFlushCount*>(self)->Flushes++;
        return GST_PAD_PROBE_OK;
    }
    explicit TFlushCount(GstElement* pipeline) {
        GstIterator* it = gst_bin_iterate_sinks(GST_BIN(pipeline));
        GValue item = G_VALUE_INIT;
        while (gst_iterator_next(it, &item) == GST_ITERATOR_OK) {
            if (GstPad* pad =
                    gst_element_get_static_pad(GST_ELEMENT(g_value_get_object(&item)), "sink")) {
                gst_pad_add_probe(pad, GST_PAD_PROBE_TYPE_EVENT_FLUSH, Count, this, nullptr);
                gst_object_unref(pad);
            }
            g_value_reset(&item);
        }
        g_value_unset(&item);
        gst_iterator_free(it);
    }
    std::atomic<int> Flushes{0};
};

// The new clock of a graph that starts leaves it where it is, at its start; one that has moved on
// goes back to the start.
TEST_F(SeekBarTest, ANewClockRewindsAGraphThatMovedOnAndLeavesANewOneAlone) {
    RenderLongClip();
    TFlushCount count(Graph->QueryInterface<TGraphInterface::IFilterGraph>()->Pipeline());
    PlayToTheNewClock();
    EXPECT_EQ(count.Flushes, 0) << "a graph at its start was flushed";

    HoldAt(30000);
    bar->HandleGraphEvent(EC_CLOCK_CHANGED, 0, 0);
    WaitCued();
    EXPECT_LT(PositionMs(), 250);
}

TEST_F(SeekBarTest, ReleasingTheLeftButtonSeeksToTheThumbAndOnlyThen) {
    StartLongClip();
    HoldAt(12345);
    Tick();
    ASSERT_EQ(bar->Max(), 95);

    Host->MouseDown(Form(), 10 + 100, 10 + 20);
    Pump();
    ticks.clear();
    Tick();
    EXPECT_TRUE(ticks.empty()) << "no ticks while the button is held";
    bar->SetPosition(48);
    Host->MouseUp(Form(), 10 + 100, 10 + 20);
    Pump();
    WaitCued();
    EXPECT_EQ(PositionMs(), 95500 * 48 / 95);
    Tick();
    ASSERT_EQ(ticks.size(), 1u);
    EXPECT_EQ(bar->Position(), 48);

    // A right-button release ends the drag without seeking.
    Host->MouseDown(Form(), 10 + 100, 10 + 20, TPlatformButton::Right);
    Pump();
    bar->SetPosition(10);
    Host->MouseUp(Form(), 10 + 100, 10 + 20, TPlatformButton::Right);
    Pump();
    WaitCued();
    EXPECT_EQ(PositionMs(), 95500 * 48 / 95);
}

TEST_F(SeekBarTest, TheTimerRunsFromPlayUntilPauseOrStop) {
    StartLongClip();
    ticks.clear();
    Tick();
    EXPECT_EQ(ticks.size(), 1u);
    bar->SetTimerInterval(0);
    Tick();
    EXPECT_EQ(ticks.size(), 1u) << "interval 0 stops the timer";
    bar->SetTimerInterval(1000);
    Tick();
    EXPECT_EQ(ticks.size(), 2u);

    Graph->Pause();
    EXPECT_FALSE(bar->TimerEnabled());
    Tick();
    EXPECT_EQ(ticks.size(), 2u);
    bar->SetEnabled(false);
    Graph->Play();
    EXPECT_FALSE(bar->TimerEnabled()) << "a disabled bar does not start its timer";
    bar->SetEnabled(true);
    Graph->Play();
    EXPECT_TRUE(bar->TimerEnabled());
    Graph->Stop();
    EXPECT_FALSE(bar->TimerEnabled());
}

TEST_F(SeekBarTest, DeactivationAndDestructionOfTheControllerLetTheBarGo) {
    StartLongClip();
    HoldAt(12345);
    Tick();
    Graph->SetActive(false);
    ticks.clear();
    Tick();
    EXPECT_TRUE(ticks.empty()) << "no seeking interface, no ticks";
    Host->MouseDown(Form(), 10 + 100, 10 + 20);
    Host->MouseUp(Form(), 10 + 100, 10 + 20);
    Pump(); // a release without a graph does nothing

    Detach();
    Graph.reset();
    EXPECT_EQ(bar->FilterGraph(), nullptr);
    Graph = std::make_unique<TFilterGraph>(nullptr); // for TearDown
}

TEST_F(SeekBarTest, TimerHandlerExceptionsAreShownAndTheTimerGoesOn) {
    std::vector<std::string> shown;
    App->OnException = [&](TComponent&, const std::exception& e) { shown.push_back(e.what()); };
    bar->SetOnTimer([&](TComponent&, std::uint32_t, std::uint32_t) {
        throw EInvalidOperation("tick " + std::to_string(shown.size()));
    });
    StartLongClip();
    Tick();
    Tick();
    EXPECT_EQ(shown, (std::vector<std::string>{"tick 0", "tick 1"}));
}
