// What a skin file may hold. A body beyond these is refused as damaged before anything is
// allocated for it, so a hostile file (or a small compressed one that inflates without end)
// costs no more memory than a large real skin.
#pragma once

#include <cstdint>

namespace brisat {

inline constexpr int64_t kMaxSkinHeaderBytes = 64 * 1024;       // the five header strings
inline constexpr int32_t kMaxSkinBitmaps = 4096;
inline constexpr int32_t kMaxSkinBitmapName = 255;              // bytes
inline constexpr int32_t kMaxSkinBitmapSide = 16384;            // pixels, width and height
inline constexpr int64_t kMaxSkinPixels = 64 * 1024 * 1024;     // all bitmaps together
inline constexpr int64_t kMaxSkinObjectBytes = 16 * 1024 * 1024; // the object records

} // namespace brisat
