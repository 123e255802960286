#include "framework/graphics/bitmap_data.h"

#include "framework/core/exceptions.h"

#include <algorithm>
#include <png.h>

namespace brisat {

std::vector<uint8_t> BitmapToData(const TBitmap& bitmap, int32_t width) {
    if (bitmap.Empty()) return {};
    width = width < 0 ? bitmap.Width() : std::min(width, bitmap.Width());
    if (width == 0) return {};
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    image.width = png_uint_32(width);
    image.height = png_uint_32(bitmap.Height());
    // 0xAARRGGBB pixels are B, G, R, A in memory.
    image.format = PNG_FORMAT_BGRA;
    const void* pixels = bitmap.Surface().Bits();
    const png_int_32 rowBytes = bitmap.Width() * 4;
    png_alloc_size_t size = 0;
    if (!png_image_write_to_memory(&image, nullptr, &size, 0, pixels, rowBytes, nullptr))
        throw EWriteError(std::string("Cannot encode a bitmap: ") + image.message);
    std::vector<uint8_t> data(size);
    if (!png_image_write_to_memory(&image, data.data(), &size, 0, pixels, rowBytes, nullptr))
        throw EWriteError(std::string("Cannot encode a bitmap: ") + image.message);
    data.resize(size);
    return data;
}

void DataToBitmap(const std::vector<uint8_t>& data, TBitmap& bitmap) {
    if (data.empty()) {
        bitmap.SetSize(0, 0);
        return;
    }
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_memory(&image, data.data(), data.size()))
        throw EReadError(std::string("Bitmap data is not a PNG image: ") + image.message);
    const int64_t pixels = int64_t(image.width) * int64_t(image.height);
    if (image.width == 0 || image.height == 0 || pixels > MaxBitmapDataPixels) {
        png_image_free(&image);
        throw EReadError("Bitmap data of " + std::to_string(image.width) + " x " +
                         std::to_string(image.height) + " pixels is out of range");
    }
    image.format = PNG_FORMAT_BGRA;
    TBitmap decoded;
    decoded.SetSize(int32_t(image.width), int32_t(image.height));
    if (!png_image_finish_read(&image, nullptr, decoded.DC().Surface()->Bits(), 0, nullptr))
        throw EReadError(std::string("Bitmap data is damaged: ") + image.message);
    bitmap.Assign(decoded);
    bitmap.SetPixelFormat(TPixelFormat::pf32bit);
}

} // namespace brisat
