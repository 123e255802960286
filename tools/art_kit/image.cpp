#include "art_kit/image.h"

#include <png.h>

#include <cstdio>
#include <memory>
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

namespace {

struct TFileCloser {
    void operator()(FILE* file) const { std::fclose(file); }
};

std::vector<uint8_t> RgbaRows(const TImage& image) {
    std::vector<uint8_t> rgba;
    rgba.reserve(image.Pixels().size() * 4);
    for (uint32_t p : image.Pixels()) {
        rgba.push_back(uint8_t(p >> 16));
        rgba.push_back(uint8_t(p >> 8));
        rgba.push_back(uint8_t(p));
        rgba.push_back(uint8_t(p >> 24));
    }
    return rgba;
}

} // namespace

void WritePng(const std::string& path, const TImage& image) {
    const std::unique_ptr<FILE, TFileCloser> file(std::fopen(path.c_str(), "wb"));
    if (!file) throw std::runtime_error("Cannot create " + path);
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    if (!info) {
        png_destroy_write_struct(&png, nullptr);
        throw std::runtime_error("Cannot write " + path);
    }
    std::vector<uint8_t> rgba = RgbaRows(image);
    std::vector<png_bytep> rows(size_t(image.Height()));
    for (int y = 0; y < image.Height(); ++y)
        rows[size_t(y)] = rgba.data() + size_t(y) * size_t(image.Width()) * 4;
    // libpng reports errors by long jump; nothing here owns resources the jump would skip.
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        throw std::runtime_error("Cannot write " + path);
    }
    png_init_io(png, file.get());
    png_set_IHDR(png, info, png_uint_32(image.Width()), png_uint_32(image.Height()), 8,
                 PNG_COLOR_TYPE_RGBA, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    png_write_image(png, rows.data());
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    if (std::fflush(file.get()) != 0) throw std::runtime_error("Cannot write " + path);
}

} // namespace art_kit
