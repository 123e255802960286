// "Jezz": a late-night club. Midnight navy surfaces under soft vertical gradients, thin double
// brass and gold rules, stepped art-deco corners, cream text. Hot pieces brighten the navy and the
// gold, pressed pieces turn into gold plates, focus shows as a champagne inner rule.
#include "skin_art/figures.h"
#include "skin_art/look.h"

#include "art_kit/texture.h"

#include <algorithm>
#include <functional>

namespace skin_art {
namespace {

using namespace art_kit;

// Navy from deepest to brightest.
constexpr uint32_t Navy0 = 0x0B1023, Navy1 = 0x131A35, Navy2 = 0x1A2244, Navy3 = 0x253060,
                   Navy4 = 0x323F7C, Navy5 = 0x45539A;
// Brass and gold from dull to champagne.
constexpr uint32_t Dull = 0x5C5240, Brass = 0x8C6B2C, Gold = 0xC9A24A, Champagne = 0xEDD48F;
constexpr uint32_t Cream = 0xF3E7C8;
constexpr uint32_t Garnet = 0x8A2232, GarnetDark = 0x561320;
// Muted surfaces and rules of disabled pieces and inactive frames.
constexpr uint32_t Slate = 0x1F2333, SlateLight = 0x2A2F42, Muted = 0x6E7590;
constexpr uint32_t FieldInside = 0x0E1330;

// The box with each corner cut in two square steps of Step, the deco outline of frames.
TShape Stepped(const TBox& b, float step) {
    const float s = step, t = 2 * step;
    return Polygon({{b.X0 + t, b.Y0}, {b.X1 - t, b.Y0}, {b.X1 - t, b.Y0 + s}, {b.X1 - s, b.Y0 + s},
                    {b.X1 - s, b.Y0 + t}, {b.X1, b.Y0 + t}, {b.X1, b.Y1 - t}, {b.X1 - s, b.Y1 - t},
                    {b.X1 - s, b.Y1 - s}, {b.X1 - t, b.Y1 - s}, {b.X1 - t, b.Y1}, {b.X0 + t, b.Y1},
                    {b.X0 + t, b.Y1 - s}, {b.X0 + s, b.Y1 - s}, {b.X0 + s, b.Y1 - t}, {b.X0, b.Y1 - t},
                    {b.X0, b.Y0 + t}, {b.X0 + s, b.Y0 + t}, {b.X0 + s, b.Y0 + s}, {b.X0 + t, b.Y0 + s}});
}

// A Width-wide rule just inside Box.
void Rule(TPainter& p, const TBox& box, uint32_t color, float width = 1, float radius = 0) {
    p.Fill(InnerBand(BoxShape(box, radius), width), Rgb(color));
}

TPaint Fade(uint32_t top, uint32_t bottom, float y0, float y1) {
    return VerticalGradient(Rgb(top), Rgb(bottom), y0, y1);
}

// The colours of a navy plate (buttons, caption buttons, thumbs' sockets) in a state.
struct TPlate {
    uint32_t Top, Bottom, Rule, Inner, Figure;
};

TPlate PlateOf(TState state) {
    switch (state) {
    case TState::Hot: return {Navy5, Navy3, Champagne, Gold, Champagne};
    case TState::Pressed: return {Navy1, Navy3, Gold, Brass, Gold};
    case TState::Focused: return {Navy4, Navy2, Gold, Champagne, Champagne};
    case TState::Disabled: return {SlateLight, Slate, Dull, Slate, Dull};
    case TState::Normal: break;
    }
    return {Navy4, Navy2, Gold, Brass, Gold};
}

// A plate with an outer gold rule and a thinner inner one: the double rule of the club.
void Plate(TPainter& p, const TBox& box, const TPlate& c) {
    p.Fill(BoxShape(box), Fade(c.Top, c.Bottom, box.Y0, box.Y1));
    Rule(p, box, c.Rule);
    if (box.Width() > 8 && box.Height() > 8) Rule(p, box.Inset(2), c.Inner);
}

// A small plate with a single rule (caption, scroll and tab buttons), gold when pressed.
void ButtonPlate(TPainter& p, const TBox& box, TState state) {
    if (state == TState::Pressed) {
        p.Fill(BoxShape(box), Fade(Champagne, Brass, box.Y0, box.Y1));
        Rule(p, box, Champagne);
        return;
    }
    const TPlate c = PlateOf(state);
    p.Fill(BoxShape(box), Fade(c.Top, c.Bottom, box.Y0, box.Y1));
    Rule(p, box, c.Rule);
}

uint32_t FigureOn(TState state) {
    return state == TState::Pressed ? Navy0 : PlateOf(state).Figure;
}

TBox AlongBox(const TPainter& p, TAxis axis, float across0, float across1) {
    return axis == TAxis::Horizontal ? TBox{0, across0, float(p.Width()), across1}
                                     : TBox{across0, 0, across1, float(p.Height())};
}

class TJezzLook final : public TLook {
public:
    std::string Name() const override { return "Jezz"; }
    std::string Folder() const override { return "jezz"; }

