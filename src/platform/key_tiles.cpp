#include "platform/key_tiles.h"

#include <algorithm>

namespace brisat {

void TKeyTiles::Reset(int32_t width, int32_t height) {
    m_width = std::max(width, 0);
    m_height = std::max(height, 0);
    m_columns = (m_width + TileSize - 1) / TileSize;
    m_rows = (m_height + TileSize - 1) / TileSize;
    m_tiles.assign(size_t(m_columns) * size_t(m_rows), TKeyCover::Mixed);
    m_runsValid = false;
}

void TKeyTiles::Update(const uint32_t* pixels, int32_t stride, const TScreenRect& rect,
                       uint32_t keyRgb) {
    const TScreenRect area{std::max(rect.Left, 0), std::max(rect.Top, 0),
                           std::min(rect.Right, m_width), std::min(rect.Bottom, m_height)};
    if (area.Left >= area.Right || area.Top >= area.Bottom) return;
    for (int32_t row = area.Top / TileSize; row <= (area.Bottom - 1) / TileSize; ++row)
        for (int32_t column = area.Left / TileSize; column <= (area.Right - 1) / TileSize;
             ++column) {
            const TScreenRect tile{column * TileSize, row * TileSize,
                                   std::min((column + 1) * TileSize, m_width),
                                   std::min((row + 1) * TileSize, m_height)};
            const TScreenRect part{std::max(tile.Left, area.Left), std::max(tile.Top, area.Top),
                                   std::min(tile.Right, area.Right),
                                   std::min(tile.Bottom, area.Bottom)};
            TKeyCover& cover = m_tiles[size_t(row) * size_t(m_columns) + size_t(column)];
            const TKeyCover found = Classify(pixels, stride, part, keyRgb & 0xFFFFFFu);
            cover = part == tile || found == cover ? found : TKeyCover::Mixed;
        }
    m_runsValid = false;
}

// Stops at the first row that shows the area is mixed.
TKeyCover TKeyTiles::Classify(const uint32_t* pixels, int32_t stride, const TScreenRect& area,
                              uint32_t keyRgb) {
    bool key = false, other = false;
    for (int32_t y = area.Top; y < area.Bottom; ++y) {
        const uint32_t* line = pixels + size_t(y) * size_t(stride);
        for (int32_t x = area.Left; x < area.Right; ++x) {
            if ((line[x] & 0xFFFFFFu) == keyRgb)
                key = true;
            else
                other = true;
        }
        if (key && other) return TKeyCover::Mixed;
    }
    return key ? TKeyCover::All : TKeyCover::None;
}

const std::vector<TKeyRun>& TKeyTiles::Runs() {
    if (m_runsValid) return m_runs;
    m_runs.clear();
    for (int32_t row = 0; row < m_rows; ++row) {
        const TKeyCover* tiles = &m_tiles[size_t(row) * size_t(m_columns)];
        const int32_t top = row * TileSize, bottom = std::min(top + TileSize, m_height);
        for (int32_t start = 0, end = 0; start < m_columns; start = end) {
            while (end < m_columns && tiles[end] == tiles[start])
                ++end;
            m_runs.push_back(
                {{start * TileSize, top, std::min(end * TileSize, m_width), bottom}, tiles[start]});
        }
    }
    m_runsValid = true;
    return m_runs;
}

} // namespace brisat
