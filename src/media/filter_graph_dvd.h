// The DVD graph builder of TFilterGraph's DVD mode and its navigator (DVD information and
// control). The builder makes its own graph; RenderDvdVideoVolume plays the disc in the default
// drive (/dev/dvd) through GStreamer's DVD source. Any other volume, a missing drive or a missing
// DVD source fail with VFW_E_DVD_RENDERFAIL, and the navigator answers VFW_E_DVD_GRAPHNOTREADY
// until a disc plays. GUI thread only.
#pragma once

#include "media/platform/media_pipeline.h"

#include <cstdint>
#include <memory>
#include <string>

namespace brisat {

class TDvdNavigator {
public:
    // Locale identifiers of a stream's language. GStreamer's DVD source reports no per-stream
    // languages, so a rendered volume answers E_NOTIMPL rather than a made-up language.
    HRESULT GetAudioLanguage(std::uint32_t stream, std::uint32_t& lcid) const;
    HRESULT GetSubpictureLanguage(std::uint32_t stream, std::uint32_t& lcid) const;

private:
    friend class TDvdGraphBuilder;
    bool m_ready = false;
};

class TDvdGraphBuilder {
public:
    TDvdGraphBuilder();

    HRESULT GetFiltergraph(std::shared_ptr<TMediaPipeline>& graph) const;
    // The navigator, for IDvdInfo2 and IDvdControl2.
    std::shared_ptr<TDvdNavigator> GetDvdInterface() const { return m_navigator; }
    // Builds the graph for the disc in the drive `path` ("" = the default drive).
    HRESULT RenderDvdVideoVolume(const std::string& path);

private:
    std::shared_ptr<TMediaPipeline> m_graph = std::make_shared<TMediaPipeline>();
    std::shared_ptr<TDvdNavigator> m_navigator = std::make_shared<TDvdNavigator>();
};

// The English name of a locale identifier's language ("English", "German"), "" when unknown.
std::string EnglishLanguageName(std::uint32_t lcid);

} // namespace brisat
