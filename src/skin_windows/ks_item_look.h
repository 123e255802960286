// The pieces of a menu item's look: the plain look of bar and popup items drawn in system
// colours, and the check mark and sub-menu arrow the skinned look shares with it.
#pragma once

#include "framework/core/colors.h"
#include "framework/core/types.h"

#include <cstdint>

namespace brisat {

class TImageList;
class TKsBitmap;
class TMenuItem;

// The width of the glyph column (images and check marks) left of a popup item's caption.
inline constexpr int32_t ItemGlyphColumn = 22;

// The check mark: two poly-lines around Centre, the first in First, the second in Second.
void DrawItemCheckMark(TKsBitmap& bitmap, TPoint centre, TColor first, TColor second);
// The sub-menu arrow centred in Column.
void DrawItemSubMenuArrow(TKsBitmap& bitmap, const TRect& column, TColor color);
// Images' picture Index centred in Box, greyed when disabled.
void DrawItemImage(TKsBitmap& bitmap, const TImageList& images, int index, const TRect& box,
                   bool enabled);

// Selects the plain look's font into Bitmap.
void SelectPlainItemFont(TKsBitmap& bitmap);
void MeasurePlainItem(const TMenuItem& item, TKsBitmap& bitmap, bool barItem, int32_t& width,
                      int32_t& height);
// Images: the pictures to draw the item's ImageIndex from, or nullptr.
void DrawPlainItem(const TMenuItem& item, const TImageList* images, TKsBitmap& bitmap,
                   bool barItem, const TRect& rect, bool selected, bool notActive);

} // namespace brisat
