// The Debian package that brings what GStreamer found missing, for the message that reports it.
#pragma once

#include <string>
#include <string_view>

namespace brisat {

// For a missing-plugin message's installer detail ("gstreamer|1.0|brisat|H.265 decoder|
// decoder-video/x-h265, alignment=au"): the package that holds such an element on Debian 12, ""
// when none is known. Decoders without an entry of their own go to the libav set, which decodes
// most formats.
std::string MissingPluginPackage(std::string_view installerDetail);

} // namespace brisat
