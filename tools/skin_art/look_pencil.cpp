// "Pencil": a sketch on off-white paper. Graphite strokes that waver and overshoot their corners,
// hatching where a shadow falls, a light graphite wash under hot and selected pieces, and one red
// accent: the close button.
#include "skin_art/figures.h"
#include "skin_art/look.h"
#include "skin_art/pencil_strokes.h"

#include "art_kit/texture.h"

namespace skin_art {
namespace {

using namespace art_kit;
using pencil::Hatch;
using pencil::Lead;
using pencil::SketchBox;
using pencil::TWobble;
using pencil::Wobbled;

constexpr uint32_t Paper = 0xF5F1E6, Sheet = 0xFBF9F3, Wash = 0xE6E0CF, DeepWash = 0xD8D1BD;
constexpr uint32_t Graphite = 0x2E2E33, Soft = 0x6A6A70, Faint = 0xAAA598;
constexpr uint32_t Ink = 0x2A2A2D, Dim = 0x8F8A80;
constexpr uint32_t Red = 0xC0392B, RedWash = 0xF2D3CC;

// Tiled spans of the anatomy's nominal pieces, the periods of their wavering.
constexpr float FrameSpanX = 64, FrameSpanY = 16;

// A graphite stroke of Shape, wavering with W.
void Stroke(TPainter& p, const TShape& shape, uint32_t rgb, const TWobble& w, float alpha = 0.92f) {
    p.Fill(Wobbled(shape, w), Lead(rgb, alpha, w.Seed));
}

// The wobble of a nine-part piece of P's size with Margin unscaled on each side: it repeats with
// the tiled middle. A middle too thin to tile takes the whole side as its period.
TWobble Tiled(const TPainter& p, float margin, uint32_t seed, float amplitude = 0.45f) {
    const auto period = [margin](int size) {
        const float middle = float(size) - 2 * margin;
        return middle >= 8 ? middle : float(size);
    };
    return {amplitude, period(p.Width()), period(p.Height()), seed};
}

// The stroke colour of a control's outline in State.
uint32_t LineOf(TState state) {
    switch (state) {
    case TState::Hot:
    case TState::Pressed:
    case TState::Focused: return Graphite;
    case TState::Disabled: return Faint;
    case TState::Normal: break;
    }
    return Soft;
}

// A sketched box in State: normal grey, darker when hot or pressed, retraced when focused.
void Sketch(TPainter& p, const TBox& box, TState state, const TWobble& w, float overshoot = 1.5f) {
    Stroke(p, SketchBox(box, 1.1f, overshoot), LineOf(state), w);
    if (state == TState::Focused) {
        TWobble again = w;
        again.Seed += 17;
        Stroke(p, SketchBox(box.Inset(0.7f), 0.8f, 0), Graphite, again, 0.8f);
    }
}

// A paper surface with a faint grain.
TPaint PaperOf(uint32_t rgb, uint32_t seed) {
    return Grain(Solid(Rgb(rgb)), 0.02f, seed);
}

// Fills of a small button when hot and when pressed.
struct TFills {
    uint32_t Hot = Wash, Pressed = Wash;
};

// A small square button (caption, scroll and tab buttons): nothing when normal but a light
// outline, a lighter or darker fill when hot, hatching when pressed.
void SmallButton(TPainter& p, const TBox& box, TState state, uint32_t tint, TFills fills = {}) {
    const TWobble w{0.35f, 13, 11, 5};
    if (state == TState::Hot) p.Fill(BoxShape(box, 1.5f), Rgb(fills.Hot));
    if (state == TState::Pressed) {
        p.Fill(BoxShape(box, 1.5f), Rgb(fills.Pressed));
        p.Fill(BoxShape(box, 1.5f), Hatch(tint, 0.3f, 3));
    }
    Stroke(p, SketchBox(box, 1.0f, state == TState::Normal ? 0.8f : 1.4f),
           state == TState::Normal ? Faint : tint, w, state == TState::Disabled ? 0.5f : 0.92f);
}

uint32_t FigureInk(TState state) {
    return state == TState::Disabled ? Faint : Graphite;
}

class TPencilLook final : public TLook {
public:
    std::string Name() const override { return "Pencil"; }
    std::string Folder() const override { return "pencil"; }

