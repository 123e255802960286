// Drawing state, clipping, pixel access, block and stretch copies, and rectangle fills.
#include "framework/graphics/device_context.h"

#include <algorithm>
#include <climits>
#include <cstring>

namespace brisat {

TDeviceContext::TDeviceContext(TSurface* surface) : m_surface(surface) {}

void TDeviceContext::SelectSurface(TSurface* surface) {
    m_surface = surface;
    m_state.clip.reset();
}

int TDeviceContext::SaveDC() {
    m_saved.push_back(m_state);
    return int(m_saved.size());
}

bool TDeviceContext::RestoreDC(int level) {
    int depth = int(m_saved.size());
    int target = level < 0 ? depth + level + 1 : level;
    if (target < 1 || target > depth) return false;
    m_state = std::move(m_saved[size_t(target - 1)]);
    m_saved.resize(size_t(target - 1));
    return true;
}

void TDeviceContext::OffsetViewportOrg(int32_t dx, int32_t dy) {
    m_state.viewportOrg.X += dx;
    m_state.viewportOrg.Y += dy;
}

namespace {

// Shifts a coordinate in 64 bits and saturates: a point pushed past the 32-bit range by the
// origin lies far outside any surface either way, and saturating keeps rectangles ordered.
int32_t ShiftSaturated(int32_t value, int64_t shift) {
    return int32_t(std::clamp<int64_t>(value + shift, INT32_MIN, INT32_MAX));
}

// Destination pixel i of a stretch samples source pixel floor((2i + 1) × srcSize / 2dstSize),
// the one under its centre. Steps to the next or previous i without dividing again; 128-bit
// start so sizes from damaged files cannot overflow.
struct TCentreSampler {
    TCentreSampler(int64_t i, int64_t dstSize, int64_t srcSize)
        : m_den(2 * dstSize), m_stepQ((2 * srcSize) / m_den), m_stepR((2 * srcSize) % m_den) {
        __int128 numerator = __int128(2 * i + 1) * srcSize;
        Index = int64_t(numerator / m_den);
        m_rem = int64_t(numerator % m_den);
    }
    void Next() {
        Index += m_stepQ;
        m_rem += m_stepR;
        if (m_rem >= m_den) m_rem -= m_den, ++Index;
    }
    void Back() {
        Index -= m_stepQ;
        m_rem -= m_stepR;
        if (m_rem < 0) m_rem += m_den, --Index;
    }
    int64_t Index;

private:
    int64_t m_den, m_stepQ, m_stepR, m_rem;
};

} // namespace

TPoint TDeviceContext::LogicalToDevice(TPoint p) const {
    const int64_t dx = int64_t(m_state.viewportOrg.X) - m_state.windowOrg.X;
    const int64_t dy = int64_t(m_state.viewportOrg.Y) - m_state.windowOrg.Y;
    return {ShiftSaturated(p.X, dx), ShiftSaturated(p.Y, dy)};
}

TRect TDeviceContext::LogicalToDevice(const TRect& r) const {
    TPoint topLeft = LogicalToDevice(r.TopLeft());
    TPoint bottomRight = LogicalToDevice(r.BottomRight());
    return {topLeft.X, topLeft.Y, bottomRight.X, bottomRight.Y};
}

void TDeviceContext::SelectClipRgn(const TRegion* region) {
    if (region)
        m_state.clip = *region;
    else
        m_state.clip.reset();
}

void TDeviceContext::IntersectClipRect(const TRect& rect) {
    TRect device = LogicalToDevice(rect);
    if (!m_state.clip) m_state.clip = TRegion(m_surface ? m_surface->BoundsRect() : TRect{});
    m_state.clip->Intersect(device);
}

void TDeviceContext::ExcludeClipRect(const TRect& rect) {
    if (!m_state.clip) m_state.clip = TRegion(m_surface ? m_surface->BoundsRect() : TRect{});
    m_state.clip->Subtract(LogicalToDevice(rect));
}

TRegion TDeviceContext::VisibleRegion() const {
    if (!m_surface || m_surface->Empty()) return {};
    TRegion visible = m_state.clip ? *m_state.clip : TRegion(m_surface->BoundsRect());
    visible.Intersect(m_surface->BoundsRect());
    return visible;
}

void TDeviceContext::VisibleRects(std::vector<TRect>& out) const {
    out.clear();
    if (!m_surface || m_surface->Empty()) return;
    TRect bounds = m_surface->BoundsRect();
    if (!m_state.clip) {
        out.push_back(bounds);
        return;
    }
    for (const TRect& r : m_state.clip->Rects()) {
        TRect cut = IntersectRect(r, bounds);
        if (!IsRectEmpty(cut)) out.push_back(cut);
    }
}

TRect TDeviceContext::VisibleBounds() const {
    if (!m_surface || m_surface->Empty()) return {};
    const TRect bounds = m_surface->BoundsRect();
    if (!m_state.clip) return bounds;
    TRect visible{};
    for (const TRect& r : m_state.clip->Rects()) {
        const TRect cut = IntersectRect(r, bounds);
        visible = UnionRect(visible, cut);
    }
    return visible;
}

TRect TDeviceContext::ClipBox() const {
    TRect box = VisibleBounds();
    if (IsRectEmpty(box)) return {};
    const int64_t dx = int64_t(m_state.windowOrg.X) - m_state.viewportOrg.X;
    const int64_t dy = int64_t(m_state.windowOrg.Y) - m_state.viewportOrg.Y;
    return {ShiftSaturated(box.Left, dx), ShiftSaturated(box.Top, dy),
            ShiftSaturated(box.Right, dx), ShiftSaturated(box.Bottom, dy)};
}

bool TDeviceContext::PtVisible(int32_t x, int32_t y) const {
    if (!m_surface) return false;
    TPoint d = LogicalToDevice(TPoint{x, y});
    if (!PtInRect(m_surface->BoundsRect(), d)) return false;
    return !m_state.clip || m_state.clip->Contains(d);
}

std::optional<uint32_t> TDeviceContext::GetPixel(int32_t x, int32_t y) const {
    if (!PtVisible(x, y)) return std::nullopt;
    TPoint d = LogicalToDevice(TPoint{x, y});
    uint32_t p = m_surface->Row(d.Y)[d.X];
    return RGB(uint8_t(p >> 16), uint8_t(p >> 8), uint8_t(p));
}

void TDeviceContext::SetPixel(int32_t x, int32_t y, TColor color) {
    TPoint d = LogicalToDevice(TPoint{x, y});
    FillSpan(d.Y, d.X, d.X + 1, RGBToOpaquePixel(ColorToRGB(color)));
}

// --- Spans ----------------------------------------------------------------------------------

void TDeviceContext::FillSpan(int32_t y, int32_t x0, int32_t x1, uint32_t pixel) {
    FillDeviceRect({x0, y, x1, y + 1}, pixel);
}

void TDeviceContext::FillDeviceRect(const TRect& deviceRect, uint32_t pixel) {
    if (!m_surface || IsRectEmpty(deviceRect)) return;
    auto fill = [&](const TRect& r) {
        for (int32_t y = r.Top; y < r.Bottom; ++y) {
            uint32_t* row = m_surface->Row(y);
            std::fill(row + r.Left, row + r.Right, pixel);
        }
    };
    if (!m_state.clip) {
        fill(IntersectRect(deviceRect, m_surface->BoundsRect()));
        return;
    }
    TRect bounded = IntersectRect(deviceRect, m_surface->BoundsRect());
    if (IsRectEmpty(bounded)) return;
    for (const TRect& r : m_state.clip->Rects())
        fill(IntersectRect(bounded, r));
}

void TDeviceContext::BlendSpan(int32_t y, int32_t x0, int32_t x1, uint32_t pixel,
                               uint8_t coverage) {
    if (coverage == 0) return;
    if (coverage == 255) {
        FillSpan(y, x0, x1, pixel);
        return;
    }
    if (!m_surface) return;
    TRect span = IntersectRect({x0, y, x1, y + 1}, m_surface->BoundsRect());
    if (IsRectEmpty(span)) return;
    const uint32_t k = coverage;
    auto blend = [&](const TRect& r) {
        uint32_t* row = m_surface->Row(y);
        for (int32_t x = r.Left; x < r.Right; ++x) {
            // Every byte, alpha included, moves toward the opaque pen pixel by the coverage.
            uint32_t d = row[x];
            uint32_t rb = (d & 0x00FF00FF) * (255 - k) + (pixel & 0x00FF00FF) * k + 0x00800080;
            uint32_t ag =
                ((d >> 8) & 0x00FF00FF) * (255 - k) + ((pixel >> 8) & 0x00FF00FF) * k + 0x00800080;
            row[x] = ((rb >> 8) & 0x00FF00FF) | (ag & 0xFF00FF00);
        }
    };
    if (!m_state.clip) {
        blend(span);
        return;
    }
    for (const TRect& r : m_state.clip->Rects()) {
        TRect cut = IntersectRect(span, r);
        if (!IsRectEmpty(cut)) blend(cut);
    }
}

void TDeviceContext::InvertSpan(int32_t y, int32_t x0, int32_t x1) {
    if (!m_surface) return;
    const TRect span = IntersectRect({x0, y, x1, y + 1}, m_surface->BoundsRect());
    if (IsRectEmpty(span)) return;
    uint32_t* row = m_surface->Row(y);
    auto invert = [&](const TRect& cut) {
        for (int32_t x = cut.Left; x < cut.Right; ++x)
            row[x] ^= 0x00FFFFFF;
    };
    if (!m_state.clip) {
        invert(span);
        return;
    }
    for (const TRect& r : m_state.clip->Rects())
        invert(IntersectRect(span, r));
}

// --- Copies ---------------------------------------------------------------------------------

void TDeviceContext::BitBlt(int32_t x, int32_t y, int32_t width, int32_t height,
                            const TDeviceContext& source, int32_t sx, int32_t sy) {
    if (!m_surface || !source.m_surface || width <= 0 || height <= 0) return;
    TPoint dst = LogicalToDevice(TPoint{x, y});
    TPoint src = source.LogicalToDevice(TPoint{sx, sy});
    // Destination area limited by the source surface and by what is visible here.
    // 64-bit arithmetic until the areas are cut to the surfaces, so no coordinate can overflow.
    const TRect srcBounds = source.m_surface->BoundsRect();
    const int64_t left = std::max<int64_t>(src.X, 0), top = std::max<int64_t>(src.Y, 0);
    const int64_t right = std::min<int64_t>(int64_t(src.X) + width, srcBounds.Right);
    const int64_t bottom = std::min<int64_t>(int64_t(src.Y) + height, srcBounds.Bottom);
    if (left >= right || top >= bottom) return;
    const int64_t dx = int64_t(dst.X) - src.X, dy = int64_t(dst.Y) - src.Y;
    const TRect visible = VisibleBounds();
    const TRect dstArea{int32_t(std::clamp<int64_t>(left + dx, visible.Left, visible.Right)),
                        int32_t(std::clamp<int64_t>(top + dy, visible.Top, visible.Bottom)),
                        int32_t(std::clamp<int64_t>(right + dx, visible.Left, visible.Right)),
                        int32_t(std::clamp<int64_t>(bottom + dy, visible.Top, visible.Bottom))};
    if (IsRectEmpty(dstArea)) return;
    TRect srcArea{int32_t(dstArea.Left - dx), int32_t(dstArea.Top - dy),
                  int32_t(dstArea.Right - dx), int32_t(dstArea.Bottom - dy)};

    // Within one surface an overlapping copy first sets the source block aside: the clip can cut
    // the copy into pieces, and no order of pieces is safe for every region.
    const TSurface* from = source.m_surface;
    TPoint fromOrigin{0, 0};
    TSurface scratch;
    if (from == m_surface && !IsRectEmpty(IntersectRect(srcArea, dstArea))) {
        scratch = TSurface(srcArea.Width(), srcArea.Height());
        for (int32_t row = srcArea.Top; row < srcArea.Bottom; ++row)
            std::memcpy(scratch.Row(row - srcArea.Top), from->Row(row) + srcArea.Left,
                        size_t(srcArea.Width()) * 4);
        from = &scratch;
        fromOrigin = srcArea.TopLeft();
    }
    // dstArea lies inside the surface, so cutting it by each clip rectangle is enough.
    const auto copy = [&](const TRect& clip) {
        TRect r = IntersectRect(dstArea, clip);
        if (IsRectEmpty(r)) return;
        for (int32_t row = r.Top; row < r.Bottom; ++row)
            std::memcpy(m_surface->Row(row) + r.Left,
                        from->Row(row - dy - fromOrigin.Y) + (r.Left - dx - fromOrigin.X),
                        size_t(r.Width()) * 4);
    };
    if (!m_state.clip)
        copy(dstArea);
    else
        for (const TRect& clip : m_state.clip->Rects())
            copy(clip);
}

void TDeviceContext::StretchBlt(int32_t x, int32_t y, int32_t width, int32_t height,
                                const TDeviceContext& source, int32_t sx, int32_t sy,
                                int32_t sourceWidth, int32_t sourceHeight) {
    if (!m_surface || !source.m_surface || width == 0 || height == 0 || sourceWidth == 0 ||
        sourceHeight == 0)
        return;
    if (width == sourceWidth && height == sourceHeight && width > 0 && height > 0) {
        BitBlt(x, y, width, height, source, sx, sy);
        return;
    }
    // 64-bit throughout: sizes and positions may come from damaged files. A negative size on
    // one side only mirrors that axis.
    const bool mirrorX = (width < 0) != (sourceWidth < 0);
    const bool mirrorY = (height < 0) != (sourceHeight < 0);
    int64_t dstX = x, dstY = y, dw = width, dh = height;
    int64_t srcX = sx, srcY = sy, sw = sourceWidth, sh = sourceHeight;
    if (dw < 0) dstX += dw, dw = -dw;
    if (dh < 0) dstY += dh, dh = -dh;
    if (sw < 0) srcX += sw, sw = -sw;
    if (sh < 0) srcY += sh, sh = -sh;
    dstX += int64_t(m_state.viewportOrg.X) - m_state.windowOrg.X;
    dstY += int64_t(m_state.viewportOrg.Y) - m_state.windowOrg.Y;
    srcX += int64_t(source.m_state.viewportOrg.X) - source.m_state.windowOrg.X;
    srcY += int64_t(source.m_state.viewportOrg.Y) - source.m_state.windowOrg.Y;

    const TSurface& from = *source.m_surface;
    std::vector<TRect> rects;
    VisibleRects(rects);
    for (const TRect& clip : rects) {
        // Clip rectangles lie inside the surface, so the cut area fits 32 bits.
        const int64_t left64 = std::max<int64_t>(clip.Left, dstX);
        const int64_t right64 = std::min<int64_t>(clip.Right, dstX + dw);
        const int64_t top64 = std::max<int64_t>(clip.Top, dstY);
        const int64_t bottom64 = std::min<int64_t>(clip.Bottom, dstY + dh);
        if (left64 >= right64 || top64 >= bottom64) continue;
        const int32_t left = int32_t(left64), right = int32_t(right64);
        const int32_t top = int32_t(top64), bottom = int32_t(bottom64);
        for (int32_t row = top; row < bottom; ++row) {
            const int64_t i = row - dstY;
            const int64_t srcRow = srcY + TCentreSampler(mirrorY ? dh - 1 - i : i, dh, sh).Index;
            if (srcRow < 0 || srcRow >= from.Height()) continue;
            const uint32_t* srcPixels = from.Row(int32_t(srcRow));
            uint32_t* out = m_surface->Row(row);
            const int64_t j = left - dstX;
            TCentreSampler column(mirrorX ? dw - 1 - j : j, dw, sw);
            for (int32_t col = left; col < right; ++col, mirrorX ? column.Back() : column.Next()) {
                const int64_t srcCol = srcX + column.Index;
                if (srcCol >= 0 && srcCol < from.Width()) out[col] = srcPixels[srcCol];
            }
        }
    }
}

// --- Areas ----------------------------------------------------------------------------------

void TDeviceContext::FillRect(const TRect& rect, TColor color) {
    FillDeviceRect(LogicalToDevice(rect), RGBToOpaquePixel(ColorToRGB(color)));
}

void TDeviceContext::FillRegion(const TRegion& region, TColor color) {
    uint32_t pixel = RGBToOpaquePixel(ColorToRGB(color));
    for (const TRect& r : region.Rects())
        FillDeviceRect(LogicalToDevice(r), pixel);
}

void TDeviceContext::FrameRect(const TRect& rect, TColor color) {
    if (IsRectEmpty(rect)) return;
    uint32_t pixel = RGBToOpaquePixel(ColorToRGB(color));
    TRect d = LogicalToDevice(rect);
    FillDeviceRect({d.Left, d.Top, d.Right, d.Top + 1}, pixel);
    FillDeviceRect({d.Left, d.Bottom - 1, d.Right, d.Bottom}, pixel);
    FillDeviceRect({d.Left, d.Top + 1, d.Left + 1, d.Bottom - 1}, pixel);
    FillDeviceRect({d.Right - 1, d.Top + 1, d.Right, d.Bottom - 1}, pixel);
}

} // namespace brisat
