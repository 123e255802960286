// Panels, push buttons, check boxes, radio buttons and group boxes.
#include "skin_art/anatomy_parts.h"

namespace skin_art {
namespace {

using namespace brisat;

constexpr int Nominal = 48; // pieces stretch or tile to any size

constexpr int GroupCaptionHeight = 16;

using TDraw = std::function<void(art_kit::TPainter&)>;

// A nine-part "Frame" and a "Caption" band in the controls' text colour (panels, group boxes).
void AddFrameAndCaption(TBuilder& b, TSeSkinObject& control, const TDraw& frame, int margin,
                        const TDraw& caption, int captionHeight) {
    AddBox(control, "Frame", b.Controls.Add(Nominal, Nominal, frame), margin);
    auto& band = AddBox(control, "Caption", b.Controls.Add(Nominal, captionHeight, caption), 0);
    SetMargins(band, 4, 0, 4, 0);
    SetFont(band.Font(), b.M.Font, b.P.Text.Normal);
}

void AddPanelButton(TSeSkinObject& panel, const char* name, const TStatePiece& piece) {
    auto& button = AddStateBox(panel, name, piece, {TState::Hot, TState::Pressed}, 0);
    button.SetTileStyle(TscTileStyle::tsCenter);
}

TStatePiece PanelButtonPiece(TBuilder& b, TPanelButton kind) {
    const int size = b.M.PanelButton;
    return Cached([&b, kind, size](TState state) {
        return b.Controls.Add(size, size, [&](art_kit::TPainter& p) {
            b.Look.DrawPanelButton(p, kind, state);
        });
    });
}

TStatePiece GlyphPiece(TBuilder& b, std::function<void(art_kit::TPainter&, TState)> draw) {
    const int size = b.M.CheckSize;
    return Cached([&b, draw = std::move(draw), size](TState state) {
        return b.Controls.Add(size, size, [&](art_kit::TPainter& p) { draw(p, state); });
    });
}

void AddGlyph(TSeSkinObject& parent, const char* name, const TStatePiece& piece) {
    auto& glyph = AddStateBox(parent, name, piece,
                              {TState::Hot, TState::Focused, TState::Disabled}, 0);
    glyph.SetTileStyle(TscTileStyle::tsStretch);
}

} // namespace

void BuildPanel(TBuilder& b) {
    auto& panel = AddControl(b, "Panel", 160, 80, b.P.Text);
    AddFrameAndCaption(b, panel, [&](art_kit::TPainter& p) { b.Look.DrawPanel(p); },
                       b.M.PanelBorder, [&](art_kit::TPainter& p) { b.Look.DrawPanelCaption(p); },
                       b.M.PanelCaptionHeight);
    const TStatePiece rollUp = PanelButtonPiece(b, TPanelButton::RollUp);
    AddPanelButton(panel, "ButtonRollup", rollUp);
    AddPanelButton(panel, "ButtonRolldown", PanelButtonPiece(b, TPanelButton::RollDown));
    AddPanelButton(panel, "ButtonHide", PanelButtonPiece(b, TPanelButton::Hide));
    AddPanelButton(panel, "Button", rollUp);
}

void BuildButton(TBuilder& b) {
    auto& button = AddControl(b, "Button", 75, 25, b.P.Button);
    const auto face = [&](TState state) {
        return b.Controls.Add(Nominal, 24,
                              [&](art_kit::TPainter& p) { b.Look.DrawButton(p, state); });
    };
    AddStateBox(button, "Face", face,
                {TState::Hot, TState::Pressed, TState::Focused, TState::Disabled}, b.M.ButtonMargin);
    AddText(button, b.M.Font, b.P.Button);
}

void AddCheckGlyphs(TBuilder& b, TSeSkinObject& parent) {
    const auto glyph = [&](TCheck check) {
        return GlyphPiece(b, [&b, check](art_kit::TPainter& p, TState state) {
            b.Look.DrawCheckBox(p, check, state);
        });
    };
    AddGlyph(parent, "Checked", glyph(TCheck::Checked));
    AddGlyph(parent, "Unchecked", glyph(TCheck::Unchecked));
    AddGlyph(parent, "Mixed", glyph(TCheck::Mixed));
}

void BuildCheckBox(TBuilder& b) {
    auto& box = AddControl(b, "CheckBox", 120, 20, b.P.Text);
    AddCheckGlyphs(b, box);
    AddText(box, b.M.Font, b.P.Text);
}

void BuildRadioButton(TBuilder& b) {
    auto& radio = AddControl(b, "RadioButton", 120, 20, b.P.Text);
    const auto glyph = [&](bool checked) {
        return GlyphPiece(b, [&b, checked](art_kit::TPainter& p, TState state) {
            b.Look.DrawRadio(p, checked, state);
        });
    };
    AddGlyph(radio, "Checked", glyph(true));
    AddGlyph(radio, "Unchecked", glyph(false));
    AddText(radio, b.M.Font, b.P.Text);
}

void BuildGroupBox(TBuilder& b) {
    auto& group = AddControl(b, "GroupBox", 160, 100, b.P.Text);
    AddFrameAndCaption(b, group, [&](art_kit::TPainter& p) { b.Look.DrawGroupFrame(p); },
                       b.M.GroupMargin, [&](art_kit::TPainter& p) { b.Look.DrawGroupCaption(p); },
                       GroupCaptionHeight);
}

} // namespace skin_art
