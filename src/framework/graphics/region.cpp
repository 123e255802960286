#include "framework/graphics/region.h"

namespace brisat {

namespace {

// Appends the parts of `r` outside `cut` (at most four rectangles).
void AppendDifference(const TRect& r, const TRect& cut, std::vector<TRect>& out) {
    TRect overlap = IntersectRect(r, cut);
    if (IsRectEmpty(overlap)) {
        out.push_back(r);
        return;
    }
    if (r.Top < overlap.Top) out.push_back({r.Left, r.Top, r.Right, overlap.Top});
    if (overlap.Bottom < r.Bottom) out.push_back({r.Left, overlap.Bottom, r.Right, r.Bottom});
    if (r.Left < overlap.Left) out.push_back({r.Left, overlap.Top, overlap.Left, overlap.Bottom});
    if (overlap.Right < r.Right)
        out.push_back({overlap.Right, overlap.Top, r.Right, overlap.Bottom});
}

} // namespace

TRegion::TRegion(const TRect& rect) {
    if (!IsRectEmpty(rect)) {
        m_rects.push_back(rect);
        m_bounds = rect;
    }
}

TRegion TRegion::FromDisjointRects(std::vector<TRect> rects) {
    TRegion region;
    std::erase_if(rects, [](const TRect& r) { return IsRectEmpty(r); });
    region.m_rects = std::move(rects);
    region.UpdateBounds();
    return region;
}

bool TRegion::Contains(TPoint p) const {
    if (!PtInRect(m_bounds, p)) return false;
    for (const TRect& r : m_rects)
        if (PtInRect(r, p)) return true;
    return false;
}

bool TRegion::SameArea(const TRegion& other) const {
    TRegion a = *this;
    a.Subtract(other);
    if (!a.Empty()) return false;
    TRegion b = other;
    b.Subtract(*this);
    return b.Empty();
}

void TRegion::Union(const TRegion& other) {
    TRegion extra = other;
    extra.Subtract(*this);
    m_rects.insert(m_rects.end(), extra.m_rects.begin(), extra.m_rects.end());
    UpdateBounds();
}

void TRegion::Intersect(const TRect& rect) {
    // In place: the overlaps are never more than the rectangles they come from.
    size_t kept = 0;
    for (const TRect& r : m_rects) {
        const TRect overlap = IntersectRect(r, rect);
        if (!IsRectEmpty(overlap)) m_rects[kept++] = overlap;
    }
    m_rects.resize(kept);
    UpdateBounds();
}

void TRegion::Intersect(const TRegion& other) {
    std::vector<TRect> result;
    for (const TRect& a : m_rects)
        for (const TRect& b : other.m_rects) {
            TRect overlap = IntersectRect(a, b);
            if (!IsRectEmpty(overlap)) result.push_back(overlap);
        }
    m_rects = std::move(result);
    UpdateBounds();
}

void TRegion::Subtract(const TRect& rect) {
    if (IsRectEmpty(IntersectRect(m_bounds, rect))) return;
    std::vector<TRect> result;
    result.reserve(m_rects.size() + 4);
    for (const TRect& r : m_rects) AppendDifference(r, rect, result);
    m_rects = std::move(result);
    UpdateBounds();
}

void TRegion::Subtract(const TRegion& other) {
    for (const TRect& r : other.m_rects) {
        if (m_rects.empty()) break;
        Subtract(r);
    }
}

void TRegion::Offset(int32_t dx, int32_t dy) {
    for (TRect& r : m_rects) r = OffsetRect(r, dx, dy);
    if (!m_rects.empty()) m_bounds = OffsetRect(m_bounds, dx, dy);
}

void TRegion::UpdateBounds() {
    m_bounds = {};
    for (const TRect& r : m_rects) m_bounds = UnionRect(m_bounds, r);
}

} // namespace brisat
