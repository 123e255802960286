// The standard glyphs of the button kinds: two 16 x 16 cells (normal, disabled) on an olive
// background that the bottom-left pixel marks transparent. Drawn on first use and shared by
// every button until the program ends. GUI thread only.
#pragma once

#include "framework/graphics/graphics.h"
#include "skin_controls/ks_custom_button.h"

namespace brisat {

// The glyph of Kind; an empty bitmap for bkCustom.
const TBitmap& KindGlyph(TBitBtnKind kind);

} // namespace brisat
