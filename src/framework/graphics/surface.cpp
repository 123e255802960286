#include "framework/graphics/surface.h"

#include "framework/core/exceptions.h"

namespace brisat {

TSurface::TSurface(int32_t width, int32_t height) {
    if (width < 0 || height < 0 || int64_t(width) * height > MaxPixels)
        throw EOutOfResources("Surface size out of range");
    if (width == 0 || height == 0) return;
    // calloc: large surfaces get lazily zeroed pages instead of an explicit clear.
    auto* bits = static_cast<uint32_t*>(std::calloc(size_t(width) * size_t(height), 4));
    if (!bits) throw EOutOfResources("Out of memory for a surface");
    m_bits.reset(bits);
    m_width = width;
    m_height = height;
}

} // namespace brisat
