#include "app/mpris_mapping.h"

#include "app/play_list_item.h"

#include <algorithm>
#include <cmath>
#include <gio/gio.h>
#include <limits>

namespace brisat {
namespace {

constexpr int32_t FullVolume = 10000;

} // namespace

int32_t PlayerVolume(double volume) {
    if (std::isnan(volume)) return 0;
    return int32_t(std::lround(std::clamp(volume, 0.0, 1.0) * FullVolume));
}

double MprisVolume(int32_t position) {
    return double(std::clamp(position, 0, FullVolume)) / FullVolume;
}

std::optional<int64_t> SeekTarget(int64_t position, int64_t offset, int64_t length) {
    int64_t target = 0;
    if (__builtin_add_overflow(position, offset, &target))
        target = offset > 0 ? std::numeric_limits<int64_t>::max() : 0;
    if (length > 0 && target > length) return std::nullopt;
    return std::max<int64_t>(target, 0);
}

bool PositionInTrack(int64_t position, int64_t length) {
    return length > 0 && position >= 0 && position <= length;
}

std::string TrackUrl(const std::string& path) {
    if (!g_path_is_absolute(path.c_str())) return path;
    gchar* uri = g_filename_to_uri(path.c_str(), nullptr, nullptr);
    std::string result = uri ? uri : path;
    g_free(uri);
    return result;
}

std::string TrackTitle(const std::string& path) {
    std::string name = MakePlayListItem(path).FileName;
    return name.empty() ? path : name;
}

} // namespace brisat
