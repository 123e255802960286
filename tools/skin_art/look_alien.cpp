// "Alien": a biomechanical night skin. Blue-black bodies with organic rounded corners, a ribbed
// caption like a spine, acid-green veins that glow on edges and in hot states, teal text.
#include "skin_art/figures.h"
#include "skin_art/look.h"
#include "skin_art/look_alien_parts.h"

#include <algorithm>
#include <cmath>

namespace skin_art {
namespace {

using namespace art_kit;
using namespace alien;

constexpr uint32_t TealText = 0x66F0DC;
constexpr uint32_t TealBright = 0x8CF8EA;
constexpr uint32_t GreenText = 0xA6FF66;
constexpr uint32_t PaleText = 0xE2FFF2;
constexpr uint32_t DimText = 0x3E5662;

// The outline of a window: wide organic top corners, tighter bottom ones.
TShape FrameOutline(float w, float h) {
    const TShape top = Box(0, 0, w, h, 15), bottom = Box(0, 0, w, h, 9);
    return [=](float x, float y) { return y < h / 2 ? top(x, y) : bottom(x, y); };
}

// Vertical ribs across the caption band, brightest along its middle like a curved spine.
TPaint RibPaint(float top, float bottom, bool active) {
    const TRgba groove = Rgb(0x080E1A), ridge = Rgb(active ? 0x1B2B45 : 0x161F2E);
    return [=](float x, float y) {
        const float rib = 0.5f + 0.5f * std::cos(x * float(M_PI) / 4);
        const float bulge = std::sin(float(M_PI) * std::clamp((y - top) / (bottom - top), 0.0f, 1.0f));
        return Mix(groove, ridge, rib * (0.35f + 0.65f * bulge));
    };
}

// Knots along the vein every 16 pixels, like the segments of a spine.
TShape VeinKnots(const TShape& outline, float w, float h) {
    return [=](float x, float y) {
        const bool side = std::min(x, w - x) < std::min(y, h - y);
        const float along = std::abs(std::fmod(side ? y : x, 16.0f) - 8);
        return std::max(std::abs(outline(x, y) + 2.65f) - 1.6f, along - 2.5f);
    };
}

void DrawWindowVein(TPainter& p, const TShape& outline, const TShape& body, bool active) {
    const float w = float(p.Width()), h = float(p.Height());
    const TShape vein = Intersect(InnerBand(Grown(outline, -2), 1.3f), body);
    const TShape knots = Intersect(VeinKnots(outline, w, h), body);
    if (active) {
        p.Fill(body, GlowAround(outline, -2.65f, 3.5f, Rgb(Green, 0.4f)));
        p.Fill(vein, Rgb(Green, 0.9f));
        p.Fill(knots, Rgb(0xB4FF6E, 0.75f));
    } else {
        p.Fill(vein, Rgb(0x2C4A46));
        p.Fill(knots, Rgb(0x3A5E58));
    }
}

// A caption button's pod in the colours of Look.
struct TPodColors {
    uint32_t Centre, Edge, Rim, Figure;
    bool Halo;
};

TPodColors PodColors(TButtonLook look) {
    switch (look) {
    case TButtonLook::Inactive: return {0x111A28, 0x0A101A, 0x2B3B4A, 0x4A5E6E, false};
    case TButtonLook::Normal: return {0x1C2E48, 0x0A1222, 0x2FA596, TealText, false};
    case TButtonLook::Hot: return {0x1F4230, 0x0A1620, Green, 0xB4FF6E, true};
    case TButtonLook::Pressed: return {0x9CFF4A, 0x2F7A1A, 0xC8FF8A, 0x061208, true};
    }
    return {};
}

class TAlienLook final : public TLook {
public:
    std::string Name() const override { return "Alien"; }
    std::string Folder() const override { return "alien"; }

