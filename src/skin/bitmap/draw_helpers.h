// Small drawing helpers shared by the skinned controls: text shortening, rectangle arithmetic,
// point-in-polygon, keyboard auto-repeat timings and the theme query. Rectangle width and height
// (raising EIntOverflow) are RectWidth/RectHeight of skin/checked_math.h; the empty test and
// equality are IsRectEmpty and == of framework/types.h.
#pragma once

#include "framework/core/types.h"
#include "skin/bitmap/checked_math.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace brisat {

class TDeviceContext;
class TKsBitmap;

// Text as is when its extent fits MaxWidth; otherwise the longest prefix of whole UTF-8 code
// points, taken one by one, that still fits with "..." appended, followed by "...".
std::string EllipsisText(const TDeviceContext& dc, std::string_view text, int32_t maxWidth);
// Measured in the bitmap's font.
std::string EllipsisText(const TKsBitmap& bitmap, std::string_view text, int32_t maxWidth);

// Inner moved so that it is centred in Outer vertically (its left unchanged), or in both
// directions; offsets are (outer − inner) div 2, truncating toward zero.
TRect CenterRectVertically(const TRect& inner, const TRect& outer);
TRect CenterRect(const TRect& inner, const TRect& outer);
// Rect grown by N on every side (shrunk for a negative N).
TRect GrowRect(const TRect& rect, int32_t n);

// Even-odd rule; points on an edge may fall either way.
bool PointInPolygon(TPoint point, std::span<const TPoint> polygon);

// Auto-repeat of held buttons (scroll arrows), in milliseconds, from the platform's keyboard
// delay and speed settings.
int32_t KeyboardRepeatDelay();
int32_t KeyboardRepeatInterval();
// The same from given settings (delay 0..3, speed 0..31).
int32_t KeyboardRepeatDelay(int32_t delaySetting);
int32_t KeyboardRepeatInterval(int32_t speedSetting);

// Whether the platform draws themed controls. This platform has no theme library, so false.
bool IsAppThemed();

} // namespace brisat
