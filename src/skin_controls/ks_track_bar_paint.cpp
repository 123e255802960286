// The track bar's painting steps and its plain, system-coloured look.
#include "skin_controls/ks_track_bar.h"

#include <algorithm>

namespace brisat {
namespace {

TKsPixel Opaque(TColor color) {
    return ColorToPixel(color, 255);
}

} // namespace

void TKsCustomTrackBar::PaintBuffer() {
    TKsCustomControl::PaintBuffer();
    const int32_t m = GetMargin(), thumb = ValueToPixel(m_position);
    PaintChannel(m, AxisLength() - m, thumb);
    if (m_showTicks) PaintTicks();
    if (m_thumbVisible) PaintThumb(thumb);
    if (Focused()) Buffer().DrawFocusRect(ControlRect(), Opaque(clBlack));
}

void TKsCustomTrackBar::PaintChannel(int32_t from, int32_t to, int32_t thumbPosition) {
    TKsBitmap& buffer = Buffer();
    const TRect channel = ChannelRect(from, to);
    buffer.FillRect(channel, Opaque(Enabled() ? clBtnHighlight : clBtnFace));
    buffer.FillRect(HighlightRect(channel, thumbPosition), Opaque(clHighlight));
    buffer.BevelRect(channel, Opaque(clBtnShadow), Opaque(clBtnHighlight));
    buffer.BevelRect(InflateRect(channel, -1, -1), Opaque(cl3DDkShadow), Opaque(cl3DLight));
}

void TKsCustomTrackBar::PaintThumb(int32_t thumbPosition) {
    PaintPlainThumb(thumbPosition);
}

// The classic raised thumb: face (checked while dragged), edges facing up or left lit, the
// others shaded twice (dark outside, shadow one pixel in).
void TKsCustomTrackBar::PaintPlainThumb(int32_t thumbPosition) {
    TKsBitmap& buffer = Buffer();
    const TThumbOutline outline = ThumbOutline(thumbPosition);
    const std::span<const TPoint> points = outline.Span();
    if (m_dragging)
        buffer.FillHalftonePolygon(points, Opaque(clBtnFace), Opaque(clBtnHighlight));
    else
        buffer.FillPolygon(points, Opaque(clBtnFace));
    for (size_t i = 0; i < points.size(); ++i) {
        const TPoint a = points[i], b = points[(i + 1) % points.size()];
        // The outline runs clockwise on screen, so the outward normal is (dy, −dx).
        const int32_t nx = b.Y - a.Y, ny = a.X - b.X;
        const bool lit = nx < 0 || ny < 0;
        buffer.MoveTo(a.X, a.Y);
        buffer.LineTo(b.X, b.Y, Opaque(lit ? clBtnHighlight : cl3DDkShadow));
        buffer.SetPixels(b.X, b.Y, Opaque(lit ? clBtnHighlight : cl3DDkShadow));
        if (lit) continue;
        const int32_t dx = nx > 0 ? -1 : nx < 0 ? 1 : 0, dy = ny > 0 ? -1 : ny < 0 ? 1 : 0;
        buffer.MoveTo(a.X + dx, a.Y + dy);
        buffer.LineTo(b.X + dx, b.Y + dy, Opaque(clBtnShadow));
    }
}

void TKsCustomTrackBar::PaintTick(int32_t value, int32_t position, bool topLeft) {
    Buffer().FillRect(TickRect(value, position, topLeft), Opaque(clBlack));
}

void TKsCustomTrackBar::PaintTickAt(int32_t value, int32_t position) {
    if (m_tickMarks != TTickMark::tmBottomRight) PaintTick(value, position, true);
    if (m_tickMarks != TTickMark::tmTopLeft) PaintTick(value, position, false);
}

// A tick for every multiple of Frequency, and at Min and Max. Multiples denser than the pixels
// of the travel cover every pixel between the first and the last of them.
void TKsCustomTrackBar::PaintTicks() {
    const TTrackScale scale = Scale();
    const int64_t step = std::max(m_frequency, 1);
    auto floorDiv = [step](int64_t v) { return v / step - (v % step < 0 ? 1 : 0); };
    const int64_t first = -floorDiv(-int64_t(m_min)) * step, last = floorDiv(m_max) * step;
    if (first <= last && (last - first) / step > std::max(scale.Travel, 0)) {
        const int32_t to = ValueToPixel(int32_t(last));
        for (int32_t p = ValueToPixel(int32_t(first)); p <= to; ++p)
            PaintTickAt(scale.Clamp(scale.PixelToValue(p, TTrackRounding::HalfEven)), p);
    } else {
        for (int64_t v = first; v <= last; v += step)
            PaintTickAt(int32_t(v), ValueToPixel(int32_t(v)));
    }
    PaintTickAt(m_min, ValueToPixel(m_min));
    PaintTickAt(m_max, ValueToPixel(m_max));
}

} // namespace brisat