    TMetrics Metrics() const override {
        return {.Font = {"DejaVu Sans", -11, false},
                .CaptionFont = {"DejaVu Serif", -12, true},
                .BorderTop = 6, .BorderSide = 6, .BorderBottom = 6,
                .ToolCaptionHeight = 18, // room for the serif title
                .FrameCorner = 16, // the stepped corner and its three rules
                .CaptionButtonHeight = 17, .ToolButtonWidth = 15,
                .MenuBarHeight = 24}; // the bar's double rule runs below its items
    }

    TPalette Palette() const override {
        TPalette p;
        p.Window = Navy2;
        p.CaptionText = Cream;
        p.MenuBarText = Cream;
        p.MenuText = Cream;
        p.Selection = Gold;
        p.Text = {Cream, Cream, Cream, Cream, Muted};
        p.Button = {Cream, 0xFFF6DE, Champagne, Cream, Muted};
        p.ListItem = {Cream, Cream, Navy0, Navy0, Muted};
        p.Tab = {Cream, 0xFFF6DE, Cream, Cream, Muted};
        return p;
    }

    void DrawFrame(TPainter& p, const TFrameLayout& l, bool active) const override {
        const TBox all = Whole(p);
        const float step = 3;
        p.Fill(Stepped(all, step), Rgb(active ? Navy1 : Slate));
        const TBox caption{l.CaptionLeft, l.CaptionTop, l.CaptionRight, l.CaptionBottom};
        const TBox inner = all.Inset(l.CaptionLeft - 1); // just inside the inner rule
        p.Fill(Intersect(BoxShape(caption), Stepped(inner, step)),
               active ? Fade(Navy4, Navy1, caption.Y0, caption.Y1)
                      : Fade(SlateLight, Slate, caption.Y0, caption.Y1));
        const uint32_t outer = active ? Brass : Dull, rule = active ? Gold : Dull;
        p.Fill(InnerBand(Stepped(all, step), 1), Rgb(outer));
        p.Fill(InnerBand(Stepped(all.Inset(2), step), 1), Rgb(rule));
        p.Fill(InnerBand(Stepped(inner.Inset(-1), step), 1), Rgb(rule));
        // A hairline under the caption.
        p.Fill(BoxShape({caption.X0 + 2 * step, caption.Y1 - 1, caption.X1 - 2 * step, caption.Y1}),
               Rgb(active ? Brass : Dull));
    }

