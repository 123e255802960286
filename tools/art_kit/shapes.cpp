#include "art_kit/shapes.h"

#include <algorithm>
#include <cmath>

namespace art_kit {

float SegmentDistance(TPointF p, TPointF a, TPointF b) {
    const float dx = b.X - a.X, dy = b.Y - a.Y;
    const float len2 = dx * dx + dy * dy;
    float t = len2 > 0 ? ((p.X - a.X) * dx + (p.Y - a.Y) * dy) / len2 : 0;
    t = std::clamp(t, 0.0f, 1.0f);
    return std::hypot(p.X - (a.X + t * dx), p.Y - (a.Y + t * dy));
}

TShape Circle(float cx, float cy, float r) {
    return [=](float x, float y) { return std::hypot(x - cx, y - cy) - r; };
}

TShape Ellipse(float cx, float cy, float rx, float ry) {
    // Scaled circle distance: exact enough for coverage sampling of small shapes.
    const float scale = std::min(rx, ry);
    return [=](float x, float y) {
        return (std::hypot((x - cx) / rx, (y - cy) / ry) - 1) * scale;
    };
}

TShape Box(float x0, float y0, float x1, float y1, float radius) {
    const float cx = (x0 + x1) / 2, cy = (y0 + y1) / 2;
    const float hx = (x1 - x0) / 2 - radius, hy = (y1 - y0) / 2 - radius;
    return [=](float x, float y) {
        const float qx = std::abs(x - cx) - hx, qy = std::abs(y - cy) - hy;
        const float outside = std::hypot(std::max(qx, 0.0f), std::max(qy, 0.0f));
        return outside + std::min(std::max(qx, qy), 0.0f) - radius;
    };
}

TShape Polygon(std::vector<TPointF> points) {
    return [points = std::move(points)](float x, float y) {
        float distance = 1e9f;
        bool inside = false;
        for (size_t i = 0, j = points.size() - 1; i < points.size(); j = i++) {
            const TPointF a = points[i], b = points[j];
            distance = std::min(distance, SegmentDistance({x, y}, a, b));
            if ((a.Y > y) != (b.Y > y) && x < (b.X - a.X) * (y - a.Y) / (b.Y - a.Y) + a.X)
                inside = !inside;
        }
        return inside ? -distance : distance;
    };
}

TShape Line(TPointF a, TPointF b, float width) {
    return [=](float x, float y) { return SegmentDistance({x, y}, a, b) - width / 2; };
}

TShape Polyline(std::vector<TPointF> points, float width) {
    return [points = std::move(points), width](float x, float y) {
        float d = 1e9f;
        for (size_t i = 1; i < points.size(); ++i)
            d = std::min(d, SegmentDistance({x, y}, points[i - 1], points[i]));
        return d - width / 2;
    };
}

TShape Ring(float cx, float cy, float inner, float outer) {
    const float middle = (inner + outer) / 2, half = (outer - inner) / 2;
    return [=](float x, float y) { return std::abs(std::hypot(x - cx, y - cy) - middle) - half; };
}

TShape Gear(float cx, float cy, float root, float tip, int teeth) {
    return [=](float x, float y) {
        const float angle = std::atan2(y - cy, x - cx);
        // Flat-topped teeth: the radius steps between root and tip over each tooth period.
        const float wave = std::cos(angle * float(teeth));
        const float radius = wave > -0.1f ? tip : root;
        return std::hypot(x - cx, y - cy) - radius;
    };
}

TShape Union(std::initializer_list<TShape> shapes) {
    std::vector<TShape> list(shapes);
    return [list = std::move(list)](float x, float y) {
        float d = 1e9f;
        for (const TShape& s : list)
            d = std::min(d, s(x, y));
        return d;
    };
}

TShape Intersect(TShape a, TShape b) {
    return [=](float x, float y) { return std::max(a(x, y), b(x, y)); };
}

TShape Cut(TShape a, TShape b) {
    return [=](float x, float y) { return std::max(a(x, y), -b(x, y)); };
}

TShape InnerBand(TShape a, float width) {
    return [=](float x, float y) {
        const float d = a(x, y);
        return std::max(d, -d - width);
    };
}

TShape Moved(TShape a, float dx, float dy) {
    return [=](float x, float y) { return a(x - dx, y - dy); };
}

TShape Grown(TShape a, float amount) {
    return [=](float x, float y) { return a(x, y) - amount; };
}

} // namespace art_kit
