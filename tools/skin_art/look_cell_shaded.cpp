// "Cell Shaded": a flat cartoon skin. Saturated flat fills of tangerine, sunflower and sky, thick
// pure black outlines around everything, one hard shadow step under raised faces and chunky
// round buttons; no gradients anywhere.
#include "skin_art/figures.h"
#include "skin_art/look.h"
#include "skin_art/look_cell_shaded_parts.h"

#include <algorithm>
#include <cmath>

namespace skin_art {
namespace {

using namespace art_kit;
using namespace cell;

constexpr uint32_t Grey = 0xC9D3D8; // the frame of an inactive window
constexpr uint32_t GreyShade = 0xA5B1B8;
constexpr uint32_t Tomato = 0xFF5A4A; // the close button
constexpr uint32_t TomatoHot = 0xFF8A7A;
constexpr uint32_t TomatoShade = 0xD23A2C;
constexpr uint32_t Faded = 0x8A8A8A;
constexpr TTextColors InkText = {Ink, Ink, Ink, Ink, 0x7A7A7A};

TToon CaptionButtonColors(TCaptionButton button, TButtonLook look) {
    const bool close = button == TCaptionButton::Close;
    switch (look) {
    case TButtonLook::Inactive: return {0xEEF1F3, 0xD2D9DD, 0x6E7A80};
    case TButtonLook::Normal:
        return close ? TToon{Tomato, TomatoShade, Ink} : TToon{Sunflower, SunflowerShade, Ink};
    case TButtonLook::Hot:
        return close ? TToon{TomatoHot, Tomato, Ink} : TToon{Sky, SkyShade, Ink};
    case TButtonLook::Pressed:
        return close ? TToon{TomatoShade, TomatoShade, Ink} : TToon{SkyShade, SkyShade, Ink};
    }
    return {};
}

// A round raised button filling Box with a figure drawn by Figure.
void DrawRoundButton(TPainter& p, const TBox& box, TState state, const TShape& figure) {
    const float r = std::min(box.Width(), box.Height()) / 2;
    DrawToonState(p, Circle(box.CentreX(), box.CentreY(), r), state);
    p.Fill(figure, Rgb(FigureInk(state)));
}

class TCellShadedLook final : public TLook {
public:
    std::string Name() const override { return "Cell Shaded"; }
    std::string Folder() const override { return "cell_shaded"; }

    TMetrics Metrics() const override {
        TMetrics m;
        m.CaptionFont = {"DejaVu Sans", -13, true};
        m.BorderTop = 5;
        m.BorderSide = 7;
        m.BorderBottom = 7;
        m.CaptionHeight = 26;
        m.ToolCaptionHeight = 20;
        m.FrameCorner = 16;
        m.CaptionButtonWidth = 22;
        m.CaptionButtonHeight = 20;
        m.ToolButtonWidth = 17;
        m.ToolButtonHeight = 16;
        m.MenuBarHeight = 24;
        m.SeparatorHeight = 8;
        m.PopupBorder = 5;
        m.PanelCaptionHeight = 20;
        m.PanelBorder = 4;
        m.PanelButton = 16;
        m.ButtonMargin = 9;
        m.FieldMargin = 5;
        m.GroupMargin = 8;
        m.TrackThickness = 8;
        m.ThumbLength = 14;
        m.ThumbBreadth = 20;
        m.TrackMargin = 10;
        m.ScrollBarSize = 18;
        m.CheckSize = 15;
        m.ComboButtonWidth = 20;
        m.TabHeight = 24;
        m.TabMargin = 7;
        m.TabButton = 18;
        return m;
    }

    TPalette Palette() const override {
        TPalette p;
        p.Window = Cream;
        p.CaptionText = Ink;
        p.MenuBarText = Ink;
        p.MenuText = Ink;
        p.Selection = Sky;
        p.Text = InkText;
        p.Button = InkText;
        p.ListItem = InkText;
        p.Tab = InkText;
        return p;
    }

    void DrawFrame(TPainter& p, const TFrameLayout& l, bool active) const override {
        const float w = float(p.Width()), h = float(p.Height());
        const TShape outline = Box(0, 0, w, h, 12);
        const TShape client = Box(l.ClientLeft, l.ClientTop, l.ClientRight, l.ClientBottom);
        p.Fill(Cut(outline, client), Rgb(active ? Tangerine : Grey));
        // The hard shadow under the caption and along the bottom border.
        const uint32_t shade = active ? TangerineShade : GreyShade;
        p.Fill(Box(l.CaptionLeft, l.CaptionBottom - Step, l.CaptionRight, l.CaptionBottom),
               Rgb(shade));
        p.Fill(Cut(outline, Moved(outline, 0, -Step - Outline)), Rgb(shade));
        if (active) { // a cartoon shine on the top left corner
            p.Fill(Polyline({{5.5f, 13}, {6.5f, 8.5f}, {9.5f, 5.5f}, {14, 4.5f}}, 2), Rgb(0xFFD9A8));
        }
        p.Fill(InnerBand(outline, Outline), Rgb(Ink));
        p.Fill(Cut(Grown(client, Outline), client), Rgb(Ink));
    }

