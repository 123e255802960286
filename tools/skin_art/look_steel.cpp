// Steel: machined metal. Gunmetal frames with chamfered corners and rivets, brushed-silver
// plates with one-pixel bevels, inset channels, dark engraved text.
#include "art_kit/texture.h"
#include "skin_art/figures.h"

namespace skin_art {
namespace {

using namespace art_kit;

constexpr uint32_t Ink = 0x16191C;
constexpr uint32_t Edge = 0x2B2F34;
constexpr uint32_t Gun = 0x555B62;
constexpr uint32_t GunLight = 0x80878F;
constexpr uint32_t SilverTop = 0xDDE0E4;
constexpr uint32_t SilverBottom = 0xADB3B9;
constexpr uint32_t Window = 0xBCC1C6;
constexpr uint32_t Inside = 0xECEEF0;
constexpr uint32_t Accent = 0x4A6C8E; // blue-tempered steel: focus and highlights
constexpr uint32_t Seed = 0x57EE1;

// A brushed plate with a dark outline and a one-pixel bevel, raised or sunken.
void Plate(TPainter& p, const TBox& b, float radius, uint32_t top, uint32_t bottom,
           bool sunken = false, uint32_t outline = Edge) {
    const TShape shape = BoxShape(b, radius);
    p.Fill(shape, Brushed(VerticalGradient(Rgb(top), Rgb(bottom), b.Y0, b.Y1), 0.05f, Seed));
    const TBox in = b.Inset(1);
    const TRgba light = Rgb(0xFFFFFF, 0.55f), dark = Rgb(0x000000, 0.28f);
    p.Fill(InnerBand(BoxShape(in, std::max(0.0f, radius - 1)), 1),
           BevelPaint(in.X0, in.Y0, in.X1, in.Y1, sunken ? dark : light, sunken ? light : dark));
    p.Fill(InnerBand(shape, 1), Rgb(outline));
}

// Silver shades by state: hot is brighter, pressed darker, disabled flat and pale.
void StatePlate(TPainter& p, const TBox& b, float radius, TState state) {
    switch (state) {
    case TState::Hot: Plate(p, b, radius, 0xF0F2F4, 0xC0C5CB); break;
    case TState::Pressed: Plate(p, b, radius, 0x9AA0A7, 0xBCC1C7, true); break;
    case TState::Disabled: Plate(p, b, radius, 0xCDD0D4, 0xCDD0D4, false, 0x8D9298); break;
    case TState::Focused:
        Plate(p, b, radius, SilverTop, SilverBottom, false, Accent);
        p.Fill(InnerBand(BoxShape(b.Inset(2), std::max(0.0f, radius - 2)), 1), Rgb(Accent, 0.7f));
        break;
    case TState::Normal: Plate(p, b, radius, SilverTop, SilverBottom); break;
    }
}

TRgba FigureInk(TState state) {
    return state == TState::Disabled ? Rgb(0x868B91) : Rgb(Ink);
}

TBox PressShift(const TBox& b, TState state) {
    return state == TState::Pressed ? b.Moved(1, 1) : b;
}

void Rivet(TPainter& p, float x, float y) {
    p.Fill(Circle(x, y, 1.7f), RadialGradient(Rgb(0xF4F6F8), Rgb(0x5B6168), x - 0.6f, y - 0.6f, 2.2f));
    p.Fill(InnerBand(Circle(x, y, 1.7f), 0.5f), Rgb(Edge, 0.8f));
}

// An inset field: dark outline, sunken bevel, a flat inside.
void Field(TPainter& p, const TBox& b, float radius, uint32_t inside, uint32_t outline) {
    p.Fill(BoxShape(b, radius), Rgb(inside));
    const TBox in = b.Inset(1);
    p.Fill(InnerBand(BoxShape(in, std::max(0.0f, radius - 1)), 1),
           BevelPaint(in.X0, in.Y0, in.X1, in.Y1, Rgb(0x6F757C, 0.6f), Rgb(0xFFFFFF, 0.8f)));
    p.Fill(InnerBand(BoxShape(b, radius), 1), Rgb(outline));
}

class TSteelLook : public TLook {
public:
    std::string Name() const override { return "Steel"; }
    std::string Folder() const override { return "steel"; }

    TMetrics Metrics() const override {
        TMetrics m;
        m.Font = {"DejaVu Sans", -11, false};
        m.CaptionFont = {"DejaVu Sans", -12, true};
        m.BorderTop = m.BorderSide = m.BorderBottom = 5;
        m.FrameCorner = 12;
        m.CaptionHeight = 22;
        m.ToolCaptionHeight = 17;
        // The popup frame's inner rule lies in its border, so the surface inside tiles cleanly.
        m.PopupBorder = 4;
        return m;
    }

