// Colour arithmetic for checking translucency on screen pixels (0x00RRGGBB).
#pragma once

#include <algorithm>
#include <cstdint>
#include <cstdlib>

namespace brisat::test {

// Each channel of Over laid on Under with alpha Value out of 255.
inline uint32_t Mix(uint32_t over, uint32_t under, int value) {
    uint32_t mixed = 0;
    for (int shift : {0, 8, 16}) {
        const int a = int((over >> shift) & 0xFF), b = int((under >> shift) & 0xFF);
        mixed |= uint32_t((a * value + b * (255 - value) + 127) / 255) << shift;
    }
    return mixed;
}

// The largest difference of one channel between A and B.
inline int ChannelDistance(uint32_t a, uint32_t b) {
    int most = 0;
    for (int shift : {0, 8, 16})
        most = std::max(most, std::abs(int((a >> shift) & 0xFF) - int((b >> shift) & 0xFF)));
    return most;
}

} // namespace brisat::test
