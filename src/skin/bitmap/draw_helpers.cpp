#include "skin/bitmap/draw_helpers.h"

#include "platform/keyboard_settings.h"

#include <cmath>

namespace brisat {

TRect CenterRectVertically(const TRect& inner, const TRect& outer) {
    const int32_t dy = CheckedSub(RectHeight(outer), RectHeight(inner)) / 2;
    const int32_t top = CheckedAdd(outer.Top, dy);
    return {inner.Left, top, inner.Right, CheckedAdd(top, RectHeight(inner))};
}

TRect CenterRect(const TRect& inner, const TRect& outer) {
    const TRect vertical = CenterRectVertically(inner, outer);
    const int32_t dx = CheckedSub(RectWidth(outer), RectWidth(inner)) / 2;
    const int32_t left = CheckedAdd(outer.Left, dx);
    return {left, vertical.Top, CheckedAdd(left, RectWidth(inner)), vertical.Bottom};
}

TRect GrowRect(const TRect& rect, int32_t n) {
    return {CheckedSub(rect.Left, n), CheckedSub(rect.Top, n), CheckedAdd(rect.Right, n),
            CheckedAdd(rect.Bottom, n)};
}

bool PointInPolygon(TPoint point, std::span<const TPoint> polygon) {
    bool inside = false;
    const size_t n = polygon.size();
    for (size_t i = 0, j = n - 1; i < n; j = i++) {
        const TPoint& a = polygon[i];
        const TPoint& b = polygon[j];
        if ((a.Y > point.Y) == (b.Y > point.Y)) continue;
        // Does the edge cross the horizontal ray to the right of the point? The products of two
        // 33-bit differences are exact in 128 bits.
        using Wide = __int128;
        const Wide lhs = Wide(int64_t(point.X) - a.X) * (int64_t(b.Y) - a.Y);
        const Wide rhs = Wide(int64_t(b.X) - a.X) * (int64_t(point.Y) - a.Y);
        if ((b.Y > a.Y) ? lhs < rhs : lhs > rhs) inside = !inside;
    }
    return inside;
}

int32_t KeyboardRepeatDelay(int32_t delaySetting) {
    return (delaySetting + 1) * 200;
}

int32_t KeyboardRepeatInterval(int32_t speedSetting) {
    return int32_t(std::nearbyint(1000 / ((speedSetting + 1) * 2.3)));
}

int32_t KeyboardRepeatDelay() {
    return KeyboardRepeatDelay(GetKeyboardSettings().Delay);
}

int32_t KeyboardRepeatInterval() {
    return KeyboardRepeatInterval(GetKeyboardSettings().Speed);
}

bool IsAppThemed() {
    return false;
}

} // namespace brisat
