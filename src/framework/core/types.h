// Basic geometry of the framework: points, sizes and half-open rectangles in 32-bit pixels.
#pragma once

#include <algorithm>
#include <cstdint>

namespace brisat {

struct TPoint {
    int32_t X = 0;
    int32_t Y = 0;
    friend bool operator==(const TPoint&, const TPoint&) = default;
};

struct TSize {
    int32_t cx = 0;
    int32_t cy = 0;
    friend bool operator==(const TSize&, const TSize&) = default;
};

// Left and Top lie inside, Right and Bottom outside.
struct TRect {
    int32_t Left = 0;
    int32_t Top = 0;
    int32_t Right = 0;
    int32_t Bottom = 0;

    int32_t Width() const { return Right - Left; }
    int32_t Height() const { return Bottom - Top; }
    TPoint TopLeft() const { return {Left, Top}; }
    TPoint BottomRight() const { return {Right, Bottom}; }
    friend bool operator==(const TRect&, const TRect&) = default;
};

inline TRect Rect(int32_t left, int32_t top, int32_t right, int32_t bottom) {
    return {left, top, right, bottom};
}
inline TRect Bounds(int32_t left, int32_t top, int32_t width, int32_t height) {
    return {left, top, left + width, top + height};
}
inline bool IsRectEmpty(const TRect& r) { return r.Right <= r.Left || r.Bottom <= r.Top; }
inline bool PtInRect(const TRect& r, TPoint p) {
    return p.X >= r.Left && p.X < r.Right && p.Y >= r.Top && p.Y < r.Bottom;
}
inline TRect OffsetRect(TRect r, int32_t dx, int32_t dy) {
    return {r.Left + dx, r.Top + dy, r.Right + dx, r.Bottom + dy};
}
inline TRect InflateRect(TRect r, int32_t dx, int32_t dy) {
    return {r.Left - dx, r.Top - dy, r.Right + dx, r.Bottom + dy};
}
// Intersection; an empty result is returned as the all-zero rectangle, as the platform does.
inline TRect IntersectRect(const TRect& a, const TRect& b) {
    TRect r{std::max(a.Left, b.Left), std::max(a.Top, b.Top), std::min(a.Right, b.Right),
            std::min(a.Bottom, b.Bottom)};
    return IsRectEmpty(r) ? TRect{} : r;
}
inline TRect UnionRect(const TRect& a, const TRect& b) {
    if (IsRectEmpty(a)) return IsRectEmpty(b) ? TRect{} : b;
    if (IsRectEmpty(b)) return a;
    return {std::min(a.Left, b.Left), std::min(a.Top, b.Top), std::max(a.Right, b.Right),
            std::max(a.Bottom, b.Bottom)};
}

// (number × numerator) / denominator with a 64-bit intermediate, rounded to the nearest integer
// (halves away from zero); -1 when denominator is 0 or the result does not fit, as the platform.
int32_t MulDiv(int32_t number, int32_t numerator, int32_t denominator);

} // namespace brisat
