// Small bitmaps for the bitmap engine's pixel tests.
#pragma once

#include "skin/bitmap/bitmap.h"

#include <memory>
#include <vector>

namespace brisat::test {

inline std::unique_ptr<TKsBitmap> MakeBitmap(int32_t width, int32_t height, TKsPixel fill = 0) {
    auto bitmap = std::make_unique<TKsBitmap>();
    bitmap->SetSize(width, height);
    bitmap->Fill(fill);
    return bitmap;
}

// Opaque pixels that name their own place: 0xFF00YYXX.
inline TKsPixel Coord(int32_t x, int32_t y) {
    return 0xFF000000u | uint32_t(y) << 8 | uint32_t(x);
}

inline std::unique_ptr<TKsBitmap> MakeCoordBitmap(int32_t width, int32_t height) {
    auto bitmap = MakeBitmap(width, height);
    for (int32_t y = 0; y < height; ++y)
        for (int32_t x = 0; x < width; ++x)
            bitmap->SetPixels(x, y, Coord(x, y));
    return bitmap;
}

inline std::vector<TKsPixel> PixelsOf(const TKsBitmap& bitmap) {
    std::vector<TKsPixel> pixels;
    for (int32_t y = 0; y < bitmap.Height(); ++y)
        for (int32_t x = 0; x < bitmap.Width(); ++x)
            pixels.push_back(bitmap.Pixels(x, y));
    return pixels;
}

} // namespace brisat::test
