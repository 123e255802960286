#include "skin_art/look_xp_family.h"

#include "art_kit/texture.h"
#include "skin_art/figures.h"

namespace skin_art {
namespace {

using namespace art_kit;

// A glossy fill: the upper half lighter, a crisp step at the middle, the lower half deep.
TPaint Gloss(uint32_t light, uint32_t mid, uint32_t deep, float y0, float y1) {
    const TPaint upper = VerticalGradient(Rgb(light), Rgb(mid), y0, (y0 + y1) / 2);
    const TPaint lower = VerticalGradient(Rgb(deep), Rgb(mid), (y0 + y1) / 2, y1);
    return [=](float x, float y) { return y < (y0 + y1) / 2 ? upper(x, y) : lower(x, y); };
}

class TXpFamilyLook : public TLook {
public:
    explicit TXpFamilyLook(const TXpScheme& scheme) : s(scheme) {}

    std::string Name() const override { return s.Name; }
    std::string Folder() const override { return s.Folder; }

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
        p.Window = s.Window;
        p.CaptionText = s.CaptionText;
        p.MenuBarText = p.MenuText = s.Text;
        p.Selection = s.Selection;
        p.Text = {s.Text, s.Text, s.Text, s.Text, s.DisabledText};
        p.Button = p.Text;
        p.ListItem = {s.Text, s.Text, s.SelectedText, s.SelectedText, s.DisabledText};
        p.Tab = p.Text;
        return p;
    }

    void DrawFrame(TPainter& p, const TFrameLayout& l, bool active) const override {
        const float w = float(p.Width()), h = float(p.Height()), r = s.FrameRadius;
        const TXpTint& t = active ? s.Caption : s.InactiveCaption;
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
        const TXpTint& t = KeyTint(button == TCaptionButton::Close, look);
        const TShape shape = BoxShape(b, s.ControlRadius);
        p.Fill(shape, Gloss(t.Light, t.Mid, t.Deep, b.Y0, b.Y1));
        p.Fill(InnerBand(shape, 1), Rgb(t.Border, look == TButtonLook::Inactive ? 0.6f : 1));
        const TBox figure = Square(b).Inset(b.Height() * 0.27f).Moved(
            look == TButtonLook::Pressed ? 0.5f : 0, look == TButtonLook::Pressed ? 0.5f : 0);
        p.Fill(CaptionFigure(button, figure, 2.2f),
               Rgb(look == TButtonLook::Inactive ? s.InactiveKeyFigure : s.KeyFigure));
    }

    void DrawMenuBar(TPainter& p) const override {
        const TBox b = Whole(p);
        p.Fill(BoxShape(b), Rgb(s.Window));
        p.Fill(Box(0, b.Y1 - 1, b.X1, b.Y1), Rgb(s.Rule));
    }

    void DrawMenuBarItem(TPainter& p, TState state) const override {
        if (state == TState::Normal || state == TState::Disabled) return;
        const TBox b = Whole(p).Inset(1);
        const float r = s.ControlRadius - 1;
        p.Fill(BoxShape(b, r), Rgb(state == TState::Focused ? s.BarItemOpen : s.BarItemHot));
        p.Fill(InnerBand(BoxShape(b, r), 1), Rgb(s.Selection));
    }

    void DrawPopupFrame(TPainter& p) const override {
        const TBox b = Whole(p);
        p.Fill(BoxShape(b), Rgb(0xFFFFFF));
        p.Fill(InnerBand(BoxShape(b), 1), Rgb(s.PopupBorder));
        p.Fill(Box(1, 1, 3 + 22, b.Y1 - 1), Rgb(s.GlyphColumn));
    }

    void DrawPopupItem(TPainter& p, TState state) const override {
        if (state != TState::Hot && state != TState::Focused) return;
        const TBox b = Whole(p).Inset(0.5f);
        const float r = s.ControlRadius - 1.5f;
        p.Fill(BoxShape(b, r), Rgb(s.Highlight));
        p.Fill(InnerBand(BoxShape(b, r), 1), Rgb(s.Selection));
    }

