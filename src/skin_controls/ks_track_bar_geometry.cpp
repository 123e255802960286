// The track bar's geometry: sizes, the value scale, the channel, highlight and thumb rectangles
// and the thumb's shape for the hit test.
#include "skin_controls/ks_track_bar.h"

#include <algorithm>

namespace brisat {
namespace {

constexpr int32_t PlainMargin = 9;
constexpr int32_t PlainChannelOffset = 7;
// Room left across for ticks on the top or left side.
constexpr int32_t TopLeftTickRoom = 5;

// Whether P lies inside or on the convex outline Points (either winding).
bool InsideConvex(std::span<const TPoint> points, TPoint p) {
    bool positive = false, negative = false;
    for (size_t i = 0; i < points.size(); ++i) {
        const TPoint a = points[i], b = points[(i + 1) % points.size()];
        const int64_t cross =
            int64_t(b.X - a.X) * (p.Y - a.Y) - int64_t(b.Y - a.Y) * (p.X - a.X);
        positive |= cross > 0;
        negative |= cross < 0;
    }
    return !(positive && negative);
}

} // namespace

int32_t TKsCustomTrackBar::GetThumbSize() const {
    return 2 * int32_t(m_thumbHalfWidth) + 1;
}

int32_t TKsCustomTrackBar::GetMargin() const {
    return PlainMargin;
}

int32_t TKsCustomTrackBar::GetChannelOffset() const {
    return PlainChannelOffset;
}

int32_t TKsCustomTrackBar::GetThumbCrossSize() const {
    const int32_t skinned = SkinThumbCrossSize();
    if (skinned > 0) return skinned;
    return int32_t(RoundedQuotient(11 * int64_t(GetThumbSize()), 5, 0, TTrackRounding::HalfEven));
}

int32_t TKsCustomTrackBar::AxisLength() const {
    return Vertical() ? Height() : Width();
}

TTrackScale TKsCustomTrackBar::Scale() const {
    const int32_t m = GetMargin(), t = GetThumbSize();
    return {m_min, m_max, m + t / 2, AxisLength() - 2 * m - t};
}

uint16_t TKsCustomTrackBar::ValueToPixel(int32_t value) const {
    return uint16_t(std::clamp(Scale().ValueToPixel(value, TTrackRounding::HalfEven), 0, 0xFFFF));
}

// The remainder takes the sign of the value, so negative values snap towards zero.
int32_t TKsCustomTrackBar::SnapToFrequency(int64_t value) const {
    const int64_t frequency = std::max(m_frequency, 1);
    const int64_t remainder = value % frequency;
    return Scale().Clamp(remainder > frequency / 2 ? value - remainder + frequency
                                                   : value - remainder);
}

int32_t TKsCustomTrackBar::PixelToValue(uint16_t coordinate) const {
    return SnapToFrequency(Scale().PixelToValue(coordinate, TTrackRounding::HalfEven));
}

TRect TKsCustomTrackBar::AlongAcross(int32_t along0, int32_t along1, int32_t across0,
                                     int32_t across1) const {
    return Vertical() ? TRect{across0, along0, across1, along1}
                      : TRect{along0, across0, along1, across1};
}

int32_t TKsCustomTrackBar::CrossStart() const {
    const bool ticksBefore = m_tickMarks != TTickMark::tmBottomRight;
    return GetChannelOffset() + (m_showTicks && ticksBefore ? TopLeftTickRoom : 0);
}

TRect TKsCustomTrackBar::ChannelRect(int32_t from, int32_t to) const {
    const int32_t t = GetThumbSize(), k = GetThumbCrossSize();
    const int32_t start = CrossStart() + (m_tickMarks == TTickMark::tmTopLeft ? t / 2 : t / 4);
    const int32_t end = m_tickMarks == TTickMark::tmBoth ? start + k - 2 * (t / 4)
                                                         : start + k - t / 2 - t / 4;
    return AlongAcross(from, to, start + 1, end - 1);
}

TRect TKsCustomTrackBar::HighlightRect(const TRect& channel, int32_t thumbPosition) const {
    if (!Enabled()) return {};
    const int32_t from = Vertical() ? channel.Top : channel.Left;
    const int32_t to = Vertical() ? channel.Bottom : channel.Right;
    const int32_t across0 = Vertical() ? channel.Left : channel.Top;
    const int32_t across1 = Vertical() ? channel.Right : channel.Bottom;
    switch (m_highlight) {
    case TIntervalHighlightType::htLowInterval:
        return AlongAcross(from, thumbPosition, across0, across1);
    case TIntervalHighlightType::htHighInterval:
        return AlongAcross(thumbPosition, to, across0, across1);
    case TIntervalHighlightType::htNone:
        break;
    }
    return {};
}

TRect TKsCustomTrackBar::ThumbRect(int32_t thumbPosition) const {
    const int32_t t = GetThumbSize(), start = thumbPosition - t / 2;
    return AlongAcross(start, start + t, CrossStart(), CrossStart() + GetThumbCrossSize());
}

TRect TKsCustomTrackBar::TickRect(int32_t value, int32_t position, bool topLeft) const {
    const int32_t o = GetChannelOffset(), end = value == m_min || value == m_max ? 1 : 0;
    if (topLeft) return AlongAcross(position, position + 1, o + 1 - end, o + 4);
    const int32_t b = o + GetThumbCrossSize() + (m_tickMarks == TTickMark::tmBoth ? 6 : 2);
    return AlongAcross(position, position + 1, b, b + 3 + end);
}

// A rectangle for ticks on both sides, else a body with a point towards the ticks, as wide
// across as 2.2 thumb lengths whatever the skin's thumb measures. Clockwise on screen.
TKsCustomTrackBar::TThumbOutline TKsCustomTrackBar::ThumbOutline(int32_t thumbPosition) const {
    const int32_t t = GetThumbSize(), half = t / 2;
    const int32_t w = int32_t(RoundedQuotient(11 * int64_t(t), 5, 0, TTrackRounding::HalfEven));
    const int32_t a0 = thumbPosition - half, a1 = a0 + t - 1, tip = a0 + half;
    const int32_t c0 = CrossStart(), c1 = c0 + w - 1;
    TThumbOutline o;
    switch (m_tickMarks) {
    case TTickMark::tmBoth:
        o.Points = {{{a0, c0}, {a1, c0}, {a1, c1}, {a0, c1}, {}}};
        o.Count = 4;
        break;
    case TTickMark::tmBottomRight:
        o.Points = {{{a0, c0}, {a1, c0}, {a1, c1 - half}, {tip, c1}, {a0, c1 - half}}};
        o.Count = 5;
        break;
    case TTickMark::tmTopLeft:
        o.Points = {{{tip, c0}, {a1, c0 + half}, {a1, c1}, {a0, c1}, {a0, c0 + half}}};
        o.Count = 5;
        break;
    }
    if (Vertical()) {
        // Transposed, and reversed to keep the outline clockwise on screen.
        for (TPoint& p : o.Points)
            p = {p.Y, p.X};
        std::reverse(o.Points.begin(), o.Points.begin() + o.Count);
    }
    return o;
}

bool TKsCustomTrackBar::ThumbHitTest(int32_t x, int32_t y) const {
    return InsideConvex(ThumbOutline(ValueToPixel(m_position)).Span(), {x, y});
}

} // namespace brisat