    TMetrics Metrics() const override {
        return {.Font = {"DejaVu Sans", -11, false},
                .CaptionFont = {"DejaVu Sans", -12, true},
                .BorderTop = 5, .BorderSide = 6, .BorderBottom = 6,
                .FrameCorner = 12, // the overshooting strokes stay in the corners
                .CaptionButtonHeight = 17, .ToolButtonWidth = 15};
    }

    TPalette Palette() const override {
        TPalette p;
        p.Window = Paper;
        p.CaptionText = Ink;
        p.MenuBarText = Ink;
        p.MenuText = Ink;
        p.Selection = 0x4A4A4E;
        p.Text = {Ink, Ink, Ink, Ink, Dim};
        p.Button = {Ink, 0x111113, 0x111113, Ink, Dim};
        p.ListItem = {Ink, Ink, Sheet, Sheet, Dim};
        p.Tab = {Ink, 0x111113, 0x111113, 0x111113, Dim};
        return p;
    }

    void DrawFrame(TPainter& p, const TFrameLayout& l, bool active) const override {
        const TBox all = Whole(p);
        const TWobble w{0.45f, FrameSpanX, FrameSpanY, active ? 3u : 4u};
        p.Fill(BoxShape(all, 3), PaperOf(Paper, 1));
        const TBox caption{l.CaptionLeft, l.CaptionTop, l.CaptionRight, l.CaptionBottom};
        const TBox inner{l.CaptionLeft - 0.5f, l.CaptionTop - 0.5f, l.ClientRight + 0.5f,
                         l.ClientBottom + 0.5f};
        if (active) {
            p.Fill(BoxShape(caption), PaperOf(Wash, 2));
            p.Fill(BoxShape(caption), Hatch(Soft, 0.12f, 4));
        }
        // The sheet's shadow: hatching in the right and bottom borders.
        const uint32_t line = active ? Graphite : Faint;
        const float shade = active ? 0.4f : 0.22f;
        p.Fill(BoxShape({inner.X1 + 1, all.Y0 + 8, all.X1 - 1.5f, all.Y1 - 1.5f}), Hatch(Soft, shade, 4));
        p.Fill(BoxShape({all.X0 + 8, inner.Y1 + 1, inner.X1 + 1, all.Y1 - 1.5f}), Hatch(Soft, shade, 4));
        Stroke(p, SketchBox(all.Inset(1.5f), 1.2f, 0), line, w);
        Stroke(p, SketchBox(inner, 1.1f, 2), line, {0.45f, FrameSpanX, FrameSpanY, w.Seed + 7});
        // The caption's underline keeps clear of its last row, which the side edges tile below.
        Stroke(p, Line({caption.X0 - 1, caption.Y1 - 2}, {caption.X1 + 1, caption.Y1 - 2}, 1.1f),
               line, {0.45f, FrameSpanX, FrameSpanY, w.Seed + 9});
    }

    void DrawCaptionButton(TPainter& p, TCaptionButton button, TButtonLook look) const override {
        const TBox box = Whole(p).Inset(1.5f);
        const bool close = button == TCaptionButton::Close;
        const uint32_t tint = close ? Red : Graphite;
        const TBox figure = Square(box.Inset(p.Width() < 17 ? 2 : 2.5f));
        const TWobble w{0.3f, 11, 9, uint32_t(button) + 30};
        if (look == TButtonLook::Inactive) {
            Stroke(p, CaptionFigure(button, figure, 1.2f), Faint, w);
            return;
        }
        const TState state = look == TButtonLook::Hot       ? TState::Hot
                             : look == TButtonLook::Pressed ? TState::Pressed
                                                            : TState::Normal;
        // The caption is washed already: a hot button lifts to clean paper.
        SmallButton(p, box, state, tint, close ? TFills{RedWash, RedWash} : TFills{Sheet, DeepWash});
        const TBox at = state == TState::Pressed ? figure.Moved(0.7f, 0.7f) : figure;
        Stroke(p, CaptionFigure(button, at, state == TState::Normal ? 1.3f : 1.6f), tint, w, 1);
    }

