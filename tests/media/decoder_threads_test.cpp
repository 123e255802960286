#include "media/platform/decoder_threads.h"
#include "media_clips.h"

#include <gtest/gtest.h>

namespace brisat {
namespace {

using test::Clip;
using test::GraphHarness;

TEST(DecoderThreads, OneThreadUpToHdAtThirtyFramesAndTheDecodersChoiceAbove) {
    struct Case {
        int Width, Height, Frames, Seconds, Threads;
    } cases[] = {
        {854, 480, 30, 1, 1},         {1920, 1080, 30, 1, 1},
        {1920, 1088, 30000, 1001, 1}, {1920, 1080, 25, 1, 1},
        {1920, 1080, 0, 1, 1},        {1920, 1080, 60, 1, 0},
        {1280, 720, 60000, 1001, 0},  {3840, 2160, 24, 1, 0},
        {2560, 1440, 30, 1, 0},       {0, 0, 30, 1, 0},
        {1920, 1080, 30, 0, 1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(DecoderThreadsFor(c.Width, c.Height, c.Frames, c.Seconds), c.Threads)
            << c.Width << "x" << c.Height << " at " << c.Frames << "/" << c.Seconds;
}

// The thread count of the video decoder in H's graph, -1 when it has none with that setting.
int DecoderThreadsIn(GraphHarness& h) {
    GstElement* pipeline = GST_ELEMENT(GST_OBJECT_PARENT(h.Renderer.Element()));
    GstIterator* it = gst_bin_iterate_recurse(GST_BIN(pipeline));
    GValue item = G_VALUE_INIT;
    int threads = -1;
    while (gst_iterator_next(it, &item) == GST_ITERATOR_OK) {
        GObject* element = G_OBJECT(g_value_get_object(&item));
        if (g_object_class_find_property(G_OBJECT_GET_CLASS(element), "max-threads"))
            g_object_get(element, "max-threads", &threads, nullptr);
        g_value_reset(&item);
    }
    g_value_unset(&item);
    gst_iterator_free(it);
    return threads;
}

TEST(DecoderThreads, TheGraphsDecoderIsSetFromItsStream) {
    for (const auto& [clip, threads] : {std::pair{"clip.mp4", 1}, std::pair{"fast.mp4", 0}}) {
        GraphHarness h;
        ASSERT_EQ(h.Graph.RenderFile(Clip(clip)), S_OK)
            << clip << ": " << h.Graph.LastErrorDetail();
        EXPECT_EQ(DecoderThreadsIn(h), threads) << clip;
    }
}

} // namespace
} // namespace brisat
