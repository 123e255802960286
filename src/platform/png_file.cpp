#include "platform/png_file.h"

#include <cstdio>
#include <memory>
#include <png.h>
#include <stdexcept>
#include <vector>

namespace brisat {

void WritePngFile(const std::string& fileName, const uint32_t* pixels, int32_t width,
                  int32_t height, int32_t stride, TPngAlpha alpha) {
    std::unique_ptr<FILE, int (*)(FILE*)> file(std::fopen(fileName.c_str(), "wb"), &std::fclose);
    if (!file) throw std::runtime_error("Cannot create \"" + fileName + "\"");
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    image.width = png_uint_32(width);
    image.height = png_uint_32(height);
    // BGRA in memory is what our 0xAARRGGBB pixels are on a little-endian machine.
    image.format = alpha == TPngAlpha::Keep ? PNG_FORMAT_BGRA : PNG_FORMAT_BGR;
    std::vector<uint8_t> packed;
    const void* source = pixels;
    png_int_32 rowBytes = stride * 4;
    if (alpha == TPngAlpha::Drop) {
        packed.resize(size_t(width) * size_t(height) * 3);
        for (int32_t y = 0; y < height; ++y)
            for (int32_t x = 0; x < width; ++x) {
                uint32_t p = pixels[size_t(y) * size_t(stride) + size_t(x)];
                uint8_t* out = &packed[(size_t(y) * size_t(width) + size_t(x)) * 3];
                out[0] = uint8_t(p), out[1] = uint8_t(p >> 8), out[2] = uint8_t(p >> 16);
            }
        source = packed.data();
        rowBytes = width * 3;
    }
    if (!png_image_write_to_stdio(&image, file.get(), 0, source, rowBytes, nullptr))
        throw std::runtime_error("Cannot write \"" + fileName + "\": " + image.message);
}

TPngImage ReadPngFile(const std::string& fileName) {
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&image, fileName.c_str()))
        throw std::runtime_error("Cannot read \"" + fileName + "\": " + image.message);
    // Screenshots are small; refuse absurd headers rather than allocate for them.
    if (uint64_t(image.width) * image.height > (1u << 28)) {
        png_image_free(&image);
        throw std::runtime_error("\"" + fileName + "\" is too large");
    }
    image.format = PNG_FORMAT_BGRA;
    TPngImage result;
    result.Width = int32_t(image.width);
    result.Height = int32_t(image.height);
    result.Pixels.resize(size_t(image.width) * image.height);
    if (!png_image_finish_read(&image, nullptr, result.Pixels.data(), 0, nullptr))
        throw std::runtime_error("Cannot decode \"" + fileName + "\": " + image.message);
    return result;
}

} // namespace brisat
