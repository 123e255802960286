#include "media/platform/media_setup.h"

#include "media/platform/overlay_mixer.h"
#include "media/platform/video_renderer.h"

#include <gst/gst.h>
#include <mutex>

namespace brisat {

void EnsureMediaElements() {
    static std::once_flag once;
    std::call_once(once, [] {
        gst_init(nullptr, nullptr);
        gst_element_register(nullptr, kVideoRendererFactory, GST_RANK_NONE, VideoRendererType());
        gst_element_register(nullptr, kOverlayMixerFactory, GST_RANK_NONE, OverlayMixerType());
    });
}

} // namespace brisat
