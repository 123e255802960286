#include "app/playback_display.h"

#include <algorithm>
#include <cstdio>

namespace brisat {

std::string ElapsedTimeText(int64_t position100ns) {
    const int64_t seconds = std::max<int64_t>(position100ns / 10'000'000, 0);
    char text[32];
    std::snprintf(text, sizeof text, "%lld:%2.2d:%2.2d", static_cast<long long>(seconds / 3600),
                  static_cast<int>(seconds % 3600 / 60), static_cast<int>(seconds % 60));
    return text;
}

std::string LongTimeText(uint32_t ms) {
    const uint32_t seconds = ms % 86'400'000u / 1000u;
    char text[16];
    std::snprintf(text, sizeof text, "%u:%02u:%02u", seconds / 3600, seconds % 3600 / 60,
                  seconds % 60);
    return text;
}

std::string PlayingCaption(const std::string& fileName, uint32_t positionMs, uint32_t durationMs) {
    return fileName + "  " + LongTimeText(positionMs) + " > " + LongTimeText(durationMs);
}

int32_t VolumeBarFill(int32_t volume) {
    // The image is 104 pixels for the volume scale of 10000; integer arithmetic keeps exact
    // multiples (1250 → 13) from falling a pixel short.
    return std::clamp<int32_t>(volume, 0, 10000) * 104 / 10000;
}

} // namespace brisat
