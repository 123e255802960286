// Rasterising shapes into row spans: the ellipse and polygon rules shared by the device context's
// drawing calls and by polygon regions. Pixel (x, y) has its centre at (x + 0.5, y + 0.5).
#pragma once

#include "framework/core/types.h"

#include <cstdint>
#include <functional>
#include <span>

namespace brisat {

// The ellipse of a Width × Height box covers, in row Row (0 = top), the columns
// Inset .. Width − 1 − Inset of the box: the pixels whose centres lie inside the ellipse inscribed
// in the box drawn in by an eighth of a pixel on every side, which keeps small circles round (a 4 ×
// 4 one has two pixels in its top row, a 12 × 12 one four). The middle row is always full and every
// row holds at least the middle pixel, so the ellipse touches all four sides of its box. Symmetric
// left-right and top-bottom. Rows outside the box give an inset of (Width + 1) / 2 (nothing).
int64_t EllipseRowInset(int64_t width, int64_t height, int64_t row);

// Calls Emit(Y, X0, X1) for every run X0 ≤ x < X1 of pixels in row Y whose centres lie inside the
// closed polygon by the alternate (even-odd) rule, for the rows and columns of Within only, rows
// top to bottom and runs left to right. A centre exactly on an edge counts for the run to its
// right and below, so polygons sharing an edge never share a pixel.
using TSpanSink = std::function<void(int32_t y, int32_t x0, int32_t x1)>;
void ScanPolygon(std::span<const TPoint> points, const TRect& within, const TSpanSink& emit);

} // namespace brisat