    void DrawMenuBar(TPainter& p) const override {
        p.Fill(BoxShape(Whole(p)), PaperOf(Paper, 6));
        const float y = float(p.Height()) - 1.5f;
        Stroke(p, Line({-2, y}, {float(p.Width()) + 2, y}, 1.1f), Soft, Tiled(p, 2, 6));
    }

    void DrawMenuBarItem(TPainter& p, TState state) const override {
        if (state == TState::Normal) return;
        const TBox box = Whole(p).Inset(1.5f);
        const TWobble w = Tiled(p, 3, 8);
        if (state == TState::Focused) p.Fill(BoxShape(box), PaperOf(Wash, 8));
        Stroke(p, SketchBox(box, 1.1f, 1.2f), state == TState::Focused ? Graphite : Soft, w);
    }

    void DrawPopupFrame(TPainter& p) const override {
        const TBox all = Whole(p);
        p.Fill(BoxShape(all), PaperOf(Sheet, 9));
        Stroke(p, SketchBox(all.Inset(1), 1.1f, 0), Graphite, Tiled(p, 3, 9));
    }

    void DrawPopupItem(TPainter& p, TState state) const override {
        const TBox all = Whole(p);
        p.Fill(BoxShape(all), Rgb(Sheet));
        if (state != TState::Focused && state != TState::Hot) return;
        p.Fill(BoxShape(all.Inset(1)), PaperOf(Wash, 10));
        Stroke(p, SketchBox(all.Inset(1.5f), 1.0f, 0.8f), Soft, Tiled(p, 3, 10));
    }

    void DrawSeparator(TPainter& p) const override {
        const float y = float(p.Height()) / 2;
        Stroke(p, Line({-2, y}, {float(p.Width()) + 2, y}, 1.0f), Faint, Tiled(p, 4, 12, 0.35f));
    }

    void DrawPanel(TPainter& p) const override {
        const TBox all = Whole(p);
        p.Fill(BoxShape(all), PaperOf(Paper, 13));
        Stroke(p, SketchBox(all.Inset(1), 1.1f, 0), Soft, Tiled(p, 3, 13));
    }

    void DrawPanelCaption(TPainter& p) const override {
        const TBox all = Whole(p);
        p.Fill(BoxShape(all), PaperOf(Wash, 14));
        // A straight rule in the last row only: the caption text runs just above it.
        p.Fill(BoxShape({0, all.Y1 - 1, all.X1, all.Y1}), Lead(Graphite, 0.92f, 14));
    }

    void DrawPanelButton(TPainter& p, TPanelButton button, TState state) const override {
        const TBox box = Whole(p).Inset(1);
        p.Fill(BoxShape(box, 1.5f), Rgb(Sheet));
        SmallButton(p, box, state, Graphite);
        Stroke(p, PanelFigure(button, box.Inset(3), 1.3f), Graphite, {0.3f, 9, 9, 15});
    }

    void DrawButton(TPainter& p, TState state) const override {
        const TBox all = Whole(p);
        const TWobble w = Tiled(p, 4, 16);
        const bool pressed = state == TState::Pressed;
        const TBox face = pressed ? TBox{1.5f, 1.5f, all.X1 - 1.5f, all.Y1 - 1.5f}
                                  : TBox{1, 1, all.X1 - 2.5f, all.Y1 - 2.5f};
        if (!pressed && state != TState::Disabled) // hatched shadow to the lower right
            p.Fill(Cut(BoxShape(face.Moved(2, 2)), BoxShape(face)), Hatch(Soft, 0.6f, 2));
        const uint32_t fill = state == TState::Hot ? Wash : pressed ? DeepWash : Sheet;
        p.Fill(BoxShape(face), PaperOf(fill, 16));
        if (pressed) p.Fill(BoxShape(face.Inset(1)), Hatch(Soft, 0.14f, 4));
        Sketch(p, face, state, w);
    }

    void DrawTrack(TPainter& p, TAxis) const override {
        const TBox all = Whole(p);
        p.Fill(BoxShape(all.Inset(0.5f), 2), Rgb(Sheet));
        Stroke(p, SketchBox(all.Inset(0.8f), 1.0f, 0), Soft, Tiled(p, 3, 18, 0.3f));
    }

