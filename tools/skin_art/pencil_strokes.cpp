#include "skin_art/pencil_strokes.h"

#include "art_kit/texture.h"

#include <cmath>

namespace skin_art::pencil {

using namespace art_kit;

namespace {

constexpr float Tau = 6.2831853f;

// A smooth wave of period Period and peak about 1, its phases fixed by Seed.
float Wave(float t, float period, uint32_t seed) {
    const float phase1 = Noise(int(seed), 11, 0x51E7u) * Tau;
    const float phase2 = Noise(int(seed), 23, 0x51E7u) * Tau;
    return 0.65f * std::sin(Tau * t / period + phase1) + 0.35f * std::sin(2 * Tau * t / period + phase2);
}

} // namespace

TShape Wobbled(TShape shape, const TWobble& w) {
    return [shape = std::move(shape), w](float x, float y) {
        const float dx = w.Amplitude * Wave(y, w.PeriodY, w.Seed);
        const float dy = w.Amplitude * Wave(x, w.PeriodX, w.Seed + 1);
        return shape(x + dx, y + dy);
    };
}

TPaint Lead(uint32_t rgb, float alpha, uint32_t seed) {
    return Grain(Solid(Rgb(rgb, alpha)), 0.3f, seed);
}

TShape SketchBox(const TBox& b, float width, float overshoot) {
    const float o = overshoot;
    return Union({Line({b.X0 - o, b.Y0}, {b.X1 + o * 0.5f, b.Y0}, width),
                  Line({b.X1, b.Y0 - o * 0.5f}, {b.X1, b.Y1 + o}, width),
                  Line({b.X1 + o, b.Y1}, {b.X0 - o * 0.5f, b.Y1}, width),
                  Line({b.X0, b.Y1 + o * 0.5f}, {b.X0, b.Y0 - o}, width)});
}

TPaint Hatch(uint32_t ink, float alpha, float spacing, bool cross) {
    return Hatched(Solid(Rgb(ink, 0)), Rgb(ink, alpha), spacing, 1, cross);
}

} // namespace skin_art::pencil
