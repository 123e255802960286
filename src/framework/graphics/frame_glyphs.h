// The marks drawn on classic frame controls: caption-button symbols, arrows, check marks and
// bullets. Each is drawn in one colour, scaled to and centred in Box (logical coordinates), from
// rectangles and shapes computed for that size, so it stays crisp at every size.
#pragma once

#include "framework/graphics/device_context.h"

namespace brisat {

enum class TGlyphArrow : uint8_t { Up, Down, Left, Right };

// Box's smaller side, limited to the largest size marks grow to (1024): nothing draws controls
// that large, and the limit bounds the work of a wild rectangle.
int32_t GlyphSize(const TRect& box);
// A Width × Height rectangle centred in Box (offsets rounded toward zero).
TRect CenteredRect(const TRect& box, int32_t width, int32_t height);

void DrawCloseGlyph(TDeviceContext& dc, const TRect& box, TColor color);
void DrawMinimizeGlyph(TDeviceContext& dc, const TRect& box, TColor color);
void DrawMaximizeGlyph(TDeviceContext& dc, const TRect& box, TColor color);
void DrawRestoreGlyph(TDeviceContext& dc, const TRect& box, TColor color);
void DrawHelpGlyph(TDeviceContext& dc, const TRect& box, TColor color);
// A filled triangle pointing that way.
void DrawArrowGlyph(TDeviceContext& dc, const TRect& box, TGlyphArrow direction, TColor color);
// A tick as wide and high as Box's smaller side, its stroke a third of that thick.
void DrawCheckGlyph(TDeviceContext& dc, const TRect& box, TColor color);
// A disc as wide as Box's smaller side.
void DrawBulletGlyph(TDeviceContext& dc, const TRect& box, TColor color);

} // namespace brisat
