// The recurring parts of the "Cell Shaded" look: flat cartoon fills with one hard shadow step and
// thick pure black outlines, in the colours of each state.
#pragma once

#include "art_kit/painter.h"
#include "skin_art/figures.h"
#include "skin_art/look.h"

#include <cstdint>

namespace skin_art::cell {

constexpr uint32_t Ink = 0x000000; // outlines, figures and text
constexpr uint32_t Tangerine = 0xFF8A1F;
constexpr uint32_t TangerineShade = 0xD9620B;
constexpr uint32_t Sunflower = 0xFFD43B;
constexpr uint32_t SunflowerShade = 0xE3A512;
constexpr uint32_t Sky = 0x4FC3F7;
constexpr uint32_t SkyShade = 0x2A92CE;
constexpr uint32_t Cream = 0xFFF3D6; // windows, panels, pages
constexpr uint32_t Paper = 0xFFFFFF; // edits and lists
constexpr uint32_t Dead = 0xE2E2E2;   // disabled faces
constexpr uint32_t DeadInk = 0x9A9A9A;
constexpr float Outline = 2;
constexpr float Step = 3; // the hard shadow at the bottom of raised faces

// A raised face: its fill, the shadow step below and its outline.
struct TToon {
    uint32_t Face, Shade, Line;
};

// The face of a raised control in State: sunflower, sky when hot, tangerine when pressed.
TToon ToonColors(TState state);
// The figure (arrow, tick, chevron) colour on a face in State.
uint32_t FigureInk(TState state);

// Fills Shape with Colors.Face, Step pixels above its bottom outline with Colors.Shade, then
// outlines it.
void DrawToon(TPainter& p, const art_kit::TShape& shape, const TToon& colors, float step = Step);
// A raised control in State: pressed faces sink by a pixel and lose their shadow, focused ones
// get a sky ring inside the outline.
void DrawToonState(TPainter& p, const art_kit::TShape& shape, TState state);
// A tab standing on Side of its page.
void DrawTabShape(TPainter& p, TSide side, TState state);

} // namespace skin_art::cell