    TPalette Palette() const override {
        TPalette p;
        p.Window = Window;
        p.CaptionText = Ink;
        p.MenuBarText = p.MenuText = Ink;
        p.Selection = 0x44586E;
        p.Text = {Ink, Ink, Ink, Ink, 0x7A7F85};
        p.Button = {Ink, Ink, Ink, Ink, 0x7D8288};
        p.ListItem = {Ink, Ink, 0xFFFFFF, 0xFFFFFF, 0x7A7F85};
        p.Tab = {Ink, Ink, Ink, Ink, 0x7A7F85};
        return p;
    }

    void DrawFrame(TPainter& p, const TFrameLayout& l, bool active) const override {
        const float w = float(p.Width()), h = float(p.Height()), c = 4;
        const TShape outer = Polygon({{c, 0}, {w - c, 0}, {w, c}, {w, h - c}, {w - c, h}, {c, h},
                                      {0, h - c}, {0, c}});
        const uint32_t body = active ? Gun : 0x7D8288, lit = active ? GunLight : 0x9EA3A8;
        p.Fill(outer, Brushed(VerticalGradient(Rgb(lit), Rgb(body), 0, l.CaptionBottom), 0.08f, Seed));
        p.Fill(InnerBand(Moved(outer, 0, 0), 1), Rgb(Edge));
        const TBox in{1, 1, w - 1, h - 1};
        p.Fill(InnerBand(Polygon({{c, 1}, {w - c, 1}, {w - 1, c}, {w - 1, h - c}, {w - c, h - 1},
                                  {c, h - 1}, {1, h - c}, {1, c}}), 1),
               BevelPaint(in.X0, in.Y0, in.X1, in.Y1, Rgb(0xFFFFFF, 0.35f), Rgb(0x000000, 0.3f)));
        const TBox caption{l.CaptionLeft, l.CaptionTop, l.CaptionRight, l.CaptionBottom};
        const uint32_t top = active ? SilverTop : 0xC3C7CC, bottom = active ? SilverBottom : 0xA9AEB4;
        Plate(p, caption, 0, top, bottom, true, active ? Edge : 0x5E646A);
        const float rx = float(l.CaptionLeft) + 2;
        for (float x : {rx + 0.5f, w - rx - 0.5f}) {
            Rivet(p, x, l.CaptionTop / 2);
            Rivet(p, x, h - (h - l.ClientBottom) / 2);
        }
    }

    void DrawCaptionButton(TPainter& p, TCaptionButton button, TButtonLook look) const override {
        const TBox b = Whole(p).Inset(0.5f);
        TState state = TState::Normal;
        if (look == TButtonLook::Inactive) state = TState::Disabled;
        if (look == TButtonLook::Hot) state = TState::Hot;
        if (look == TButtonLook::Pressed) state = TState::Pressed;
        StatePlate(p, b, 2, state);
        TRgba ink = FigureInk(state);
        if (button == TCaptionButton::Close && look != TButtonLook::Inactive) ink = Rgb(0x7A1414);
        const TBox figure = PressShift(Square(b).Inset(b.Height() * 0.28f), state);
        p.Fill(CaptionFigure(button, figure, 1.7f), ink);
    }

    void DrawMenuBar(TPainter& p) const override {
        const float w = float(p.Width()), h = float(p.Height());
        p.Fill(Box(0, 0, w, h), Brushed(VerticalGradient(Rgb(0xD4D8DC), Rgb(0xB9BEC4), 0, h), 0.04f, Seed));
        p.Fill(Box(0, h - 1, w, h), Rgb(0x6F757C));
        p.Fill(Box(0, 0, w, 1), Rgb(0xFFFFFF, 0.6f));
    }

    void DrawMenuBarItem(TPainter& p, TState state) const override {
        if (state == TState::Hot) Plate(p, Whole(p).Inset(1), 2, 0xC4CAD1, 0xA7AEB6, false, 0x6B727A);
        if (state == TState::Focused) Plate(p, Whole(p).Inset(1), 2, 0x99A1AA, 0xB0B7BF, true, 0x5A6168);
    }

