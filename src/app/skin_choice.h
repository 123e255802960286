// The eight skins of the "Skin" menu: each item's component name and the file it loads, as the
// engine's SkinFile takes it (looked up as given, then under the program's folder).
#pragma once

#include <array>
#include <string_view>

namespace brisat {

struct TSkinChoice {
    std::string_view MenuItem;
    std::string_view File;
};

// In menu order, which is also the settings file's order.
inline constexpr std::array<TSkinChoice, 8> SkinChoices{{
    {"a", "\\Skins\\alien.xskn"},
    {"c", "\\Skins\\cell_shaded.xskn"},
    {"j", "\\Skins\\jezz.xskn"},
    {"p", "\\Skins\\pencil.xskn"},
    {"pr", "\\Skins\\preluna.xskn"},
    {"s", "\\Skins\\steel.xskn"},
    {"xb", "\\Skins\\xp_blue.xskn"},
    {"xs", "\\Skins\\xp_stead.xskn"},
}};

// The skin file of the menu item named MenuItem (ignoring case); empty for another item.
std::string_view SkinFileOf(std::string_view menuItem);

} // namespace brisat
