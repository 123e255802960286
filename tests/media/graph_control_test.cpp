// Media control, seeking, volume, filters and pins of a graph built from a real clip.
#include "media/platform/event_codes.h"
#include "media/platform/overlay_mixer.h"
#include "media_clips.h"

#include <cmath>
#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <limits>
#include <sstream>
#include <unistd.h>

using namespace brisat;
using namespace brisat::test;

namespace {

constexpr std::int64_t kSecond = 10'000'000; // 100-ns units

class RenderedClip : public ::testing::Test {
protected:
    void SetUp() override {
        std::string clip = Clip("clip.avi");
        ASSERT_FALSE(clip.empty());
        ASSERT_EQ(h.Graph.RenderFile(clip), S_OK) << h.Graph.LastErrorDetail();
    }
    GstElement* Volume() {
        for (TFilter& f : h.Graph.EnumFilters())
            if (f.GetClassID() == "volume") return f.Element();
        return nullptr;
    }
    bool Has(const std::vector<long>& codes, long code) {
        return std::find(codes.begin(), codes.end(), code) != codes.end();
    }
    void WaitCued() { gst_element_get_state(h.Graph.Pipeline(), nullptr, nullptr, 5 * GST_SECOND); }
    GraphHarness h;
};

} // namespace

TEST_F(RenderedClip, VolumeMapsHundredthsOfDecibelsOntoTheVolumeElement) {
    GstElement* volume = Volume();
    ASSERT_NE(volume, nullptr);
    const std::pair<long, double> cases[] = {
        {0, 1.0}, {-2000, 0.1}, {-2500, std::pow(10.0, -1.25)}, {-6000, 0.001}, {-10000, 0.0}};
    for (auto [attenuation, linear] : cases) {
        ASSERT_EQ(h.Graph.put_Volume(attenuation), S_OK);
        gdouble set = -1;
        g_object_get(volume, "volume", &set, nullptr);
        EXPECT_NEAR(set, linear, 1e-6) << attenuation; // the element keeps a float
        long back = 1;
        EXPECT_EQ(h.Graph.get_Volume(back), S_OK);
        EXPECT_EQ(back, attenuation);
    }
    EXPECT_EQ(h.Graph.put_Volume(-2500), S_OK);
    EXPECT_EQ(h.Graph.put_Volume(1), E_INVALIDARG);
    EXPECT_EQ(h.Graph.put_Volume(-10001), E_INVALIDARG);
    long back = 0;
    h.Graph.get_Volume(back);
    EXPECT_EQ(back, -2500);

    TMediaPipeline empty;
    EXPECT_EQ(empty.get_Volume(back), E_NOINTERFACE);
    EXPECT_EQ(empty.put_Volume(0), E_NOINTERFACE);
}

TEST_F(RenderedClip, SeeksAndStopsAtTheStopPosition) {
    std::int64_t duration = 0, stop = 0, position = 0;
    ASSERT_EQ(h.Graph.GetDuration(duration), S_OK);
    EXPECT_EQ(h.Graph.GetStopPosition(stop), S_OK);
    EXPECT_EQ(stop, duration);

    std::int64_t start = kSecond / 2, end = kSecond * 7 / 10;
    ASSERT_EQ(h.Graph.SetPositions(&start, AM_SEEKING_AbsolutePositioning, &end,
                                   AM_SEEKING_AbsolutePositioning),
              S_OK);
    WaitCued();
    EXPECT_EQ(h.Graph.GetCurrentPosition(position), S_OK);
    EXPECT_NEAR(position, start, kSecond / 10);
    EXPECT_EQ(h.Graph.GetStopPosition(stop), S_OK);
    EXPECT_EQ(stop, end);

    h.Graph.Run();
    std::vector<long> codes = h.WaitForEnd();
    ASSERT_FALSE(codes.empty());
    EXPECT_EQ(codes.back(), EC_COMPLETE);
    EXPECT_GE(h.Consumer->Frames, 2);  // 0.2 s at 25 frames per second, some may come late
    EXPECT_LE(h.Consumer->Frames, 10); // not the whole second

    std::int64_t bad = -1;
    EXPECT_EQ(h.Graph.SetPositions(&bad, AM_SEEKING_AbsolutePositioning, nullptr,
                                   AM_SEEKING_NoPositioning),
              E_INVALIDARG);
    std::int64_t huge = std::numeric_limits<std::int64_t>::max();
    EXPECT_EQ(h.Graph.SetPositions(&huge, AM_SEEKING_RelativePositioning, nullptr,
                                   AM_SEEKING_NoPositioning),
              E_INVALIDARG);
    EXPECT_EQ(h.Graph.SetPositions(&huge, AM_SEEKING_AbsolutePositioning, &huge,
                                   AM_SEEKING_AbsolutePositioning),
              S_OK); // clamped to the end
    EXPECT_EQ(h.Graph.SetPositions(nullptr, AM_SEEKING_AbsolutePositioning, nullptr,
                                   AM_SEEKING_NoPositioning),
              E_POINTER);
    EXPECT_EQ(h.Graph.SetPositions(&start, AM_SEEKING_AbsolutePositioning, &end,
                                   AM_SEEKING_RelativePositioning),
              E_INVALIDARG);
}

