// Text on a device context: DrawText with the platform's format flags, TextOut, extents and
// metrics. Glyphs come from the font engine and are blended with their anti-aliased coverage.
#include "framework/graphics/device_context.h"
#include "framework/core/font.h"
#include "framework/graphics/font_engine.h"
#include "framework/graphics/text_layout.h"

#include <algorithm>
#include <limits>

namespace brisat {

namespace {

const TFont& DefaultGuiFont() {
    static const TFont font;
    return font;
}

TFontFace* FaceOf(const TFont* font) {
    return TFontEngine::Instance().Face(font ? *font : DefaultGuiFont());
}

// One layout serves every text call (GUI thread only), so warm calls allocate nothing.
TTextLayout& SharedLayout() {
    static TTextLayout layout;
    return layout;
}

int32_t Saturate(int64_t value) {
    return int32_t(std::clamp<int64_t>(value, std::numeric_limits<int32_t>::min(),
                                       std::numeric_limits<int32_t>::max()));
}

// Device-space box in 64 bits, so alignment arithmetic on extreme rectangles cannot overflow.
struct TBox {
    int64_t Left, Top, Right, Bottom;
};

struct TTextPaint {
    const TTextLayout& Layout;
    const TFaceMetrics& Metrics;
    TBox Box;    // the rectangle lines are aligned in
    TRect Clip;  // drawing stays inside: the rectangle (unless DT_NOCLIP) ∩ the surface
    int64_t Top; // top of the first line
    uint32_t Format;
    uint32_t TextPixel;
    bool Opaque;
    uint32_t BackPixel;
    bool Underline, StrikeOut;
};

int64_t LineLeft(const TTextPaint& p, int32_t width) {
    if (p.Format & DT_CENTER) return p.Box.Left + (p.Box.Right - p.Box.Left - width) / 2;
    if (p.Format & DT_RIGHT) return p.Box.Right - width;
    return p.Box.Left;
}

// The part of a box inside the clip, or an empty rectangle.
TRect ClipTo(const TRect& clip, int64_t left, int64_t top, int64_t right, int64_t bottom) {
    TRect r{Saturate(std::max<int64_t>(left, clip.Left)),
            Saturate(std::max<int64_t>(top, clip.Top)),
            Saturate(std::min<int64_t>(right, clip.Right)),
            Saturate(std::min<int64_t>(bottom, clip.Bottom))};
    return IsRectEmpty(r) ? TRect{} : r;
}

// Blends one glyph image with its top-left at X, Y, one span per run of equal coverage.
template <class Blend>
void PaintGlyph(const TTextPaint& p, const TGlyphBitmap& g, int64_t x, int64_t y, Blend& blend) {
    TRect r = ClipTo(p.Clip, x, y, x + g.Width, y + g.Rows);
    if (IsRectEmpty(r)) return;
    const int32_t gx = int32_t(x), gy = int32_t(y);
    for (int32_t row = r.Top; row < r.Bottom; ++row) {
        const uint8_t* cover = g.Coverage.data() + size_t(row - gy) * size_t(g.Width);
        for (int32_t col = r.Left; col < r.Right;) {
            uint8_t k = cover[col - gx];
            int32_t end = col + 1;
            while (end < r.Right && cover[end - gx] == k)
                ++end;
            if (k) blend(row, col, end, p.TextPixel, k);
            col = end;
        }
    }
}

template <class Blend, class Fill>
void PaintLine(const TTextPaint& p, TFontFace& face, const TLayoutLine& line, int64_t y,
               Blend& blend, Fill& fill) {
    const TFaceMetrics& m = p.Metrics;
    const int64_t x = LineLeft(p, line.Width);
    const int64_t baseline = y + m.Ascent;
    const bool prefixOnly = p.Format & DT_PREFIXONLY;
    auto stroke = [&](int64_t left, int64_t right, int32_t offset, int32_t thickness) {
        TRect r = ClipTo(p.Clip, left, baseline + offset, right, baseline + offset + thickness);
        if (!IsRectEmpty(r)) fill(r, p.TextPixel);
    };
    if (p.Opaque && !prefixOnly) {
        TRect r = ClipTo(p.Clip, x, y, x + line.Width, y + m.Height);
        if (!IsRectEmpty(r)) fill(r, p.BackPixel);
    }
    const auto glyphs = p.Layout.LineGlyphs(line);
    if (!prefixOnly) {
        for (const TLayoutGlyph& g : glyphs) {
            if (g.Glyph == TLayoutGlyph::NoGlyph) continue;
            const TGlyphBitmap& bitmap = face.Glyph(g.Glyph);
            PaintGlyph(p, bitmap, x + g.X + bitmap.Left, baseline - bitmap.Top, blend);
        }
        if (p.Underline) stroke(x, x + line.Width, m.UnderlineOffset, m.UnderlineThickness);
        if (p.StrikeOut) stroke(x, x + line.Width, m.StrikeOutOffset, m.StrikeOutThickness);
    }
    if (p.Format & DT_HIDEPREFIX) return;
    for (const TLayoutGlyph& g : glyphs)
        if (g.Accelerator)
            stroke(x + g.X, x + g.X + g.Advance, m.UnderlineOffset, m.UnderlineThickness);
}

template <class Blend, class Fill>
void PaintText(const TTextPaint& p, TFontFace& face, Blend& blend, Fill& fill) {
    const int64_t lineHeight = std::max(1, p.Metrics.Height);
    const auto lines = p.Layout.Lines();
    // Lines above the clip are skipped without a look at their glyphs.
    size_t first = size_t(std::max<int64_t>(0, (p.Clip.Top - p.Top) / lineHeight));
    for (size_t i = first; i < lines.size(); ++i) {
        int64_t y = p.Top + int64_t(i) * lineHeight;
        if (y >= p.Clip.Bottom) break;
        PaintLine(p, face, lines[i], y, blend, fill);
    }
}

} // namespace

int32_t TDeviceContext::DrawText(std::string_view text, TRect& rect, uint32_t format) {
    TFontFace* face = FaceOf(m_state.font);
    if (!face) {
        if (format & DT_CALCRECT) rect.Right = rect.Left, rect.Bottom = rect.Top;
        return 0;
    }
    const TFaceMetrics& metrics = face->Metrics();
    const int64_t width = int64_t(rect.Right) - rect.Left;
    TTextLayout& layout = SharedLayout();
    layout.Build(text, format, int32_t(std::clamp<int64_t>(width, 0, 1 << 30)), *face);
    const int64_t textHeight = int64_t(layout.Lines().size()) * metrics.Height;
    const bool singleLine = format & DT_SINGLELINE;

    if (format & DT_CALCRECT) {
        // The widest line, wrapped or not: a hint or message sized by it fits its text tightly.
        rect.Right = Saturate(rect.Left + layout.Width());
        rect.Bottom = Saturate(rect.Top + textHeight);
        return Saturate(textHeight);
    }

    // Vertical placement applies to single-line text only.
    int64_t offset = 0;
    if (singleLine && (format & DT_VCENTER))
        offset = (int64_t(rect.Bottom) - rect.Top - metrics.Height) / 2;
    else if (singleLine && (format & DT_BOTTOM))
        offset = int64_t(rect.Bottom) - rect.Top - metrics.Height;

    if (m_surface && !m_surface->Empty()) {
        const TPoint shift = LogicalToDevice(TPoint{0, 0});
        const TBox box{int64_t(rect.Left) + shift.X, int64_t(rect.Top) + shift.Y,
                       int64_t(rect.Right) + shift.X, int64_t(rect.Bottom) + shift.Y};
        const TRect bounds = m_surface->BoundsRect();
        const TRect clip = (format & DT_NOCLIP)
                               ? bounds
                               : ClipTo(bounds, box.Left, box.Top, box.Right, box.Bottom);
        const TFontStyles style = m_state.font ? m_state.font->Style() : TFontStyles{};
        const TTextPaint paint{layout,
                               metrics,
                               box,
                               clip,
                               box.Top + offset,
                               format,
                               RGBToOpaquePixel(ColorToRGB(m_state.textColor)),
                               m_state.bkMode == TBkMode::Opaque,
                               RGBToOpaquePixel(ColorToRGB(m_state.bkColor)),
                               style.Contains(TFontStyle::fsUnderline),
                               style.Contains(TFontStyle::fsStrikeOut)};
        auto blend = [this](int32_t y, int32_t x0, int32_t x1, uint32_t pixel, uint8_t k) {
            BlendSpan(y, x0, x1, pixel, k);
        };
        auto fill = [this](const TRect& r, uint32_t pixel) { FillDeviceRect(r, pixel); };
        if (!IsRectEmpty(clip)) PaintText(paint, *face, blend, fill);
    }
    return Saturate(offset + textHeight);
}

void TDeviceContext::TextOut(int32_t x, int32_t y, std::string_view text) {
    TRect rect{x, y, x, y};
    DrawText(text, rect, DT_NOCLIP | DT_SINGLELINE | DT_NOPREFIX);
}

TSize TDeviceContext::GetTextExtent(std::string_view text) const {
    TFontFace* face = FaceOf(m_state.font);
    if (!face) return {};
    TTextLayout& layout = SharedLayout();
    layout.Build(text, DT_SINGLELINE | DT_NOPREFIX, 0, *face);
    return {layout.Width(), face->Metrics().Height};
}

TTextMetric TDeviceContext::GetTextMetrics() const {
    TFontFace* face = FaceOf(m_state.font);
    if (!face) return {};
    return face->Metrics();
}

} // namespace brisat