    void DrawSeparator(TPainter& p) const override {
        const float y = float(p.Height() / 2);
        p.Fill(Box(26, y, float(p.Width()) - 2, y + 1), Rgb(s.Rule));
    }

    void DrawPanel(TPainter& p) const override {
        const TBox b = Whole(p);
        p.Fill(BoxShape(b), Rgb(s.Window));
        p.Fill(InnerBand(BoxShape(b), 1),
               BevelPaint(0, 0, b.X1, b.Y1, Rgb(0xFFFFFF), Rgb(s.PanelShadow)));
        p.Fill(InnerBand(BoxShape(b.Inset(1)), 1), Rgb(s.PanelInner));
    }

    void DrawPanelCaption(TPainter& p) const override {
        const TBox b = Whole(p);
        p.Fill(BoxShape(b),
               VerticalGradient(Rgb(s.PanelCaptionTop), Rgb(s.PanelCaptionBottom), 0, b.Y1));
        p.Fill(Box(0, b.Y1 - 1, b.X1, b.Y1), Rgb(s.PanelCaptionLine));
    }

    void DrawPanelButton(TPainter& p, TPanelButton button, TState state) const override {
        const TBox b = Whole(p).Inset(0.5f);
        SmallButton(p, b, state);
        p.Fill(PanelFigure(button, b.Inset(b.Width() * 0.3f), 1.8f), Glyph(state));
    }

    void DrawButton(TPainter& p, TState state) const override {
        RoundButton(p, Whole(p).Inset(0.5f), state);
    }

    void DrawTrack(TPainter& p, TAxis) const override {
        const TBox b = Whole(p).Inset(0.5f);
        const float r = s.ControlRadius - 1;
        p.Fill(BoxShape(b, r), Rgb(0xF3F2EC));
        p.Fill(InnerBand(BoxShape(b, r), 1),
               BevelPaint(b.X0, b.Y0, b.X1, b.Y1, Rgb(0x9D9C99), Rgb(0xFFFFFF)));
    }

    void DrawTrackHighlight(TPainter& p, TAxis axis) const override {
        const TBox b = Whole(p).Inset(1.5f);
        const TRgba light = Rgb(s.TrackLight), deep = Rgb(s.TrackDeep);
        p.Fill(BoxShape(b, s.ControlRadius - 1.5f),
               axis == TAxis::Horizontal ? VerticalGradient(light, deep, b.Y0, b.Y1)
                                         : HorizontalGradient(light, deep, b.X0, b.X1));
    }

    void DrawThumb(TPainter& p, TAxis axis, TState state) const override {
        const TBox b = Whole(p).Inset(0.5f);
        const bool off = state == TState::Disabled;
        const TShape shape = BoxShape(b, s.ControlRadius - 0.5f);
        const uint32_t a = state == TState::Pressed ? 0xDCDCD4 : 0xFFFFFF;
        const uint32_t c = state == TState::Pressed ? 0xF4F4EF : 0xE6E5DD;
        p.Fill(shape, axis == TAxis::Horizontal ? VerticalGradient(Rgb(a), Rgb(c), b.Y0, b.Y1)
                                                : HorizontalGradient(Rgb(a), Rgb(c), b.X0, b.X1));
        const uint32_t accent = state == TState::Hot || state == TState::Pressed ? s.HotRing
                                : state == TState::Focused                     ? s.FocusRing
                                                                               : s.ThumbAccent;
        if (!off) {
            const TShape tip = axis == TAxis::Horizontal ? Box(b.X0, b.Y1 - 3, b.X1, b.Y1)
                                                         : Box(b.X1 - 3, b.Y0, b.X1, b.Y1);
            p.Fill(Intersect(shape, tip), Rgb(accent));
        }
        p.Fill(InnerBand(shape, 1), Rgb(off ? 0xC9C7BA : s.BoxBorder));
    }

    void DrawScrollTrough(TPainter& p, TAxis axis) const override {
        const TBox b = Whole(p);
        p.Fill(BoxShape(b), axis == TAxis::Horizontal
                                ? VerticalGradient(Rgb(0xEEEDE5), Rgb(0xFEFEFB), 0, b.Y1)
                                : HorizontalGradient(Rgb(0xEEEDE5), Rgb(0xFEFEFB), 0, b.X1));
    }

