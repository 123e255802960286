#include "skin_art/look_alien_parts.h"

#include <algorithm>
#include <cmath>

namespace skin_art::alien {

using namespace art_kit;

namespace {

constexpr uint32_t Rim = 0x2A7F76;
constexpr uint32_t HotRim = Green;
constexpr uint32_t PressedRim = 0xC8FF8A;
constexpr uint32_t FocusRim = 0x8CF8EA;
constexpr uint32_t DeadRim = 0x222C38;
constexpr uint32_t DeadFill = 0x10161F;

// Top and bottom colours of a raised surface in State, and its rim.
struct TSurfaceColors {
    uint32_t Top, Bottom, Rim;
    float Glow; // inner glow strength
};

TSurfaceColors PlateColors(TState state) {
    switch (state) {
    case TState::Normal: return {0x1A2840, 0x0D1526, Rim, 0};
    case TState::Hot: return {0x1C2E48, 0x0E1830, HotRim, 0.35f};
    case TState::Pressed: return {0x0C2A16, 0x1C5A2C, PressedRim, 0.45f};
    case TState::Focused: return {0x1A2840, 0x0D1526, FocusRim, 0.15f};
    case TState::Disabled: return {DeadFill, DeadFill, DeadRim, 0};
    }
    return {};
}

TSurfaceColors KnobColors(TState state) {
    if (state == TState::Pressed) return {0x8CF04A, 0x2A6A1A, PressedRim, 0};
    return PlateColors(state);
}

void DrawSurface(TPainter& p, const TShape& shape, const TSurfaceColors& c, float glowWidth) {
    p.Fill(shape, VerticalGradient(Rgb(c.Top), Rgb(c.Bottom), 0, float(p.Height())));
    if (c.Glow > 0) p.Fill(shape, GlowAround(shape, -1, glowWidth, Rgb(Green, c.Glow)));
    p.Fill(InnerBand(shape, 1), Rgb(c.Rim));
}

} // namespace

TRgba Mix(TRgba a, TRgba b, float t) {
    t = std::clamp(t, 0.0f, 1.0f);
    return {a.R + (b.R - a.R) * t, a.G + (b.G - a.G) * t, a.B + (b.B - a.B) * t,
            a.A + (b.A - a.A) * t};
}

TPaint GlowAround(TShape shape, float at, float width, TRgba color) {
    return [shape = std::move(shape), at, width, color](float x, float y) {
        TRgba c = color;
        c.A *= std::max(0.0f, 1 - std::abs(shape(x, y) - at) / width);
        return c;
    };
}

uint32_t FigureColor(TState state) {
    switch (state) {
    case TState::Normal: return 0x66F0DC;
    case TState::Hot: return 0xB4FF6E;
    case TState::Pressed: return 0x061208;
    case TState::Focused: return FocusRim;
    case TState::Disabled: return 0x34464F;
    }
    return 0;
}

uint32_t RimColor(TState state) {
    switch (state) {
    case TState::Normal: return 0x265A5C;
    case TState::Hot: return 0x5ED49A;
    case TState::Pressed: return 0x5ED49A;
    case TState::Focused: return Green;
    case TState::Disabled: return 0x1C242E;
    }
    return 0;
}

void DrawHighlight(TPainter& p, const TBox& box, float radius, bool strong) {
    const TShape plate = BoxShape(box, radius);
    p.Fill(plate, Rgb(strong ? 0x1C4A2E : 0x142A26));
    if (strong) p.Fill(plate, GlowAround(plate, -1, 3, Rgb(Green, 0.25f)));
    p.Fill(InnerBand(plate, 1), Rgb(strong ? Green : 0x3FA86A));
}

void DrawPlate(TPainter& p, const TShape& shape, TState state) {
    DrawSurface(p, shape, PlateColors(state), 4);
    if (state == TState::Focused)
        p.Fill(InnerBand(Grown(shape, -2), 1), Rgb(FocusRim, 0.45f));
}

void DrawKnob(TPainter& p, const TShape& shape, TState state) {
    DrawSurface(p, shape, KnobColors(state), 3);
}

void DrawSocket(TPainter& p, const TShape& shape, TState state) {
    const bool dead = state == TState::Disabled;
    p.Fill(shape, Rgb(dead ? DeadFill : FieldInside));
    if (state == TState::Hot) p.Fill(shape, GlowAround(shape, -1, 3, Rgb(Green, 0.35f)));
    const uint32_t rim = state == TState::Hot       ? HotRim
                         : state == TState::Focused ? FocusRim
                         : dead                     ? DeadRim
                                                    : Rim;
    p.Fill(InnerBand(shape, 1.2f), Rgb(rim));
}

void DrawGrip(TPainter& p, const TBox& box, TAxis axis, const TGrip& grip, TRgba color) {
    const bool horz = axis == TAxis::Horizontal;
    for (float k : {-grip.Spacing, 0.0f, grip.Spacing}) {
        const float c = (horz ? box.CentreX() : box.CentreY()) + k, w = grip.HalfWidth;
        p.Fill(horz ? BoxShape({c - w, box.Y0 + grip.Inset, c + w, box.Y1 - grip.Inset})
                    : BoxShape({box.X0 + grip.Inset, c - w, box.X1 - grip.Inset, c + w}),
               color);
    }
}

void DrawGroove(TPainter& p, const TBox& box) {
    const TShape groove = BoxShape(box, std::min(box.Width(), box.Height()) / 2);
    p.Fill(groove, Rgb(0x04070D));
    p.Fill(InnerBand(groove, 1), Rgb(0x1D3C44));
}

void DrawTabShape(TPainter& p, TSide side, TState state) {
    const TSideFrame f{side, float(p.Width()), float(p.Height())};
    const bool selected = state == TState::Focused;
    const float tip = selected ? 0.5f : 2.5f;
    const TShape tab = f.Shape(Box(0.5f, tip, f.Length() - 0.5f, f.Depth() + 6, 5));
    const uint32_t top = selected ? 0x132236 : state == TState::Hot ? 0x13263A : 0x0E1828;
    p.Fill(tab, f.Paint(VerticalGradient(Rgb(top), Rgb(selected ? Surface : 0x0A111E), tip,
                                         f.Depth())));
    if (selected) p.Fill(tab, GlowAround(tab, -1, 3, Rgb(Green, 0.3f)));
    const uint32_t rim = selected ? 0x58D68A : state == TState::Hot ? 0x2FA596 : 0x1F4F4A;
    p.Fill(InnerBand(tab, 1), Rgb(rim));
}

} // namespace skin_art::alien
