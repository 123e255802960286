// TKsBitmap: text measured and drawn in the bitmap's font.
#include "skin/bitmap/bitmap.h"
#include "skin/bitmap/checked_math.h"

namespace brisat {

namespace {

// Opaque magenta: the scratch background of rotated text; any other pixel is ink.
constexpr TKsPixel kScratchBackground = 0xFFFF00FF;

} // namespace

int32_t TKsBitmap::TextWidth(std::string_view text, uint32_t flags) {
    TRect r{};
    m_dc.DrawText(text, r, flags | DT_CALCRECT);
    return RectWidth(r);
}

int32_t TKsBitmap::TextHeight(std::string_view text) {
    TRect r{};
    m_dc.DrawText(text, r, DT_CALCRECT);
    return RectHeight(r);
}

int32_t TKsBitmap::DrawText(std::string_view text, const TRect& rect, uint32_t flags) {
    m_dc.SetBkMode(TBkMode::Transparent);
    m_dc.SetTextColor(TColor(ColorToRGB(m_font.Color())));
    TRect r = rect;
    return m_dc.DrawText(text, r, flags);
}

void TKsBitmap::DrawRotatedText(std::string_view text, const TRect& rect, bool clockwise,
                                uint32_t flags) {
    // The text is laid out horizontally in a scratch bitmap of the turned size, then its ink
    // pixels are turned into Rect.
    const int32_t width = RectHeight(rect), height = RectWidth(rect);
    if (width <= 0 || height <= 0) return;
    TKsBitmap scratch;
    scratch.SetSize(width, height);
    scratch.Fill(kScratchBackground);
    scratch.SetFont(m_font);
    scratch.DrawText(text, scratch.BoundsRect(), flags);
    const TKsPixel ink = ColorToPixel(m_font.Color(), 255);
    for (int32_t j = 0; j < height; ++j) {
        const TKsPixel* row = scratch.Row(j);
        for (int32_t i = 0; i < width; ++i) {
            if (row[i] == kScratchBackground) continue;
            if (clockwise)
                SetPixels(rect.Right - 1 - j, rect.Top + i, ink);
            else
                SetPixels(rect.Left + j, rect.Bottom - 1 - i, ink);
        }
    }
}

} // namespace brisat
