// Xp Blue: a bright early-2000s desktop. A glossy royal-blue caption with white bold text and
// rounded top corners, glossy round-cornered caption buttons with a warm red close button,
// light beige panels, white fields with blue-grey borders and orange hover accents.
#include "art_kit/texture.h"
#include "skin_art/figures.h"

namespace skin_art {
namespace {

using namespace art_kit;

constexpr uint32_t Beige = 0xECE9D8;
constexpr uint32_t Orange = 0xF2A43A;
constexpr uint32_t FieldBorder = 0x7F9DB9;
constexpr uint32_t Selection = 0x316AC5;
constexpr uint32_t Black = 0x000000;

// A glossy fill: the upper half lighter, a crisp step at the middle, the lower half deep.
TPaint Gloss(uint32_t light, uint32_t mid, uint32_t deep, float y0, float y1) {
    const TPaint upper = VerticalGradient(Rgb(light), Rgb(mid), y0, (y0 + y1) / 2);
    const TPaint lower = VerticalGradient(Rgb(deep), Rgb(mid), (y0 + y1) / 2, y1);
    return [=](float x, float y) { return y < (y0 + y1) / 2 ? upper(x, y) : lower(x, y); };
}

struct TTint {
    uint32_t Light, Mid, Deep, Border;
};

TTint CaptionTint(bool active) {
    return active ? TTint{0x3C8CF0, 0x0D55CF, 0x0944B4, 0x0831A2}
                  : TTint{0x5F79B0, 0x46609C, 0x3E5792, 0x3A5089};
}

// A caption button's colours: blue ones, or the warm red close button.
TTint ButtonTint(bool close, TButtonLook look) {
    if (look == TButtonLook::Inactive) return {0x8FA3D2, 0x7088C2, 0x6880BB, 0xD8E0F2};
    if (close) {
        if (look == TButtonLook::Hot) return {0xF79A78, 0xE8643C, 0xD9542C, 0xFFFFFF};
        if (look == TButtonLook::Pressed) return {0xB33E1C, 0xC44A26, 0xD9603A, 0xFFFFFF};
        return {0xEE8A64, 0xD9502A, 0xC7441F, 0xFFFFFF};
    }
    if (look == TButtonLook::Hot) return {0x6FAEFF, 0x2F78F2, 0x2468E4, 0xFFFFFF};
    if (look == TButtonLook::Pressed) return {0x0B3F9E, 0x1550BE, 0x2A68D4, 0xFFFFFF};
    return {0x5A9CF8, 0x1C63E0, 0x1657D2, 0xFFFFFF};
}

// The classic rounded button: white to cream, a dark blue border, orange or blue inner rings.
void RoundButton(TPainter& p, const TBox& b, TState state) {
    const float r = 3;
    const TShape shape = BoxShape(b, r);
    uint32_t top = 0xFFFFFF, bottom = 0xE3E2DA, border = 0x003C74;
    if (state == TState::Pressed) top = 0xD9D7CC, bottom = 0xF0EFEA;
    if (state == TState::Disabled) top = bottom = 0xF5F4EF, border = 0xC9C7BA;
    p.Fill(shape, VerticalGradient(Rgb(top), Rgb(bottom), b.Y0, b.Y1));
    if (state == TState::Hot)
        p.Fill(InnerBand(BoxShape(b.Inset(1), r - 1), 2),
               VerticalGradient(Rgb(0xFFE3A0), Rgb(Orange), b.Y0, b.Y1));
    if (state == TState::Focused)
        p.Fill(InnerBand(BoxShape(b.Inset(1), r - 1), 2),
               VerticalGradient(Rgb(0xCEE7FF), Rgb(0x6A91DA), b.Y0, b.Y1));
    p.Fill(InnerBand(shape, 1), Rgb(border));
}

TRgba Glyph(TState state) {
    return state == TState::Disabled ? Rgb(0xB4B3A8) : Rgb(0x4D6185);
}

// A pale blue scroll-bar style button.
void BlueButton(TPainter& p, const TBox& b, TState state) {
    uint32_t top = 0xDCE7FD, bottom = 0xB7CCF9, border = 0xB9C9EF;
    if (state == TState::Hot) top = 0xF0F5FF, bottom = 0xCADBFC, border = 0x9DB5EA;
    if (state == TState::Pressed) top = 0x9EB6EE, bottom = 0xBCD0F7, border = 0x7E9BD8;
    if (state == TState::Disabled) top = bottom = 0xEEEDE5, border = 0xE2E0D5;
    p.Fill(BoxShape(b, 2), HorizontalGradient(Rgb(top), Rgb(bottom), b.X0, b.X1));
    p.Fill(InnerBand(BoxShape(b, 2), 1), Rgb(border));
}

void WhiteBox(TPainter& p, const TShape& shape, const TBox& b, TState state) {
    const bool off = state == TState::Disabled;
    p.Fill(shape, off ? Solid(Rgb(0xF0EFE8))
                      : VerticalGradient(Rgb(0xDCDBD2), Rgb(0xFFFFFF), b.Y0, b.Y1));
    if (state == TState::Hot) p.Fill(InnerBand(Moved(shape, 0, 0), 2.5f), Rgb(Orange, 0.8f));
    if (state == TState::Focused) p.Fill(InnerBand(shape, 2.5f), Rgb(0x8CB0EA, 0.8f));
    p.Fill(InnerBand(shape, 1), Rgb(off ? 0xCAC8BB : 0x1C5180));
}

class TXpBlueLook : public TLook {
public:
    std::string Name() const override { return "Xp Blue"; }
    std::string Folder() const override { return "xp_blue"; }

