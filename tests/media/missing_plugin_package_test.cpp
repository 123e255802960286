// The package named for what GStreamer reports missing.
#include "media/platform/missing_plugin_package.h"

#include <gtest/gtest.h>

using namespace brisat;

namespace {

TEST(MissingPluginPackage, NamesTheDebianPackageForTheMissingElement) {
    const std::pair<const char*, const char*> cases[] = {
        {"gstreamer|1.0|brisat|H.265 decoder|decoder-video/x-h265, alignment=(string)au",
         "gstreamer1.0-libav"},
        {"gstreamer|1.0|brisat|WMA|decoder-audio/x-wma, wmaversion=(int)2", "gstreamer1.0-libav"},
        {"gstreamer|1.0|brisat|JPEG image|decoder-image/jpeg", "gstreamer1.0-plugins-good"},
        {"gstreamer|1.0|brisat|AV1|decoder-video/x-av1", "gstreamer1.0-plugins-bad"},
        {"gstreamer|1.0|brisat|ASF demuxer|demuxer-video/x-ms-asf", "gstreamer1.0-plugins-ugly"},
        {"gstreamer|1.0|brisat|MPEG-2 TS|demuxer-video/mpegts, systemstream=(boolean)true",
         "gstreamer1.0-plugins-bad"},
        {"gstreamer|1.0|brisat|RTMP source|urisource-rtmp", "gstreamer1.0-plugins-bad"},
        {"gstreamer|1.0|brisat|MMS source|urisource-mms", ""},
        {"gstreamer|1.0|brisat|encoder|encoder-video/x-h264", ""},
        {"gstreamer|1.0|brisat|no kind", ""},
        {"garbage", ""},
        {"", ""},
    };
    for (const auto& [detail, package] : cases) EXPECT_EQ(MissingPluginPackage(detail), package) << detail;
}

} // namespace
