// Real clips built and played by the filter graph controller, with events drained by the message
// loop of the headless platform.
#include "factory_demotion.h"
#include "filter_graph_fixture.h"
#include "framework/controls/form.h"

#include <algorithm>
#include <gtest/gtest.h>

using namespace brisat;
using namespace brisat::test;

namespace {

std::ptrdiff_t IndexOf(const Log& log, const std::string& entry) {
    auto at = std::find(log.begin(), log.end(), entry);
    return at == log.end() ? -1 : at - log.begin();
}

class FilterGraphPlayback : public FilterGraphTest {
protected:
    void SetUp() override {
        FilterGraphTest::SetUp();
        Attach();
        Activate();
        Graph->OnDSEvent = [&](TComponent&, long code, std::intptr_t, std::intptr_t) {
            Events.push_back("OnDSEvent " + std::to_string(code));
        };
        Graph->OnGraphComplete = [&](TComponent& sender, HRESULT result, TFilter) {
            EXPECT_EQ(&sender, Graph.get());
            Events.push_back("OnGraphComplete " + std::to_string(result));
            ++Completions;
        };
    }
    void TearDown() override {
        Detach();
        FilterGraphTest::TearDown();
    }
    bool PlayToCompletion() {
        int before = Completions;
        return Graph->Play() && PumpUntil([&] { return Completions > before; });
    }
    int Completions = 0;
};

} // namespace

TEST_F(FilterGraphPlayback, EventsReachListenersThenOnDSEventThenTheirHandler) {
    int width = 0, height = 0;
    Graph->OnGraphVideoSizeChanged = [&](TComponent&, std::int32_t w, std::int32_t h) {
        width = w;
        height = h;
    };
    Graph->OnGraphClockChanged = [&](TComponent&) { Events.push_back("OnGraphClockChanged"); };
    Events.clear();
    ASSERT_EQ(Graph->RenderFile(Clip("clip.avi")), S_OK) << Graph->LastErrorDetail();
    EXPECT_EQ(Events, (Log{"gceFileRendering", "gceFileRendered"}));
    ASSERT_TRUE(PlayToCompletion());

    EXPECT_EQ(IndexOf(Events, "gcePlay"), 2);
    std::ptrdiff_t complete = IndexOf(Events, "VideoWindow event 1");
    ASSERT_GE(complete, 0);
    EXPECT_EQ(Events[complete + 1], "OnDSEvent 1");
    EXPECT_EQ(Events[complete + 2], "OnGraphComplete 0");
    std::ptrdiff_t clock = IndexOf(Events, "VideoWindow event 13");
    ASSERT_GE(clock, 0);
    EXPECT_EQ(Events[clock + 1], "OnDSEvent 13");
    EXPECT_EQ(Events[clock + 2], "OnGraphClockChanged");
    EXPECT_LT(clock, complete);
    EXPECT_EQ(width, 160);
    EXPECT_EQ(height, 120);
    EXPECT_GE(TBasicVideo(Client.Renderer).FramesRendered(), std::uint64_t(kMostOfASecond));
}

// The player's completion handler starts the next file from inside the pump: clear, deactivate,
// activate, render, play. The new graph's events must still arrive.
TEST_F(FilterGraphPlayback, CompletionHandlerCanStartTheNextFile) {
    std::vector<std::string> playlist{Clip("clip.mpg"), Clip("clip.mp4")};
    Graph->OnGraphComplete = [&](TComponent&, HRESULT, TFilter) {
        ++Completions;
        if (playlist.empty()) return;
        Graph->ClearGraph();
        Graph->SetActive(false);
        Activate();
        Graph->RenderFile(playlist.front());
        playlist.erase(playlist.begin());
        Graph->Play();
    };
    ASSERT_EQ(Graph->RenderFile(Clip("clip.avi")), S_OK);
    Graph->Play();
    EXPECT_TRUE(PumpUntil([&] { return Completions == 3; }, 20000)) << Completions;
    EXPECT_TRUE(playlist.empty());
}

// An exception from a handler goes to the application's display; the next events still arrive.
TEST_F(FilterGraphPlayback, HandlerExceptionsAreShownAndDeliveryGoesOn) {
    std::vector<std::string> shown;
    App->OnException = [&](TComponent&, const std::exception& e) { shown.push_back(e.what()); };
    Graph->OnGraphClockChanged = [](TComponent&) { throw EInvalidOperation("clock handler"); };
    ASSERT_EQ(Graph->RenderFile(Clip("clip.avi")), S_OK);
    EXPECT_TRUE(PlayToCompletion());
    EXPECT_EQ(shown, std::vector<std::string>{"clock handler"});
}