    TMetrics Metrics() const override {
        TMetrics m;
        m.Font = {"DejaVu Sans", -11, false};
        m.CaptionFont = {"DejaVu Sans", -13, true};
        m.BorderTop = 4;
        m.BorderSide = m.BorderBottom = 4;
        m.FrameCorner = 10;
        m.CaptionHeight = 25;
        m.ToolCaptionHeight = 18;
        m.CaptionButtonWidth = m.CaptionButtonHeight = 21;
        m.ToolButtonWidth = m.ToolButtonHeight = 14;
        m.ScrollBarSize = 17;
        return m;
    }

    TPalette Palette() const override {
        TPalette p;
        p.Window = Beige;
        p.CaptionText = 0xFFFFFF;
        p.MenuBarText = p.MenuText = Black;
        p.Selection = Selection;
        p.Text = {Black, Black, Black, Black, 0xA1A192};
        p.Button = {Black, Black, Black, Black, 0xA1A192};
        p.ListItem = {Black, Black, 0xFFFFFF, 0xFFFFFF, 0xA1A192};
        p.Tab = {Black, Black, Black, Black, 0xA1A192};
        return p;
    }

    void DrawFrame(TPainter& p, const TFrameLayout& l, bool active) const override {
        const float w = float(p.Width()), h = float(p.Height()), r = 8;
        const TTint t = CaptionTint(active);
        // Rounded top corners only: the box runs past the bottom and is cut square there.
        const TShape outer = Intersect(Box(0, 0, w, h + r, r), Box(0, 0, w, h));
        p.Fill(outer, HorizontalGradient(Rgb(t.Mid), Rgb(t.Deep), 0, w));
        const float ct = l.CaptionTop, cb = l.CaptionBottom;
        const TShape band = Intersect(outer, Box(0, 0, w, cb));
        p.Fill(band, Gloss(t.Light, t.Mid, t.Deep, 0, cb));
        // The gloss: a soft white sheen over the upper third of the caption.
        p.Fill(Intersect(band, Box(0, 0, w, ct + (cb - ct) * 0.3f)),
               VerticalGradient(Rgb(0xFFFFFF, 0.35f), Rgb(0xFFFFFF, 0), 0, ct + (cb - ct) * 0.3f));
        p.Fill(InnerBand(outer, 1), Rgb(t.Border));
        const TBox client{l.ClientLeft - 1, l.ClientTop, l.ClientRight + 1, l.ClientBottom + 1};
        p.Fill(InnerBand(BoxShape(client), 1), Rgb(t.Border));
    }

