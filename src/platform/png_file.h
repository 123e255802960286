// Writes 32-bit BGRA pixels to a PNG file (screenshots for users and tests).
#pragma once

#include <cstdint>
#include <string>

namespace brisat {

// Rows of Stride pixels, 0xAARRGGBB each. Alpha is kept when WithAlpha, else the image is opaque
// RGB. Raises std::runtime_error naming the file when it cannot be written.
enum class TPngAlpha { Keep, Drop };
void WritePngFile(const std::string& fileName, const uint32_t* pixels, int32_t width,
                  int32_t height, int32_t stride, TPngAlpha alpha);

} // namespace brisat
