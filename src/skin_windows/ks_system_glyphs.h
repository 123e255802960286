// The images of the system menu's items, shared by every system menu of the program: close,
// minimize, maximize, restore, roll-up and tray, in that order of index. Small black marks on a
// transparent ground, drawn on first use; the list lives until the program ends. Skinned menus
// draw them in their text colour. GUI thread only.
#pragma once

#include "framework/core/colors.h"
#include "framework/core/types.h"

namespace brisat {

class TImageList;
class TKsBitmap;

enum class TKsSystemGlyph : int { Close, Minimize, Maximize, Restore, Rollup, Tray };

// The side of every image: the marks stay legible in a menu row of 18 pixels and more.
inline constexpr int SystemGlyphSize = 16;

TImageList& SystemGlyphs();

// Image Index centred in Box of Bitmap with its marks in Ink, so they read on any menu colour.
void DrawSystemGlyph(TKsBitmap& bitmap, int index, const TRect& box, TColor ink);

} // namespace brisat
