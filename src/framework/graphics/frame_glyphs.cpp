#include "framework/graphics/frame_glyphs.h"

#include <algorithm>
#include <cstdlib>

namespace brisat {

namespace {

constexpr int32_t kMaxGlyphSize = 1024;

// Caption symbols share one frame: the box of the close cross, N rows high and N + T − 1 wide,
// drawn with strokes T thick. A 16 × 14 button gets a 8 × 7 cross of 2-pixel strokes.
struct TCaptionFrame {
    int32_t n, t;
    TRect glyph;
};

TCaptionFrame CaptionFrame(const TRect& box) {
    const int32_t m = GlyphSize(box);
    const int32_t t = std::max(1, m / 7), n = std::max(2, m / 2);
    return {n, t, CenteredRect(box, n + t - 1, n)};
}

// A little window: a frame with a title bar T rows thick.
void DrawWindowMark(TDeviceContext& dc, const TRect& r, int32_t t, TColor color) {
    dc.FillRect({r.Left, r.Top, r.Right, r.Top + t}, color);
    dc.FrameRect(r, color);
}

} // namespace

int32_t GlyphSize(const TRect& box) {
    const int64_t side = std::min(int64_t(box.Right) - box.Left, int64_t(box.Bottom) - box.Top);
    return int32_t(std::clamp<int64_t>(side, 0, kMaxGlyphSize));
}

TRect CenteredRect(const TRect& box, int32_t width, int32_t height) {
    // 64-bit: a wild box's width does not fit 32 bits; the result lies inside it.
    const auto left = int32_t(box.Left + (int64_t(box.Right) - box.Left - width) / 2);
    const auto top = int32_t(box.Top + (int64_t(box.Bottom) - box.Top - height) / 2);
    return {left, top, left + width, top + height};
}

void DrawCloseGlyph(TDeviceContext& dc, const TRect& box, TColor color) {
    const auto [n, t, g] = CaptionFrame(box);
    for (int32_t k = 0; k < n; ++k) {
        dc.FillRect({g.Left + k, g.Top + k, g.Left + k + t, g.Top + k + 1}, color);
        dc.FillRect({g.Left + n - 1 - k, g.Top + k, g.Left + n - 1 - k + t, g.Top + k + 1}, color);
    }
}

void DrawMinimizeGlyph(TDeviceContext& dc, const TRect& box, TColor color) {
    const auto [n, t, g] = CaptionFrame(box);
    const TRect bar = CenteredRect(g, std::max(2, g.Width() - 2), g.Height());
    dc.FillRect({bar.Left, g.Bottom - t, bar.Right, g.Bottom}, color);
}

void DrawMaximizeGlyph(TDeviceContext& dc, const TRect& box, TColor color) {
    const auto [n, t, g] = CaptionFrame(box);
    DrawWindowMark(dc, InflateRect(g, 0, 1), t, color);
}

void DrawRestoreGlyph(TDeviceContext& dc, const TRect& box, TColor color) {
    const auto [n, t, full] = CaptionFrame(box);
    const TRect g = InflateRect(full, 0, 1);
    const int32_t w = std::max(3, g.Width() * 3 / 4), h = std::max(3, g.Height() * 3 / 4);
    const TRect back{g.Right - w, g.Top, g.Right, g.Top + h};
    const TRect front{g.Left, g.Bottom - h, g.Left + w, g.Bottom};
    dc.SaveDC(); // the front window hides the back one
    dc.ExcludeClipRect(front);
    DrawWindowMark(dc, back, t, color);
    dc.RestoreDC();
    DrawWindowMark(dc, front, t, color);
}

void DrawHelpGlyph(TDeviceContext& dc, const TRect& box, TColor color) {
    // A question mark on a 6 × 9 grid, scaled to the button.
    static constexpr TRect kStrokes[] = {{1, 0, 5, 1}, {0, 1, 2, 3}, {4, 1, 6, 4},
                                         {3, 4, 5, 5}, {2, 5, 4, 7}, {2, 8, 4, 9}};
    const int32_t m = GlyphSize(box);
    const TRect g = CenteredRect(box, std::max(4, m * 6 / 14), std::max(6, m * 9 / 14));
    auto x = [&](int32_t gx) { return g.Left + MulDiv(gx, g.Width(), 6); };
    auto y = [&](int32_t gy) { return g.Top + MulDiv(gy, g.Height(), 9); };
    for (const TRect& s : kStrokes)
        dc.FillRect({x(s.Left), y(s.Top), x(s.Right), y(s.Bottom)}, color);
}

void DrawArrowGlyph(TDeviceContext& dc, const TRect& box, TGlyphArrow direction, TColor color) {
    // K rows (or columns) widening by two from the tip: 7 × 4 in a 16-pixel button.
    const int32_t k = std::max(1, GlyphSize(box) / 4);
    const bool vertical = direction == TGlyphArrow::Up || direction == TGlyphArrow::Down;
    const bool tipFirst = direction == TGlyphArrow::Up || direction == TGlyphArrow::Left;
    const TRect g = vertical ? CenteredRect(box, 2 * k - 1, k) : CenteredRect(box, k, 2 * k - 1);
    const int32_t mid = k - 1; // the tip's offset across
    for (int32_t i = 0; i < k; ++i) {
        const int32_t half = tipFirst ? i : k - 1 - i;
        if (vertical)
            dc.FillRect({g.Left + mid - half, g.Top + i, g.Left + mid + half + 1, g.Top + i + 1},
                        color);
        else
            dc.FillRect({g.Left + i, g.Top + mid - half, g.Left + i + 1, g.Top + mid + half + 1},
                        color);
    }
}

void DrawCheckGlyph(TDeviceContext& dc, const TRect& box, TColor color) {
    // C columns, each a stroke T high: down V columns to the valley, then up to the top right.
    // Seven columns give the classic 7 × 7 tick.
    const int32_t c = std::max(3, GlyphSize(box));
    const int32_t v = (c - 1) / 3, t = std::max(1, (c + 2) / 3);
    const int32_t valley = c - 1 - v;
    const TRect g = CenteredRect(box, c, valley + t);
    for (int32_t j = 0; j < c; ++j) {
        const int32_t top = valley - std::abs(j - v);
        dc.FillRect({g.Left + j, g.Top + top, g.Left + j + 1, g.Top + top + t}, color);
    }
}

void DrawBulletGlyph(TDeviceContext& dc, const TRect& box, TColor color) {
    const int32_t m = GlyphSize(box);
    dc.SaveDC();
    dc.SetPen({color, TPenStyle::psSolid, 1});
    dc.SetBrush({color, TBrushStyle::bsSolid});
    dc.Ellipse(CenteredRect(box, m, m));
    dc.RestoreDC();
}

} // namespace brisat
