// Preluna's material: pastel glass. A glass is a gradient body with a soft gloss over its upper
// half, an outline and, when raised, a faint shadow beneath; the state tints pick the colours.
#pragma once

#include "art_kit/painter.h"
#include "skin_art/figures.h"
#include "skin_art/look.h"

#include <cstdint>

namespace skin_art::preluna {

// The ink every text and figure is drawn in, and the tints of the glass.
constexpr uint32_t Ink = 0x2B2340;
constexpr uint32_t MutedInk = 0x9F9AAF;
constexpr uint32_t Paper = 0xFDFCFF; // fields and popups
constexpr uint32_t Window = 0xECE9F3;
constexpr uint32_t Line = 0xA69CC6;  // quiet outlines
constexpr uint32_t Violet = 0x6D58B8; // focus rings and marks
constexpr uint32_t Rose = 0xE7A3C3;   // highlights

struct TGlass {
    uint32_t Light, Deep, Outline;
    float Gloss; // opacity of the white gloss at its top
};

// The glass of a control in State; Accent tints it rose (close buttons, hot highlights).
TGlass StateGlass(TState state, bool accent = false);
// The glass of an active caption button's look (Inactive is a flat silver).
TGlass ButtonGlass(TButtonLook look, bool accent);

// Fills Shape, lying in Box, with the glass: its gradient runs down across a horizontal piece
// and from left to right across a vertical one, so that tiling along the axis shows no seams.
void PaintGlass(art_kit::TPainter& p, const art_kit::TShape& shape, const TBox& box,
                const TGlass& glass, TAxis across = TAxis::Horizontal);
// A soft shadow of Shape, one pixel down.
void PaintShadow(art_kit::TPainter& p, const art_kit::TShape& shape);
// A focus ring Width wide just inside Shape.
void PaintRing(art_kit::TPainter& p, const art_kit::TShape& shape, uint32_t rgb, float width);

} // namespace skin_art::preluna