    void DrawCaptionButton(TPainter& p, TCaptionButton button, TButtonLook look) const override {
        const TBox b = Whole(p).Inset(0.5f);
        const TTint t = ButtonTint(button == TCaptionButton::Close, look);
        const TShape shape = BoxShape(b, 3);
        p.Fill(shape, Gloss(t.Light, t.Mid, t.Deep, b.Y0, b.Y1));
        p.Fill(InnerBand(shape, 1), Rgb(t.Border, look == TButtonLook::Inactive ? 0.6f : 1));
        const TBox figure = Square(b).Inset(b.Height() * 0.27f).Moved(
            look == TButtonLook::Pressed ? 0.5f : 0, look == TButtonLook::Pressed ? 0.5f : 0);
        p.Fill(CaptionFigure(button, figure, 2.2f),
               Rgb(look == TButtonLook::Inactive ? 0xD8E0F2 : 0xFFFFFF));
    }

    void DrawMenuBar(TPainter& p) const override {
        const TBox b = Whole(p);
        p.Fill(BoxShape(b), Rgb(Beige));
        p.Fill(Box(0, b.Y1 - 1, b.X1, b.Y1), Rgb(0xC5C2B2));
    }

    void DrawMenuBarItem(TPainter& p, TState state) const override {
        if (state == TState::Normal || state == TState::Disabled) return;
        const TBox b = Whole(p).Inset(1);
        p.Fill(BoxShape(b, 2), Rgb(state == TState::Focused ? 0xB6CBEF : 0xD3E0F6));
        p.Fill(InnerBand(BoxShape(b, 2), 1), Rgb(Selection));
    }

    void DrawPopupFrame(TPainter& p) const override {
        const TBox b = Whole(p);
        p.Fill(BoxShape(b), Rgb(0xFFFFFF));
        p.Fill(InnerBand(BoxShape(b), 1), Rgb(0x8A867A));
        p.Fill(Box(1, 1, 3 + 22, b.Y1 - 1), Rgb(0xF4F2EA)); // the glyph column
    }

    void DrawPopupItem(TPainter& p, TState state) const override {
        if (state != TState::Hot && state != TState::Focused) return;
        const TBox b = Whole(p).Inset(0.5f);
        p.Fill(BoxShape(b, 1.5f), Rgb(0xC8D8F4));
        p.Fill(InnerBand(BoxShape(b, 1.5f), 1), Rgb(Selection));
    }

    void DrawSeparator(TPainter& p) const override {
        const float y = float(p.Height() / 2);
        p.Fill(Box(26, y, float(p.Width()) - 2, y + 1), Rgb(0xC5C2B2));
    }

    void DrawPanel(TPainter& p) const override {
        const TBox b = Whole(p);
        p.Fill(BoxShape(b), Rgb(Beige));
        p.Fill(InnerBand(BoxShape(b), 1), BevelPaint(0, 0, b.X1, b.Y1, Rgb(0xFFFFFF), Rgb(0xACA899)));
        p.Fill(InnerBand(BoxShape(b.Inset(1)), 1), Rgb(0xF6F5EE));
    }

    void DrawPanelCaption(TPainter& p) const override {
        const TBox b = Whole(p);
        p.Fill(BoxShape(b), VerticalGradient(Rgb(0xE3ECFB), Rgb(0xBCD0F2), 0, b.Y1));
        p.Fill(Box(0, b.Y1 - 1, b.X1, b.Y1), Rgb(0x8CA6D8));
    }

