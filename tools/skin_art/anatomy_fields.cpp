// Fields and what lives in them: list boxes, combo boxes, edits, and the tab control.
#include "skin_art/anatomy_parts.h"

namespace skin_art {
namespace {

using namespace brisat;

constexpr int Nominal = 48;
constexpr int FieldHeight = 24;
constexpr int ListItemHeight = 16;

TStatePiece FieldPiece(TBuilder& b) {
    return Cached([&b](TState state) {
        return b.Controls.Add(Nominal, FieldHeight,
                              [&](art_kit::TPainter& p) { b.Look.DrawField(p, state); });
    });
}

void AddField(TBuilder& b, TSeSkinObject& parent, const TStatePiece& field) {
    AddStateBox(parent, "Frame", field, {TState::Hot, TState::Focused, TState::Disabled},
                b.M.FieldMargin);
}

// The colour inside a field in State, 0xRRGGBB.
uint32_t FieldInside(const TBuilder& b, TState state) {
    art_kit::TPainter p(Nominal, FieldHeight);
    b.Look.DrawField(p, state);
    return p.Pixels()[size_t(FieldHeight / 2 * Nominal + Nominal / 2)] & 0xFFFFFF;
}

void AddListItem(TBuilder& b, TSeSkinObject& list) {
    auto& item = Child<TSeColorButtonObject>(list, "Item", TSeAlign::saNone, Nominal,
                                             ListItemHeight);
    const uint32_t inside = FieldInside(b, TState::Normal);
    const TTextColors& text = b.P.ListItem;
    item.SetColor(ToColor(inside));
    SetFont(item.Font(), b.M.Font, text.Normal);
    item.SetHotColor(ToColor(inside));
    SetFont(item.HotFont(), b.M.Font, text.Hot);
    item.SetPressedColor(ToColor(b.P.Selection));
    SetFont(item.PressedFont(), b.M.Font, text.Pressed);
    item.SetFocusedColor(ToColor(b.P.Selection));
    SetFont(item.FocusedFont(), b.M.Font, text.Focused);
    item.SetDisabledColor(ToColor(FieldInside(b, TState::Disabled)));
    SetFont(item.DisabledFont(), b.M.Font, text.Disabled);
}

TRect TabSize(TSide side, const TMetrics& m) {
    return side == TSide::Top || side == TSide::Bottom ? TRect{0, 0, Nominal, m.TabHeight}
                                                       : TRect{0, 0, m.TabHeight, Nominal};
}

} // namespace

void BuildListBox(TBuilder& b) {
    auto& list = AddControl(b, "ListBox", 120, 97, b.P.ListItem);
    AddField(b, list, FieldPiece(b));
    AddListItem(b, list);
    AddCheckGlyphs(b, list);
}

void BuildComboBox(TBuilder& b) {
    auto& combo = AddControl(b, "ComboBox", 145, 21, b.P.Text);
    AddField(b, combo, FieldPiece(b));
    const auto button = [&](TState state) {
        return b.Controls.Add(b.M.ComboButtonWidth, 21,
                              [&](art_kit::TPainter& p) { b.Look.DrawComboButton(p, state); });
    };
    auto& arrow = AddStateBox(combo, "Button", button,
                              {TState::Hot, TState::Pressed, TState::Focused, TState::Disabled}, 0);
    arrow.SetTileStyle(TscTileStyle::tsStretch);
    AddText(combo, b.M.Font, b.P.Text);
}

void BuildEdit(TBuilder& b) {
    auto& edit = AddControl(b, "Edit", 121, 21, b.P.Text);
    AddField(b, edit, FieldPiece(b));
    AddText(edit, b.M.Font, b.P.Text);
}

void BuildTabs(TBuilder& b) {
    auto& tabs = AddControl(b, "Tabs", 289, 193, b.P.Tab);
    struct TTabName {
        TSide Side;
        const char* Name;
    };
    const TTabName names[] = {{TSide::Top, "Tab"},
                              {TSide::Top, "TabTop"},
                              {TSide::Bottom, "TabBottom"},
                              {TSide::Left, "TabLeft"},
                              {TSide::Right, "TabRight"}};
    TStatePiece pieces[4];
    for (int side = 0; side < 4; ++side)
        pieces[side] = Cached([&b, side](TState state) {
            const TRect size = TabSize(TSide(side), b.M);
            return b.Controls.Add(size.Width(), size.Height(), [&](art_kit::TPainter& p) {
                b.Look.DrawTab(p, TSide(side), state);
            });
        });
    for (const TTabName& name : names)
        AddStateBox(tabs, name.Name, pieces[int(name.Side)], {TState::Hot, TState::Focused},
                    b.M.TabMargin);
    AddBox(tabs, "Frame", b.Controls.Add(Nominal, Nominal, [&](art_kit::TPainter& p) {
        b.Look.DrawTabFrame(p);
    }), b.M.TabMargin);
    for (TArrow arrow : {TArrow::Left, TArrow::Right}) {
        const auto piece = [&b, arrow](TState state) {
            return b.Controls.Add(b.M.TabButton, b.M.TabButton, [&](art_kit::TPainter& p) {
                b.Look.DrawTabButton(p, arrow, state);
            });
        };
        auto& button = AddStateBox(tabs, arrow == TArrow::Left ? "LeftButton" : "RightButton",
                                   piece, {TState::Hot, TState::Pressed}, 0);
        button.SetTileStyle(TscTileStyle::tsStretch);
    }
    AddText(tabs, b.M.Font, b.P.Tab);
}

} // namespace skin_art
