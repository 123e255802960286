#include "framework/widgets/track_bar.h"

#include "framework/core/store_if_changed.h"
#include "framework/windowing/message_queue.h"

#include <algorithm>
#include <array>
#include <span>
#include <utility>

namespace brisat {
namespace {

constexpr UINT RepeatTimerId = 1;
// Paging repeats after a pause and then steadily while the button is held, as the classic bar.
constexpr uint32_t FirstRepeatDelay = 400;
constexpr uint32_t RepeatInterval = 100;
constexpr int32_t MaxChannelInset = 8;

// Both end points drawn.
void Segment(TDeviceContext& dc, TPoint a, TPoint b, TColor color) {
    dc.SetPen({color, TPenStyle::psSolid, 1});
    dc.MoveTo(a.X, a.Y);
    dc.LineTo(b.X, b.Y);
    dc.SetPixel(b.X, b.Y, color);
}

int Sign(double v) {
    return v > 0.5 ? 1 : v < -0.5 ? -1 : 0;
}

// The edges of a convex outline in the raised look: edges facing backwards along the channel
// (or, across it, towards the top or left) are lit, the others shaded.
void DrawRaisedOutline(TDeviceContext& dc, std::span<const TPoint> points, bool vertical,
                       TColor lit, TColor shaded) {
    double cx = 0, cy = 0;
    for (TPoint p : points) {
        cx += p.X;
        cy += p.Y;
    }
    cx /= double(points.size());
    cy /= double(points.size());
    for (size_t i = 0; i < points.size(); ++i) {
        const TPoint a = points[i], b = points[(i + 1) % points.size()];
        double nx = b.Y - a.Y, ny = -(b.X - a.X);
        if (nx * ((a.X + b.X) / 2.0 - cx) + ny * ((a.Y + b.Y) / 2.0 - cy) < 0) {
            nx = -nx;
            ny = -ny;
        }
        const double along = vertical ? ny : nx, across = vertical ? nx : ny;
        const bool isLit = along < 0 || (along == 0 && across < 0);
        Segment(dc, a, b, isLit ? lit : shaded);
    }
}

} // namespace

TTrackBar::TTrackBar(TComponent* owner) : TCustomControl(owner) {
    SetBounds(0, 0, 150, 45);
    InitColor(clBtnFace);
    SetTabStop(true);
}

void TTrackBar::SetMin(int32_t value) {
    if (!StoreIfChanged(m_min, value)) return;
    if (Loading()) return;
    m_max = std::max(m_max, m_min);
    Invalidate();
    SetPosition(m_position);
}

void TTrackBar::SetMax(int32_t value) {
    if (!StoreIfChanged(m_max, value)) return;
    if (Loading()) return;
    m_min = std::min(m_min, m_max);
    Invalidate();
    SetPosition(m_position);
}

void TTrackBar::SetPosition(int32_t value) {
    if (!Loading()) value = std::clamp(value, m_min, m_max);
    if (!StoreIfChanged(m_position, value)) return;
    Invalidate();
    if (!Loading()) Changed();
}

void TTrackBar::SetFrequency(int32_t value) {
    if (StoreIfChanged(m_frequency, value)) Invalidate();
}

void TTrackBar::SetSelStart(int32_t value) {
    if (StoreIfChanged(m_selStart, value)) Invalidate();
}

void TTrackBar::SetSelEnd(int32_t value) {
    if (StoreIfChanged(m_selEnd, value)) Invalidate();
}

void TTrackBar::SetThumbLength(int32_t value) {
    value = std::max(value, MinThumbLength);
    if (StoreIfChanged(m_thumbLength, value)) Invalidate();
}

void TTrackBar::SetOrientation(TTrackBarOrientation value) {
    if (!StoreIfChanged(m_orientation, value)) return;
    if (!Loading()) SetBounds(Left(), Top(), Height(), Width());
    Invalidate();
}

void TTrackBar::SetTickMarks(TTickMark value) {
    if (StoreIfChanged(m_tickMarks, value)) Invalidate();
}

void TTrackBar::SetTickStyle(TTickStyle value) {
    if (StoreIfChanged(m_tickStyle, value)) Invalidate();
}

void TTrackBar::SetSliderVisible(bool value) {
    if (StoreIfChanged(m_sliderVisible, value)) Invalidate();
}

void TTrackBar::SetTick(int32_t value) {
    if (std::find(m_ticks.begin(), m_ticks.end(), value) != m_ticks.end()) return;
    m_ticks.push_back(value);
    Invalidate();
}

void TTrackBar::ClearTicks() {
    m_ticks.clear();
    Invalidate();
}

void TTrackBar::Changed() {
    if (OnChange) OnChange(*this);
}

void TTrackBar::Loaded() {
    TCustomControl::Loaded();
    m_max = std::max(m_max, m_min);
    m_position = std::clamp(m_position, m_min, m_max);
}

// --- Geometry -----------------------------------------------------------------------------------

bool TTrackBar::TicksBefore() const {
    return m_tickMarks != TTickMark::tmBottomRight;
}

bool TTrackBar::TicksAfter() const {
    return m_tickMarks != TTickMark::tmTopLeft;
}

int32_t TTrackBar::Length() const {
    return Vertical() ? ClientHeight() : ClientWidth();
}

int32_t TTrackBar::ThumbBreadth() const {
    return (m_thumbLength / 2) | 1; // odd, so a pointed thumb has a one-pixel tip
}

int32_t TTrackBar::ChannelInset() const {
    return std::clamp((Length() - ThumbBreadth()) / 2, 0, MaxChannelInset);
}

int32_t TTrackBar::TrackSpan() const {
    return std::max(0, Length() - 2 * ChannelInset() - ThumbBreadth());
}

TTrackBar::TCrossLayout TTrackBar::CrossLayout() const {
    const int32_t across = Vertical() ? ClientWidth() : ClientHeight();
    const int32_t band = m_tickStyle == TTickStyle::tsNone ? 0 : TickGap + TickLength + 1;
    const int32_t before = TicksBefore() ? band : 0, after = TicksAfter() ? band : 0;
    TCrossLayout l;
    l.ThumbStart = std::max(0, (across - before - m_thumbLength - after) / 2) + before;
    if (m_selStart < m_selEnd) l.Thickness = std::max(l.Thickness, m_thumbLength / 2);
    l.ThickStart = l.ThumbStart + (m_thumbLength - l.Thickness) / 2;
    return l;
}

TRect TTrackBar::AlongAcross(int32_t along0, int32_t along1, int32_t across0,
                             int32_t across1) const {
    return Vertical() ? Rect(across0, along0, across1, along1)
                      : Rect(along0, across0, along1, across1);
}

TTrackScale TTrackBar::Scale() const {
    return {m_min, m_max, ChannelInset() + ThumbBreadth() / 2, TrackSpan()};
}

int32_t TTrackBar::ValueToPixel(int32_t value) const {
    return Scale().ValueToPixel(value, TTrackRounding::Floor);
}

int32_t TTrackBar::PixelToValue(int32_t pixel) const {
    const TTrackScale scale = Scale();
    return scale.Clamp(scale.PixelToValue(pixel, TTrackRounding::HalfUp));
}

TRect TTrackBar::ChannelRect() const {
    const TCrossLayout l = CrossLayout();
    return AlongAcross(ChannelInset(), Length() - ChannelInset(), l.ThickStart,
                       l.ThickStart + l.Thickness);
}

TRect TTrackBar::ThumbRect() const {
    const int32_t near = ValueToPixel(m_position) - ThumbBreadth() / 2;
    const int32_t start = CrossLayout().ThumbStart;
    return AlongAcross(near, near + ThumbBreadth(), start, start + m_thumbLength);
}

// --- Drawing ------------------------------------------------------------------------------------

void TTrackBar::Paint() {
    TDeviceContext& dc = *Canvas().Handle();
    DrawChannel(dc, ChannelRect());
    if (m_tickStyle != TTickStyle::tsNone) DrawTicks(dc);
    if (m_sliderVisible) DrawThumb(dc, ThumbRect());
    if (Focused()) dc.DrawFocusRect(ClientRect());
}

void TTrackBar::DrawChannel(TDeviceContext& dc, const TRect& channel) {
    TRect inside = channel;
    dc.DrawEdge(inside, EDGE_SUNKEN, BF_RECT | BF_ADJUST);
    if (m_selStart >= m_selEnd || IsRectEmpty(inside)) return;
    dc.FillRect(inside, clWindow);
    const int32_t from = ValueToPixel(m_selStart), to = ValueToPixel(m_selEnd) + 1;
    const TRect sel = Vertical() ? Rect(inside.Left, from, inside.Right, to)
                                 : Rect(from, inside.Top, to, inside.Bottom);
    dc.FillRect(IntersectRect(sel, inside), clHighlight);
}

void TTrackBar::DrawTicks(TDeviceContext& dc) {
    DrawTick(dc, m_min, TickLength + 1);
    DrawTick(dc, m_max, TickLength + 1);
    if (m_tickStyle == TTickStyle::tsManual) {
        for (int32_t v : m_ticks)
            if (v > m_min && v < m_max) DrawTick(dc, v, TickLength);
        return;
    }
    const int64_t step = std::max(m_frequency, 1);
    const int64_t count = (int64_t(m_max) - m_min) / step;
    if (count > TrackSpan()) {
        // Denser than the pixels: every pixel of the track carries a tick.
        for (int32_t px = ValueToPixel(m_min) + 1; px < ValueToPixel(m_max); ++px)
            DrawTickAt(dc, px, TickLength);
        return;
    }
    for (int64_t v = m_min + step; v < m_max; v += step)
        DrawTick(dc, int32_t(v), TickLength);
}

void TTrackBar::DrawTick(TDeviceContext& dc, int32_t value, int32_t length) {
    DrawTickAt(dc, ValueToPixel(value), length);
}

void TTrackBar::DrawTickAt(TDeviceContext& dc, int32_t pixel, int32_t length) {
    const TColor color = Enabled() ? clBtnText : clBtnShadow;
    const int32_t start = CrossLayout().ThumbStart;
    if (TicksBefore()) {
        const int32_t end = start - TickGap;
        dc.FillRect(AlongAcross(pixel, pixel + 1, end - length, end), color);
    }
    if (TicksAfter()) {
        const int32_t from = start + m_thumbLength + TickGap;
        dc.FillRect(AlongAcross(pixel, pixel + 1, from, from + length), color);
    }
}

void TTrackBar::DrawThumb(TDeviceContext& dc, const TRect& thumb) {
    const int32_t b = ThumbBreadth(), len = m_thumbLength, tip = b / 2;
    const bool pointsAfter = m_tickMarks == TTickMark::tmBottomRight;
    const bool pointsBefore = m_tickMarks == TTickMark::tmTopLeft;
    // The outline in (along, across) steps from the thumb's corner, clockwise on screen.
    std::array<TPoint, 5> outline;
    size_t count = 5;
    if (pointsAfter)
        outline = {{{0, 0}, {b - 1, 0}, {b - 1, len - 1 - tip}, {tip, len - 1}, {0, len - 1 - tip}}};
    else if (pointsBefore)
        outline = {{{0, tip}, {tip, 0}, {b - 1, tip}, {b - 1, len - 1}, {0, len - 1}}};
    else {
        outline = {{{0, 0}, {b - 1, 0}, {b - 1, len - 1}, {0, len - 1}, {}}};
        count = 4;
    }
    std::array<TPoint, 5> outer, inner;
    for (size_t i = 0; i < count; ++i) {
        const TPoint p = outline[i];
        outer[i] = Vertical() ? TPoint{thumb.Left + p.Y, thumb.Top + p.X}
                              : TPoint{thumb.Left + p.X, thumb.Top + p.Y};
    }
    const TPoint centre{(thumb.Left + thumb.Right - 1) / 2, (thumb.Top + thumb.Bottom - 1) / 2};
    for (size_t i = 0; i < count; ++i)
        inner[i] = {outer[i].X + Sign(centre.X - outer[i].X), outer[i].Y + Sign(centre.Y - outer[i].Y)};
    const std::span<const TPoint> outerSpan(outer.data(), count), innerSpan(inner.data(), count);

    dc.SetPen({clBtnFace, TPenStyle::psSolid, 1});
    dc.SetBrush({clBtnFace, TBrushStyle::bsSolid});
    dc.Polygon(outerSpan);
    if (Dragging() || !Enabled()) {
        // The classic checked face of a pressed or disabled thumb, on its rectangular body.
        const int32_t from = pointsBefore ? tip + 1 : 2;
        const int32_t to = pointsAfter ? len - 1 - tip : len - 2;
        const TRect body = AlongAcross(2, b - 2, from, to);
        const TRect at = OffsetRect(body, thumb.Left, thumb.Top);
        for (int32_t y = at.Top; y < at.Bottom; ++y)
            for (int32_t x = at.Left + ((at.Left + y) & 1); x < at.Right; x += 2)
                dc.SetPixel(x, y, clBtnHighlight);
    }
    DrawRaisedOutline(dc, innerSpan, Vertical(), clBtnHighlight, clBtnShadow);
    DrawRaisedOutline(dc, outerSpan, Vertical(), cl3DLight, cl3DDkShadow);
}

// --- Input --------------------------------------------------------------------------------------

void TTrackBar::MoveBy(int64_t delta) {
    SetPosition(int32_t(std::clamp<int64_t>(m_position + delta, m_min, m_max)));
}

void TTrackBar::PageTowardsPointer() {
    const int32_t near = ValueToPixel(m_position) - ThumbBreadth() / 2;
    const bool beyond =
        m_pageDirection < 0 ? m_pointer < near : m_pointer >= near + ThumbBreadth();
    if (beyond) MoveBy(int64_t(m_pageDirection) * m_pageSize);
}

void TTrackBar::StopTracking() {
    if (m_tracking == TTracking::Paging && HandleAllocated()) KillTimer(Handle(), RepeatTimerId);
    if (std::exchange(m_tracking, TTracking::None) == TTracking::Dragging) Invalidate();
}

void TTrackBar::MouseDown(TMouseButton button, TShiftState shift, int32_t x, int32_t y) {
    TCustomControl::MouseDown(button, shift, x, y);
    if (button != TMouseButton::mbLeft || m_tracking != TTracking::None) return;
    if (CanFocus() && !Focused()) SetFocus();
    m_pointer = Along({x, y});
    if (m_sliderVisible && PtInRect(ThumbRect(), {x, y})) {
        m_tracking = TTracking::Dragging;
        m_grabOffset = m_pointer - ValueToPixel(m_position);
        Invalidate();
        return;
    }
    m_tracking = TTracking::Paging;
    m_pageDirection = m_pointer < ValueToPixel(m_position) ? -1 : 1;
    PageTowardsPointer();
    SetTimer(Handle(), RepeatTimerId, FirstRepeatDelay);
}

void TTrackBar::MouseMove(TShiftState shift, int32_t x, int32_t y) {
    if (m_tracking != TTracking::None) m_pointer = Along({x, y});
    if (Dragging()) SetPosition(PixelToValue(m_pointer - m_grabOffset));
    TCustomControl::MouseMove(shift, x, y);
}

void TTrackBar::MouseUp(TMouseButton button, TShiftState shift, int32_t x, int32_t y) {
    if (button == TMouseButton::mbLeft) StopTracking();
    TCustomControl::MouseUp(button, shift, x, y);
}

void TTrackBar::KeyDown(uint16_t& key, TShiftState shift) {
    TCustomControl::KeyDown(key, shift);
    switch (key) {
    case VK_LEFT:
    case VK_UP:
        MoveBy(-int64_t(m_lineSize));
        break;
    case VK_RIGHT:
    case VK_DOWN:
        MoveBy(m_lineSize);
        break;
    case VK_PRIOR:
        MoveBy(-int64_t(m_pageSize));
        break;
    case VK_NEXT:
        MoveBy(m_pageSize);
        break;
    case VK_HOME:
        SetPosition(m_min);
        break;
    case VK_END:
        SetPosition(m_max);
        break;
    default:
        return;
    }
    key = 0;
}

void TTrackBar::WndProc(TMessage& m) {
    switch (m.Msg) {
    case WM_GETDLGCODE:
        m.Result = DLGC_WANTARROWS;
        return;
    case WM_TIMER:
        if (m.WParam == RepeatTimerId && m_tracking == TTracking::Paging) {
            SetTimer(Handle(), RepeatTimerId, RepeatInterval);
            PageTowardsPointer();
            return;
        }
        break;
    case WM_CAPTURECHANGED:
        StopTracking();
        break;
    default:
        break;
    }
    TCustomControl::WndProc(m);
}

void TTrackBar::DoEnter() {
    Invalidate();
    TCustomControl::DoEnter();
}

void TTrackBar::DoExit() {
    Invalidate();
    TCustomControl::DoExit();
}

} // namespace brisat
