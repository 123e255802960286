#include "art_kit/texture.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace art_kit {

float Noise(int x, int y, uint32_t seed) {
    uint32_t h = uint32_t(x) * 0x8DA6B343u ^ uint32_t(y) * 0xD8163841u ^ seed * 0xCB1AB31Fu;
    h ^= h >> 13;
    h *= 0x5BD1E995u;
    h ^= h >> 15;
    return float(h & 0xFFFFFF) / float(0x1000000);
}

TRgba Shade(TRgba c, float amount) {
    const float target = amount > 0 ? 1.0f : 0.0f;
    const float t = std::clamp(std::abs(amount), 0.0f, 1.0f);
    return {c.R + (target - c.R) * t, c.G + (target - c.G) * t, c.B + (target - c.B) * t, c.A};
}

TPaint BevelPaint(float x0, float y0, float x1, float y1, TRgba light, TRgba dark) {
    return [=](float x, float y) {
        const float nearLight = std::min(x - x0, y - y0);
        const float nearDark = std::min(x1 - x, y1 - y);
        return nearLight <= nearDark ? light : dark;
    };
}

TPaint Brushed(TPaint base, float strength, uint32_t seed) {
    return [=](float x, float y) {
        const int row = int(std::floor(y));
        const int run = int(std::floor(x / 7.0f + Noise(row, 0, seed) * 7.0f));
        const float streak = Noise(row, -1, seed) * 0.6f + Noise(run, row, seed) * 0.4f;
        return Shade(base(x, y), (streak - 0.5f) * 2 * strength);
    };
}

TPaint Grain(TPaint base, float strength, uint32_t seed) {
    return [=](float x, float y) {
        const float n = Noise(int(std::floor(x)), int(std::floor(y)), seed);
        return Shade(base(x, y), (n - 0.5f) * 2 * strength);
    };
}

TPaint Hatched(TPaint base, TRgba ink, float spacing, float width, bool cross) {
    const auto onLine = [=](float t) {
        const float m = std::fmod(std::fmod(t, spacing) + spacing, spacing);
        return m < width;
    };
    return [=](float x, float y) {
        const bool hit = onLine(x + y) || (cross && onLine(x - y));
        return hit ? ink : base(x, y);
    };
}

TShape JitterLine(TPointF a, TPointF b, float width, float amplitude, uint32_t seed) {
    const float length = std::hypot(b.X - a.X, b.Y - a.Y);
    const int steps = std::max(2, int(length / 6));
    const float nx = length > 0 ? -(b.Y - a.Y) / length : 0;
    const float ny = length > 0 ? (b.X - a.X) / length : 0;
    std::vector<TPointF> points;
    for (int i = 0; i <= steps; ++i) {
        const float t = float(i) / float(steps);
        // Ends stay on the line so that strokes meet at corners.
        const float off = (i == 0 || i == steps) ? 0 : (Noise(i, 7, seed) - 0.5f) * 2 * amplitude;
        points.push_back({a.X + (b.X - a.X) * t + nx * off, a.Y + (b.Y - a.Y) * t + ny * off});
    }
    return Polyline(std::move(points), width);
}

TShape JitterBox(float x0, float y0, float x1, float y1, float width, float amplitude,
                 uint32_t seed) {
    return Union({JitterLine({x0, y0}, {x1, y0}, width, amplitude, seed),
                  JitterLine({x1, y0}, {x1, y1}, width, amplitude, seed + 1),
                  JitterLine({x1, y1}, {x0, y1}, width, amplitude, seed + 2),
                  JitterLine({x0, y1}, {x0, y0}, width, amplitude, seed + 3)});
}

} // namespace art_kit
