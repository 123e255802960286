#include "skin_art/look_cell_shaded_parts.h"

namespace skin_art::cell {

using namespace art_kit;

TToon ToonColors(TState state) {
    switch (state) {
    case TState::Normal: return {Sunflower, SunflowerShade, Ink};
    case TState::Hot: return {Sky, SkyShade, Ink};
    case TState::Pressed: return {Tangerine, TangerineShade, Ink};
    case TState::Focused: return {Sunflower, SunflowerShade, Ink};
    case TState::Disabled: return {Dead, Dead, DeadInk};
    }
    return {};
}

uint32_t FigureInk(TState state) {
    return state == TState::Disabled ? DeadInk : Ink;
}

void DrawToon(TPainter& p, const TShape& shape, const TToon& colors, float step) {
    p.Fill(shape, Rgb(colors.Face));
    if (step > 0) p.Fill(Cut(shape, Moved(shape, 0, -step - Outline)), Rgb(colors.Shade));
    p.Fill(InnerBand(shape, Outline), Rgb(colors.Line));
}

void DrawToonState(TPainter& p, const TShape& shape, TState state) {
    const TToon colors = ToonColors(state);
    if (state != TState::Pressed) {
        DrawToon(p, shape, colors, state == TState::Disabled ? 0 : Step);
    } else { // pushed in: the shadow falls from the top edge
        p.Fill(shape, Rgb(colors.Face));
        p.Fill(Cut(shape, Moved(shape, 0, Step - 1 + Outline)), Rgb(colors.Shade));
        p.Fill(InnerBand(shape, Outline), Rgb(colors.Line));
    }
    if (state == TState::Focused)
        p.Fill(InnerBand(Grown(shape, -Outline), 1.5f), Rgb(Paper));
}

void DrawTabShape(TPainter& p, TSide side, TState state) {
    const TSideFrame f{side, float(p.Width()), float(p.Height())};
    const bool selected = state == TState::Focused;
    // The selected tab is taller and runs into its page; the others close on the page's line.
    const float tip = selected ? 0 : 3;
    const float foot = selected ? f.Depth() + 6 : f.Depth();
    // Round shoulders at the free end, square where the tab meets its page.
    const TShape tab = f.Shape(Union({Box(0, tip, f.Length(), foot, 6),
                                      Box(0, tip + 6, f.Length(), foot)}));
    p.Fill(tab, Rgb(selected ? Cream : state == TState::Hot ? Sunflower : Sky));
    p.Fill(InnerBand(tab, Outline), Rgb(Ink));
}

} // namespace skin_art::cell
