// TKsBitmap: shapes and lines drawn through the bitmap's device context.
#include "skin/bitmap/bitmap.h"

#include <algorithm>
#include <limits>

namespace brisat {

namespace {

// Selects a pen and a brush for one call and puts the previous ones back afterwards.
class TToolScope {
public:
    TToolScope(TDeviceContext& dc, const TPenSpec& pen, const TBrushSpec& brush)
        : m_dc(dc), m_pen(dc.Pen()), m_brush(dc.Brush()) {
        dc.SetPen(pen);
        dc.SetBrush(brush);
    }
    ~TToolScope() {
        m_dc.SetPen(m_pen);
        m_dc.SetBrush(m_brush);
    }
    TToolScope(const TToolScope&) = delete;
    TToolScope& operator=(const TToolScope&) = delete;

private:
    TDeviceContext& m_dc;
    TPenSpec m_pen;
    TBrushSpec m_brush;
};

TPenSpec SolidPen(TKsPixel pixel) {
    return {PixelToColor(pixel), TPenStyle::psSolid, 1};
}
TBrushSpec SolidBrush(TKsPixel pixel) {
    return {PixelToColor(pixel), TBrushStyle::bsSolid};
}

} // namespace

void TKsBitmap::FillRoundRect(const TRect& rect, int32_t radius, TKsPixel pixel) {
    TToolScope tools(m_dc, SolidPen(pixel), SolidBrush(pixel));
    m_dc.RoundRect(rect, radius, radius);
}

void TKsBitmap::FillPolygon(std::span<const TPoint> points, TKsPixel pixel) {
    TToolScope tools(m_dc, SolidPen(pixel), SolidBrush(pixel));
    m_dc.Polygon(points);
}

void TKsBitmap::FillHalftonePolygon(std::span<const TPoint> points, TKsPixel pixel,
                                    TKsPixel dotPixel) {
    FillPolygon(points, pixel);
    if (points.empty()) return;
    TRect box{std::numeric_limits<int32_t>::max(), std::numeric_limits<int32_t>::max(),
              std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::min()};
    for (const TPoint& p : points) {
        box.Left = std::min(box.Left, p.X);
        box.Top = std::min(box.Top, p.Y);
        box.Right = std::max(box.Right, p.X);
        box.Bottom = std::max(box.Bottom, p.Y);
    }
    // Minimum .. maximum − 1 on both axes, and only where the bitmap has pixels.
    box = IntersectRect(box, BoundsRect());
    if (IsRectEmpty(box)) return;
    const TRegion inside = TRegion::FromPolygon(points);
    for (const TRect& run : inside.Rects()) {
        const TRect r = IntersectRect(run, box);
        for (int32_t y = r.Top; y < r.Bottom; ++y)
            HalftoneRow(y, r.Left, r.Right, dotPixel);
    }
}

void TKsBitmap::DrawFocusRect(const TRect& rect, TKsPixel pixel) {
    TToolScope tools(m_dc, {PixelToColor(pixel), TPenStyle::psDot, 1},
                     {PixelToColor(pixel), TBrushStyle::bsClear});
    m_dc.DrawFocusRect(rect);
}

void TKsBitmap::MoveTo(int32_t x, int32_t y) {
    m_penPos = {x, y};
    m_dc.MoveTo(x, y);
}

void TKsBitmap::LineTo(int32_t x, int32_t y, TKsPixel pixel) {
    const TPenSpec previous = m_dc.Pen();
    m_dc.SetPen(SolidPen(pixel));
    m_dc.LineTo(x, y);
    m_dc.SetPen(previous);
    m_penPos = {x, y};
}

} // namespace brisat