    void DrawPopupFrame(TPainter& p) const override {
        const TBox b = Whole(p);
        p.Fill(BoxShape(b), Brushed(Solid(Rgb(Gun)), 0.08f, Seed));
        p.Fill(BoxShape(b.Inset(3)), Brushed(Solid(Rgb(0xE2E5E8)), 0.02f, Seed + 1));
        p.Fill(InnerBand(BoxShape(b), 1), Rgb(Edge));
        p.Fill(InnerBand(BoxShape(b.Inset(3)), 1), Rgb(0x8D939A));
    }

    void DrawPopupItem(TPainter& p, TState state) const override {
        if (state == TState::Hot || state == TState::Focused)
            Plate(p, Whole(p).Inset(0.5f), 2, 0xB9C9D9, 0xA3B6C9, false, Accent);
    }

    void DrawSeparator(TPainter& p) const override {
        const float w = float(p.Width()), y = float(p.Height() / 2);
        p.Fill(Box(2, y - 1, w - 2, y), Rgb(0x7C828A));
        p.Fill(Box(2, y, w - 2, y + 1), Rgb(0xFFFFFF));
    }

    void DrawPanel(TPainter& p) const override {
        Plate(p, Whole(p), 0, 0xC6CBD0, 0xB3B8BE, false, 0x5E646A);
    }

    void DrawPanelCaption(TPainter& p) const override {
        const TBox b = Whole(p);
        p.Fill(BoxShape(b), Brushed(VerticalGradient(Rgb(0xD9DDE1), Rgb(0xC0C5CA), 0, b.Y1), 0.05f, Seed));
        p.Fill(Box(0, b.Y1 - 1, b.X1, b.Y1), Rgb(0x6F757C));
    }

    void DrawPanelButton(TPainter& p, TPanelButton button, TState state) const override {
        const TBox b = Whole(p).Inset(0.5f);
        StatePlate(p, b, 2, state);
        p.Fill(PanelFigure(button, PressShift(b.Inset(b.Width() * 0.28f), state), 1.6f),
               FigureInk(state));
    }

    void DrawButton(TPainter& p, TState state) const override {
        StatePlate(p, Whole(p).Inset(0.5f), 3, state);
    }

    void DrawTrack(TPainter& p, TAxis) const override {
        const TBox b = Whole(p);
        p.Fill(BoxShape(b, 2), Rgb(0x30353A));
        p.Fill(InnerBand(BoxShape(b, 2), 1),
               BevelPaint(0, 0, b.X1, b.Y1, Rgb(0x111315), Rgb(0xE3E6E9)));
    }

    void DrawTrackHighlight(TPainter& p, TAxis axis) const override {
        const TBox b = Whole(p);
        const TPaint glow = axis == TAxis::Horizontal
                                ? VerticalGradient(Rgb(0x7FA2C6), Rgb(0x35577A), 0, b.Y1)
                                : HorizontalGradient(Rgb(0x7FA2C6), Rgb(0x35577A), 0, b.X1);
        p.Fill(BoxShape(b.Inset(1), 1.5f), glow);
    }

    void DrawThumb(TPainter& p, TAxis axis, TState state) const override {
        const TBox b = Whole(p).Inset(0.5f);
        StatePlate(p, b, 2, state);
        const float cx = b.CentreX(), cy = b.CentreY();
        const TShape groove = axis == TAxis::Horizontal ? Box(cx - 1, b.Y0 + 4, cx, b.Y1 - 4)
                                                        : Box(b.X0 + 4, cy - 1, b.X1 - 4, cy);
        p.Fill(groove, Rgb(0x3A3F45, state == TState::Disabled ? 0.4f : 0.9f));
        p.Fill(Moved(groove, 1, 1), Rgb(0xFFFFFF, 0.7f));
    }

    void DrawScrollTrough(TPainter& p, TAxis axis) const override {
        const TBox b = Whole(p);
        p.Fill(BoxShape(b), Brushed(Solid(Rgb(0xA5ABB2)), 0.04f, Seed));
        const TShape shade = axis == TAxis::Horizontal ? Box(0, 0, b.X1, 1.5f) : Box(0, 0, 1.5f, b.Y1);
        p.Fill(shade, Rgb(0x000000, 0.3f));
    }

    void DrawScrollButton(TPainter& p, TArrow arrow, TState state) const override {
        const TBox b = Whole(p).Inset(0.5f);
        StatePlate(p, b, 1.5f, state);
        p.Fill(ArrowFigure(arrow, PressShift(b.Inset(b.Width() * 0.3f), state)), FigureInk(state));
    }

    void DrawScrollSlider(TPainter& p, TAxis, TState state) const override {
        StatePlate(p, Whole(p).Inset(0.5f), 2, state == TState::Pressed ? TState::Hot : state);
        if (state == TState::Pressed)
            p.Fill(InnerBand(BoxShape(Whole(p).Inset(0.5f), 2), 1), Rgb(Accent));
    }