    void DrawCaptionButton(TPainter& p, TCaptionButton button, TButtonLook look) const override {
        const TBox box = Whole(p).Inset(1);
        const TBox figure = Square(box.Inset(p.Width() < 17 ? 2.5f : 3.5f));
        const float stroke = p.Width() < 17 ? 1.2f : 1.5f;
        if (look == TButtonLook::Inactive) {
            Rule(p, box, Dull);
            p.Fill(CaptionFigure(button, figure, stroke), Rgb(0x9A8B68));
            return;
        }
        const TState state = look == TButtonLook::Hot       ? TState::Hot
                             : look == TButtonLook::Pressed ? TState::Pressed
                                                            : TState::Normal;
        const bool close = button == TCaptionButton::Close;
        if (close && state == TState::Hot) {
            p.Fill(BoxShape(box), Fade(Garnet, GarnetDark, box.Y0, box.Y1));
            Rule(p, box, Champagne);
        } else {
            ButtonPlate(p, box, state);
        }
        const TBox shifted = state == TState::Pressed ? figure.Moved(0.5f, 0.5f) : figure;
        p.Fill(CaptionFigure(button, shifted, stroke), Rgb(close && state == TState::Hot
                                                               ? 0xFFF3D6
                                                               : FigureOn(state)));
    }

    void DrawMenuBar(TPainter& p) const override {
        const TBox all = Whole(p);
        p.Fill(BoxShape(all), Fade(Navy3, Navy1, 0, all.Y1));
        p.Fill(BoxShape({0, all.Y1 - 3, all.X1, all.Y1 - 2}), Rgb(Brass));
        p.Fill(BoxShape({0, all.Y1 - 1, all.X1, all.Y1}), Rgb(Gold));
    }

    void DrawMenuBarItem(TPainter& p, TState state) const override {
        const TBox box = Whole(p);
        if (state == TState::Hot) {
            p.Fill(BoxShape(box, 2), Fade(Navy4, Navy3, box.Y0, box.Y1));
            Rule(p, box, Gold, 1, 2);
        } else if (state == TState::Focused) {
            p.Fill(BoxShape(box, 2), Fade(Navy1, Navy3, box.Y0, box.Y1));
            Rule(p, box, Champagne, 1, 2);
            p.Fill(BoxShape({box.X0 + 3, box.Y1 - 3, box.X1 - 3, box.Y1 - 2}), Rgb(Gold));
        }
    }

    void DrawPopupFrame(TPainter& p) const override {
        const TBox all = Whole(p);
        p.Fill(BoxShape(all), Rgb(Navy1));
        Rule(p, all, Gold);
        Rule(p, all.Inset(2), Brass);
    }

    void DrawPopupItem(TPainter& p, TState state) const override {
        const TBox all = Whole(p);
        p.Fill(BoxShape(all), Rgb(Navy1));
        if (state != TState::Focused && state != TState::Hot) return;
        p.Fill(BoxShape(all.Inset(1)), Fade(Navy4, Navy3, 0, all.Y1));
        Rule(p, all.Inset(1), Gold);
    }

    void DrawSeparator(TPainter& p) const override {
        const float mid = float(p.Height() / 2);
        p.Fill(BoxShape({0, mid - 1, float(p.Width()), mid}), Rgb(Gold));
        p.Fill(BoxShape({0, mid + 1, float(p.Width()), mid + 2}), Rgb(Brass));
    }

    void DrawPanel(TPainter& p) const override {
        const TBox all = Whole(p);
        p.Fill(BoxShape(all), Rgb(Navy2));
        Rule(p, all, Brass);
        Rule(p, all.Inset(1), Navy0);
    }

    void DrawPanelCaption(TPainter& p) const override {
        const TBox all = Whole(p);
        p.Fill(BoxShape(all), Fade(Navy4, Navy2, 0, all.Y1));
        p.Fill(BoxShape({0, 0, all.X1, 1}), Rgb(Gold));
        p.Fill(BoxShape({0, all.Y1 - 1, all.X1, all.Y1}), Rgb(Brass));
    }

    void DrawPanelButton(TPainter& p, TPanelButton button, TState state) const override {
        const TBox box = Whole(p).Inset(1);
        ButtonPlate(p, box, state);
        p.Fill(PanelFigure(button, box.Inset(2.5f), 1.4f), Rgb(FigureOn(state)));
    }