    void DrawPanelButton(TPainter& p, TPanelButton button, TState state) const override {
        const TBox b = Whole(p).Inset(0.5f);
        BlueButton(p, b, state);
        p.Fill(PanelFigure(button, b.Inset(b.Width() * 0.3f), 1.8f), Glyph(state));
    }

    void DrawButton(TPainter& p, TState state) const override {
        RoundButton(p, Whole(p).Inset(0.5f), state);
    }

    void DrawTrack(TPainter& p, TAxis) const override {
        const TBox b = Whole(p).Inset(0.5f);
        p.Fill(BoxShape(b, 2), Rgb(0xF3F2EC));
        p.Fill(InnerBand(BoxShape(b, 2), 1), BevelPaint(b.X0, b.Y0, b.X1, b.Y1, Rgb(0x9D9C99), Rgb(0xFFFFFF)));
    }

    void DrawTrackHighlight(TPainter& p, TAxis axis) const override {
        const TBox b = Whole(p).Inset(1.5f);
        p.Fill(BoxShape(b, 1.5f), axis == TAxis::Horizontal
                                      ? VerticalGradient(Rgb(0x7FB0F5), Rgb(0x2460C8), b.Y0, b.Y1)
                                      : HorizontalGradient(Rgb(0x7FB0F5), Rgb(0x2460C8), b.X0, b.X1));
    }

    void DrawThumb(TPainter& p, TAxis axis, TState state) const override {
        const TBox b = Whole(p).Inset(0.5f);
        const bool off = state == TState::Disabled;
        const TShape shape = BoxShape(b, 2.5f);
        const uint32_t a = state == TState::Pressed ? 0xDCDCD4 : 0xFFFFFF;
        const uint32_t c = state == TState::Pressed ? 0xF4F4EF : 0xE6E5DD;
        p.Fill(shape, axis == TAxis::Horizontal ? VerticalGradient(Rgb(a), Rgb(c), b.Y0, b.Y1)
                                                : HorizontalGradient(Rgb(a), Rgb(c), b.X0, b.X1));
        const uint32_t accent = state == TState::Hot || state == TState::Pressed ? Orange
                                : state == TState::Focused                     ? 0x6A91DA
                                                                               : 0x21A121;
        if (!off) {
            const TShape tip = axis == TAxis::Horizontal ? Box(b.X0, b.Y1 - 3, b.X1, b.Y1)
                                                         : Box(b.X1 - 3, b.Y0, b.X1, b.Y1);
            p.Fill(Intersect(shape, tip), Rgb(accent));
        }
        p.Fill(InnerBand(shape, 1), Rgb(off ? 0xC9C7BA : 0x1C5180));
    }

    void DrawScrollTrough(TPainter& p, TAxis axis) const override {
        const TBox b = Whole(p);
        p.Fill(BoxShape(b), axis == TAxis::Horizontal
                                ? VerticalGradient(Rgb(0xEEEDE5), Rgb(0xFEFEFB), 0, b.Y1)
                                : HorizontalGradient(Rgb(0xEEEDE5), Rgb(0xFEFEFB), 0, b.X1));
    }

    void DrawScrollButton(TPainter& p, TArrow arrow, TState state) const override {
        const TBox b = Whole(p).Inset(0.5f);
        BlueButton(p, b, state);
        p.Fill(ArrowFigure(arrow, b.Inset(b.Width() * 0.3f)),
               state == TState::Pressed ? Rgb(0xFFFFFF) : Glyph(state));
    }

    void DrawScrollSlider(TPainter& p, TAxis, TState state) const override {
        BlueButton(p, Whole(p).Inset(0.5f), state);
    }

    void DrawField(TPainter& p, TState state) const override {
        const TBox b = Whole(p);
        const bool off = state == TState::Disabled;
        p.Fill(BoxShape(b), Rgb(off ? 0xEBEBE4 : 0xFFFFFF));
        const uint32_t border = state == TState::Hot       ? 0x5C86C8
                                : state == TState::Focused ? 0x3C7FB1
                                : off                      ? 0xC9C7BA
                                                           : FieldBorder;
        p.Fill(InnerBand(BoxShape(b), state == TState::Focused ? 2.0f : 1.0f), Rgb(border));
    }

