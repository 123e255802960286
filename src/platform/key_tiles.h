// Where a window's back buffer holds the colour key, tile by tile: each tile of TileSize pixels is
// all key (the video shows through), free of it (opaque) or mixed. The window composes by these
// tiles, so it blends only mixed tiles and neither clears nor copies what the video covers.
#pragma once

#include "platform/platform.h"

#include <cstdint>
#include <vector>

namespace brisat {

enum class TKeyCover : uint8_t { None, All, Mixed };

struct TKeyRun {
    TScreenRect Rect; // window pixels, within the window
    TKeyCover Cover;
};

class TKeyTiles {
public:
    static constexpr int32_t TileSize = 32;

    // A Width × Height window whose tiles are all unknown until classified (treated as mixed).
    void Reset(int32_t width, int32_t height);
    // Rect of the back buffer was uploaded anew (Pixels: 0xAARRGGBB in rows of Stride pixels, at
    // least the window's size; the key 0x00RRGGBB). A tile Rect covers wholly takes the cover of
    // its new pixels; one it covers in part keeps its cover when the new pixels agree with it and
    // becomes mixed otherwise, since the rest of the tile is as uploaded before.
    void Update(const uint32_t* pixels, int32_t stride, const TScreenRect& rect, uint32_t keyRgb);
    // Tiles of equal cover merged along each row of tiles, top to bottom, left to right.
    const std::vector<TKeyRun>& Runs();

private:
    static TKeyCover Classify(const uint32_t* pixels, int32_t stride, const TScreenRect& area,
                              uint32_t keyRgb);

    int32_t m_width = 0;
    int32_t m_height = 0;
    int32_t m_columns = 0;
    int32_t m_rows = 0;
    std::vector<TKeyCover> m_tiles;
    std::vector<TKeyRun> m_runs;
    bool m_runsValid = false;
};

} // namespace brisat
