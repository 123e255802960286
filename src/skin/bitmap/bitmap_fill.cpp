// TKsBitmap: rectangle fills, frames, bevels, halftones and gradients on the raw pixels.
#include "skin/bitmap/bitmap.h"
#include "skin/bitmap/pixel_rows.h"

#include <algorithm>
#include <cmath>

namespace brisat {

namespace {

// Column X of rows Top..Bottom − 1 blended with Pixel.
void BlendColumn(TKsBitmap& bitmap, int32_t x, int32_t top, int32_t bottom, TKsPixel pixel) {
    for (int32_t y = top; y < bottom; ++y) {
        TKsPixel& p = bitmap.Row(y)[x];
        p = Blend(pixel, p);
    }
}

// One gradient channel at band K of N: nearest((Δ × k / N + start × 255) / 255).
int32_t GradientChannel(TKsPixel start, TKsPixel end, int shift, int32_t k, int32_t n) {
    const int32_t s = int32_t(start >> shift & 0xFF), e = int32_t(end >> shift & 0xFF);
    const int32_t delta = e * 255 - s * 255;
    return int32_t(std::nearbyint((double(delta * k) / n + s * 255) / 255));
}

} // namespace

void TKsBitmap::FillRect(const TRect& rect, TKsPixel pixel) {
    const TRect r = IntersectRect(rect, BoundsRect());
    const size_t width = size_t(r.Right - r.Left);
    for (int32_t y = r.Top; y < r.Bottom; ++y) {
        if (m_alphaBlend)
            BlendFillRow(Row(y) + r.Left, pixel, width);
        else
            std::fill_n(Row(y) + r.Left, width, pixel);
    }
}

void TKsBitmap::FrameRect(const TRect& rect, TKsPixel pixel) {
    BevelRect(rect, pixel, pixel);
}

void TKsBitmap::BevelRect(const TRect& rect, TKsPixel topLeft, TKsPixel bottomRight) {
    const TRect r = IntersectRect(rect, BoundsRect());
    if (IsRectEmpty(r)) return;
    // Top row to Right − 2 and left column to Bottom − 2 in TopLeft; bottom row to Right − 1
    // and right column to Bottom − 2 in BottomRight. The top-left pixel is on both of the
    // first two lines and so is blended twice.
    BlendFillRow(Row(r.Top) + r.Left, topLeft, size_t(std::max(0, r.Right - 1 - r.Left)));
    BlendColumn(*this, r.Left, r.Top, r.Bottom - 1, topLeft);
    BlendFillRow(Row(r.Bottom - 1) + r.Left, bottomRight, size_t(r.Right - r.Left));
    BlendColumn(*this, r.Right - 1, r.Top, r.Bottom - 1, bottomRight);
}

void TKsBitmap::FillHalftoneRect(const TRect& rect, TKsPixel pixel, TKsPixel dotPixel) {
    FillRect(rect, pixel);
    const TRect r = IntersectRect(rect, BoundsRect());
    for (int32_t y = r.Top; y < r.Bottom; ++y)
        HalftoneRow(y, r.Left, r.Right, dotPixel);
}

void TKsBitmap::HalftoneRow(int32_t y, int32_t left, int32_t right, TKsPixel dot) {
    TKsPixel* row = Row(y);
    // X and Y both even or both odd.
    for (int32_t x = left + ((left + y) & 1); x < right; x += 2)
        row[x] = dot;
}

void TKsBitmap::FillGradient(const TRect& rect, TKsPixel startPixel, bool vertical,
                             TKsPixel endPixel) {
    const TRect r = IntersectRect(rect, BoundsRect());
    if (IsRectEmpty(r)) return;
    const int32_t extent = vertical ? r.Bottom - r.Top : r.Right - r.Left;
    const int32_t bands = std::min(extent, 255);
    // Band k spans MulDiv(k, E, N) .. MulDiv(k + 1, E, N); band N would be empty.
    for (int32_t k = 0; k < bands; ++k) {
        const int32_t from = MulDiv(k, extent, bands), to = MulDiv(k + 1, extent, bands);
        const TKsPixel color = MakePixel(GradientChannel(startPixel, endPixel, 16, k, bands),
                                         GradientChannel(startPixel, endPixel, 8, k, bands),
                                         GradientChannel(startPixel, endPixel, 0, k, bands),
                                         GradientChannel(startPixel, endPixel, 24, k, bands));
        if (vertical)
            FillRect({r.Left, r.Top + from, r.Right, r.Top + to}, color);
        else
            FillRect({r.Left + from, r.Top, r.Left + to, r.Bottom}, color);
    }
}

} // namespace brisat
