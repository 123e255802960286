// The images of the system menu's items, shared by every system menu of the program: close,
// minimize, maximize, restore, roll-up and tray, in that order of index. Small black marks on a
// transparent ground, drawn on first use; the list lives until the program ends. GUI thread only.
#pragma once

namespace brisat {

class TImageList;

enum class TKsSystemGlyph : int { Close, Minimize, Maximize, Restore, Rollup, Tray };

// The side of every image: the marks stay legible in a menu row of 18 pixels and more.
inline constexpr int SystemGlyphSize = 16;

TImageList& SystemGlyphs();

} // namespace brisat
