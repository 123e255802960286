// Preluna: moonlit pastel glass. Lavender melting into silver, pale rose where the light catches,
// generous round corners and soft shadows, deep plum-ink text.
#include "skin_art/figures.h"
#include "skin_art/look.h"
#include "skin_art/preluna_glass.h"

#include <algorithm>

namespace skin_art {
namespace {

using namespace art_kit;
using namespace preluna;

constexpr float FrameTopRadius = 11;
constexpr float FrameBottomRadius = 7;

// A box whose corners on the side Open face are pushed outside the painter, so only the other
// corners are rounded (tabs stand on their strip's side).
TBox OpenBox(const TBox& b, TSide open, float reach) {
    switch (open) {
    case TSide::Top: return {b.X0, b.Y0 - reach, b.X1, b.Y1};
    case TSide::Bottom: return {b.X0, b.Y0, b.X1, b.Y1 + reach};
    case TSide::Left: return {b.X0 - reach, b.Y0, b.X1, b.Y1};
    case TSide::Right: return {b.X0, b.Y0, b.X1 + reach, b.Y1};
    }
    return b;
}

TSide Opposite(TSide side) {
    switch (side) {
    case TSide::Top: return TSide::Bottom;
    case TSide::Bottom: return TSide::Top;
    case TSide::Left: return TSide::Right;
    case TSide::Right: return TSide::Left;
    }
    return side;
}

// A strip Depth deep along the Side edge of Box.
TBox EdgeStrip(const TBox& b, TSide side, float depth) {
    switch (side) {
    case TSide::Top: return {b.X0, b.Y0, b.X1, b.Y0 + depth};
    case TSide::Bottom: return {b.X0, b.Y1 - depth, b.X1, b.Y1};
    case TSide::Left: return {b.X0, b.Y0, b.X0 + depth, b.Y1};
    case TSide::Right: return {b.X1 - depth, b.Y0, b.X1, b.Y1};
    }
    return b;
}

// A square glass key with a figure: caption, panel, scroll and tab buttons share it.
void PaintKey(TPainter& p, const TGlass& glass, float radius, const TShape& figure,
              uint32_t ink, bool pressed) {
    const TBox body{0.5f, 0.5f, float(p.Width()) - 0.5f, float(p.Height()) - 1.5f};
    const TShape shape = BoxShape(body, radius);
    PaintShadow(p, shape);
    PaintGlass(p, shape, body, glass);
    p.Fill(pressed ? Moved(figure, 0.5f, 0.5f) : figure, Rgb(ink));
}

class TPrelunaLook final : public TLook {
public:
    std::string Name() const override { return "Preluna"; }
    std::string Folder() const override { return "preluna"; }

    TMetrics Metrics() const override {
        TMetrics m;
        m.Font = {"DejaVu Sans", -11, false};
        m.CaptionFont = {"DejaVu Sans", -12, true};
        m.BorderTop = 4;
        m.BorderSide = 5;
        m.BorderBottom = 5;
        m.CaptionHeight = 24;
        m.ToolCaptionHeight = 18;
        m.FrameCorner = 14;
        m.CaptionButtonWidth = 21;
        m.CaptionButtonHeight = 17;
        m.ToolButtonWidth = 15;
        m.ToolButtonHeight = 13;
        m.CaptionButtonGap = 3;
        m.PopupBorder = 4;
        m.PanelCaptionHeight = 19;
        m.PanelBorder = 5;
        m.ButtonMargin = 7;
        m.FieldMargin = 4;
        m.GroupMargin = 7;
        m.ThumbLength = 13;
        m.TabMargin = 6;
        return m;
    }

    TPalette Palette() const override {
        TPalette p;
        p.Window = Window;
        p.CaptionText = Ink;
        p.MenuBarText = Ink;
        p.MenuText = Ink;
        p.Selection = 0xCDBDF0;
        const TTextColors text{Ink, Ink, Ink, Ink, MutedInk};
        p.Text = text;
        p.Button = text;
        p.ListItem = text;
        p.Tab = text;
        return p;
    }

