#include "framework/graphics/shape_spans.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace brisat {

namespace {

using Wide = __int128;
using UWide = unsigned __int128;

Wide FloorDiv(Wide a, Wide b) { // b > 0
    Wide q = a / b;
    return (a % b != 0 && a < 0) ? q - 1 : q;
}

Wide CeilDiv(Wide a, Wide b) {
    return -FloorDiv(-a, b);
}

// Below this size ellipse rows are computed exactly in 128-bit integers; beyond it (far larger
// than anything drawn) in long double.
constexpr int64_t kExactLimit = int64_t(1) << 28;

struct Edge {
    int64_t x1, y1, x2, y2; // y1 < y2
};

} // namespace

int64_t EllipseRowInset(int64_t width, int64_t height, int64_t row) {
    if (width <= 0 || height <= 0 || row < 0 || row >= height) return (width + 1) / 2;
    // Doubled coordinates about the box centre: pixel centres sit on the integers X2 ≡ Width − 1,
    // Y2 ≡ Height − 1 (mod 2), and the ellipse has the doubled semi-axes Width − ¼, Height − ¼.
    // Inside: 16 X2² B² ≤ A² (B² − 16 Y2²) with A = 4 Width − 1, B = 4 Height − 1.
    const int64_t y2 = 2 * row - (height - 1);
    const long double a = 4.0L * width - 1, b = 4.0L * height - 1;
    int64_t x2 = int64_t(a * std::sqrt(b * b - 16.0L * y2 * y2) / (4 * b));
    if (width < kExactLimit && height < kExactLimit) {
        const UWide ea = UWide(4 * width - 1), eb = UWide(4 * height - 1);
        const UWide rhs = ea * ea * (eb * eb - UWide(16 * y2 * y2));
        auto inside = [&](int64_t x) { return UWide(x) * UWide(x) * 16 * eb * eb <= rhs; };
        while (x2 > 0 && !inside(x2))
            --x2;
        while (inside(x2 + 1))
            ++x2;
    }
    // The middle row (or two) is full and every row keeps its middle pixel (or two), so even a
    // very flat or thin ellipse touches all four sides of its box.
    if (y2 >= -1 && y2 <= 1) return 0;
    x2 = std::clamp<int64_t>(x2, (width - 1) % 2, width - 1);
    if ((width - 1 - x2) % 2 != 0) --x2;
    return (width - 1 - x2) / 2;
}

void ScanPolygon(std::span<const TPoint> points, const TRect& within, const TSpanSink& emit) {
    if (points.size() < 3 || IsRectEmpty(within)) return;
    std::vector<Edge> edges;
    edges.reserve(points.size());
    int64_t top = INT64_MAX, bottom = INT64_MIN;
    for (size_t i = 0; i < points.size(); ++i) {
        TPoint a = points[i], b = points[(i + 1) % points.size()];
        if (a.Y == b.Y) continue; // horizontal edges never cross a row of centres
        if (a.Y > b.Y) std::swap(a, b);
        edges.push_back({a.X, a.Y, b.X, b.Y});
        top = std::min<int64_t>(top, a.Y);
        bottom = std::max<int64_t>(bottom, b.Y);
    }
    if (edges.empty()) return;
    // Row y's centre line y + 0.5 crosses the edges with y1 ≤ y < y2.
    const int32_t rowBegin = int32_t(std::max<int64_t>(top, within.Top));
    const int32_t rowEnd = int32_t(std::min<int64_t>(bottom, within.Bottom));
    std::vector<int32_t> crossings;
    crossings.reserve(edges.size());
    for (int32_t y = rowBegin; y < rowEnd; ++y) {
        crossings.clear();
        for (const Edge& e : edges) {
            if (y < e.y1 || y >= e.y2) continue;
            // First pixel whose centre lies at or right of the crossing: 2x + 1 ≥ 2 × crossing.
            const Wide d = e.y2 - e.y1;
            const Wide n = 2 * Wide(e.x1) * d + Wide(2 * int64_t(y) + 1 - 2 * e.y1) * (e.x2 - e.x1);
            Wide x = CeilDiv(n - d, 2 * d);
            crossings.push_back(int32_t(std::clamp<Wide>(x, within.Left, within.Right)));
        }
        std::sort(crossings.begin(), crossings.end());
        for (size_t i = 0; i + 1 < crossings.size(); i += 2)
            if (crossings[i] < crossings[i + 1]) emit(y, crossings[i], crossings[i + 1]);
    }
}

} // namespace brisat