TEST_F(FilterGraphPlayback, VolumeIsAttenuationPlusTenThousand) {
    ASSERT_EQ(Graph->RenderFile(Clip("clip.avi")), S_OK);
    auto audio = Graph->QueryInterface<TGraphInterface::IBasicAudio>();
    ASSERT_NE(audio, nullptr);
    EXPECT_EQ(Graph->Volume(), 10000);
    const std::pair<std::int32_t, long> cases[] = {{10000, 0}, {0, -10000}, {7500, -2500}};
    for (auto [volume, attenuation] : cases) {
        Graph->SetVolume(volume);
        long set = 1;
        EXPECT_EQ(audio->get_Volume(set), S_OK);
        EXPECT_EQ(set, attenuation) << volume;
        EXPECT_EQ(Graph->Volume(), volume);
    }
    Graph->SetVolume(12000); // refused by the graph, ignored here
    EXPECT_EQ(Graph->Volume(), 7500);
    audio.reset();

    Graph->ClearGraph();
    ASSERT_EQ(Graph->RenderFile(Clip("mjpeg.avi")), S_OK) << "video only";
    EXPECT_EQ(Graph->QueryInterface(TGraphInterface::IBasicAudio), nullptr);
    EXPECT_EQ(Graph->Volume(), 0);
    Graph->SetVolume(5000);
    EXPECT_EQ(Graph->Volume(), 0);
}

TEST_F(FilterGraphPlayback, ClearGraphLeavesOnlyTheRendererDisconnected) {
    ASSERT_EQ(Graph->RenderFile(Clip("clip.mp4")), S_OK);
    ASSERT_TRUE(PlayToCompletion());
    EXPECT_GT(Filters().size(), 3u);
    Events.clear();
    Graph->ClearGraph();
    EXPECT_EQ(Events, Log{"gceStop"});
    std::vector<TFilter> left = Filters();
    ASSERT_EQ(left.size(), 1u);
    EXPECT_EQ(left[0], Client.Renderer);
    EXPECT_FALSE(IsConnected(Client.Renderer));

    ASSERT_EQ(Graph->RenderFile(Clip("clip.avi")), S_OK) << "the cleared graph builds again";
    EXPECT_TRUE(PlayToCompletion());
}

TEST_F(FilterGraphPlayback, UnplayableInputRaisesWithTheResultTextAndLeavesACleanGraph) {
    FactoryDemotion noJpeg("image/jpeg");
    const std::string inputs[] = {ClipFolder() + "/missing.avi", Clip("text.avi"),
                                  Clip("truncated.mp4"), Clip("mjpeg.avi")};
    for (const std::string& input : inputs) {
        Events.clear();
        try {
            Graph->RenderFile(input);
            ADD_FAILURE() << input << " rendered";
        } catch (const EDirectShowException& e) {
            char code[16];
            std::snprintf(code, sizeof code, "%08X", std::uint32_t(e.ErrorCode));
            EXPECT_LT(e.ErrorCode, 0) << input;
            EXPECT_FALSE(MediaErrorText(e.ErrorCode).empty()) << input;
            // The code's text, then the input and the cause on a line of their own.
            const std::string head = MediaErrorText(e.ErrorCode) + " ($" + code + ").\n" + input;
            EXPECT_EQ(e.Message().rfind(head + ": ", 0), 0u) << e.Message();
            EXPECT_GT(e.Message().size(), head.size() + 3) << e.Message();
        }
        EXPECT_EQ(Events, Log{"gceFileRendering"}) << input;
        std::vector<TFilter> left = Filters();
        ASSERT_EQ(left.size(), 1u) << input;
        EXPECT_EQ(left[0], Client.Renderer);
        EXPECT_FALSE(IsConnected(Client.Renderer)) << input;
    }
}

// While a graph builds, the windows still repaint; a handler running then finds no graph to
// drive.
TEST_F(FilterGraphPlayback, WindowsRepaintWhileAGraphBuildsAndFindNoGraphToDrive) {
    TForm& form = App->CreateForm<TForm>();
    form.SetBounds(0, 0, 100, 100);
    form.Show();
    Pump();
    int paints = 0, played = 0;
    form.OnPaint = [&](TComponent&) {
        ++paints;
        played += Graph->Play();
    };
    InvalidateRect(form.Handle(), nullptr);
    ASSERT_EQ(Graph->RenderFile(Clip("clip.mp4")), S_OK);
    EXPECT_EQ(paints, 1);
    EXPECT_EQ(played, 0);
    EXPECT_EQ(IndexOf(Events, "gcePlay"), -1);
}

TEST(CheckMediaResult, PassesSuccessAndRaisesFailureWithTextAndCode) {
    EXPECT_EQ(CheckMediaResult(S_OK), S_OK);
    EXPECT_EQ(CheckMediaResult(S_FALSE), S_FALSE);
    EXPECT_EQ(CheckMediaResult(VFW_S_PARTIAL_RENDER), VFW_S_PARTIAL_RENDER);
    const std::pair<HRESULT, const char*> failures[] = {
        {E_FILE_NOT_FOUND, "The system cannot find the file specified. ($80070002)."},
        {VFW_E_UNKNOWN_FILE_TYPE, "The media type of this file is not recognized. ($80040240)."},
        {MakeResult(0x80040999), " ($80040999)."}, // a code without a text
    };
    for (auto [code, message] : failures) {
        try {
            CheckMediaResult(code);
            ADD_FAILURE() << std::hex << code;
        } catch (const EDirectShowException& e) {
            EXPECT_EQ(e.Message(), message);
            EXPECT_EQ(e.ErrorCode, code);
        }
    }
}
