#include "media/platform/decoder_threads.h"

#include <cstdint>
#include <gst/video/gstvideodecoder.h>

namespace brisat {

namespace {

constexpr std::int64_t kOneThreadPixels = 1920 * 1088;
constexpr int kOneThreadRate = 30;

// The caps arrive before the decoder opens its codec, which is when it reads "max-threads".
GstPadProbeReturn OnDecoderCaps(GstPad*, GstPadProbeInfo* info, gpointer decoder) {
    GstEvent* event = GST_PAD_PROBE_INFO_EVENT(info);
    if (GST_EVENT_TYPE(event) != GST_EVENT_CAPS) return GST_PAD_PROBE_OK;
    GstCaps* caps = nullptr;
    gst_event_parse_caps(event, &caps);
    const GstStructure* s = caps ? gst_caps_get_structure(caps, 0) : nullptr;
    if (!s) return GST_PAD_PROBE_OK;
    int width = 0, height = 0, frames = 0, seconds = 1;
    gst_structure_get_int(s, "width", &width);
    gst_structure_get_int(s, "height", &height);
    gst_structure_get_fraction(s, "framerate", &frames, &seconds);
    g_object_set(decoder, "max-threads", DecoderThreadsFor(width, height, frames, seconds),
                 nullptr);
    return GST_PAD_PROBE_OK;
}

void OnElementAdded(GstBin*, GstBin*, GstElement* element, gpointer) {
    GParamSpec* threads = g_object_class_find_property(G_OBJECT_GET_CLASS(element), "max-threads");
    if (!GST_IS_VIDEO_DECODER(element) || !threads || threads->value_type != G_TYPE_INT) return;
    GstPad* input = gst_element_get_static_pad(element, "sink");
    if (!input) return;
    // The probe stays for caps that change mid-stream; the element outlives its own pad.
    gst_pad_add_probe(input, GST_PAD_PROBE_TYPE_EVENT_DOWNSTREAM, OnDecoderCaps, element, nullptr);
    gst_object_unref(input);
}

} // namespace

int DecoderThreadsFor(int width, int height, int frames, int seconds) {
    if (width <= 0 || height <= 0) return 0;
    if (std::int64_t(width) * height > kOneThreadPixels) return 0;
    // An unknown or variable rate counts as the usual one.
    const bool fast =
        frames > 0 && seconds > 0 && std::int64_t(frames) > std::int64_t(kOneThreadRate) * seconds;
    return fast ? 0 : 1;
}

void LimitDecoderThreads(GstElement* bin) {
    g_signal_connect(bin, "deep-element-added", G_CALLBACK(OnElementAdded), nullptr);
}

} // namespace brisat
