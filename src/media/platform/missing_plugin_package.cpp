#include "media/platform/missing_plugin_package.h"

namespace brisat {
namespace {

constexpr const char* Good = "gstreamer1.0-plugins-good";
constexpr const char* Bad = "gstreamer1.0-plugins-bad";
constexpr const char* Ugly = "gstreamer1.0-plugins-ugly";
constexpr const char* Libav = "gstreamer1.0-libav";

struct TPackageRow {
    std::string_view Kind; // "decoder", "demuxer", "urisource"
    std::string_view What; // the media type, or the URI scheme
    const char* Package;
};

constexpr TPackageRow Rows[] = {
    {"decoder", "image/jpeg", Good},
    {"decoder", "image/png", Good},
    {"decoder", "video/x-vp8", Good},
    {"decoder", "video/x-vp9", Good},
    {"decoder", "audio/x-flac", Good},
    {"decoder", "audio/x-speex", Good},
    {"decoder", "video/x-av1", Bad},
    {"decoder", "audio/AMR", Ugly},
    {"demuxer", "video/x-msvideo", Good},
    {"demuxer", "video/quicktime", Good},
    {"demuxer", "video/x-matroska", Good},
    {"demuxer", "video/webm", Good},
    {"demuxer", "video/x-flv", Good},
    {"demuxer", "video/x-ms-asf", Ugly},
    {"demuxer", "video/x-rm", Ugly},
    {"demuxer", "video/mpeg", Bad},
    {"demuxer", "video/mpegts", Bad},
    {"demuxer", "application/mxf", Bad},
    {"urisource", "http", Good},
    {"urisource", "https", Good},
    {"urisource", "rtsp", Good},
    {"urisource", "rtmp", Bad},
};

} // namespace

std::string MissingPluginPackage(std::string_view detail) {
    // The last field is "<kind>-<what>", the caps' media type followed by its fields.
    for (int field = 0; field < 4; ++field) {
        const size_t bar = detail.find('|');
        if (bar == std::string_view::npos) return {};
        detail.remove_prefix(bar + 1);
    }
    const size_t dash = detail.find('-');
    if (dash == std::string_view::npos) return {};
    const std::string_view kind = detail.substr(0, dash);
    std::string_view what = detail.substr(dash + 1);
    what = what.substr(0, what.find_first_of(", "));
    for (const TPackageRow& row : Rows)
        if (row.Kind == kind && row.What == what) return row.Package;
    return kind == "decoder" ? Libav : "";
}

} // namespace brisat