    void DrawFrame(TPainter& p, const TFrameLayout& l, bool active) const override {
        const float w = float(p.Width()), h = float(p.Height());
        const TShape outer = Union({Box(0, 0, w, h * 0.6f, FrameTopRadius),
                                    Box(0, h * 0.4f, w, h, FrameBottomRadius)});
        const TShape inner = [outer](float x, float y) { return outer(x, y) + 1; };
        p.Fill(outer, Rgb(active ? 0x6F6496 : 0x9A96AA));
        p.Fill(inner, Rgb(active ? 0xCBC2E3 : 0xDCDAE2));
        // The caption: lavender deepening toward its foot, then a cool silver sheen.
        const TBox band{0, 0, w, l.CaptionBottom};
        const TRgba top = Rgb(active ? 0xE3D9F7 : 0xEEEDF2);
        const TRgba foot = Rgb(active ? 0xB4A3DD : 0xD3D0DC);
        p.Fill(Intersect(inner, BoxShape(band)), VerticalGradient(top, foot, 1, l.CaptionBottom));
        const float glossFoot = l.CaptionTop + (l.CaptionBottom - l.CaptionTop) * 0.45f;
        p.Fill(Intersect(inner, Box(0, 0, w, glossFoot)),
               VerticalGradient(Rgb(0xFFFFFF, 0.55f), Rgb(0xFFFFFF, 0.1f), 1, glossFoot));
        p.Fill(Intersect(InnerBand(inner, 1), Box(0, 0, w, l.CaptionBottom)),
               Rgb(active ? 0xF8DCEA : 0xFFFFFF, 0.9f)); // the rose rim light
        p.Fill(Intersect(InnerBand(inner, 1), Box(0, l.CaptionBottom, w, h)), Rgb(0xFFFFFF, 0.5f));
        p.Fill(Box(l.ClientLeft - 1, l.CaptionBottom - 1, l.ClientRight + 1, l.CaptionBottom),
               Rgb(active ? 0x8D80B6 : 0xB3AFC0));
        p.Fill(InnerBand(Box(l.ClientLeft - 1, l.ClientTop, l.ClientRight + 1, l.ClientBottom + 1),
                         1),
               Rgb(active ? 0x9D93BD : 0xC0BCCB));
        p.Fill(Box(l.ClientLeft, l.ClientTop, l.ClientRight, l.ClientBottom), Rgb(Window));
    }

    void DrawCaptionButton(TPainter& p, TCaptionButton button, TButtonLook look) const override {
        const bool close = button == TCaptionButton::Close;
        const TBox figureBox = Square(Whole(p).Inset(float(p.Height()) * 0.24f)).Moved(0, -0.5f);
        const uint32_t ink = look == TButtonLook::Inactive ? 0x8A8699 : close ? 0x5A2440 : Ink;
        PaintKey(p, ButtonGlass(look, close), 6,
                 CaptionFigure(button, figureBox, std::max(1.2f, float(p.Height()) / 13)), ink,
                 look == TButtonLook::Pressed);
    }

    void DrawMenuBar(TPainter& p) const override {
        const float w = float(p.Width()), h = float(p.Height());
        p.Fill(Box(0, 0, w, h), VerticalGradient(Rgb(0xF6F4FB), Rgb(0xE1DCEE), 0, h));
        p.Fill(Box(0, h - 1, w, h), Rgb(0xBDB3D6));
    }

    void DrawMenuBarItem(TPainter& p, TState state) const override {
        if (state == TState::Normal || state == TState::Disabled) return; // the bar shows
        const TBox body = Whole(p).Inset(0.5f);
        PaintGlass(p, BoxShape(body, 2.5f), body,
                   StateGlass(state == TState::Hot ? TState::Hot : TState::Pressed));
    }

    void DrawPopupFrame(TPainter& p) const override {
        const TBox body = Whole(p);
        const TShape shape = BoxShape(body, 4);
        p.Fill(shape, VerticalGradient(Rgb(0xFFFFFF), Rgb(Paper), 0, body.Y1));
        p.Fill(InnerBand(shape, 1), Rgb(0x8F84B5));
        p.Fill(InnerBand(BoxShape(body.Inset(1), 3), 1), Rgb(0xE9E3F6));
    }

