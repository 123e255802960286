// Writes 32-bit BGRA pixels to a PNG file (screenshots for users and tests).
#pragma once

#include "platform/pixel_image.h"

#include <cstdint>
#include <string>
#include <vector>

namespace brisat {

// Rows of Stride pixels, 0xAARRGGBB each. Alpha is kept when WithAlpha, else the image is opaque
// RGB. Raises std::runtime_error naming the file when it cannot be written.
enum class TPngAlpha { Keep, Drop };
void WritePngFile(const std::string& fileName, const uint32_t* pixels, int32_t width,
                  int32_t height, int32_t stride, TPngAlpha alpha);

// Reads a PNG into 0xAARRGGBB pixels (rows of Width). Raises std::runtime_error naming the file
// when it cannot be read or is not a PNG.
using TPngImage = TPixelImage;
TPngImage ReadPngFile(const std::string& fileName);

} // namespace brisat