    void DrawButton(TPainter& p, TState state) const override {
        Plate(p, Whole(p), PlateOf(state));
        if (state == TState::Pressed) // the light falls on the lower lip of a pressed plate
            p.Fill(BoxShape({3, float(p.Height()) - 4, float(p.Width()) - 3, float(p.Height()) - 3}),
                   Rgb(Gold, 0.5f));
    }

    void DrawTrack(TPainter& p, TAxis) const override {
        const TBox box = Whole(p);
        p.Fill(BoxShape(box, 2), Rgb(Navy0));
        Rule(p, box, Brass, 1, 2);
    }

    void DrawTrackHighlight(TPainter& p, TAxis axis) const override {
        const TBox box = Whole(p);
        const TPaint gold = axis == TAxis::Horizontal ? Fade(Champagne, Brass, box.Y0, box.Y1)
                                                      : HorizontalGradient(Rgb(Champagne), Rgb(Brass), box.X0, box.X1);
        p.Fill(BoxShape(box, 2), gold);
    }

    void DrawThumb(TPainter& p, TAxis axis, TState state) const override {
        // A gold baton with stepped ends and a navy groove marking the value.
        const TBox box = Whole(p);
        uint32_t light = Champagne, dark = Brass, rim = Navy0;
        switch (state) {
        case TState::Hot: light = 0xFFF1C8; dark = Gold; break;
        case TState::Pressed: light = Gold; dark = 0x6A4F1E; break;
        case TState::Focused: rim = Cream; break;
        case TState::Disabled: light = 0x77705E; dark = Dull; rim = Slate; break;
        case TState::Normal: break;
        }
        const bool horz = axis == TAxis::Horizontal;
        const TShape body = Stepped(box, 1.5f);
        p.Fill(body, horz ? HorizontalGradient(Rgb(light), Rgb(dark), box.X0, box.X1)
                          : Fade(light, dark, box.Y0, box.Y1));
        p.Fill(InnerBand(body, 1), Rgb(rim));
        const float mid = horz ? box.CentreX() : box.CentreY();
        const TBox groove = horz ? TBox{mid - 0.5f, 4, mid + 0.5f, box.Y1 - 4}
                                 : TBox{4, mid - 0.5f, box.X1 - 4, mid + 0.5f};
        p.Fill(BoxShape(groove), Rgb(state == TState::Disabled ? Slate : Navy1));
    }

    void DrawScrollTrough(TPainter& p, TAxis axis) const override {
        const TBox all = Whole(p);
        p.Fill(BoxShape(all), Rgb(Navy0));
        const float t = axis == TAxis::Horizontal ? all.Y1 : all.X1;
        p.Fill(BoxShape(AlongBox(p, axis, 0, 1)), Rgb(Brass));
        p.Fill(BoxShape(AlongBox(p, axis, t - 1, t)), Rgb(Brass));
    }

    void DrawScrollButton(TPainter& p, TArrow arrow, TState state) const override {
        const TBox box = Whole(p).Inset(0.5f);
        ButtonPlate(p, box, state);
        p.Fill(ArrowFigure(arrow, box.Inset(3.5f)), Rgb(FigureOn(state)));
    }

