// Lines and shapes: pen outlines and brush fills, all written through the span writers so that
// the clip region and the origin hold for every pixel.
#include "framework/graphics/device_context.h"
#include "framework/graphics/shape_spans.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <vector>

namespace brisat {

namespace {

// Wider pens are drawn this wide: it keeps the work of a wild width bounded.
constexpr int32_t kMaxPenWidth = 256;

int32_t PenWidth(const TPenSpec& pen) {
    return std::clamp(pen.Width, 1, kMaxPenWidth);
}

uint32_t PixelOf(TColor color) {
    return RGBToOpaquePixel(ColorToRGB(color));
}

// One-pixel styled pens repeat an on/off pattern along the line, counted in pixels from the
// line's start; bit i of Mask is set when the i-th pixel of a period is drawn. Wider pens draw
// solid, as the platform does.
struct TDashPattern {
    uint32_t Mask;
    int64_t Length;
    bool On(int64_t k) const { return (Mask >> (k % Length)) & 1u; }
};

TDashPattern PatternOf(TPenStyle style, int32_t width) {
    if (width > 1) return {1, 1};
    switch (style) {
    case TPenStyle::psDot:
        return {0b1, 2};
    case TPenStyle::psDash: // 18 on, 6 off
        return {(1u << 18) - 1, 24};
    case TPenStyle::psDashDot: // 9 on, 6 off, 3 on, 6 off
        return {((1u << 9) - 1) | (((1u << 3) - 1) << 15), 24};
    default:
        return {1, 1};
    }
}

TRect Normalized(TRect r) {
    if (r.Left > r.Right) std::swap(r.Left, r.Right);
    if (r.Top > r.Bottom) std::swap(r.Top, r.Bottom);
    return r;
}

int64_t ISqrt(int64_t v) {
    if (v <= 0) return 0;
    auto s = int64_t(std::sqrt(double(v)));
    while (s * s > v)
        --s;
    while ((s + 1) * (s + 1) <= v)
        ++s;
    return s;
}

} // namespace

// --- Pen primitives -------------------------------------------------------------------------

void TDeviceContext::PlotPen(int32_t deviceX, int32_t deviceY, uint32_t pixel) {
    const int32_t width = PenWidth(m_state.pen);
    if (width == 1) {
        FillSpan(deviceY, deviceX, deviceX + 1, pixel);
        return;
    }
    if (!m_surface) return;
    // A round brush of diameter Width covering offsets Lo .. Lo + Width − 1 about the point; in
    // doubled units its centre sits at offset −E (half a pixel up-left for even widths).
    const int64_t lo = -(width / 2), e = width % 2 == 0 ? 1 : 0;
    const int64_t first = std::max<int64_t>(lo, -int64_t(deviceY));
    const int64_t last =
        std::min<int64_t>(lo + width - 1, m_surface->Height() - 1 - int64_t(deviceY));
    for (int64_t dy = first; dy <= last; ++dy) {
        const int64_t v = 2 * dy + e;
        int64_t s = ISqrt(int64_t(width) * width - v * v);
        if ((s - e) % 2 != 0) --s; // doubled column offsets share the centre's parity
        const int64_t dxFirst = (-s - e) / 2, dxLast = (s - e) / 2;
        FillSpan(int32_t(deviceY + dy), int32_t(deviceX + dxFirst), int32_t(deviceX + dxLast + 1),
                 pixel);
    }
}

void TDeviceContext::DrawLineDevice(TPoint from, TPoint to, uint32_t pixel, TPenStyle style) {
    if (!m_surface || style == TPenStyle::psClear) return;
    const int32_t width = PenWidth(m_state.pen);
    const TDashPattern pattern = PatternOf(style, width);
    const int64_t dx = int64_t(to.X) - from.X, dy = int64_t(to.Y) - from.Y;
    const bool xMajor = std::llabs(dx) >= std::llabs(dy);
    const int64_t major = xMajor ? dx : dy, minor = xMajor ? dy : dx;
    const int64_t dM = std::llabs(major), dm = std::llabs(minor);
    if (dM == 0) return;
    const int64_t sM = major > 0 ? 1 : -1, sm = minor >= 0 ? 1 : -1;
    const int64_t m0 = xMajor ? from.X : from.Y, n0 = xMajor ? from.Y : from.X;
    // Walk only the steps whose pen can touch the surface, so a line of any length costs at most
    // the surface's extent. Steps 0 .. dM − 1: the end point is not drawn.
    const int64_t pad = width;
    const int64_t majorLo = -pad, minorLo = -pad;
    const int64_t majorHi = (xMajor ? m_surface->Width() : m_surface->Height()) + pad;
    const int64_t minorHi = (xMajor ? m_surface->Height() : m_surface->Width()) + pad;
    int64_t kBegin = sM > 0 ? majorLo - m0 : m0 - majorHi + 1;
    int64_t kEnd = sM > 0 ? majorHi - m0 : m0 - majorLo + 1;
    kBegin = std::max<int64_t>(kBegin, 0);
    kEnd = std::min(kEnd, dM);
    if (kBegin >= kEnd) return;

    // Minor offset of step k = k × dm / dM rounded half up, kept as quotient and remainder.
    const int64_t twoDM = 2 * dM, twoDm = 2 * dm;
    const __int128 start = __int128(2) * kBegin * dm + dM;
    int64_t q = int64_t(start / twoDM), rem = int64_t(start % twoDM);

    // One-pixel pens collect runs along the major axis and fill each in one call.
    int64_t runFirst = 0, runLast = 0, runMinor = 0;
    bool inRun = false;
    auto flush = [&] {
        if (!inRun) return;
        const auto a = int32_t(std::min(runFirst, runLast)),
                   b = int32_t(std::max(runFirst, runLast));
        const auto n = int32_t(runMinor);
        FillDeviceRect(xMajor ? TRect{a, n, b + 1, n + 1} : TRect{n, a, n + 1, b + 1}, pixel);
        inRun = false;
    };
    for (int64_t k = kBegin; k < kEnd; ++k) {
        const int64_t a = m0 + sM * k, n = n0 + sm * q;
        if (pattern.On(k) && n >= minorLo && n < minorHi) {
            if (width > 1) {
                PlotPen(int32_t(xMajor ? a : n), int32_t(xMajor ? n : a), pixel);
            } else if (inRun && n == runMinor && a == runLast + sM) {
                runLast = a;
            } else {
                flush();
                runFirst = runLast = a;
                runMinor = n;
                inRun = true;
            }
        } else {
            flush();
        }
        rem += twoDm;
        if (rem >= twoDM) rem -= twoDM, ++q;
    }
    flush();
}

// --- Lines ----------------------------------------------------------------------------------

void TDeviceContext::LineTo(int32_t x, int32_t y) {
    DrawLineDevice(LogicalToDevice(m_state.penPos), LogicalToDevice(TPoint{x, y}),
                   PixelOf(m_state.pen.Color), m_state.pen.Style);
    m_state.penPos = {x, y};
}

void TDeviceContext::Polyline(std::span<const TPoint> points) {
    const uint32_t pixel = PixelOf(m_state.pen.Color);
    for (size_t i = 1; i < points.size(); ++i)
        DrawLineDevice(LogicalToDevice(points[i - 1]), LogicalToDevice(points[i]), pixel,
                       m_state.pen.Style);
}

// --- Shapes ---------------------------------------------------------------------------------

void TDeviceContext::Rectangle(const TRect& rect) {
    const TRect d = Normalized(LogicalToDevice(rect));
    if (IsRectEmpty(d)) return;
    const bool outline = m_state.pen.Style != TPenStyle::psClear;
    if (m_state.brush.Style == TBrushStyle::bsSolid)
        FillDeviceRect(outline ? InflateRect(d, -1, -1) : d, PixelOf(m_state.brush.Color));
    if (!outline) return;
    const uint32_t pixel = PixelOf(m_state.pen.Color);
    const TPenStyle style = m_state.pen.Style;
    if (d.Top + 1 == d.Bottom || d.Left + 1 == d.Right) {
        const TPoint end =
            d.Top + 1 == d.Bottom ? TPoint{d.Right, d.Top} : TPoint{d.Left, d.Bottom};
        DrawLineDevice(d.TopLeft(), end, pixel, style);
        return;
    }
    const TPoint corners[] = {
        {d.Left, d.Top}, {d.Right - 1, d.Top}, {d.Right - 1, d.Bottom - 1}, {d.Left, d.Bottom - 1}};
    for (size_t i = 0; i < 4; ++i)
        DrawLineDevice(corners[i], corners[(i + 1) % 4], pixel, style);
}

void TDeviceContext::Ellipse(const TRect& rect) {
    // An ellipse is a round rectangle whose corner ellipse is the whole box.
    constexpr int32_t whole = INT32_MAX;
    RoundRect(rect, whole, whole);
}

void TDeviceContext::RoundRect(const TRect& rect, int32_t ellipseWidth, int32_t ellipseHeight) {
    const TRect d = Normalized(LogicalToDevice(rect));
    if (IsRectEmpty(d) || !m_surface) return;
    const int64_t w = int64_t(d.Right) - d.Left, h = int64_t(d.Bottom) - d.Top;
    const int64_t ew = std::min<int64_t>(std::llabs(ellipseWidth), w);
    const int64_t eh = std::min<int64_t>(std::llabs(ellipseHeight), h);
    const int64_t miss = (w + 1) / 2;
    // Row r of the shape covers Left + Inset(r) .. Right − 1 − Inset(r).
    auto inset = [&](int64_t r) -> int64_t {
        if (r < 0 || r >= h) return miss;
        if (ew < 2 || eh < 2) return 0;
        if (r < eh / 2) return std::min(EllipseRowInset(ew, eh, r), miss);
        if (r >= h - eh / 2) return std::min(EllipseRowInset(ew, eh, eh - (h - r)), miss);
        return 0;
    };
    const bool outline = m_state.pen.Style != TPenStyle::psClear;
    const bool fill = m_state.brush.Style == TBrushStyle::bsSolid;
    const int32_t width = PenWidth(m_state.pen);
    const bool solidOutline = outline && (width > 1 || m_state.pen.Style == TPenStyle::psSolid);
    const uint32_t brush = PixelOf(m_state.brush.Color), pen = PixelOf(m_state.pen.Color);
    const int64_t pad = outline ? width : 0;
    const int64_t rowFirst = std::max<int64_t>(d.Top, -pad);
    const int64_t rowEnd = std::min<int64_t>(d.Bottom, m_surface->Height() + pad);
    const int64_t colLo = -pad, colHi = m_surface->Width() + pad;

    // The outline is every pixel of the shape with a 4-neighbour outside it; the rest is the
    // interior. Both are symmetric, so one inset per row describes them.
    auto interiorInset = [&](int64_t r) {
        return std::max({inset(r) + 1, inset(r - 1), inset(r + 1)});
    };
    auto stroke = [&](int64_t y, int64_t x0, int64_t x1) {
        x0 = std::max(x0, colLo), x1 = std::min(x1, colHi);
        if (width == 1) {
            FillSpan(int32_t(y), int32_t(x0), int32_t(x1), pen);
            return;
        }
        for (int64_t x = x0; x < x1; ++x)
            PlotPen(int32_t(x), int32_t(y), pen);
    };
    // The brush first: a wide pen reaches into the rows around its own.
    for (int64_t y = rowFirst; fill && y < rowEnd; ++y) {
        const int64_t r = y - d.Top, i = outline ? interiorInset(r) : inset(r);
        if (2 * i < w) FillSpan(int32_t(y), int32_t(d.Left + i), int32_t(d.Right - i), brush);
    }
    for (int64_t y = rowFirst; solidOutline && y < rowEnd; ++y) {
        const int64_t r = y - d.Top, i = inset(r), ii = interiorInset(r);
        if (2 * i >= w) continue;
        if (2 * ii >= w) {
            stroke(y, d.Left + i, d.Right - i);
        } else {
            stroke(y, d.Left + i, d.Left + ii);
            stroke(y, d.Right - ii, d.Right - i);
        }
    }
    if (!outline || solidOutline) return;

    // Styled one-pixel outline: the pattern runs along the path, clockwise from the top: the
    // right half top to bottom, then the left half bottom to top.
    const TDashPattern pattern = PatternOf(m_state.pen.Style, 1);
    const int64_t mid = d.Left + w / 2;
    int64_t k = 0;
    auto walk = [&](int64_t y, int64_t x0, int64_t x1, bool ascending) {
        if (x0 >= x1) return;
        for (int64_t x = std::max(x0, colLo); x < std::min(x1, colHi); ++x)
            if (pattern.On(k + (ascending ? x - x0 : x1 - 1 - x)))
                FillSpan(int32_t(y), int32_t(x), int32_t(x + 1), pen);
        k += x1 - x0;
    };
    enum class THalf { Left, Right };
    auto runs = [&](int64_t y, THalf half) {
        const int64_t r = y - d.Top, i = inset(r), ii = interiorInset(r);
        if (2 * i >= w) return;
        const bool hollow = 2 * ii >= w, top = r < h / 2;
        if (half == THalf::Right)
            walk(y, std::max(hollow ? d.Left + i : d.Right - ii, mid), d.Right - i, top);
        else
            walk(y, d.Left + i, std::min(hollow ? d.Right - i : d.Left + ii, mid), top);
    };
    for (int64_t y = rowFirst; y < rowEnd; ++y)
        runs(y, THalf::Right);
    for (int64_t y = rowEnd - 1; y >= rowFirst; --y)
        runs(y, THalf::Left);
}

void TDeviceContext::Polygon(std::span<const TPoint> points) {
    if (!m_surface || points.size() < 2) return;
    std::vector<TPoint> device(points.size());
    std::transform(points.begin(), points.end(), device.begin(),
                   [&](TPoint p) { return LogicalToDevice(p); });
    if (m_state.brush.Style == TBrushStyle::bsSolid) {
        const uint32_t brush = PixelOf(m_state.brush.Color);
        ScanPolygon(device, m_surface->BoundsRect(),
                    [&](int32_t y, int32_t x0, int32_t x1) { FillSpan(y, x0, x1, brush); });
    }
    const uint32_t pen = PixelOf(m_state.pen.Color);
    for (size_t i = 0; i < device.size(); ++i)
        DrawLineDevice(device[i], device[(i + 1) % device.size()], pen, m_state.pen.Style);
}

void TDeviceContext::DrawFocusRect(const TRect& rect) {
    const TRect d = LogicalToDevice(rect);
    if (IsRectEmpty(d) || !m_surface) return;
    // Every other pixel of the frame, chosen by device position so the dots stay put whatever
    // the origin; each pixel is inverted once, so a second call restores the picture.
    auto dot = [&](int32_t x, int32_t y) {
        if (((int64_t(x) + y) & 1) == 0) InvertSpan(y, x, x + 1);
    };
    const TRect area = IntersectRect(d, m_surface->BoundsRect());
    if (IsRectEmpty(area)) return;
    for (int32_t x = area.Left; x < area.Right; ++x) {
        if (d.Top == area.Top) dot(x, d.Top);
        if (d.Bottom - 1 > d.Top && d.Bottom == area.Bottom) dot(x, d.Bottom - 1);
    }
    for (int32_t y = std::max(area.Top, d.Top + 1); y < std::min(area.Bottom, d.Bottom - 1); ++y) {
        if (d.Left == area.Left) dot(d.Left, y);
        if (d.Right - 1 > d.Left && d.Right == area.Right) dot(d.Right - 1, y);
    }
}

} // namespace brisat
