// A 32-bit top-down pixel buffer: each pixel 0xAARRGGBB (bytes B, G, R, A in memory), rows of
// Width pixels without gaps. Device contexts draw on surfaces; bitmaps and windows own them.
#pragma once

#include <cstdint>
#include <cstdlib>
#include <memory>

#include "framework/core/types.h"

namespace brisat {

class TSurface {
public:
    TSurface() = default;
    // Allocates Width × Height zeroed pixels. Raises EOutOfResources when the size is negative,
    // overflows 32-bit byte arithmetic, or the memory cannot be had.
    TSurface(int32_t width, int32_t height);

    int32_t Width() const { return m_width; }
    int32_t Height() const { return m_height; }
    bool Empty() const { return !m_bits; }
    uint32_t* Bits() { return m_bits.get(); }
    const uint32_t* Bits() const { return m_bits.get(); }
    uint32_t* Row(int32_t y) { return m_bits.get() + size_t(y) * size_t(m_width); }
    const uint32_t* Row(int32_t y) const { return m_bits.get() + size_t(y) * size_t(m_width); }
    TRect BoundsRect() const { return {0, 0, m_width, m_height}; }
    size_t PixelCount() const { return size_t(m_width) * size_t(m_height); }

    // Largest pixel count a surface may have: its byte size must fit a signed 32-bit integer.
    static constexpr int64_t MaxPixels = 0x7FFFFFFF / 4;

private:
    struct FreeDeleter {
        void operator()(uint32_t* p) const { std::free(p); }
    };
    std::unique_ptr<uint32_t[], FreeDeleter> m_bits;
    int32_t m_width = 0;
    int32_t m_height = 0;
};

} // namespace brisat
