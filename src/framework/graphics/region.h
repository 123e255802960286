// Regions: sets of pixels kept as lists of non-overlapping rectangles. Window shapes, clipping and
// the polygon fills use them.
#pragma once

#include <span>
#include <vector>

#include "framework/core/types.h"

namespace brisat {

class TRegion {
public:
    TRegion() = default;
    explicit TRegion(const TRect& rect);
    // Takes rectangles that do not overlap (for example row runs of a bitmap); empty ones are
    // dropped. Bounds are computed.
    static TRegion FromDisjointRects(std::vector<TRect> rects);
    // The pixels whose centres lie inside the polygon, by the alternate (even-odd) rule, as the
    // platform fills it.
    static TRegion FromPolygon(std::span<const TPoint> points);

    bool Empty() const { return m_rects.empty(); }
    const std::vector<TRect>& Rects() const { return m_rects; }
    // Bounding box of every pixel; the all-zero rectangle when empty.
    TRect Bounds() const { return m_bounds; }
    bool Contains(TPoint p) const;
    bool Contains(int32_t x, int32_t y) const { return Contains({x, y}); }
    // True when both cover the same pixels.
    bool SameArea(const TRegion& other) const;

    void Union(const TRegion& other);
    void Union(const TRect& rect) { Union(TRegion(rect)); }
    void Intersect(const TRegion& other);
    void Intersect(const TRect& rect);
    void Subtract(const TRegion& other);
    void Subtract(const TRect& rect);
    void Offset(int32_t dx, int32_t dy);

private:
    void UpdateBounds();

    std::vector<TRect> m_rects;
    TRect m_bounds{};
};

} // namespace brisat