    void DrawTrackHighlight(TPainter& p, TAxis) const override {
        const TBox all = Whole(p);
        p.Fill(BoxShape(all.Inset(0.5f), 2), Rgb(Wash));
        p.Fill(BoxShape(all.Inset(0.5f), 2), Hatch(Graphite, 0.6f, 2));
        Stroke(p, SketchBox(all.Inset(0.8f), 1.0f, 0), Graphite, Tiled(p, 3, 19, 0.3f));
    }

    void DrawThumb(TPainter& p, TAxis axis, TState state) const override {
        const TBox all = Whole(p);
        const TBox body = all.Inset(1.5f);
        const bool horz = axis == TAxis::Horizontal;
        const uint32_t fill = state == TState::Hot ? Wash : state == TState::Pressed ? DeepWash : Sheet;
        p.Fill(BoxShape(body, 2), Rgb(fill));
        // Shading on the far side of the light, as a hand would hatch it.
        const TBox shade = horz ? TBox{body.CentreX() + 1, body.Y0, body.X1, body.Y1}
                                : TBox{body.X0, body.CentreY() + 1, body.X1, body.Y1};
        if (state != TState::Disabled)
            p.Fill(Intersect(BoxShape(shade), BoxShape(body, 2)),
                   Hatch(Graphite, state == TState::Pressed ? 0.7f : 0.4f, 2.5f));
        const TWobble w{0.3f, 9, 13, 20 + uint32_t(state)};
        Sketch(p, body, state == TState::Normal ? TState::Hot : state, w, 0.8f);
    }

    void DrawScrollTrough(TPainter& p, TAxis axis) const override {
        const TBox all = Whole(p);
        p.Fill(BoxShape(all), Rgb(Paper));
        p.Fill(BoxShape(all.Inset(1)), Hatch(Faint, 0.35f, 3));
        const bool horz = axis == TAxis::Horizontal;
        const float t = horz ? all.Y1 : all.X1;
        const TShape edges = horz ? Union({Line({-2, 0.5f}, {all.X1 + 2, 0.5f}, 1), Line({-2, t - 0.5f}, {all.X1 + 2, t - 0.5f}, 1)})
                                  : Union({Line({0.5f, -2}, {0.5f, all.Y1 + 2}, 1), Line({t - 0.5f, -2}, {t - 0.5f, all.Y1 + 2}, 1)});
        Stroke(p, edges, Faint, Tiled(p, 3, 21, 0.3f));
    }

    void DrawScrollButton(TPainter& p, TArrow arrow, TState state) const override {
        const TBox box = Whole(p).Inset(1.5f);
        p.Fill(BoxShape(box), Rgb(Sheet));
        SmallButton(p, box, state, Graphite);
        const TBox at = state == TState::Pressed ? box.Moved(0.6f, 0.6f) : box;
        Stroke(p, ArrowFigure(arrow, at.Inset(2.5f)), FigureInk(state), {0.25f, 9, 9, 22});
    }

    void DrawScrollSlider(TPainter& p, TAxis, TState state) const override {
        const TBox body = Whole(p).Inset(1.5f);
        const uint32_t fill = state == TState::Hot ? Wash : state == TState::Pressed ? DeepWash : Sheet;
        p.Fill(BoxShape(body), Rgb(fill));
        Sketch(p, body, state == TState::Normal ? TState::Hot : state, Tiled(p, 3, 23, 0.35f), 0.8f);
    }

    void DrawField(TPainter& p, TState state) const override {
        const TBox all = Whole(p);
        p.Fill(BoxShape(all), Rgb(state == TState::Disabled ? Paper : Sheet));
        Sketch(p, all.Inset(1), state, Tiled(p, 3, 24, 0.3f), 0.5f);
    }

