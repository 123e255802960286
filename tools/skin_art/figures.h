// The symbols skins put on their buttons, as shapes fitted to a box, so every look draws the
// same figures in its own colours and strokes.
#pragma once

#include "art_kit/painter.h"
#include "art_kit/shapes.h"
#include "skin_art/look.h"

namespace skin_art {

struct TBox {
    float X0, Y0, X1, Y1;
    float Width() const { return X1 - X0; }
    float Height() const { return Y1 - Y0; }
    float CentreX() const { return (X0 + X1) / 2; }
    float CentreY() const { return (Y0 + Y1) / 2; }
    // The box moved in by D on every side.
    TBox Inset(float d) const { return {X0 + d, Y0 + d, X1 - d, Y1 - d}; }
    TBox Moved(float dx, float dy) const { return {X0 + dx, Y0 + dy, X1 + dx, Y1 + dy}; }
};

// A piece that stands on a side of something (a tab on its page), drawn as if it stood on the
// top side: U runs along the side, V from the piece's free end (0) toward what it stands on
// (Depth). Shape and Paint turn such drawings to stand on Side of a Width × Height painter.
struct TSideFrame {
    TSide Side;
    float Width, Height;
    float Length() const;
    float Depth() const;
    art_kit::TPointF ToTop(float x, float y) const;
    art_kit::TShape Shape(art_kit::TShape onTop) const;
    art_kit::TPaint Paint(art_kit::TPaint onTop) const;
};

// The painter's whole area.
TBox Whole(const art_kit::TPainter& p);
// The largest square centred in Box.
TBox Square(const TBox& box);
art_kit::TShape BoxShape(const TBox& box, float radius = 0);
// A tab on a strip along Side: the painter's area (half a pixel in, for crisp outlines) run
// Overhang past the edge that meets the page, so rounded corners show only on the outer side.
TBox TabBox(const art_kit::TPainter& p, TSide side, float overhang);

// Close ×, maximise box, restore pair of boxes, minimise bar, roll-up and roll-down chevrons,
// tray dot and help question mark, drawn with Stroke inside Box.
art_kit::TShape CaptionFigure(TCaptionButton button, const TBox& box, float stroke);
art_kit::TShape PanelFigure(TPanelButton button, const TBox& box, float stroke);
// A filled triangle pointing toward Arrow, filling Box.
art_kit::TShape ArrowFigure(TArrow arrow, const TBox& box);
// A tick inside Box.
art_kit::TShape CheckFigure(const TBox& box, float stroke);
// A dash across the middle of Box (the mixed check state).
art_kit::TShape DashFigure(const TBox& box, float stroke);

} // namespace skin_art