    TMetrics Metrics() const override {
        TMetrics m;
        m.CaptionFont = {"DejaVu Sans", -12, true};
        m.BorderTop = 5;
        m.BorderSide = 6;
        m.BorderBottom = 6;
        m.CaptionHeight = 24;
        m.ToolCaptionHeight = 18;
        m.FrameCorner = 18;
        m.CaptionButtonWidth = 20;
        m.CaptionButtonHeight = 18;
        m.ToolButtonWidth = 15;
        m.ToolButtonHeight = 14;
        m.PopupBorder = 4;
        m.PanelBorder = 4;
        m.ButtonMargin = 7;
        m.FieldMargin = 4;
        m.GroupMargin = 8;
        m.TabMargin = 5;
        return m;
    }

    TPalette Palette() const override {
        TPalette p;
        p.Window = Surface;
        p.CaptionText = TealText;
        p.MenuBarText = TealText;
        p.MenuText = TealText;
        p.Selection = 0x1D5A46;
        p.Text = {TealText, GreenText, GreenText, TealBright, DimText};
        p.Button = {TealText, GreenText, 0xC8FF9A, TealBright, DimText};
        p.ListItem = {TealText, TealText, PaleText, PaleText, DimText};
        p.Tab = {TealText, GreenText, GreenText, 0xB8FF7A, DimText};
        return p;
    }

    void DrawFrame(TPainter& p, const TFrameLayout& l, bool active) const override {
        const float w = float(p.Width()), h = float(p.Height());
        const TShape outline = FrameOutline(w, h);
        const TShape client = Box(l.ClientLeft, l.ClientTop, l.ClientRight, l.ClientBottom);
        const TShape body = Cut(outline, client);
        p.Fill(body, VerticalGradient(Rgb(0x101A2E), Rgb(0x070B16), 0, h));
        p.Fill(Box(l.CaptionLeft, l.CaptionTop, l.CaptionRight, l.CaptionBottom),
               RibPaint(l.CaptionTop, l.CaptionBottom, active));
        p.Fill(Box(l.CaptionLeft, l.CaptionBottom - 1, l.CaptionRight, l.CaptionBottom),
               Rgb(active ? 0x3FA86A : 0x1E3036));
        DrawWindowVein(p, outline, body, active);
        p.Fill(InnerBand(outline, 1), Rgb(0x010309));
        p.Fill(Cut(Grown(client, 1), client), Rgb(0x03060C));
    }

    void DrawCaptionButton(TPainter& p, TCaptionButton button, TButtonLook look) const override {
        const TBox b = Whole(p);
        const TPodColors c = PodColors(look);
        const TShape pod = Ellipse(b.CentreX(), b.CentreY(), b.Width() / 2 - 2.5f,
                                   b.Height() / 2 - 2.2f);
        if (c.Halo) p.Fill(Grown(pod, 2.5f), GlowAround(pod, 0, 2.5f, Rgb(Green, 0.55f)));
        p.Fill(pod, RadialGradient(Rgb(c.Centre), Rgb(c.Edge), b.CentreX(), b.CentreY() - 2,
                                   b.Width() / 2));
        p.Fill(InnerBand(pod, 1.2f), Rgb(c.Rim));
        const float side = std::round(b.Height() * 0.46f);
        const TBox figure = Square(b).Inset((b.Height() - side) / 2);
        p.Fill(CaptionFigure(button, figure, b.Height() > 15 ? 1.2f : 1.0f), Rgb(c.Figure));
    }

    void DrawMenuBar(TPainter& p) const override {
        const TBox b = Whole(p);
        p.Fill(BoxShape(b), VerticalGradient(Rgb(0x111B2E), Rgb(0x090F1B), 0, b.Y1));
        p.Fill(BoxShape({b.X0, b.Y1 - 1, b.X1, b.Y1}), Rgb(0x1E4A48));
    }

    void DrawMenuBarItem(TPainter& p, TState state) const override {
        if (state == TState::Normal || state == TState::Disabled) return;
        DrawHighlight(p, Whole(p).Inset(0.5f), 3, state == TState::Focused);
    }

