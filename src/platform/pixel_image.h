// A block of 32-bit pixels with its size: screenshots, decoded pictures.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace brisat {

// Width × Height pixels in rows of Width.
struct TPixelImage {
    int32_t Width = 0;
    int32_t Height = 0;
    std::vector<uint32_t> Pixels;
    uint32_t At(int32_t x, int32_t y) const {
        return Pixels[size_t(y) * size_t(Width) + size_t(x)];
    }
};

} // namespace brisat
