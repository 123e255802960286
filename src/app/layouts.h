// The object texts of the player's windows, embedded at build time from src/app/layouts/*.txt.
// Each window has a main text, with every control, menu and handler name, and the main window
// and the open-URL dialog a second "decorations" text with the skin engine, the skinned frame,
// the balloon hints, the show animation and the magnet, read into the same form after the first.
// Speed buttons and menu items name their glyphs as ImageIndex into ImageList1, whose pictures
// come from app/player_artwork.h.
#pragma once

#include <string_view>

namespace brisat {

std::string_view FrmMainLayout();
std::string_view FrmMainDecorationsLayout();
std::string_view ColorControlFormLayout();
std::string_view FormSelectURLLayout();
std::string_view FormSelectURLDecorationsLayout();

} // namespace brisat