    void DrawScrollButton(TPainter& p, TArrow arrow, TState state) const override {
        const TBox b = Whole(p).Inset(0.5f);
        SmallButton(p, b, state);
        p.Fill(ArrowFigure(arrow, b.Inset(b.Width() * 0.3f)),
               state == TState::Pressed ? Rgb(0xFFFFFF) : Glyph(state));
    }

    void DrawScrollSlider(TPainter& p, TAxis, TState state) const override {
        SmallButton(p, Whole(p).Inset(0.5f), state);
    }

    void DrawField(TPainter& p, TState state) const override {
        const TBox b = Whole(p);
        const bool off = state == TState::Disabled;
        p.Fill(BoxShape(b), Rgb(off ? 0xEBEBE4 : 0xFFFFFF));
        const uint32_t border = state == TState::Hot       ? s.FieldHot
                                : state == TState::Focused ? s.FieldFocus
                                : off                      ? 0xC9C7BA
                                                           : s.FieldBorder;
        p.Fill(InnerBand(BoxShape(b), state == TState::Focused ? 2.0f : 1.0f), Rgb(border));
    }

    void DrawComboButton(TPainter& p, TState state) const override {
        const TBox b = Whole(p).Inset(1.5f);
        SmallButton(p, b, state == TState::Focused ? TState::Normal : state);
        p.Fill(ArrowFigure(TArrow::Down, Square(b).Inset(b.Width() * 0.28f)),
               state == TState::Pressed ? Rgb(0xFFFFFF) : Glyph(state));
    }

    void DrawCheckBox(TPainter& p, TCheck check, TState state) const override {
        const TBox b = Whole(p).Inset(0.5f);
        WhiteBox(p, BoxShape(b), b, state);
        const TRgba mark = state == TState::Disabled ? Rgb(0xC9C7BA) : Rgb(s.Mark);
        if (check == TCheck::Checked) p.Fill(CheckFigure(b.Inset(2.5f), 2), mark);
        if (check == TCheck::Mixed) p.Fill(BoxShape(b.Inset(3.5f)), mark);
    }

    void DrawRadio(TPainter& p, bool checked, TState state) const override {
        const TBox b = Whole(p).Inset(0.5f);
        const float c = b.CentreX(), r = b.Width() / 2;
        WhiteBox(p, Circle(c, c, r), b, state);
        if (checked)
            p.Fill(Circle(c, c, r * 0.4f),
                   state == TState::Disabled
                       ? Solid(Rgb(0xC9C7BA))
                       : RadialGradient(Rgb(s.MarkLight), Rgb(s.MarkDeep), c - 1, c - 1, r * 0.5f));
    }

    void DrawGroupFrame(TPainter& p) const override {
        p.Fill(InnerBand(BoxShape(Whole(p).Inset(0.5f), s.ControlRadius), 1), Rgb(s.GroupLine));
    }

    void DrawGroupCaption(TPainter& p) const override {
        p.Fill(BoxShape(Whole(p)), Rgb(s.Window)); // hides the frame's line behind the caption
    }

    void DrawTab(TPainter& p, TSide side, TState state) const override {
        const float w = float(p.Width()), h = float(p.Height());
        const TBox b = TabBox(p, side, 4);
        const bool selected = state == TState::Focused;
        const TShape shape = BoxShape(b, s.ControlRadius);
        p.Fill(shape, VerticalGradient(Rgb(0xFFFFFF), Rgb(selected ? 0xFCFCFE : 0xECEBE6), 0, h));
        p.Fill(InnerBand(shape, 1), Rgb(s.TabBorder));
        if (state == TState::Normal) return;
        // The warm strip on the tab's outer edge marks the hot and the selected tab.
        const float d = 3;
        const TShape strip = side == TSide::Top      ? Box(0, 0, w, d)
                             : side == TSide::Bottom ? Box(0, h - d, w, h)
                             : side == TSide::Left   ? Box(0, 0, d, h)
                                                     : Box(w - d, 0, w, h);
        p.Fill(Intersect(shape, strip), Rgb(selected ? s.TabSelected : s.TabHot));
    }