    void DrawField(TPainter& p, TState state) const override {
        const TBox b = Whole(p);
        switch (state) {
        case TState::Hot: Field(p, b, 1, Inside, 0x30353A); break;
        case TState::Focused:
            Field(p, b, 1, Inside, Accent);
            p.Fill(InnerBand(BoxShape(b.Inset(1), 0), 1), Rgb(Accent, 0.45f));
            break;
        case TState::Disabled: Field(p, b, 1, 0xD3D6D9, 0x8D9298); break;
        default: Field(p, b, 1, Inside, 0x5A6067); break;
        }
    }

    void DrawComboButton(TPainter& p, TState state) const override {
        const TBox b = Whole(p).Inset(0.5f);
        StatePlate(p, b, 1.5f, state);
        p.Fill(ArrowFigure(TArrow::Down, PressShift(Square(b).Inset(b.Width() * 0.28f), state)),
               FigureInk(state));
    }

    void DrawCheckBox(TPainter& p, TCheck check, TState state) const override {
        const TBox b = Whole(p);
        CheckField(p, BoxShape(b, 1), b, state);
        const TBox mark = b.Inset(3);
        if (check == TCheck::Checked) p.Fill(CheckFigure(mark, 2), FigureInk(state));
        if (check == TCheck::Mixed) p.Fill(DashFigure(mark, 2), FigureInk(state));
    }

    void DrawRadio(TPainter& p, bool checked, TState state) const override {
        const TBox b = Whole(p);
        const float r = b.Width() / 2;
        CheckField(p, Circle(r, r, r - 0.25f), b, state);
        if (checked) p.Fill(Circle(r, r, r * 0.38f), FigureInk(state));
    }

    void DrawGroupFrame(TPainter& p) const override {
        const TBox b = Whole(p);
        p.Fill(InnerBand(BoxShape(b.Inset(0.5f).Moved(0.5f, 0.5f), 3), 1), Rgb(0xFFFFFF, 0.8f));
        p.Fill(InnerBand(BoxShape({0, 0, b.X1 - 1, b.Y1 - 1}, 3), 1), Rgb(0x70767D));
    }

    void DrawGroupCaption(TPainter&) const override {}

    void DrawTab(TPainter& p, TSide side, TState state) const override {
        const float w = float(p.Width()), h = float(p.Height());
        const TBox b = TabBox(p, side, 4);
        const bool selected = state == TState::Focused;
        const uint32_t outer = selected ? SilverTop : state == TState::Hot ? 0xCDD2D7 : 0xAFB5BC;
        const uint32_t inner = selected ? Window : state == TState::Hot ? 0xBEC3C9 : 0xA2A8AF;
        const bool across = side == TSide::Top || side == TSide::Bottom;
        const float from = side == TSide::Top ? 0 : side == TSide::Left ? 0 : across ? h : w;
        const float to = across ? (side == TSide::Top ? h : 0) : (side == TSide::Left ? w : 0);
        const TPaint fill = across ? VerticalGradient(Rgb(outer), Rgb(inner), from, to)
                                   : HorizontalGradient(Rgb(outer), Rgb(inner), from, to);
        p.Fill(BoxShape(b, 3), Brushed(fill, 0.04f, Seed));
        p.Fill(InnerBand(BoxShape(b, 3), 1), Rgb(selected ? Edge : 0x5E646A));
    }

    void DrawTabFrame(TPainter& p) const override {
        Plate(p, Whole(p), 0, Window, Window, false, 0x4F555C);
    }

    void DrawTabButton(TPainter& p, TArrow arrow, TState state) const override {
        DrawScrollButton(p, arrow, state);
    }

private:
    static void CheckField(TPainter& p, const TShape& shape, const TBox& b, TState state) {
        const uint32_t inside = state == TState::Disabled ? 0xD3D6D9 : state == TState::Hot ? 0xF8F9FA : Inside;
        p.Fill(shape, Rgb(inside));
        p.Fill(InnerBand(shape, 1.5f),
               BevelPaint(b.X0, b.Y0, b.X1, b.Y1, Rgb(0x3A3F45), Rgb(0xA9AEB4)));
        if (state == TState::Focused || state == TState::Hot)
            p.Fill(InnerBand(Intersect(shape, shape), 1), Rgb(Accent));
    }
};

} // namespace

std::unique_ptr<TLook> MakeSteelLook() {
    return std::make_unique<TSteelLook>();
}

} // namespace skin_art
