// The capture graph builder of TFilterGraph's capture mode: finds the capture devices GStreamer's
// device monitor knows (cameras, microphones) and connects a capture source into the graph. On a
// machine without such devices FindCaptureDevice answers VFW_E_NO_CAPTURE_HARDWARE. GUI thread
// only.
#pragma once

#include "media/platform/media_pipeline.h"

#include <memory>

namespace brisat {

enum class TCaptureKind { ckVideo, ckAudio };

class TCaptureGraphBuilder {
public:
    HRESULT SetFiltergraph(std::shared_ptr<TMediaPipeline> graph);
    HRESULT GetFiltergraph(std::shared_ptr<TMediaPipeline>& graph) const;

    // A new source filter for the first device of that kind; VFW_E_NO_CAPTURE_HARDWARE when none.
    HRESULT FindCaptureDevice(TCaptureKind kind, TFilter& source) const;
    // Adds `source` to the graph (under "Capture") and connects its output through a converter:
    // video to the graph's video renderer (a video sink when it has none), audio to an audio sink.
    // VFW_E_WRONG_STATE without a graph.
    HRESULT RenderStream(const TFilter& source);

private:
    HRESULT AddConnected(const TPin& from, const char* factory, TPin& output);
    std::shared_ptr<TMediaPipeline> m_graph;
};

} // namespace brisat