TEST_F(RenderedClip, PauseRunStopAndRunAgainFromAPositionSetWhileStopped) {
    EXPECT_EQ(h.Graph.Pause(), S_OK); // cued by RenderFile already
    EXPECT_TRUE(Has(h.Drain(), EC_PAUSED));
    HRESULT run = h.Graph.Run();
    EXPECT_TRUE(run == S_OK || run == S_FALSE);
    EXPECT_EQ(h.WaitForEnd().back(), EC_COMPLETE);
    int firstRun = h.Consumer->Frames;

    EXPECT_EQ(h.Graph.Stop(), S_OK);
    std::int64_t start = kSecond * 8 / 10, position = 0;
    EXPECT_EQ(h.Graph.SetPositions(&start, AM_SEEKING_AbsolutePositioning, nullptr,
                                   AM_SEEKING_NoPositioning),
              S_OK);
    EXPECT_EQ(h.Graph.GetCurrentPosition(position), S_OK);
    EXPECT_EQ(position, start);
    run = h.Graph.Run();
    EXPECT_TRUE(run == S_OK || run == S_FALSE) << std::hex << run;
    std::vector<long> codes = h.WaitForEnd();
    ASSERT_FALSE(codes.empty());
    EXPECT_EQ(codes.back(), EC_COMPLETE);
    int secondRun = h.Consumer->Frames - firstRun;
    EXPECT_GE(secondRun, 2);
    EXPECT_LE(secondRun, 10); // the last fifth of a second only
}

TEST_F(RenderedClip, FiltersAndPinsDescribeTheBuiltGraph) {
    EXPECT_EQ(h.Renderer.GetClassID(), kVideoRendererFactory);
    EXPECT_EQ(h.Renderer.Name(), "Video Renderer");
    TPin input, peer;
    ASSERT_EQ(h.Renderer.FindPin("sink", input), S_OK);
    EXPECT_EQ(h.Renderer.FindPin("nope", peer), VFW_E_NOT_FOUND);
    ASSERT_EQ(input.ConnectedTo(peer), S_OK);
    PIN_DIRECTION direction = PINDIR_OUTPUT;
    EXPECT_EQ(input.QueryDirection(direction), S_OK);
    EXPECT_EQ(direction, PINDIR_INPUT);
    TPinInfo info;
    ASSERT_EQ(peer.QueryPinInfo(info), S_OK);
    EXPECT_EQ(info.Direction, PINDIR_OUTPUT);
    EXPECT_EQ(info.Filter.GetClassID(), "uridecodebin");

    // The sequence the controller's ClearGraph runs: stop, disconnect everything, remove all but
    // its own filters.
    EXPECT_EQ(h.Graph.Stop(), S_OK);
    for (TFilter& filter : h.Graph.EnumFilters())
        for (TPin& pin : filter.EnumPins())
            EXPECT_TRUE(Succeeded(pin.Disconnect()));
    EXPECT_EQ(input.Disconnect(), S_FALSE);
    for (TFilter& filter : h.Graph.EnumFilters()) {
        if (!(filter == h.Renderer)) {
            EXPECT_EQ(h.Graph.RemoveFilter(filter), S_OK);
        }
    }
    std::vector<TFilter> left = h.Graph.EnumFilters();
    ASSERT_EQ(left.size(), 1u);
    EXPECT_EQ(left[0], h.Renderer);
    EXPECT_EQ(input.ConnectedTo(peer), VFW_E_NOT_CONNECTED);
    h.Drain();
    for (const TMediaEvent& e : h.Seen)
        EXPECT_NE(e.Code, EC_ERRORABORT) << e.Detail;
}

