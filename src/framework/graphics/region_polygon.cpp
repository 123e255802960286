// Polygon regions: each row of covered pixels becomes rectangles, and rows with the same runs as
// the row above extend those rectangles downward instead of adding new ones.
#include "framework/graphics/region.h"
#include "framework/graphics/shape_spans.h"

#include <vector>

namespace brisat {

namespace {

// Pixels farther than this from the origin are left out. No surface or window we draw on reaches
// them, and the bound keeps the work and the memory of a region made from wild coordinates finite.
constexpr int32_t kPolygonCoordinateLimit = 1 << 16;

} // namespace

TRegion TRegion::FromPolygon(std::span<const TPoint> points) {
    constexpr TRect within{-kPolygonCoordinateLimit, -kPolygonCoordinateLimit,
                           kPolygonCoordinateLimit, kPolygonCoordinateLimit};
    std::vector<TRect> rects;
    size_t previousRow = 0; // index of the first rectangle of the last row emitted
    size_t currentRow = 0;
    int32_t currentY = 0;
    bool rowOpen = false;
    // Called after a row is complete: merge it into the row above when both have the same runs.
    auto closeRow = [&] {
        if (!rowOpen) return;
        const size_t previousCount = currentRow - previousRow;
        const size_t currentCount = rects.size() - currentRow;
        bool same = currentRow > 0 && previousCount == currentCount &&
                    rects[previousRow].Bottom == currentY;
        for (size_t i = 0; same && i < currentCount; ++i)
            same = rects[previousRow + i].Left == rects[currentRow + i].Left &&
                   rects[previousRow + i].Right == rects[currentRow + i].Right;
        if (same) {
            for (size_t i = 0; i < previousCount; ++i)
                rects[previousRow + i].Bottom = currentY + 1;
            rects.resize(currentRow);
        } else {
            previousRow = currentRow;
        }
        rowOpen = false;
    };
    ScanPolygon(points, within, [&](int32_t y, int32_t x0, int32_t x1) {
        if (!rowOpen || y != currentY) {
            closeRow();
            currentRow = rects.size();
            currentY = y;
            rowOpen = true;
        }
        rects.push_back({x0, y, x1, y + 1});
    });
    closeRow();
    return FromDisjointRects(std::move(rects));
}

} // namespace brisat
