// A small anti-aliased painter for the artwork generators: shapes are sampled 8 × 8 times per
// pixel and laid over the picture with a paint (a colour, or a colour that varies with the
// position). Pixels are kept premultiplied and handed out as straight-alpha 0xAARRGGBB.
#pragma once

#include "art_kit/shapes.h"

#include <cstdint>
#include <functional>
#include <vector>

namespace art_kit {

struct TRgba {
    float R = 0, G = 0, B = 0, A = 1; // straight alpha, 0..1
};

// Colour from 0xRRGGBB and an alpha of 0..1.
TRgba Rgb(uint32_t rgb, float alpha = 1);

using TPaint = std::function<TRgba(float x, float y)>;

TPaint Solid(TRgba color);
// From Top at y = Y0 to Bottom at y = Y1, held outside.
TPaint VerticalGradient(TRgba top, TRgba bottom, float y0, float y1);
TPaint HorizontalGradient(TRgba left, TRgba right, float x0, float x1);
// From Centre at (cx, cy) to Edge at Radius.
TPaint RadialGradient(TRgba centre, TRgba edge, float cx, float cy, float radius);

class TPainter {
public:
    TPainter(int width, int height);

    int Width() const { return m_width; }
    int Height() const { return m_height; }

    void Fill(const TShape& shape, const TPaint& paint);
    void Fill(const TShape& shape, TRgba color) { Fill(shape, Solid(color)); }
    // Fills Shape and draws a Width-wide outline inside its edge.
    void FillOutlined(const TShape& shape, const TPaint& paint, TRgba outline, float width = 1);

    // Straight-alpha 0xAARRGGBB, rows top-down.
    std::vector<uint32_t> Pixels() const;

private:
    int m_width;
    int m_height;
    std::vector<TRgba> m_premultiplied; // R, G, B scaled by A
};

} // namespace art_kit
