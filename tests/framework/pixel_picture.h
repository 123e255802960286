// Test helper: a surface drawn as text, one character per pixel, so exact-pixel expectations read
// as pictures.
#pragma once

#include "framework/core/colors.h"
#include "framework/graphics/surface.h"

#include <string>
#include <utility>
#include <vector>

namespace brisat::pictures {

// Legend entries map an exact pixel value to its character; other pixels show as '?'.
using TLegend = std::vector<std::pair<uint32_t, char>>;

inline uint32_t Opaque(TColor color) {
    return RGBToOpaquePixel(ColorToRGB(color));
}

inline std::string Picture(const TSurface& surface, const TLegend& legend) {
    std::string text;
    for (int32_t y = 0; y < surface.Height(); ++y) {
        for (int32_t x = 0; x < surface.Width(); ++x) {
            char c = '?';
            for (const auto& [pixel, ch] : legend)
                if (surface.Row(y)[x] == pixel) c = ch;
            text += c;
        }
        text += '\n';
    }
    return text;
}

// Joins picture rows written one per line in the test.
inline std::string Rows(std::initializer_list<const char*> rows) {
    std::string text;
    for (const char* row : rows)
        text += std::string(row) + '\n';
    return text;
}

inline void Fill(TSurface& surface, uint32_t pixel) {
    for (int32_t y = 0; y < surface.Height(); ++y)
        for (int32_t x = 0; x < surface.Width(); ++x)
            surface.Row(y)[x] = pixel;
}

} // namespace brisat::pictures
