#include "art_kit/image.h"

#include <stdexcept>

namespace art_kit {

TImage::TImage(int width, int height)
    : m_width(width), m_height(height), m_pixels(size_t(width) * size_t(height), 0) {
    if (width <= 0 || height <= 0) throw std::invalid_argument("An image needs a positive size");
}

size_t TImage::Index(int x, int y) const {
    if (x < 0 || y < 0 || x >= m_width || y >= m_height)
        throw std::out_of_range("Pixel outside the image");
    return size_t(y) * size_t(m_width) + size_t(x);
}

TImage TImage::FromPainter(const TPainter& painter) {
    TImage image(painter.Width(), painter.Height());
    image.m_pixels = painter.Pixels();
    return image;
}

void TImage::Place(const TImage& piece, int x, int y) {
    if (x < 0 || y < 0 || x + piece.Width() > m_width || y + piece.Height() > m_height)
        throw std::out_of_range("A piece does not fit its image");
    for (int row = 0; row < piece.Height(); ++row)
        for (int col = 0; col < piece.Width(); ++col)
            m_pixels[Index(x + col, y + row)] = piece.At(col, row);
}

} // namespace art_kit