    void DrawPopupItem(TPainter& p, TState state) const override {
        const TBox all = Whole(p);
        p.Fill(BoxShape(all), Rgb(Paper));
        if (state != TState::Hot && state != TState::Focused) return;
        const TBox body = all.Inset(0.5f);
        PaintGlass(p, BoxShape(body, 2.5f), body, {0xF3EEFB, 0xD9CCF2, 0xA998D6, 0.5f});
        p.Fill(Box(3, 1, all.X1 - 3, 2), Rgb(Rose, 0.6f));
    }

    void DrawSeparator(TPainter& p) const override {
        const float w = float(p.Width()), y = float(p.Height() / 2);
        p.Fill(Box(0, 0, w, float(p.Height())), Rgb(Paper));
        p.Fill(Box(2, y - 1, w - 2, y), Rgb(0xD3CBE6));
        p.Fill(Box(2, y, w - 2, y + 1), Rgb(0xFFFFFF));
    }

    void DrawPanel(TPainter& p) const override {
        const TBox body = Whole(p).Inset(0.5f);
        const TShape shape = BoxShape(body, 5);
        p.Fill(shape, Rgb(0xF1EEF7));
        p.Fill(InnerBand(BoxShape(body.Inset(1), 4), 1), Rgb(0xFFFFFF, 0.8f));
        p.Fill(InnerBand(shape, 1), Rgb(Line));
    }

    void DrawPanelCaption(TPainter& p) const override {
        const TBox body = Whole(p).Inset(0.5f);
        PaintGlass(p, BoxShape(body, 3), body, {0xE6DEF6, 0xC6B9E6, 0x9D91C4, 0.5f});
    }

    void DrawPanelButton(TPainter& p, TPanelButton button, TState state) const override {
        const TBox box = Whole(p);
        const TShape figure = PanelFigure(button, box.Inset(4), 1.5f);
        if (state == TState::Normal) {
            p.Fill(figure, Rgb(Ink));
            return;
        }
        const TShape disc = Circle(box.CentreX(), box.CentreY(), box.Width() / 2 - 0.5f);
        PaintGlass(p, disc, box, StateGlass(state));
        p.Fill(state == TState::Pressed ? Moved(figure, 0.5f, 0.5f) : figure, Rgb(Ink));
    }

    void DrawButton(TPainter& p, TState state) const override {
        const TBox body{0.5f, 0.5f, float(p.Width()) - 0.5f, float(p.Height()) - 1.5f};
        const TShape shape = BoxShape(body, 6);
        if (state != TState::Disabled && state != TState::Pressed) PaintShadow(p, shape);
        PaintGlass(p, shape, body, StateGlass(state));
        if (state == TState::Focused) PaintRing(p, shape, Violet, 1.5f);
    }

    void DrawTrack(TPainter& p, TAxis axis) const override {
        const TBox body = Whole(p);
        const TShape shape = BoxShape(body, 2.5f);
        p.Fill(shape, Rgb(0xD2CBE2));
        p.Fill(Intersect(InnerBand(shape, 1),
                         BoxShape(axis == TAxis::Horizontal ? EdgeStrip(body, TSide::Top, 2)
                                                            : EdgeStrip(body, TSide::Left, 2))),
               Rgb(0x8F84B5));
        p.Fill(Intersect(InnerBand(shape, 1),
                         BoxShape(axis == TAxis::Horizontal ? EdgeStrip(body, TSide::Bottom, 2)
                                                            : EdgeStrip(body, TSide::Right, 2))),
               Rgb(0xFFFFFF, 0.8f));
    }

    void DrawTrackHighlight(TPainter& p, TAxis axis) const override {
        const TBox body = Whole(p);
        PaintGlass(p, BoxShape(body, 2.5f), body, {0xE3D2F7, 0xB79EE6, 0x8C72C9, 0.45f}, axis);
        p.Fill(BoxShape(axis == TAxis::Horizontal ? EdgeStrip(body.Inset(1), TSide::Bottom, 1)
                                                  : EdgeStrip(body.Inset(1), TSide::Right, 1)),
               Rgb(Rose, 0.7f));
    }