TEST(FilterGraphFilters, AddRemoveAndConnectAnswerWithTheirCodes) {
    TMediaPipeline graph;
    TFilter first = CreateVideoRenderer(), second = CreateVideoRenderer();
    EXPECT_EQ(graph.AddFilter(first, "Video Renderer"), S_OK);
    EXPECT_EQ(graph.AddFilter(second, "Video Renderer"), VFW_S_DUPLICATE_NAME);
    EXPECT_EQ(second.Name(), "Video Renderer 0001");
    EXPECT_EQ(graph.AddFilter(second, "again"), E_INVALIDARG);
    EXPECT_EQ(graph.AddFilter(TFilter(), "none"), E_POINTER);
    ASSERT_EQ(graph.EnumFilters().size(), 2u);
    EXPECT_EQ(graph.EnumFilters()[0], first); // in the order added

    TFilter tone = TFilter::Make("audiotestsrc");
    EXPECT_FALSE(TFilter::Make("no-such-element"));
    TFilter mixer = CreateOverlayMixer();
    graph.AddFilter(tone, "Tone");
    graph.AddFilter(mixer, "Overlay Mixer");
    TPin toneOut, rendererIn, mixerIn, mixerOut;
    tone.FindPin("src", toneOut);
    first.FindPin("sink", rendererIn);
    ASSERT_EQ(mixer.FindPin("Input0", mixerIn), S_OK);
    ASSERT_EQ(mixer.FindPin("Output", mixerOut), S_OK);

    struct Case {
        const TPin* Out;
        const TPin* In;
        HRESULT Expected;
    };
    const TPin none;
    const Case cases[] = {
        {&rendererIn, &toneOut, E_INVALIDARG},              // directions swapped
        {&toneOut, &rendererIn, VFW_E_NO_ACCEPTABLE_TYPES}, // sound into a picture
        {&none, &rendererIn, E_POINTER},
        {&mixerOut, &rendererIn, S_OK},
        {&mixerOut, &rendererIn, VFW_E_ALREADY_CONNECTED},
    };
    for (const Case& c : cases)
        EXPECT_EQ(graph.Connect(*c.Out, *c.In), c.Expected);

    EXPECT_EQ(graph.RemoveFilter(mixer), S_OK);
    EXPECT_EQ(rendererIn.ConnectedTo(mixerOut), VFW_E_NOT_CONNECTED);
    EXPECT_EQ(graph.RemoveFilter(mixer), VFW_E_NOT_FOUND);
}

TEST(FilterGraphFilters, LogFileTakesTheDebugLogOnlyWhileSetAndDumpWritesTheGraph) {
    GraphHarness h;
    std::string log = ClipFolder() + "/graph.log", dot = ClipFolder() + "/graph.dot";
    int fd = open(log.c_str(), O_CREAT | O_TRUNC | O_RDWR, 0600);
    ASSERT_GE(fd, 0);
    EXPECT_EQ(h.Graph.SetLogFile(fd), S_OK);
    close(fd); // the graph writes to its own duplicate
    ASSERT_EQ(h.Graph.RenderFile(Clip("clip.avi")), S_OK);
    EXPECT_EQ(h.Graph.SetLogFile(-1), S_OK);
    auto logged = std::filesystem::file_size(log);
    EXPECT_GT(logged, 0u);
    h.Graph.Run();
    h.WaitForEnd();
    EXPECT_EQ(std::filesystem::file_size(log), logged);
    EXPECT_EQ(h.Graph.SetLogFile(12345), E_INVALIDARG); // not an open descriptor

    ASSERT_EQ(h.Graph.DumpGraph(dot), S_OK);
    std::stringstream text;
    text << std::ifstream(dot).rdbuf();
    EXPECT_NE(text.str().find("digraph"), std::string::npos);
    EXPECT_NE(text.str().find("BrisatVideoRenderer"), std::string::npos);
    EXPECT_EQ(h.Graph.DumpGraph(ClipFolder() + "/no/such/folder/graph.dot"), E_FAIL);
}

TEST_F(RenderedClip, AFailedSecondRenderTakesOutOnlyWhatItAdded) {
    h.Drain();
    std::size_t built = h.Graph.EnumFilters().size();
    ASSERT_GT(built, 1u);
    h.Graph.SetRenderTimeout(3000);
    EXPECT_EQ(h.Graph.RenderFile(ClipFolder() + "/missing.mpg"), E_FILE_NOT_FOUND);
    EXPECT_EQ(h.Graph.EnumFilters().size(), built);
    long attenuation = 1;
    EXPECT_EQ(h.Graph.get_Volume(attenuation), S_OK); // the first file's audio chain is still there
    // The failure stopped the graph; running it plays the first file again.
    h.Graph.Run();
    EXPECT_EQ(h.WaitForEnd().back(), EC_COMPLETE);
    EXPECT_GE(h.Consumer->Frames, kMostOfASecond);
}
