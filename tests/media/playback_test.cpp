// Real clips played through the real pipeline with our renderer and a fake audio sink.
#include "media/platform/event_codes.h"
#include "media_clips.h"

#include <algorithm>
#include <chrono>
#include <gtest/gtest.h>
#include <memory>
#include <thread>

using namespace brisat;
using namespace brisat::test;

namespace {

int CountFilters(TMediaPipeline& graph, const std::string& classId) {
    int count = 0;
    for (TFilter& f : graph.EnumFilters())
        count += f.GetClassID() == classId;
    return count;
}

std::ptrdiff_t IndexOf(const std::vector<long>& codes, long code) {
    auto at = std::find(codes.begin(), codes.end(), code);
    return at == codes.end() ? -1 : at - codes.begin();
}

class PlaysContainer : public ::testing::TestWithParam<const char*> {};

} // namespace

TEST_P(PlaysContainer, ToCompletionWithFramesAndOrderedEvents) {
    std::string clip = Clip(GetParam());
    ASSERT_FALSE(clip.empty()) << "ffmpeg could not make " << GetParam();
    GraphHarness h;
    ASSERT_EQ(h.Graph.RenderFile(clip), S_OK) << h.Graph.LastErrorDetail();
    EXPECT_EQ(CountFilters(h.Graph, "videoconvert"), 0) << "the decoder's format goes straight in";

    std::int64_t duration = 0;
    ASSERT_EQ(h.Graph.GetDuration(duration), S_OK);
    EXPECT_NEAR(duration, 10'000'000, 1'500'000); // one second, in 100-ns units
    long attenuation = 1;
    EXPECT_EQ(h.Graph.get_Volume(attenuation), S_OK);
    EXPECT_EQ(attenuation, 0);

    HRESULT run = h.Graph.Run();
    EXPECT_TRUE(run == S_OK || run == S_FALSE);
    std::vector<long> codes = h.WaitForEnd();
    ASSERT_FALSE(codes.empty());
    EXPECT_EQ(codes.back(), EC_COMPLETE);
    EXPECT_EQ(IndexOf(codes, EC_ERRORABORT), -1);
    std::ptrdiff_t size = IndexOf(codes, EC_VIDEO_SIZE_CHANGED);
    std::ptrdiff_t clock = IndexOf(codes, EC_CLOCK_CHANGED);
    ASSERT_GE(size, 0);
    ASSERT_GE(clock, 0);
    EXPECT_LT(size, static_cast<std::ptrdiff_t>(codes.size()) - 1);
    EXPECT_EQ(h.Seen[size].Param1, 160 | (120 << 16));

    EXPECT_GE(h.Consumer->Frames, kMostOfASecond);
    EXPECT_EQ(h.Consumer->Width, 160);
    EXPECT_EQ(h.Consumer->Height, 120);
    EXPECT_TRUE(h.Consumer->PlanesValid);
    EXPECT_EQ(TBasicVideo(h.Renderer).FramesRendered(),
              static_cast<std::uint64_t>(h.Consumer->Frames));
}

INSTANTIATE_TEST_SUITE_P(Clips, PlaysContainer,
                         ::testing::Values("clip.avi", "clip.mpg", "clip.asf", "clip.mp4"),
                         [](const auto& info) {
                             std::string name = info.param;
                             return name.substr(name.find('.') + 1);
                         });

TEST(Playback, AudioOnlyFileCompletesWithTheRendererLeftIdle) {
    GraphHarness h;
    ASSERT_EQ(h.Graph.RenderFile(Clip("audio.mp3")), S_OK) << h.Graph.LastErrorDetail();
    TPin input;
    ASSERT_EQ(h.Renderer.FindPin("sink", input), S_OK);
    TPin peer;
    EXPECT_EQ(input.ConnectedTo(peer), VFW_E_NOT_CONNECTED);
    h.Graph.Run();
    std::vector<long> codes = h.WaitForEnd();
    ASSERT_FALSE(codes.empty());
    EXPECT_EQ(codes.back(), EC_COMPLETE);
    EXPECT_EQ(h.Consumer->Frames, 0);
    long width = 0, height = 0;
    EXPECT_EQ(TBasicVideo(h.Renderer).GetVideoSize(width, height), VFW_E_NOT_CONNECTED);
}

// A 4:4:4 picture reaches the renderer through a converter, which stays for a restart.
TEST(Playback, ConvertedPictureFormatPlaysAgainAfterStop) {
    std::string clip = Clip("yuv444.mp4");
    ASSERT_FALSE(clip.empty());
    GraphHarness h;
    ASSERT_EQ(h.Graph.RenderFile(clip), S_OK) << h.Graph.LastErrorDetail();
    for (int run = 0; run < 2; ++run) {
        int before = h.Consumer->Frames;
        h.Graph.Run();
        std::vector<long> codes = h.WaitForEnd();
        ASSERT_FALSE(codes.empty());
        EXPECT_EQ(codes.back(), EC_COMPLETE) << run;
        EXPECT_GE(h.Consumer->Frames - before, kMostOfASecond) << run;
        EXPECT_EQ(h.Graph.Stop(), S_OK);
    }
    EXPECT_EQ(CountFilters(h.Graph, "videoconvert"), 1);
    EXPECT_EQ(CountFilters(h.Graph, "autovideosink"), 0);
}