    void DrawPopupFrame(TPainter& p) const override {
        const TBox b = Whole(p);
        const TShape outline = BoxShape(b, 4);
        p.Fill(outline, Rgb(0x0B1220));
        // The glow stays within the border: the surface inside tiles without seams.
        p.Fill(outline, GlowAround(outline, -2, 2, Rgb(Green, 0.22f)));
        p.Fill(InnerBand(Grown(outline, -1.5f), 1), Rgb(0x58D68A));
        p.Fill(InnerBand(outline, 1), Rgb(0x010309));
    }

    void DrawPopupItem(TPainter& p, TState state) const override {
        if (state != TState::Hot && state != TState::Focused) return;
        DrawHighlight(p, Whole(p).Inset(0.5f), 3, true);
    }

    void DrawSeparator(TPainter& p) const override {
        const TBox b = Whole(p);
        const float y = std::floor(b.CentreY());
        p.Fill(BoxShape({b.X0, y, b.X1, y + 1}), Rgb(0x27605A));
    }

    void DrawPanel(TPainter& p) const override {
        const TBox b = Whole(p);
        const TShape outline = BoxShape(b, 4);
        p.Fill(outline, Rgb(Surface));
        p.Fill(InnerBand(Grown(outline, -1), 1), Rgb(0x1D3C44));
        p.Fill(InnerBand(outline, 1), Rgb(0x010309));
    }

    void DrawPanelCaption(TPainter& p) const override {
        const TBox b = Whole(p);
        p.Fill(BoxShape(b), RibPaint(b.Y0, b.Y1, true));
        p.Fill(BoxShape({b.X0, b.Y1 - 1, b.X1, b.Y1}), Rgb(0x2E7C62));
    }

    void DrawPanelButton(TPainter& p, TPanelButton button, TState state) const override {
        const TBox b = Whole(p).Inset(1);
        DrawKnob(p, BoxShape(b, b.Height() / 2), state);
        p.Fill(PanelFigure(button, b.Inset(b.Width() * 0.28f), 1.3f), Rgb(FigureColor(state)));
    }

    void DrawButton(TPainter& p, TState state) const override {
        DrawPlate(p, BoxShape(Whole(p).Inset(0.5f), 6.5f), state);
    }

    void DrawTrack(TPainter& p, TAxis) const override {
        DrawGroove(p, Whole(p));
    }

    void DrawTrackHighlight(TPainter& p, TAxis axis) const override {
        const TBox b = Whole(p);
        const TShape groove = BoxShape(b, std::min(b.Width(), b.Height()) / 2);
        const bool horz = axis == TAxis::Horizontal;
        p.Fill(groove, horz ? VerticalGradient(Rgb(0x9CFF4A), Rgb(0x2F8A2A), b.Y0, b.Y1)
                            : HorizontalGradient(Rgb(0x9CFF4A), Rgb(0x2F8A2A), b.X0, b.X1));
        p.Fill(InnerBand(groove, 1), Rgb(0x0E2A14));
    }

    void DrawThumb(TPainter& p, TAxis axis, TState state) const override {
        const TBox b = Whole(p).Inset(0.5f);
        const float r = std::min(b.Width(), b.Height()) / 2;
        DrawKnob(p, BoxShape(b, r), state);
        DrawGrip(p, b, axis, {2, 0.5f, r * 0.7f}, Rgb(FigureColor(state), 0.8f));
    }

    void DrawScrollTrough(TPainter& p, TAxis axis) const override {
        const TBox b = Whole(p);
        p.Fill(BoxShape(b), Rgb(0x060A12));
        const bool horz = axis == TAxis::Horizontal;
        const float c = horz ? b.CentreY() : b.CentreX();
        p.Fill(horz ? BoxShape({b.X0, c - 0.5f, b.X1, c + 0.5f})
                    : BoxShape({c - 0.5f, b.Y0, c + 0.5f, b.Y1}),
               Rgb(0x173A3A));
    }

