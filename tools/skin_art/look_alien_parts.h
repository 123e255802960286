// The recurring parts of the "Alien" look: glows, plates, knobs, sockets and tabs in the colours of
// each state.
#pragma once

#include "art_kit/painter.h"
#include "skin_art/figures.h"
#include "skin_art/look.h"

#include <cstdint>

namespace skin_art::alien {

constexpr uint32_t Green = 0x8CFF3C;       // the acid glow
constexpr uint32_t Surface = 0x0C1322;     // windows, panels, pages
constexpr uint32_t FieldInside = 0x060A12; // edits and lists

art_kit::TRgba Mix(art_kit::TRgba a, art_kit::TRgba b, float t);
// Color fading out from the line where Shape's distance is At, gone Width away from it.
art_kit::TPaint GlowAround(art_kit::TShape shape, float at, float width, art_kit::TRgba color);

// The colour of figures (arrows, chevrons, grips) on a knob in State.
uint32_t FigureColor(TState state);
// The rim of a field in State.
uint32_t RimColor(TState state);

// A menu item's highlight: a rounded plate, glowing when Strong.
void DrawHighlight(TPainter& p, const TBox& box, float radius, bool strong);
// A push button's face.
void DrawPlate(TPainter& p, const art_kit::TShape& shape, TState state);
// A small round control: arrow buttons, thumbs, sliders.
void DrawKnob(TPainter& p, const art_kit::TShape& shape, TState state);
// The hollow of a check box or radio button.
void DrawSocket(TPainter& p, const art_kit::TShape& shape, TState state);
// Three ribs across the middle of a thumb or slider lying along Axis: Spacing apart, each
// HalfWidth either side of its centre line, stopping Inset short of the knob's sides.
struct TGrip {
    float Spacing, HalfWidth, Inset;
};
void DrawGrip(TPainter& p, const TBox& box, TAxis axis, const TGrip& grip, art_kit::TRgba color);
// A track bar's channel.
void DrawGroove(TPainter& p, const TBox& box);
// A tab standing on Side of its page.
void DrawTabShape(TPainter& p, TSide side, TState state);

} // namespace skin_art::alien
