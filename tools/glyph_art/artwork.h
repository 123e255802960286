// The player's pictures, drawn by the generator: the 25 button glyphs (16 × 15 each, side by side
// in one strip), the two 104 × 23 volume bars, the 20 × 20 colour-dialog glyph and the
// program's icon.
#pragma once

#include "art_kit/painter.h"

namespace glyph_art {

using namespace art_kit;

inline constexpr int GlyphWidth = 16, GlyphHeight = 15, GlyphCount = 25;
inline constexpr int VolumeBarWidth = 104, VolumeBarHeight = 23;

// Draws glyph Index (0 … GlyphCount − 1) on a GlyphWidth × GlyphHeight painter.
void DrawGlyph(int index, TPainter& p);
// Image 0 is the empty bar, image 1 the full one.
void DrawVolumeBar(bool full, TPainter& p);
void DrawColorControlGlyph(TPainter& p); // 20 × 20
// The program's icon, on a square painter of any size (the about box shows it at 32 × 32).
void DrawAppIcon(TPainter& p);

} // namespace glyph_art
