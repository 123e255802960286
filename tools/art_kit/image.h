// A straight-alpha 0xAARRGGBB picture that painted pieces are copied into (an atlas).
#pragma once

#include "art_kit/painter.h"

#include <cstdint>
#include <vector>

namespace art_kit {

class TImage {
public:
    TImage(int width, int height);
    // The painter's pixels.
    static TImage FromPainter(const TPainter& painter);

    int Width() const { return m_width; }
    int Height() const { return m_height; }
    uint32_t At(int x, int y) const { return m_pixels[Index(x, y)]; }
    void Set(int x, int y, uint32_t argb) { m_pixels[Index(x, y)] = argb; }
    const std::vector<uint32_t>& Pixels() const { return m_pixels; }

    // Copies Piece with its top-left corner at (X, Y); it must fit.
    void Place(const TImage& piece, int x, int y);

private:
    size_t Index(int x, int y) const;

    int m_width;
    int m_height;
    std::vector<uint32_t> m_pixels;
};

} // namespace art_kit
