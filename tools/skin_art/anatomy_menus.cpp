// Menus: the bar ("MenuBar": its frame and items, also in their tool-bar variant) and popups
// ("PopupMenu": the frame whose margins inset the items, the items and the separator).
#include "skin_art/anatomy_parts.h"

namespace skin_art {
namespace {

using namespace brisat;

constexpr int NominalWidth = 64; // pieces stretch or tile to any width
constexpr int ItemMargin = 3;
constexpr int BarItemPadding = 8;
constexpr int GlyphColumn = 22;
constexpr int ArrowColumn = 16;

void AddBar(TBuilder& b, TSeSkinObject& bar, const char* frameName, const char* itemName) {
    const int inset = (b.M.MenuBarHeight - b.M.MenuItemHeight) / 2;
    const TPieceRef back = b.Controls.Add(NominalWidth, b.M.MenuBarHeight,
                                          [&](art_kit::TPainter& p) { b.Look.DrawMenuBar(p); });
    auto& frame = AddBox(bar, frameName, back, 0);
    SetMargins(frame, 2, inset, 2, b.M.MenuBarHeight - b.M.MenuItemHeight - inset);
    const auto piece = [&](TState state) {
        return b.Controls.Add(NominalWidth, b.M.MenuItemHeight, [&](art_kit::TPainter& p) {
            b.Look.DrawMenuBarItem(p, state);
        });
    };
    auto& item = AddStateBox(bar, itemName, piece, {TState::Hot, TState::Focused}, ItemMargin);
    item.SetTextAlign(TSeTextAlign::taCenter);
    item.SetTextMarginLeft(BarItemPadding);
    item.SetTextMarginRight(BarItemPadding);
    SetFont(item.Font(), b.M.Font, b.P.MenuBarText);
}

} // namespace

void BuildMenuBar(TBuilder& b) {
    auto& bar = b.Top<TSeSkinObject>("MenuBar", 200, b.M.MenuBarHeight);
    bar.SetKind(TSeKind::skMenuBar);
    SetFont(bar.Font(), b.M.Font, b.P.MenuBarText);
    AddBar(b, bar, "Frame", "Item");
    AddBar(b, bar, "ToolbarFrame", "ToolbarItem");
}

void BuildPopupMenu(TBuilder& b) {
    auto& popup = b.Top<TSeSkinObject>("PopupMenu", 140, 100);
    popup.SetKind(TSeKind::skPopupMenu);
    SetFont(popup.Font(), b.M.Font, b.P.MenuText);
    const int border = b.M.PopupBorder;
    AddBox(popup, "Frame", b.Controls.Add(NominalWidth, NominalWidth, [&](art_kit::TPainter& p) {
        b.Look.DrawPopupFrame(p);
    }), border);

    const auto piece = [&](TState state) {
        return b.Controls.Add(NominalWidth, b.M.MenuItemHeight, [&](art_kit::TPainter& p) {
            b.Look.DrawPopupItem(p, state);
        });
    };
    auto& item = AddStateBox(popup, "Item", piece,
                             {TState::Hot, TState::Focused, TState::Disabled}, ItemMargin);
    item.SetKind(TSeKind::skPopupMenuItem);
    item.SetTextAlign(TSeTextAlign::taLeft);
    item.SetTextMarginLeft(GlyphColumn + 4);
    item.SetTextMarginRight(ArrowColumn);
    SetFont(item.Font(), b.M.Font, b.P.MenuText);

    auto& separator = AddBox(popup, "Separator",
                             b.Controls.Add(NominalWidth, b.M.SeparatorHeight,
                                            [&](art_kit::TPainter& p) { b.Look.DrawSeparator(p); }),
                             0);
    SetMargins(separator, 4, 0, 4, 0);
}

} // namespace skin_art