    void DrawCaptionButton(TPainter& p, TCaptionButton button, TButtonLook look) const override {
        const TBox b = Square(Whole(p));
        const TToon c = CaptionButtonColors(button, look);
        const TShape disc = Circle(b.CentreX(), b.CentreY(), b.Width() / 2);
        const bool pressed = look == TButtonLook::Pressed;
        DrawToon(p, disc, c, pressed ? 0 : 2);
        const float side = std::round(b.Height() * 0.48f);
        const TBox figure = b.Inset((b.Height() - side) / 2).Moved(0, pressed ? 1 : -0.5f);
        p.Fill(CaptionFigure(button, figure, b.Height() > 17 ? 1.7f : 1.4f), Rgb(c.Line));
    }

    void DrawMenuBar(TPainter& p) const override {
        const TBox b = Whole(p);
        p.Fill(BoxShape(b), Rgb(Sunflower));
        p.Fill(BoxShape({b.X0, b.Y1 - Outline, b.X1, b.Y1}), Rgb(Ink));
    }

    void DrawMenuBarItem(TPainter& p, TState state) const override {
        if (state != TState::Hot && state != TState::Focused) return;
        const TShape pill = BoxShape(Whole(p), 3);
        p.Fill(pill, Rgb(state == TState::Focused ? Tangerine : Sky));
        p.Fill(InnerBand(pill, Outline), Rgb(Ink));
    }

    void DrawPopupFrame(TPainter& p) const override {
        const TBox b = Whole(p);
        const TShape sheet = BoxShape({b.X0, b.Y0, b.X1 - Step, b.Y1 - Step}, 2);
        p.Fill(Moved(sheet, Step, Step), Rgb(Ink)); // a hard drop shadow
        p.Fill(sheet, Rgb(Cream));
        p.Fill(InnerBand(sheet, Outline), Rgb(Ink));
    }

    void DrawPopupItem(TPainter& p, TState state) const override {
        if (state != TState::Hot && state != TState::Focused) return;
        const TShape pill = BoxShape(Whole(p), 3);
        p.Fill(pill, Rgb(Sky));
        p.Fill(InnerBand(pill, Outline), Rgb(Ink));
    }

    void DrawSeparator(TPainter& p) const override {
        const TBox b = Whole(p);
        p.Fill(BoxShape({b.X0, b.CentreY() - 1, b.X1, b.CentreY() + 1}), Rgb(Ink));
    }

    void DrawPanel(TPainter& p) const override {
        const TShape sheet = BoxShape(Whole(p), 4);
        p.Fill(sheet, Rgb(Cream));
        p.Fill(InnerBand(sheet, Outline), Rgb(Ink));
    }

    // A sky band standing on its hard shadow; text sits on every row of it, so no black line.
    void DrawPanelCaption(TPainter& p) const override {
        const TBox b = Whole(p);
        p.Fill(BoxShape(b), Rgb(Sky));
        p.Fill(BoxShape({b.X0, b.Y1 - Step, b.X1, b.Y1}), Rgb(SkyShade));
    }

    void DrawPanelButton(TPainter& p, TPanelButton button, TState state) const override {
        const TBox b = Whole(p);
        DrawRoundButton(p, b, state, PanelFigure(button, b.Inset(b.Width() * 0.3f), 2));
    }

    void DrawButton(TPainter& p, TState state) const override {
        DrawToonState(p, BoxShape(Whole(p), 9), state);
    }

    void DrawTrack(TPainter& p, TAxis) const override {
        const TBox b = Whole(p);
        DrawToon(p, BoxShape(b, std::min(b.Width(), b.Height()) / 2), {Paper, Paper, Ink}, 0);
    }

    void DrawTrackHighlight(TPainter& p, TAxis) const override {
        const TBox b = Whole(p);
        DrawToon(p, BoxShape(b, std::min(b.Width(), b.Height()) / 2),
                 {Tangerine, Tangerine, Ink}, 0);
    }

    void DrawThumb(TPainter& p, TAxis, TState state) const override {
        DrawToonState(p, BoxShape(Whole(p), 5), state);
    }

