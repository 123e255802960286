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
    TGstRef<GstElementFactory> factory =
        TGstRef<GstElementFactory>::Adopt(gst_element_factory_find(kDvdSource));
    return static_cast<bool>(factory);
}

struct TLanguage {
    std::uint16_t Primary; // the low ten bits of the locale identifier
    const char* Name;
};

constexpr std::array kLanguages{
    TLanguage{0x01, "Arabic"},    TLanguage{0x02, "Bulgarian"}, TLanguage{0x04, "Chinese"},
    TLanguage{0x05, "Czech"},     TLanguage{0x06, "Danish"},    TLanguage{0x07, "German"},
    TLanguage{0x08, "Greek"},     TLanguage{0x09, "English"},   TLanguage{0x0A, "Spanish"},
    TLanguage{0x0B, "Finnish"},   TLanguage{0x0C, "French"},    TLanguage{0x0D, "Hebrew"},
    TLanguage{0x0E, "Hungarian"}, TLanguage{0x0F, "Icelandic"}, TLanguage{0x10, "Italian"},
    TLanguage{0x11, "Japanese"},  TLanguage{0x12, "Korean"},    TLanguage{0x13, "Dutch"},
    TLanguage{0x14, "Norwegian"}, TLanguage{0x15, "Polish"},    TLanguage{0x16, "Portuguese"},
    TLanguage{0x18, "Romanian"},  TLanguage{0x19, "Russian"},   TLanguage{0x1A, "Croatian"},
    TLanguage{0x1B, "Slovak"},    TLanguage{0x1D, "Swedish"},   TLanguage{0x1E, "Thai"},
    TLanguage{0x1F, "Turkish"},   TLanguage{0x22, "Ukrainian"}, TLanguage{0x24, "Slovenian"},
};

} // namespace

HRESULT TDvdNavigator::GetAudioLanguage(std::uint32_t, std::uint32_t& lcid) const {
    lcid = 0;
    return m_ready ? E_NOTIMPL : VFW_E_DVD_GRAPHNOTREADY;
}

HRESULT TDvdNavigator::GetSubpictureLanguage(std::uint32_t, std::uint32_t& lcid) const {
    lcid = 0;
    return m_ready ? E_NOTIMPL : VFW_E_DVD_GRAPHNOTREADY;
}

TDvdGraphBuilder::TDvdGraphBuilder() = default;

HRESULT TDvdGraphBuilder::GetFiltergraph(std::shared_ptr<TMediaPipeline>& graph) const {
    graph = m_graph;
    return S_OK;
}

HRESULT TDvdGraphBuilder::RenderDvdVideoVolume(const std::string& path) {
    std::string volume = path.empty() ? kDefaultDevice : path;
    // The graph builder opens the DVD source by address ("dvd://"), which reads the default drive.
    if (!HasDvdSource() || volume != kDefaultDevice || !IsDvdVolume(volume))
        return VFW_E_DVD_RENDERFAIL;
    HRESULT result = m_graph->RenderFile("dvd://");
    m_navigator->m_ready = Succeeded(result);
    return Failed(result) ? VFW_E_DVD_RENDERFAIL : result;
}

std::string EnglishLanguageName(std::uint32_t lcid) {
    for (const TLanguage& language : kLanguages)
        if (language.Primary == (lcid & 0x3FF)) return language.Name;
    return "";
}

} // namespace brisat