    void DrawTabFrame(TPainter& p) const override {
        const TBox b = Whole(p);
        p.Fill(BoxShape(b), Rgb(0xFCFCFE));
        p.Fill(InnerBand(BoxShape(b), 1), Rgb(s.TabBorder));
    }

    void DrawTabButton(TPainter& p, TArrow arrow, TState state) const override {
        DrawScrollButton(p, arrow, state);
    }

private:
    // A caption button's colours: the scheme's keys, or the warm close button.
    const TXpTint& KeyTint(bool close, TButtonLook look) const {
        switch (look) {
        case TButtonLook::Inactive: return s.InactiveKey;
        case TButtonLook::Hot: return close ? s.CloseHot : s.KeyHot;
        case TButtonLook::Pressed: return close ? s.ClosePressed : s.KeyPressed;
        case TButtonLook::Normal: break;
        }
        return close ? s.Close : s.Key;
    }

    // The push button: white to cream, the scheme's border, warm or cool inner rings.
    void RoundButton(TPainter& p, const TBox& b, TState state) const {
        const float r = s.ControlRadius;
        const TShape shape = BoxShape(b, r);
        uint32_t top = 0xFFFFFF, bottom = 0xE3E2DA, border = s.ButtonBorder;
        if (state == TState::Pressed) top = 0xD9D7CC, bottom = 0xF0EFEA;
        if (state == TState::Disabled) top = bottom = 0xF5F4EF, border = 0xC9C7BA;
        p.Fill(shape, VerticalGradient(Rgb(top), Rgb(bottom), b.Y0, b.Y1));
        if (state == TState::Hot)
            p.Fill(InnerBand(BoxShape(b.Inset(1), r - 1), 2),
                   VerticalGradient(Rgb(s.HotRingLight), Rgb(s.HotRing), b.Y0, b.Y1));
        if (state == TState::Focused)
            p.Fill(InnerBand(BoxShape(b.Inset(1), r - 1), 2),
                   VerticalGradient(Rgb(s.FocusRingLight), Rgb(s.FocusRing), b.Y0, b.Y1));
        p.Fill(InnerBand(shape, 1), Rgb(border));
    }

    TRgba Glyph(TState state) const {
        return state == TState::Disabled ? Rgb(s.DisabledFigure) : Rgb(s.Figure);
    }

    // The small tinted button of scroll bars, panels and combo boxes.
    void SmallButton(TPainter& p, const TBox& b, TState state) const {
        TXpFace f = state == TState::Hot       ? s.SmallHot
                    : state == TState::Pressed ? s.SmallPressed
                                               : s.Small;
        if (state == TState::Disabled) f = {0xEEEDE5, 0xEEEDE5, 0xE2E0D5};
        const float r = s.ControlRadius - 1;
        p.Fill(BoxShape(b, r), HorizontalGradient(Rgb(f.Top), Rgb(f.Bottom), b.X0, b.X1));
        p.Fill(InnerBand(BoxShape(b, r), 1), Rgb(f.Border));
    }

    // The white box of check boxes and radio buttons.
    void WhiteBox(TPainter& p, const TShape& shape, const TBox& b, TState state) const {
        const bool off = state == TState::Disabled;
        p.Fill(shape, off ? Solid(Rgb(0xF0EFE8))
                          : VerticalGradient(Rgb(0xDCDBD2), Rgb(0xFFFFFF), b.Y0, b.Y1));
        if (state == TState::Hot) p.Fill(InnerBand(shape, 2.5f), Rgb(s.HotRing, 0.8f));
        if (state == TState::Focused) p.Fill(InnerBand(shape, 2.5f), Rgb(s.BoxFocus, 0.8f));
        p.Fill(InnerBand(shape, 1), Rgb(off ? 0xCAC8BB : s.BoxBorder));
    }

    TXpScheme s;
};

} // namespace

std::unique_ptr<TLook> MakeXpFamilyLook(const TXpScheme& scheme) {
    return std::make_unique<TXpFamilyLook>(scheme);
}

} // namespace skin_art