    void DrawScrollButton(TPainter& p, TArrow arrow, TState state) const override {
        const TBox b = Whole(p).Inset(1);
        DrawKnob(p, BoxShape(b, 4), state);
        p.Fill(ArrowFigure(arrow, b.Inset(b.Width() * 0.28f)), Rgb(FigureColor(state)));
    }

    void DrawScrollSlider(TPainter& p, TAxis axis, TState state) const override {
        const TBox b = Whole(p).Inset(1.5f);
        DrawKnob(p, BoxShape(b, ScrollSliderEnd - 1.5f), state);
        DrawGrip(p, b, axis, {3, 0.6f, 3.5f}, Rgb(FigureColor(state), 0.75f));
    }

    void DrawField(TPainter& p, TState state) const override {
        const TShape outline = BoxShape(Whole(p), 4);
        p.Fill(outline, Rgb(state == TState::Disabled ? 0x0E131B : FieldInside));
        if (state == TState::Focused) p.Fill(outline, GlowAround(outline, -1, 3, Rgb(Green, 0.35f)));
        p.Fill(InnerBand(outline, 1), Rgb(RimColor(state)));
    }

    void DrawComboButton(TPainter& p, TState state) const override {
        const TBox b = Whole(p).Inset(2);
        DrawKnob(p, BoxShape(b, 3), state);
        p.Fill(ArrowFigure(TArrow::Down, Square(b).Inset(b.Width() * 0.22f)),
               Rgb(FigureColor(state)));
    }

    void DrawCheckBox(TPainter& p, TCheck check, TState state) const override {
        const TBox b = Whole(p);
        DrawSocket(p, BoxShape(b.Inset(0.5f), 3.5f), state);
        const TRgba mark = Rgb(state == TState::Disabled ? 0x3A5A40 : Green);
        if (check == TCheck::Checked) p.Fill(CheckFigure(b.Inset(3), 1.8f), mark);
        if (check == TCheck::Mixed) p.Fill(DashFigure(b.Inset(3.5f), 2), mark);
    }

    void DrawRadio(TPainter& p, bool checked, TState state) const override {
        const TBox b = Whole(p);
        DrawSocket(p, Circle(b.CentreX(), b.CentreY(), b.Width() / 2 - 0.5f), state);
        if (!checked) return;
        const bool lit = state != TState::Disabled;
        const TShape seed = Circle(b.CentreX(), b.CentreY(), b.Width() * 0.2f);
        if (lit) p.Fill(Grown(seed, 2), GlowAround(seed, 0, 2, Rgb(Green, 0.5f)));
        p.Fill(seed, Rgb(lit ? 0xB4FF6E : 0x3A5A40));
    }

    void DrawGroupFrame(TPainter& p) const override {
        const TShape outline = BoxShape(Whole(p).Inset(0.5f), 6);
        p.Fill(InnerBand(outline, 1), Rgb(0x23645C));
        p.Fill(InnerBand(Grown(outline, -1), 1), Rgb(0x05080F, 0.8f));
    }

    void DrawGroupCaption(TPainter& p) const override {
        const TShape plate = BoxShape(Whole(p), Whole(p).Height() / 2);
        p.Fill(plate, Rgb(Surface));
        p.Fill(InnerBand(plate, 1), Rgb(0x23645C));
    }

    void DrawTab(TPainter& p, TSide side, TState state) const override {
        DrawTabShape(p, side, state);
    }

    void DrawTabFrame(TPainter& p) const override {
        const TShape outline = BoxShape(Whole(p), 4);
        p.Fill(outline, Rgb(Surface));
        p.Fill(InnerBand(outline, 1), Rgb(0x2A7A6C));
    }

    void DrawTabButton(TPainter& p, TArrow arrow, TState state) const override {
        DrawScrollButton(p, arrow, state);
    }
};

} // namespace

std::unique_ptr<TLook> MakeAlienLook() {
    return std::make_unique<TAlienLook>();
}

} // namespace skin_art