    void DrawScrollSlider(TPainter& p, TAxis axis, TState state) const override {
        const bool horz = axis == TAxis::Horizontal;
        const TBox box = Whole(p);
        const TBox plate = horz ? TBox{box.X0, box.Y0 + 2, box.X1, box.Y1 - 2}
                                : TBox{box.X0 + 2, box.Y0, box.X1 - 2, box.Y1};
        const TPlate c = PlateOf(state == TState::Pressed ? TState::Hot : state);
        p.Fill(BoxShape(plate), horz ? Fade(c.Top, c.Bottom, plate.Y0, plate.Y1)
                                     : HorizontalGradient(Rgb(c.Top), Rgb(c.Bottom), plate.X0, plate.X1));
        Rule(p, plate, state == TState::Pressed ? Champagne : c.Rule);
        // A gold hairline along the middle reads as the slider's grip at any length.
        const float mid = (horz ? float(p.Height()) : float(p.Width())) / 2;
        const TBox spine = horz ? TBox{box.X0 + 3, mid - 0.5f, box.X1 - 3, mid + 0.5f}
                                : TBox{mid - 0.5f, box.Y0 + 3, mid + 0.5f, box.Y1 - 3};
        p.Fill(BoxShape(spine), Rgb(state == TState::Pressed ? Champagne : c.Inner));
    }

    void DrawField(TPainter& p, TState state) const override {
        const TBox all = Whole(p);
        const bool disabled = state == TState::Disabled;
        p.Fill(BoxShape(all), Rgb(disabled ? Slate : FieldInside));
        switch (state) {
        case TState::Hot: // gold with a faint glow inside
            Rule(p, all, Gold);
            p.Fill(InnerBand(BoxShape(all.Inset(1)), 1), Rgb(Gold, 0.35f));
            break;
        case TState::Focused:
            Rule(p, all, Gold);
            Rule(p, all.Inset(1), Navy0);
            Rule(p, all.Inset(2), Brass);
            break;
        case TState::Disabled: Rule(p, all, Dull); break;
        default: Rule(p, all, Brass); break;
        }
    }

    void DrawComboButton(TPainter& p, TState state) const override {
        const TBox box = Whole(p).Inset(1);
        ButtonPlate(p, box, state == TState::Focused ? TState::Normal : state);
        if (state == TState::Focused) Rule(p, box.Inset(1), Champagne);
        p.Fill(ArrowFigure(TArrow::Down, box.Inset(4)), Rgb(FigureOn(state)));
    }

    void DrawCheckBox(TPainter& p, TCheck check, TState state) const override {
        const TBox box = Whole(p).Inset(0.5f);
        Glyph(p, [&](float d) { return BoxShape(box.Inset(d)); }, state);
        const uint32_t mark = state == TState::Disabled ? Dull : state == TState::Hot ? Champagne : Gold;
        const TBox inside = box.Inset(3);
        if (check == TCheck::Checked) p.Fill(CheckFigure(inside, 1.8f), Rgb(mark));
        if (check == TCheck::Mixed) p.Fill(DashFigure(inside, 2), Rgb(mark));
    }

    void DrawRadio(TPainter& p, bool checked, TState state) const override {
        // A lozenge: the deco diamond stands in for the usual round button.
        const TBox b = Whole(p).Inset(0.5f);
        const auto diamond = [&](float d) {
            const float r = b.Width() / 2 - d * 1.41f, cx = b.CentreX(), cy = b.CentreY();
            return Polygon({{cx, cy - r}, {cx + r, cy}, {cx, cy + r}, {cx - r, cy}});
        };
        Glyph(p, diamond, state);
        if (!checked) return;
        p.Fill(diamond(2.4f), Rgb(state == TState::Disabled ? Dull : state == TState::Hot ? Champagne : Gold));
    }

    void DrawGroupFrame(TPainter& p) const override {
        const TBox all = Whole(p);
        Rule(p, all.Inset(2), Gold);
        Rule(p, all.Inset(4), Brass);
    }

    void DrawGroupCaption(TPainter& p) const override {
        const TBox all = Whole(p);
        p.Fill(BoxShape(all), Rgb(Navy2));
        // Diamonds at both ends hold the caption on the double rule.
        for (const float x : {2.0f, all.X1 - 2.0f})
            p.Fill(Polygon({{x, 1.5f}, {x + 2, 3.5f}, {x, 5.5f}, {x - 2, 3.5f}}), Rgb(Gold));
    }

