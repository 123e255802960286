// The pictures that are not button glyphs: the volume bars, the colour-dialog glyph and the
// program's icon.
#include "artwork.h"

#include <algorithm>

namespace glyph_art {

void DrawVolumeBar(bool full, TPainter& p) {
    // Thirteen bars 6 pixels wide with 2-pixel gaps, rising from 6 to 22 pixels; the gaps stay
    // transparent so the video (or the colour key) shows between them.
    constexpr int Bars = 13;
    const TPaint level = [](float x, float y) {
        const TPaint ramp =
            x < VolumeBarWidth / 2.0f
                ? HorizontalGradient(Rgb(0x2EC83A), Rgb(0xF0E030), 0, VolumeBarWidth / 2.0f)
                : HorizontalGradient(Rgb(0xF0E030), Rgb(0xE8321E), VolumeBarWidth / 2.0f,
                                     VolumeBarWidth);
        TRgba c = ramp(x, y);
        const float shine = y < 8 ? 0.25f : 0; // a lighter top third
        c.R += (1 - c.R) * shine;
        c.G += (1 - c.G) * shine;
        c.B += (1 - c.B) * shine;
        return c;
    };
    for (int i = 0; i < Bars; ++i) {
        const float x0 = float(i * 8 + 1);
        const float top = float(VolumeBarHeight - 1) - (6.0f + float(i) * 16.0f / (Bars - 1));
        const TShape bar = Box(x0, top, x0 + 6, float(VolumeBarHeight - 1));
        if (full)
            p.FillOutlined(bar, level, Rgb(0x103010, 0.9f));
        else
            p.FillOutlined(bar, Solid(Rgb(0x3A3F46)), Rgb(0x8A929C));
    }
}

void DrawColorControlGlyph(TPainter& p) {
    p.FillOutlined(Circle(7, 7.5f, 5.5f), Solid(Rgb(0xF03030, 0.85f)), Rgb(0x601010));
    p.FillOutlined(Circle(13, 7.5f, 5.5f), Solid(Rgb(0x30D040, 0.8f)), Rgb(0x105010));
    p.FillOutlined(Circle(10, 12.5f, 5.5f), Solid(Rgb(0x3050F0, 0.75f)), Rgb(0x101860));
}

void DrawAppIcon(TPainter& p) {
    // Drawn on a 32-unit square scaled to the painter; outlines keep at least a pixel.
    const float s = float(p.Width()) / 32;
    const float outline = std::max(1.2f * s, 1.0f);
    p.FillOutlined(Box(1 * s, 1 * s, 31 * s, 31 * s, 6 * s),
                   VerticalGradient(Rgb(0x6AB0FF), Rgb(0x143A86), 1 * s, 31 * s), Rgb(0x0C1E44),
                   outline);
    // Film perforations along both sides.
    for (int i = 0; i < 5; ++i) {
        const float y = 5.5f + float(i) * 5;
        p.Fill(Box(3.5f * s, y * s, 6 * s, (y + 2.5f) * s, 0.5f * s), Rgb(0xFFFFFF, 0.55f));
        p.Fill(Box(26 * s, y * s, 28.5f * s, (y + 2.5f) * s, 0.5f * s), Rgb(0xFFFFFF, 0.55f));
    }
    p.FillOutlined(Polygon({{11.5f * s, 8 * s}, {11.5f * s, 24 * s}, {24 * s, 16 * s}}),
                   VerticalGradient(Rgb(0xFFFFFF), Rgb(0xD0E4FF), 8 * s, 24 * s), Rgb(0x0C1E44),
                   std::max(s, 1.0f));
    p.Fill(Ellipse(16 * s, 7 * s, 12 * s, 4.5f * s), Rgb(0xFFFFFF, 0.18f));
}

} // namespace glyph_art
