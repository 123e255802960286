#include "media/renderer_to_layer.h"

namespace brisat {

bool ToLayerFrame(const TDecodedFrame& frame, TVideoFrame& layerFrame) {
    switch (frame.Format) {
    case TDecodedPixelFormat::I420:
        layerFrame.Format = TVideoPixelFormat::I420;
        break;
    case TDecodedPixelFormat::NV12:
        layerFrame.Format = TVideoPixelFormat::NV12;
        break;
    case TDecodedPixelFormat::BGRA:
        layerFrame.Format = TVideoPixelFormat::BGRA;
        break;
    }
    if (frame.PlaneCount != PlaneCount(layerFrame.Format)) return false;
    layerFrame.Width = frame.Width;
    layerFrame.Height = frame.Height;
    layerFrame.Keeper = frame.Keeper;
    for (int plane = 0; plane < 3; ++plane) {
        layerFrame.Planes[plane] = plane < frame.PlaneCount ? frame.Planes[plane] : nullptr;
        layerFrame.Strides[plane] = plane < frame.PlaneCount ? frame.Strides[plane] : 0;
    }
    return true;
}

void TRendererToLayer::SetLayer(IVideoLayer* layer) {
    std::lock_guard lock(m_lock);
    m_layer = layer;
}

void TRendererToLayer::ReceiveFrame(const TDecodedFrame& frame) {
    TVideoFrame layerFrame;
    if (!ToLayerFrame(frame, layerFrame)) return;
    std::lock_guard lock(m_lock);
    if (m_layer && m_layer->SubmitFrame(layerFrame))
        m_submitted.fetch_add(1, std::memory_order_relaxed);
}

} // namespace brisat