    void DrawComboButton(TPainter& p, TState state) const override {
        const TBox box = Whole(p).Inset(1.5f);
        const TState look = state == TState::Focused ? TState::Normal : state;
        p.Fill(BoxShape(box, 1.5f), Rgb(state == TState::Disabled ? Paper : Sheet));
        SmallButton(p, box, look, Graphite);
        if (state == TState::Focused)
            Stroke(p, SketchBox(box.Inset(1.2f), 0.8f, 0), Graphite, {0.25f, 9, 9, 27}, 0.7f);
        const TBox at = state == TState::Pressed ? box.Moved(0.6f, 0.6f) : box;
        Stroke(p, ArrowFigure(TArrow::Down, at.Inset(3)), FigureInk(state), {0.25f, 9, 9, 26});
    }

    void DrawCheckBox(TPainter& p, TCheck check, TState state) const override {
        const TBox box = Whole(p).Inset(2);
        p.Fill(BoxShape(box), Rgb(state == TState::Hot ? Wash : Sheet));
        const TWobble w{0.3f, 9, 9, 28};
        Sketch(p, box, state, w, 1);
        const uint32_t mark = FigureInk(state);
        // The tick overshoots the box the way a quick hand mark does.
        if (check == TCheck::Checked)
            Stroke(p, CheckFigure({box.X0 + 1, box.Y0 - 1.5f, box.X1 + 1.5f, box.Y1 - 1}, 1.6f), mark, w, 1);
        if (check == TCheck::Mixed) Stroke(p, DashFigure(box.Inset(1.5f), 2), mark, w, 1);
    }

    void DrawRadio(TPainter& p, bool checked, TState state) const override {
        const TBox b = Whole(p);
        const float r = b.Width() / 2 - 1.5f;
        p.Fill(Circle(b.CentreX(), b.CentreY(), r), Rgb(state == TState::Hot ? Wash : Sheet));
        const TWobble w{0.35f, 9, 9, 29};
        Stroke(p, Ring(b.CentreX(), b.CentreY(), r - 0.55f, r + 0.55f), LineOf(state), w);
        if (state == TState::Focused)
            Stroke(p, Ring(b.CentreX(), b.CentreY(), r - 1.9f, r - 1.1f), Graphite, {0.3f, 9, 9, 31}, 0.7f);
        if (checked)
            Stroke(p, Circle(b.CentreX(), b.CentreY(), r - 2.8f), FigureInk(state), w, 1);
    }

    void DrawGroupFrame(TPainter& p) const override {
        Stroke(p, SketchBox(Whole(p).Inset(3.5f), 1.0f, 1.5f), Soft, Tiled(p, 6, 32));
    }

    void DrawGroupCaption(TPainter& p) const override {
        p.Fill(BoxShape(Whole(p)), Rgb(Paper));
    }

    void DrawTab(TPainter& p, TSide side, TState state) const override {
        const TBox all = Whole(p);
        const bool selected = state == TState::Focused;
        TBox box = all.Inset(1);
        const float lift = selected ? 0 : 2;
        switch (side) { // the edge toward the page stays open and reaches the painter's edge
        case TSide::Top: box.Y0 += lift; box.Y1 = all.Y1 + 2; break;
        case TSide::Bottom: box.Y1 -= lift; box.Y0 = all.Y0 - 2; break;
        case TSide::Left: box.X0 += lift; box.X1 = all.X1 + 2; break;
        case TSide::Right: box.X1 -= lift; box.X0 = all.X0 - 2; break;
        }
        const uint32_t fill = selected ? Paper : state == TState::Hot ? Wash : 0xEDE8DA;
        p.Fill(BoxShape(box), PaperOf(fill, 33));
        if (state == TState::Normal) p.Fill(BoxShape(box), Hatch(Faint, 0.3f, 4));
        Stroke(p, SketchBox(box, 1.1f, 0.8f), selected ? Graphite : Soft, Tiled(p, 4, 34));
    }

    void DrawTabFrame(TPainter& p) const override {
        const TBox all = Whole(p);
        p.Fill(BoxShape(all), PaperOf(Paper, 35));
        Stroke(p, SketchBox(all.Inset(1), 1.1f, 0), Graphite, Tiled(p, 4, 35));
    }

    void DrawTabButton(TPainter& p, TArrow arrow, TState state) const override {
        DrawScrollButton(p, arrow, state);
    }
};

} // namespace

std::unique_ptr<TLook> MakePencilLook() {
    return std::make_unique<TPencilLook>();
}

} // namespace skin_art