    void DrawComboButton(TPainter& p, TState state) const override {
        const TBox b = Whole(p).Inset(1.5f);
        BlueButton(p, b, state == TState::Focused ? TState::Normal : state);
        p.Fill(ArrowFigure(TArrow::Down, Square(b).Inset(b.Width() * 0.28f)),
               state == TState::Pressed ? Rgb(0xFFFFFF) : Glyph(state));
    }

    void DrawCheckBox(TPainter& p, TCheck check, TState state) const override {
        const TBox b = Whole(p).Inset(0.5f);
        WhiteBox(p, BoxShape(b), b, state);
        const TRgba green = state == TState::Disabled ? Rgb(0xC9C7BA) : Rgb(0x21A121);
        if (check == TCheck::Checked) p.Fill(CheckFigure(b.Inset(2.5f), 2), green);
        if (check == TCheck::Mixed) p.Fill(BoxShape(b.Inset(3.5f)), green);
    }

    void DrawRadio(TPainter& p, bool checked, TState state) const override {
        const TBox b = Whole(p).Inset(0.5f);
        const float c = b.CentreX(), r = b.Width() / 2;
        WhiteBox(p, Circle(c, c, r), b, state);
        if (checked)
            p.Fill(Circle(c, c, r * 0.4f), state == TState::Disabled
                                               ? Solid(Rgb(0xC9C7BA))
                                               : RadialGradient(Rgb(0x8BE38B), Rgb(0x168516), c - 1, c - 1, r * 0.5f));
    }

    void DrawGroupFrame(TPainter& p) const override {
        p.Fill(InnerBand(BoxShape(Whole(p).Inset(0.5f), 3), 1), Rgb(0xD0D0BF));
    }

    void DrawGroupCaption(TPainter& p) const override {
        p.Fill(BoxShape(Whole(p)), Rgb(Beige)); // hides the frame's line behind the caption
    }

    void DrawTab(TPainter& p, TSide side, TState state) const override {
        const float w = float(p.Width()), h = float(p.Height()), o = 4;
        TBox b{0.5f, 0.5f, w - 0.5f, h - 0.5f};
        if (side == TSide::Top) b.Y1 += o;
        if (side == TSide::Bottom) b.Y0 -= o;
        if (side == TSide::Left) b.X1 += o;
        if (side == TSide::Right) b.X0 -= o;
        const bool selected = state == TState::Focused;
        const TShape shape = BoxShape(b, 3);
        p.Fill(shape, VerticalGradient(Rgb(0xFFFFFF), Rgb(selected ? 0xFCFCFE : 0xECEBE6), 0, h));
        p.Fill(InnerBand(shape, 1), Rgb(0x919B9C));
        if (state == TState::Normal) return;
        // The warm strip on the tab's outer edge marks the hot and the selected tab.
        const float s = 3;
        const TShape strip = side == TSide::Top      ? Box(0, 0, w, s)
                             : side == TSide::Bottom ? Box(0, h - s, w, h)
                             : side == TSide::Left   ? Box(0, 0, s, h)
                                                     : Box(w - s, 0, w, h);
        p.Fill(Intersect(shape, strip), Rgb(selected ? 0xE68B2C : 0xFFC85A));
    }

    void DrawTabFrame(TPainter& p) const override {
        const TBox b = Whole(p);
        p.Fill(BoxShape(b), Rgb(0xFCFCFE));
        p.Fill(InnerBand(BoxShape(b), 1), Rgb(0x919B9C));
    }

    void DrawTabButton(TPainter& p, TArrow arrow, TState state) const override {
        DrawScrollButton(p, arrow, state);
    }
};

} // namespace

std::unique_ptr<TLook> MakeXpBlueLook() {
    return std::make_unique<TXpBlueLook>();
}

} // namespace skin_art
