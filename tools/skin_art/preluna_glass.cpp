#include "skin_art/preluna_glass.h"

namespace skin_art::preluna {

using namespace art_kit;

TGlass StateGlass(TState state, bool accent) {
    switch (state) {
    case TState::Hot:
        return accent ? TGlass{0xFFF5F9, 0xF291B9, 0xB9537F, 0.6f}
                      : TGlass{0xFFF7FB, 0xF0CDE0, 0xC07CA0, 0.6f};
    case TState::Pressed:
        return accent ? TGlass{0xD98AAD, 0xF2C9DB, 0x9A4670, 0.15f}
                      : TGlass{0xC9BCE8, 0xE4DEF4, 0x6F61A3, 0.15f};
    case TState::Disabled: return {0xF2F1F5, 0xE6E4EC, 0xC7C3D2, 0.2f};
    case TState::Normal:
    case TState::Focused: break;
    }
    return accent ? TGlass{0xFDEFF5, 0xE8B3CB, 0xB16E90, 0.55f}
                  : TGlass{0xFBFAFE, 0xD6CDEE, 0x8E81BA, 0.55f};
}

TGlass ButtonGlass(TButtonLook look, bool accent) {
    switch (look) {
    case TButtonLook::Inactive: return {0xEAE8EF, 0xD9D6E1, 0xAAA6BA, 0.25f};
    case TButtonLook::Hot: return StateGlass(TState::Hot, accent);
    case TButtonLook::Pressed: return StateGlass(TState::Pressed, accent);
    case TButtonLook::Normal: break;
    }
    return StateGlass(TState::Normal, accent);
}

void PaintGlass(TPainter& p, const TShape& shape, const TBox& box, const TGlass& glass,
                TAxis across) {
    const bool down = across == TAxis::Horizontal;
    const TRgba light = Rgb(glass.Light), deep = Rgb(glass.Deep);
    p.Fill(shape, down ? VerticalGradient(light, deep, box.Y0, box.Y1)
                       : HorizontalGradient(light, deep, box.X0, box.X1));
    const TShape inside = [shape](float x, float y) { return shape(x, y) + 1; };
    const TBox half = down ? TBox{box.X0, box.Y0, box.X1, box.CentreY()}
                           : TBox{box.X0, box.Y0, box.CentreX(), box.Y1};
    const TRgba top = Rgb(0xFFFFFF, glass.Gloss), fade = Rgb(0xFFFFFF, glass.Gloss * 0.15f);
    p.Fill(Intersect(inside, BoxShape(half)),
           down ? VerticalGradient(top, fade, half.Y0, half.Y1)
                : HorizontalGradient(top, fade, half.X0, half.X1));
    p.Fill(InnerBand(inside, 1), Rgb(0xFFFFFF, 0.45f));
    p.Fill(InnerBand(shape, 1), Rgb(glass.Outline));
}

void PaintShadow(TPainter& p, const TShape& shape) {
    p.Fill(Moved(shape, 0, 1.6f), Rgb(0x3A2F5A, 0.08f));
    p.Fill(Moved(shape, 0, 1), Rgb(0x3A2F5A, 0.16f));
}

void PaintRing(TPainter& p, const TShape& shape, uint32_t rgb, float width) {
    p.Fill(InnerBand(shape, width), Rgb(rgb));
}

} // namespace skin_art::preluna