    void DrawScrollTrough(TPainter& p, TAxis axis) const override {
        const TBox b = Whole(p);
        p.Fill(BoxShape(b), Rgb(0xD3EEFB));
        const bool horz = axis == TAxis::Horizontal;
        for (float edge : {0.0f, (horz ? b.Y1 : b.X1) - Outline})
            p.Fill(horz ? BoxShape({b.X0, edge, b.X1, edge + Outline})
                        : BoxShape({edge, b.Y0, edge + Outline, b.Y1}),
                   Rgb(Ink));
    }

    void DrawScrollButton(TPainter& p, TArrow arrow, TState state) const override {
        const TBox b = Whole(p);
        const float nudge = state == TState::Pressed ? 0.5f : -0.5f;
        DrawRoundButton(p, b, state, ArrowFigure(arrow, b.Inset(b.Width() * 0.27f).Moved(0, nudge)));
    }

    void DrawScrollSlider(TPainter& p, TAxis, TState state) const override {
        const TBox b = Whole(p);
        const TToon pressed = {TangerineShade, TangerineShade, Ink};
        const TShape pill = BoxShape(b, float(ScrollSliderEnd));
        if (state == TState::Normal) DrawToon(p, pill, {Tangerine, TangerineShade, Ink});
        else if (state == TState::Pressed) DrawToon(p, pill, pressed, 0);
        else DrawToonState(p, pill, state);
    }

    void DrawField(TPainter& p, TState state) const override {
        const TShape sheet = BoxShape(Whole(p), 4);
        const bool dead = state == TState::Disabled;
        p.Fill(sheet, Rgb(dead ? 0xEFEFEF : Paper));
        p.Fill(InnerBand(sheet, Outline), Rgb(dead ? DeadInk : Ink));
        if (state == TState::Hot || state == TState::Focused)
            p.Fill(InnerBand(Grown(sheet, -Outline), 2), Rgb(state == TState::Hot ? Sky : Tangerine));
    }

    void DrawComboButton(TPainter& p, TState state) const override {
        const TBox b = Whole(p);
        DrawToonState(p, BoxShape(b, 4), state == TState::Focused ? TState::Normal : state);
        const TBox arrow = Square(b).Inset(b.Width() * 0.26f).Moved(0, -1);
        p.Fill(ArrowFigure(TArrow::Down, arrow), Rgb(FigureInk(state)));
    }

    void DrawCheckBox(TPainter& p, TCheck check, TState state) const override {
        const TBox b = Whole(p);
        DrawGlyphBase(p, BoxShape(b, 3), state);
        const TRgba ink = Rgb(FigureInk(state));
        if (check == TCheck::Checked) p.Fill(CheckFigure(b.Inset(3.5f), 2.4f), ink);
        if (check == TCheck::Mixed) p.Fill(DashFigure(b.Inset(4), 2.5f), ink);
    }

    void DrawRadio(TPainter& p, bool checked, TState state) const override {
        const TBox b = Whole(p);
        DrawGlyphBase(p, Circle(b.CentreX(), b.CentreY(), b.Width() / 2), state);
        if (checked)
            p.Fill(Circle(b.CentreX(), b.CentreY(), b.Width() * 0.22f), Rgb(FigureInk(state)));
    }

    void DrawGroupFrame(TPainter& p) const override {
        p.Fill(InnerBand(BoxShape(Whole(p).Inset(1), 6), Outline), Rgb(Ink));
    }

    // The caption breaks the group's outline with a patch of the window's cream.
    void DrawGroupCaption(TPainter& p) const override {
        p.Fill(BoxShape(Whole(p), 3), Rgb(Cream));
    }

    void DrawTab(TPainter& p, TSide side, TState state) const override {
        DrawTabShape(p, side, state);
    }

    void DrawTabFrame(TPainter& p) const override {
        DrawPanel(p);
    }

    void DrawTabButton(TPainter& p, TArrow arrow, TState state) const override {
        DrawScrollButton(p, arrow, state);
    }

private:
    // The white (or, hot and focused, tinted) well of a check box or radio button.
    static void DrawGlyphBase(TPainter& p, const TShape& shape, TState state) {
        const uint32_t fill = state == TState::Hot       ? 0xBDE8FB
                              : state == TState::Focused ? 0xFFE0B0
                              : state == TState::Disabled ? 0xEBEBEB
                                                          : Paper;
        DrawToon(p, shape, {fill, fill, state == TState::Disabled ? Faded : Ink}, 0);
    }
};

} // namespace

std::unique_ptr<TLook> MakeCellShadedLook() {
    return std::make_unique<TCellShadedLook>();
}

} // namespace skin_art