    void DrawThumb(TPainter& p, TAxis, TState state) const override {
        const TBox body{0.5f, 0.5f, float(p.Width()) - 0.5f, float(p.Height()) - 1.5f};
        const TShape shape = BoxShape(body, 5);
        if (state != TState::Disabled) PaintShadow(p, shape);
        PaintGlass(p, shape, body, StateGlass(state));
        if (state == TState::Focused) PaintRing(p, shape, Violet, 1.5f);
        const uint32_t mark = state == TState::Disabled ? 0xD0CCDA : 0xE3A0BF;
        p.Fill(Circle(body.CentreX(), body.CentreY(), 1.6f), Rgb(mark));
    }

    void DrawScrollTrough(TPainter& p, TAxis axis) const override {
        const TBox all = Whole(p);
        const bool horz = axis == TAxis::Horizontal;
        p.Fill(BoxShape(all), horz ? VerticalGradient(Rgb(0xE2DDEE), Rgb(0xF1EEF7), 0, all.Y1)
                                   : HorizontalGradient(Rgb(0xE2DDEE), Rgb(0xF1EEF7), 0, all.X1));
        p.Fill(BoxShape(EdgeStrip(all, horz ? TSide::Top : TSide::Left, 1)), Rgb(0xCFC8E0));
    }

    void DrawScrollButton(TPainter& p, TArrow arrow, TState state) const override {
        const TBox box = Whole(p);
        const uint32_t ink = state == TState::Disabled ? 0xB9B4C6 : Ink;
        PaintKey(p, StateGlass(state), 4, ArrowFigure(arrow, box.Inset(box.Width() * 0.3f)), ink,
                 state == TState::Pressed);
    }

    void DrawScrollSlider(TPainter& p, TAxis axis, TState state) const override {
        const bool horz = axis == TAxis::Horizontal;
        const TBox all = Whole(p);
        const TBox body = horz ? TBox{0, 1.5f, all.X1, all.Y1 - 1.5f}
                               : TBox{1.5f, 0, all.X1 - 1.5f, all.Y1};
        const TAxis across = horz ? TAxis::Horizontal : TAxis::Vertical;
        PaintGlass(p, BoxShape(body, 3), body, StateGlass(state), across);
    }

    void DrawField(TPainter& p, TState state) const override {
        const TBox all = Whole(p);
        const TShape edge = BoxShape(all.Inset(1), 3);
        if (state == TState::Focused || state == TState::Hot)
            p.Fill(InnerBand(BoxShape(all, 4), 1.2f),
                   Rgb(state == TState::Focused ? Violet : Rose, 0.35f));
        const bool off = state == TState::Disabled;
        p.Fill(edge, Rgb(off ? 0xF1EFF5 : Paper));
        p.Fill(Intersect(InnerBand(BoxShape(all.Inset(2), 2), 1), BoxShape(EdgeStrip(all, TSide::Top, 3))),
               Rgb(0xDCD5EC, off ? 0.4f : 1));
        const uint32_t line = off                         ? 0xD0CBDC
                              : state == TState::Focused ? Violet
                              : state == TState::Hot     ? 0xC07CA0
                                                         : 0xA99CCB;
        p.Fill(InnerBand(edge, 1), Rgb(line));
    }

    void DrawComboButton(TPainter& p, TState state) const override {
        const TBox box = Whole(p);
        const TBox body{1, 1.5f, box.X1 - 1.5f, box.Y1 - 1.5f};
        const TShape shape = BoxShape(body, 3);
        PaintGlass(p, shape, body, StateGlass(state == TState::Focused ? TState::Normal : state));
        if (state == TState::Focused) PaintRing(p, shape, Violet, 1);
        const TBox arrow = Square(body.Inset(4.5f));
        const TShape figure = ArrowFigure(TArrow::Down, arrow);
        p.Fill(state == TState::Pressed ? Moved(figure, 0.5f, 0.5f) : figure,
               Rgb(state == TState::Disabled ? 0xB9B4C6 : Ink));
    }

    void DrawCheckBox(TPainter& p, TCheck check, TState state) const override {
        const TBox body = Whole(p).Inset(0.5f);
        const TShape shape = BoxShape(body, 3);
        PaintMark(p, shape, body, state);
        const TBox inner = body.Inset(3);
        const uint32_t mark = state == TState::Disabled ? 0xB9B4C6 : Violet;
        if (check == TCheck::Checked) p.Fill(CheckFigure(inner, 1.8f), Rgb(mark));
        if (check == TCheck::Mixed) p.Fill(DashFigure(inner, 2), Rgb(mark));
    }

