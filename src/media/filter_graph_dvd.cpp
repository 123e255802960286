#include "media/filter_graph_dvd.h"

#include "media/platform/gst_ref.h"

#include <array>
#include <sys/stat.h>

namespace brisat {

namespace {

constexpr const char* kDvdSource = "dvdreadsrc";
constexpr const char* kDefaultDevice = "/dev/dvd";

// A disc drive (a block device).
bool IsDvdVolume(const std::string& path) {
    struct stat info {};
    return stat(path.c_str(), &info) == 0 && S_ISBLK(info.st_mode);
}

bool HasDvdSource() {
    GstRef<GstElementFactory> factory =
        GstRef<GstElementFactory>::Adopt(gst_element_factory_find(kDvdSource));
    return static_cast<bool>(factory);
}

struct Language {
    std::uint16_t Primary; // the low ten bits of the locale identifier
    const char* Name;
};

constexpr std::array kLanguages{
    Language{0x01, "Arabic"},    Language{0x02, "Bulgarian"}, Language{0x04, "Chinese"},
    Language{0x05, "Czech"},     Language{0x06, "Danish"},    Language{0x07, "German"},
    Language{0x08, "Greek"},     Language{0x09, "English"},   Language{0x0A, "Spanish"},
    Language{0x0B, "Finnish"},   Language{0x0C, "French"},    Language{0x0D, "Hebrew"},
    Language{0x0E, "Hungarian"}, Language{0x0F, "Icelandic"}, Language{0x10, "Italian"},
    Language{0x11, "Japanese"},  Language{0x12, "Korean"},    Language{0x13, "Dutch"},
    Language{0x14, "Norwegian"}, Language{0x15, "Polish"},    Language{0x16, "Portuguese"},
    Language{0x18, "Romanian"},  Language{0x19, "Russian"},   Language{0x1A, "Croatian"},
    Language{0x1B, "Slovak"},    Language{0x1D, "Swedish"},   Language{0x1E, "Thai"},
    Language{0x1F, "Turkish"},   Language{0x22, "Ukrainian"}, Language{0x24, "Slovenian"},
};

} // namespace

HRESULT DvdNavigator::GetAudioLanguage(std::uint32_t, std::uint32_t& lcid) const {
    lcid = 0;
    return m_ready ? E_NOTIMPL : VFW_E_DVD_GRAPHNOTREADY;
}

HRESULT DvdNavigator::GetSubpictureLanguage(std::uint32_t, std::uint32_t& lcid) const {
    lcid = 0;
    return m_ready ? E_NOTIMPL : VFW_E_DVD_GRAPHNOTREADY;
}

DvdGraphBuilder::DvdGraphBuilder() = default;

HRESULT DvdGraphBuilder::GetFiltergraph(std::shared_ptr<TMediaPipeline>& graph) const {
    graph = m_graph;
    return S_OK;
}

HRESULT DvdGraphBuilder::RenderDvdVideoVolume(const std::string& path) {
    std::string volume = path.empty() ? kDefaultDevice : path;
    // The graph builder opens the DVD source by address ("dvd://"), which reads the default drive.
    if (!HasDvdSource() || volume != kDefaultDevice || !IsDvdVolume(volume))
        return VFW_E_DVD_RENDERFAIL;
    HRESULT result = m_graph->RenderFile("dvd://");
    m_navigator->m_ready = Succeeded(result);
    return Failed(result) ? VFW_E_DVD_RENDERFAIL : result;
}

std::string EnglishLanguageName(std::uint32_t lcid) {
    for (const Language& language : kLanguages)
        if (language.Primary == (lcid & 0x3FF)) return language.Name;
    return "";
}

} // namespace brisat
