// The path from our video renderer to a window's video layer: frames go from the renderer's
// streaming thread straight to IVideoLayer::SubmitFrame in their own I420, NV12 or BGRA layout,
// with the renderer's keeper when it lends the decoder's picture; nothing is converted here.
//
// Threads: ReceiveFrame runs on the streaming thread; SetLayer on the GUI thread. The layer
// pointer is locked, and SetLayer returns only after a frame being handed to the old layer is
// done, so the old layer may be destroyed then.
#pragma once

#include "media/platform/video_renderer.h"
#include "platform/video_frame.h"
#include "platform/video_layer.h"

#include <atomic>
#include <cstdint>
#include <mutex>

namespace brisat {

// The layer's view of a renderer frame (planes borrowed, keeper shared); false for a layout the
// layer lacks.
bool ToLayerFrame(const TDecodedFrame& frame, TVideoFrame& layerFrame);

class TRendererToLayer : public IFrameConsumer {
public:
    // GUI thread. Where frames go from now on; nullptr drops them.
    void SetLayer(IVideoLayer* layer);
    void ReceiveFrame(const TDecodedFrame& frame) override;
    // Frames the layer accepted.
    std::uint64_t FramesSubmitted() const { return m_submitted.load(std::memory_order_relaxed); }

private:
    std::mutex m_lock;
    IVideoLayer* m_layer = nullptr;
    std::atomic<std::uint64_t> m_submitted{0};
};

} // namespace brisat