    void DrawTab(TPainter& p, TSide side, TState state) const override {
        const TBox all = Whole(p);
        // The edge toward the page stays open; the far edge carries the gold.
        const float lift = state == TState::Focused ? 0 : 2; // unselected tabs sit lower
        TBox box = all;
        switch (side) {
        case TSide::Top: box.Y0 += lift; break;
        case TSide::Bottom: box.Y1 -= lift; break;
        case TSide::Left: box.X0 += lift; break;
        case TSide::Right: box.X1 -= lift; break;
        }
        const uint32_t near = state == TState::Focused ? Navy2 : Navy1;
        const uint32_t far = state == TState::Hot ? Navy5 : state == TState::Focused ? Navy4 : Navy3;
        const TPaint face = [&]() -> TPaint {
            switch (side) {
            case TSide::Top: return Fade(far, near, box.Y0, box.Y1);
            case TSide::Bottom: return Fade(near, far, box.Y0, box.Y1);
            case TSide::Left: return HorizontalGradient(Rgb(far), Rgb(near), box.X0, box.X1);
            case TSide::Right: break;
            }
            return HorizontalGradient(Rgb(near), Rgb(far), box.X0, box.X1);
        }();
        p.Fill(BoxShape(box), face);
        const uint32_t rule = state == TState::Normal ? Brass : state == TState::Hot ? Champagne : Gold;
        // Three ruled sides: extend the box past the open side so its rule falls outside.
        TBox ruled = box;
        switch (side) {
        case TSide::Top: ruled.Y1 += 2; break;
        case TSide::Bottom: ruled.Y0 -= 2; break;
        case TSide::Left: ruled.X1 += 2; break;
        case TSide::Right: ruled.X0 -= 2; break;
        }
        p.Fill(Intersect(InnerBand(BoxShape(ruled), 1), BoxShape(all)), Rgb(rule));
        if (state != TState::Focused) return;
        const TBox crown = [&]() -> TBox {
            switch (side) {
            case TSide::Top: return {box.X0 + 3, box.Y0 + 2, box.X1 - 3, box.Y0 + 3};
            case TSide::Bottom: return {box.X0 + 3, box.Y1 - 3, box.X1 - 3, box.Y1 - 2};
            case TSide::Left: return {box.X0 + 2, box.Y0 + 3, box.X0 + 3, box.Y1 - 3};
            case TSide::Right: break;
            }
            return {box.X1 - 3, box.Y0 + 3, box.X1 - 2, box.Y1 - 3};
        }();
        p.Fill(BoxShape(crown), Rgb(Champagne));
    }

    void DrawTabFrame(TPainter& p) const override {
        const TBox all = Whole(p);
        p.Fill(BoxShape(all), Rgb(Navy2));
        Rule(p, all, Gold);
        Rule(p, all.Inset(2), Brass);
    }

    void DrawTabButton(TPainter& p, TArrow arrow, TState state) const override {
        const TBox box = Whole(p).Inset(0.5f);
        ButtonPlate(p, box, state);
        p.Fill(ArrowFigure(arrow, box.Inset(4)), Rgb(FigureOn(state)));
    }

private:
    // The well of a check box or radio lozenge and its rim in a state; Shape(D) is the outline
    // moved in by D. Focus adds a second, inner rule.
    static void Glyph(TPainter& p, const std::function<TShape(float)>& shape, TState state) {
        const bool disabled = state == TState::Disabled;
        p.Fill(shape(0), Rgb(disabled ? Slate : state == TState::Hot ? Navy3 : FieldInside));
        const uint32_t edge = disabled ? Dull : state == TState::Normal ? Brass : Champagne;
        p.Fill(InnerBand(shape(0), 1.1f), Rgb(edge));
        if (state == TState::Focused) p.Fill(InnerBand(shape(2), 0.8f), Rgb(Gold, 0.8f));
    }
};

} // namespace

std::unique_ptr<TLook> MakeJezzLook() {
    return std::make_unique<TJezzLook>();
}

} // namespace skin_art