    void DrawRadio(TPainter& p, bool checked, TState state) const override {
        const TBox body = Whole(p).Inset(0.5f);
        const TShape shape = Circle(body.CentreX(), body.CentreY(), body.Width() / 2);
        PaintMark(p, shape, body, state);
        if (!checked) return;
        const float r = body.Width() * 0.22f;
        const TShape dot = Circle(body.CentreX(), body.CentreY(), r);
        const bool off = state == TState::Disabled;
        p.Fill(dot, VerticalGradient(Rgb(off ? 0xC9C5D4 : 0x9A86DC), Rgb(off ? 0xB9B4C6 : 0x5A45A0),
                                     body.CentreY() - r, body.CentreY() + r));
        p.Fill(Circle(body.CentreX() - r * 0.3f, body.CentreY() - r * 0.35f, r * 0.4f),
               Rgb(0xFFFFFF, off ? 0.3f : 0.7f));
    }

    void DrawGroupFrame(TPainter& p) const override {
        const TBox body = Whole(p);
        p.Fill(InnerBand(BoxShape(body.Inset(1).Moved(0.5f, 0.5f), 5), 1), Rgb(0xFFFFFF));
        p.Fill(InnerBand(BoxShape(body.Inset(1).Moved(-0.5f, -0.5f), 5), 1), Rgb(0xB3A9CF));
    }

    void DrawGroupCaption(TPainter& p) const override {
        const TBox body = Whole(p).Inset(0.5f);
        PaintGlass(p, BoxShape(body, 3.5f), body, {0xF4F0FB, 0xE0D8F2, 0xB3A9CF, 0.4f});
    }

    void DrawTab(TPainter& p, TSide side, TState state) const override {
        const TBox all = Whole(p);
        const TSide foot = Opposite(side); // the side the tab stands on
        const bool selected = state == TState::Focused;
        const TBox body = OpenBox(all.Inset(0.5f), foot, selected ? 8 : 6);
        const TShape shape = Intersect(BoxShape(body, 5), BoxShape(all));
        const TAxis across = side == TSide::Top || side == TSide::Bottom ? TAxis::Horizontal
                                                                         : TAxis::Vertical;
        TGlass glass = StateGlass(state == TState::Hot ? TState::Hot : TState::Normal);
        if (selected) glass = {0xFFFFFF, 0xF7F5FB, 0x9D91C4, 0.3f};
        if (!selected) glass.Deep = state == TState::Hot ? 0xF3D9E6 : 0xDDD6EE;
        if (side == TSide::Bottom || side == TSide::Right) std::swap(glass.Light, glass.Deep);
        PaintGlass(p, shape, all, glass, across);
        if (selected)
            p.Fill(Intersect(BoxShape(body.Inset(1), 4), BoxShape(EdgeStrip(all, side, 3))),
                   Rgb(Rose));
        else
            p.Fill(BoxShape(EdgeStrip(all, foot, 1)), Rgb(0x9D91C4));
    }

    void DrawTabFrame(TPainter& p) const override {
        const TBox body = Whole(p).Inset(0.5f);
        const TShape shape = BoxShape(body, 4);
        p.Fill(shape, Rgb(0xF7F5FB));
        p.Fill(InnerBand(shape, 1), Rgb(0x9D91C4));
    }

    void DrawTabButton(TPainter& p, TArrow arrow, TState state) const override {
        const TBox box = Whole(p);
        PaintKey(p, StateGlass(state), 4, ArrowFigure(arrow, box.Inset(box.Width() * 0.3f)), Ink,
                 state == TState::Pressed);
    }

private:
    // The glass of a check box or radio glyph in State.
    static void PaintMark(TPainter& p, const TShape& shape, const TBox& body, TState state) {
        TGlass glass = StateGlass(state == TState::Focused ? TState::Normal : state);
        glass.Light = 0xFFFFFF;
        PaintGlass(p, shape, body, glass);
        if (state == TState::Focused) PaintRing(p, shape, Violet, 1.5f);
    }
};

} // namespace

std::unique_ptr<TLook> MakePrelunaLook() {
    return std::make_unique<TPrelunaLook>();
}

} // namespace skin_art
