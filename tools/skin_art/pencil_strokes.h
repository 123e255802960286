// Hand-drawn strokes for the pencil skin: shapes that waver smoothly, graphite that varies in
// darkness along the stroke, and sketched boxes whose edges overshoot their corners. Wavering is
// periodic in both directions so that pieces whose middles tile stay seamless.
#pragma once

#include "art_kit/painter.h"
#include "skin_art/figures.h"

#include <cstdint>

namespace skin_art::pencil {

// How a stroke wavers: up to Amplitude pixels, repeating every PeriodX along x (moving
// horizontal strokes up and down) and PeriodY along y (moving vertical strokes sideways).
struct TWobble {
    float Amplitude = 0.45f;
    float PeriodX = 40;
    float PeriodY = 16;
    uint32_t Seed = 1;
};

// Shape as drawn by an unsteady hand.
art_kit::TShape Wobbled(art_kit::TShape shape, const TWobble& wobble);

// Graphite (or coloured pencil) of Rgb at Alpha, lightened here and there like real lead.
art_kit::TPaint Lead(uint32_t rgb, float alpha, uint32_t seed);

// The outline of Box drawn as four Width-wide strokes that reach Overshoot past each corner.
art_kit::TShape SketchBox(const TBox& box, float width, float overshoot);

// Hatching of Ink at Alpha: 45° strokes Spacing apart (and the other diagonal with Cross). Fill
// a shape with it over what is already painted.
art_kit::TPaint Hatch(uint32_t ink, float alpha, float spacing, bool cross = false);

} // namespace skin_art::pencil
