#include "art_kit/painter.h"

#include <algorithm>
#include <cmath>

namespace art_kit {
namespace {

constexpr int Samples = 8;

TRgba Mix(TRgba a, TRgba b, float t) {
    t = std::clamp(t, 0.0f, 1.0f);
    return {a.R + (b.R - a.R) * t, a.G + (b.G - a.G) * t, a.B + (b.B - a.B) * t,
            a.A + (b.A - a.A) * t};
}

float Coverage(const TShape& shape, int px, int py) {
    int inside = 0;
    for (int sy = 0; sy < Samples; ++sy)
        for (int sx = 0; sx < Samples; ++sx)
            if (shape(float(px) + (float(sx) + 0.5f) / Samples,
                      float(py) + (float(sy) + 0.5f) / Samples) < 0)
                ++inside;
    return float(inside) / (Samples * Samples);
}

uint32_t Channel(float premultiplied, float alpha) {
    return uint32_t(std::lround(std::clamp(premultiplied / alpha, 0.0f, 1.0f) * 255));
}

} // namespace

TRgba Rgb(uint32_t rgb, float alpha) {
    return {float((rgb >> 16) & 0xFF) / 255, float((rgb >> 8) & 0xFF) / 255,
            float(rgb & 0xFF) / 255, alpha};
}

TPaint Solid(TRgba color) {
    return [=](float, float) { return color; };
}

TPaint VerticalGradient(TRgba top, TRgba bottom, float y0, float y1) {
    return [=](float, float y) { return Mix(top, bottom, (y - y0) / (y1 - y0)); };
}

TPaint HorizontalGradient(TRgba left, TRgba right, float x0, float x1) {
    return [=](float x, float) { return Mix(left, right, (x - x0) / (x1 - x0)); };
}

TPaint RadialGradient(TRgba centre, TRgba edge, float cx, float cy, float radius) {
    return [=](float x, float y) { return Mix(centre, edge, std::hypot(x - cx, y - cy) / radius); };
}

TPainter::TPainter(int width, int height)
    : m_width(width), m_height(height), m_premultiplied(size_t(width * height), {0, 0, 0, 0}) {}

void TPainter::Fill(const TShape& shape, const TPaint& paint) {
    for (int y = 0; y < m_height; ++y)
        for (int x = 0; x < m_width; ++x) {
            const float coverage = Coverage(shape, x, y);
            if (coverage == 0) continue;
            const TRgba c = paint(float(x) + 0.5f, float(y) + 0.5f);
            const float a = c.A * coverage;
            TRgba& d = m_premultiplied[size_t(y * m_width + x)];
            d = {c.R * a + d.R * (1 - a), c.G * a + d.G * (1 - a), c.B * a + d.B * (1 - a),
                 a + d.A * (1 - a)};
        }
}

void TPainter::FillOutlined(const TShape& shape, const TPaint& paint, TRgba outline, float width) {
    Fill(shape, paint);
    Fill(InnerBand(shape, width), outline);
}

std::vector<uint32_t> TPainter::Pixels() const {
    std::vector<uint32_t> pixels;
    pixels.reserve(m_premultiplied.size());
    for (const TRgba& p : m_premultiplied) {
        const uint32_t a = uint32_t(std::lround(std::clamp(p.A, 0.0f, 1.0f) * 255));
        if (a == 0) {
            pixels.push_back(0);
            continue;
        }
        pixels.push_back(a << 24 | Channel(p.R, p.A) << 16 | Channel(p.G, p.A) << 8 |
                         Channel(p.B, p.A));
    }
    return pixels;
}

} // namespace art_kit
