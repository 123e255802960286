// Paints and strokes that give skins their materials: bevels, brushed metal, grain, hatching
// and hand-drawn lines. Every random-looking pattern comes from a hash of the position and a seed,
// so the same call always paints the same pixels.
#pragma once

#include "art_kit/painter.h"
#include "art_kit/shapes.h"

#include <cstdint>

namespace art_kit {

// A value in [0, 1) fixed by (X, Y, Seed).
float Noise(int x, int y, uint32_t seed);

// Colour C lightened (Amount > 0) toward white or darkened (Amount < 0) toward black.
TRgba Shade(TRgba c, float amount);

// Light on the top and left of the box (x0, y0)-(x1, y1), Dark on its bottom and right: the
// nearest edge decides. Fill a band of the box with it for a raised (or, swapped, sunken) bevel.
TPaint BevelPaint(float x0, float y0, float x1, float y1, TRgba light, TRgba dark);

// Base with horizontal brush streaks: each row and short run of a row is lightened or darkened
// by up to Strength.
TPaint Brushed(TPaint base, float strength, uint32_t seed);
// Base with fine per-pixel grain of up to Strength.
TPaint Grain(TPaint base, float strength, uint32_t seed);
// Base crossed by Ink lines Spacing apart at 45° (rising to the right), Width wide; with
// Cross set the falling diagonals too.
TPaint Hatched(TPaint base, TRgba ink, float spacing, float width, bool cross = false);

// A stroke from A to B that wavers by up to Amplitude pixels, as if drawn by hand.
TShape JitterLine(TPointF a, TPointF b, float width, float amplitude, uint32_t seed);
// The outline of the box (x0, y0)-(x1, y1) drawn with four jitter lines.
TShape JitterBox(float x0, float y0, float x1, float y1, float width, float amplitude,
                 uint32_t seed);

} // namespace art_kit
