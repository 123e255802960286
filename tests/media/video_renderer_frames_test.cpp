// Every picture reaches the window once: the paused picture is not handed on a second time when
// playback starts from it, and the renderer's frame count matches what the window received.
#include "media/platform/media_setup.h"
#include "media/platform/video_renderer.h"
#include "media_clips.h"

#include <gst/gst.h>
#include <gtest/gtest.h>

using namespace brisat;
using namespace brisat::test;

namespace {

constexpr int kPictures = 6;

// videotestsrc ! I420 ! our renderer, synchronised to the clock like a player's.
struct TinyPipeline {
    TinyPipeline() {
        EnsureMediaElements();
        Pipeline = gst_pipeline_new(nullptr);
        GstElement* source = gst_element_factory_make("videotestsrc", nullptr);
        g_object_set(source, "num-buffers", kPictures, nullptr);
        GstElement* filter = gst_element_factory_make("capsfilter", nullptr);
        GstCaps* caps = gst_caps_from_string("video/x-raw,format=I420,width=64,height=48,"
                                             "framerate=60/1");
        g_object_set(filter, "caps", caps, nullptr);
        gst_caps_unref(caps);
        GstElement* sink = Renderer.Element();
        gst_bin_add_many(GST_BIN(Pipeline), source, filter, GST_ELEMENT(gst_object_ref(sink)),
                         nullptr);
        gst_element_link_many(source, filter, sink, nullptr);
    }
    ~TinyPipeline() {
        gst_element_set_state(Pipeline, GST_STATE_NULL);
        gst_object_unref(Pipeline);
    }
    // Waits for the end of the stream; false on an error or after ten seconds.
    bool RunToEnd() {
        gst_element_set_state(Pipeline, GST_STATE_PLAYING);
        GstBus* bus = gst_element_get_bus(Pipeline);
        GstMessage* message = gst_bus_timed_pop_filtered(
            bus, 10 * GST_SECOND, GstMessageType(GST_MESSAGE_EOS | GST_MESSAGE_ERROR));
        const bool ended = message && GST_MESSAGE_TYPE(message) == GST_MESSAGE_EOS;
        if (message) gst_message_unref(message);
        gst_object_unref(bus);
        return ended;
    }

    TFilter Renderer = CreateVideoRenderer();
    GstElement* Pipeline = nullptr;
};

} // namespace

TEST(VideoRendererFrames, EachPictureIsHandedOnOnceWhetherPlaybackStartsPausedOrNot) {
    for (const bool pausedFirst : {true, false}) {
        TinyPipeline p;
        auto consumer = std::make_shared<CountingConsumer>();
        TBasicVideo video(p.Renderer);
        ASSERT_EQ(video.SetFrameConsumer(consumer), S_OK);
        if (pausedFirst) {
            gst_element_set_state(p.Pipeline, GST_STATE_PAUSED);
            ASSERT_EQ(gst_element_get_state(p.Pipeline, nullptr, nullptr, 10 * GST_SECOND),
                      GST_STATE_CHANGE_SUCCESS);
            EXPECT_EQ(consumer->Frames, 1) << "the paused picture is shown";
        }
        ASSERT_TRUE(p.RunToEnd());
        EXPECT_EQ(consumer->Frames, kPictures) << "paused first: " << pausedFirst;
        EXPECT_EQ(video.FramesRendered(), uint64_t(kPictures)) << "paused first: " << pausedFirst;
    }
}

TEST(VideoRendererFrames, APausedSeekShowsTheNewPicture) {
    TinyPipeline p;
    auto consumer = std::make_shared<CountingConsumer>();
    TBasicVideo video(p.Renderer);
    ASSERT_EQ(video.SetFrameConsumer(consumer), S_OK);
    gst_element_set_state(p.Pipeline, GST_STATE_PAUSED);
    ASSERT_EQ(gst_element_get_state(p.Pipeline, nullptr, nullptr, 10 * GST_SECOND),
              GST_STATE_CHANGE_SUCCESS);
    // A flushing seek prerolls a picture anew, even at the same position: the window gets it.
    ASSERT_TRUE(gst_element_seek_simple(p.Pipeline, GST_FORMAT_TIME,
                                        GstSeekFlags(GST_SEEK_FLAG_FLUSH), 0));
    ASSERT_EQ(gst_element_get_state(p.Pipeline, nullptr, nullptr, 10 * GST_SECOND),
              GST_STATE_CHANGE_SUCCESS);
    EXPECT_EQ(consumer->Frames, 2);
}
