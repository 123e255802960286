#include "media/platform/playable_sources.h"

#include "media/platform/media_setup.h"
#include "media/platform/playable_types.h"

#include <algorithm>
#include <gio/gio.h>
#include <gst/gst.h>
#include <string_view>

namespace brisat {
namespace {

// An extension means other things too (".sam", ".p7s"); only its sound, video and container
// meanings count.
bool IsMediaMimeType(std::string_view mime) {
    return mime.starts_with("audio/") || mime.starts_with("video/") ||
           mime == "application/ogg" || mime == "application/vnd.ms-asf" ||
           mime == "application/mxf";
}

} // namespace

std::vector<std::string> PlayableUriSchemes() {
    EnsureMediaElements();
    std::vector<std::string> schemes;
    for (const char* scheme : {"file", "http", "https", "rtsp", "rtmp", "mms", "mmsh"})
        if (gst_uri_protocol_is_supported(GST_URI_SRC, scheme)) schemes.push_back(scheme);
    return schemes;
}

std::vector<std::string> PlayableMimeTypes() {
    std::vector<std::string> types;
    for (const TPlayableType& type : PlayableMediaTypes())
        for (const std::string& extension : type.Extensions) {
            const std::string name = "media." + extension;
            gboolean uncertain = FALSE;
            gchar* content = g_content_type_guess(name.c_str(), nullptr, 0, &uncertain);
            gchar* mime = content ? g_content_type_get_mime_type(content) : nullptr;
            if (mime && !uncertain && IsMediaMimeType(mime)) types.push_back(mime);
            g_free(mime);
            g_free(content);
        }
    std::sort(types.begin(), types.end());
    types.erase(std::unique(types.begin(), types.end()), types.end());
    return types;
}

} // namespace brisat