// Each bad input fails RenderFile with a code that has a text, and leaves only the renderer in
// the graph with its pin free, ready for the next file.
TEST(Playback, BadFilesFailWithACodeAndLeaveTheGraphClean) {
    struct Case {
        std::string Path;
        HRESULT Expected; // 0 = any failure with a reason
    };
    const Case cases[] = {
        {ClipFolder() + "/missing.avi", E_FILE_NOT_FOUND},
        {Clip("text.avi"), VFW_E_UNKNOWN_FILE_TYPE},
        {Clip("truncated.mp4"), 0},
        {Clip("fifo.avi"), VFW_E_CANNOT_LOAD_SOURCE_FILTER},
        {"http://127.0.0.1:9/nothing-listens-here.avi", VFW_E_CANNOT_LOAD_SOURCE_FILTER},
    };
    for (const Case& c : cases) {
        GraphHarness h;
        h.Graph.SetRenderTimeout(3000);
        HRESULT hr = h.Graph.RenderFile(c.Path);
        EXPECT_TRUE(Failed(hr)) << c.Path;
        EXPECT_NE(hr, VFW_E_TIMEOUT) << c.Path << ": the reason was lost";
        if (c.Expected) {
            EXPECT_EQ(hr, c.Expected) << c.Path << " " << std::hex << hr;
        }
        EXPECT_FALSE(MediaResultText(hr).empty()) << std::hex << hr;
        EXPECT_FALSE(h.Graph.LastErrorDetail().empty()) << c.Path;
        std::vector<TFilter> left = h.Graph.EnumFilters();
        ASSERT_EQ(left.size(), 1u) << c.Path;
        EXPECT_EQ(left[0], h.Renderer);
        TPin input, peer;
        h.Renderer.FindPin("sink", input);
        EXPECT_EQ(input.ConnectedTo(peer), VFW_E_NOT_CONNECTED);
        EXPECT_EQ(h.Drain(), std::vector<long>{}) << "render failures are answered, not posted";
    }
    GraphHarness h;
    EXPECT_EQ(h.Graph.RenderFile(""), E_INVALIDARG);
}

// With every JPEG decoder demoted, the MJPEG clip has no decoder: the failure names it.
TEST(Playback, MissingDecoderIsNamed) {
    std::string clip = Clip("mjpeg.avi");
    ASSERT_FALSE(clip.empty());
    GraphHarness h; // registers and loads everything first
    std::vector<std::pair<GstPluginFeature*, guint>> demoted;
    GList* decoders =
        gst_element_factory_list_get_elements(GST_ELEMENT_FACTORY_TYPE_DECODER, GST_RANK_NONE);
    GstCaps* jpeg = gst_caps_from_string("image/jpeg");
    for (GList* item = decoders; item; item = item->next) {
        auto* factory = GST_ELEMENT_FACTORY(item->data);
        if (!gst_element_factory_can_sink_any_caps(factory, jpeg)) continue;
        auto* feature = GST_PLUGIN_FEATURE(factory);
        demoted.emplace_back(GST_PLUGIN_FEATURE(gst_object_ref(feature)),
                             gst_plugin_feature_get_rank(feature));
        gst_plugin_feature_set_rank(feature, GST_RANK_NONE);
    }
    gst_caps_unref(jpeg);
    gst_plugin_feature_list_free(decoders);
    ASSERT_FALSE(demoted.empty());

    HRESULT hr = h.Graph.RenderFile(clip);
    std::string detail = h.Graph.LastErrorDetail();
    for (auto [feature, rank] : demoted) {
        gst_plugin_feature_set_rank(feature, rank);
        gst_object_unref(feature);
    }
    EXPECT_EQ(hr, VFW_E_CANNOT_RENDER) << std::hex << hr << " " << detail;
    EXPECT_NE(detail.find("JPEG"), std::string::npos) << detail;
    const std::string cause = h.Graph.LastFailureCause();
    EXPECT_EQ(cause.rfind("no decoder for ", 0), 0u) << cause;
    EXPECT_NE(cause.find("JPEG"), std::string::npos) << cause;
    // The package that brings a JPEG decoder, for the user to install.
    EXPECT_NE(cause.find("(install gstreamer1.0-plugins-good)"), std::string::npos) << cause;
}

// A graph that played and was dropped is freed with all its elements, and so with the
// descriptors and threads they hold: a player going through a playlist makes one per clip.
TEST(Playback, AGraphThatPlayedIsFreedWhenDropped) {
    gpointer pipeline = nullptr;
    {
        GraphHarness h;
        ASSERT_EQ(h.Graph.RenderFile(Clip("clip.avi")), S_OK) << h.Graph.LastErrorDetail();
        h.Graph.Run();
        std::vector<long> codes = h.WaitForEnd();
        ASSERT_FALSE(codes.empty());
        EXPECT_EQ(codes.back(), EC_COMPLETE);
        pipeline = GST_OBJECT_PARENT(h.Renderer.Element());
        ASSERT_NE(pipeline, nullptr);
        g_object_add_weak_pointer(G_OBJECT(pipeline), &pipeline);
    }
    // The last references may go with a state change finishing on GStreamer's own threads.
    for (int wait = 0; pipeline && wait < 200; ++wait)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    if (pipeline) g_object_remove_weak_pointer(G_OBJECT(pipeline), &pipeline);
    EXPECT_EQ(pipeline, nullptr) << "something still holds the graph";
}
