#include "framework/widgets/scroll_bar.h"

#include "framework/core/store_if_changed.h"
#include "framework/widgets/scroll_math.h"
#include "framework/windowing/message_queue.h"

#include <algorithm>

namespace brisat {
namespace {

constexpr uint32_t FirstRepeatDelay = 400;
constexpr uint32_t RepeatInterval = 50;
constexpr int32_t MinThumbHeight = 8;

} // namespace

void TScrollBarPart::SetRange(int32_t count, int32_t page) {
    count = std::max(count, 0);
    page = std::max(page, 1);
    if (count == m_count && page == m_page) return;
    m_count = count;
    m_page = page;
    Invalidate();
    SetPosition(m_position);
}

void TScrollBarPart::SetPosition(int32_t position) {
    position = std::clamp(position, 0, MaxPosition());
    if (!StoreIfChanged(m_position, position)) return;
    Invalidate();
    if (OnScroll) OnScroll(position);
}

void TScrollBarPart::MoveBy(int64_t delta) {
    SetPosition(int32_t(std::clamp<int64_t>(m_position + delta, 0, MaxPosition())));
}

void TScrollBarPart::Invalidate() const {
    if (m_owner.HandleAllocated()) InvalidateRect(m_owner.Handle(), &m_bounds, false);
}

int32_t TScrollBarPart::ArrowHeight() const {
    return std::min(m_bounds.Width(), m_bounds.Height() / 2);
}

TRect TScrollBarPart::UpArrow() const {
    return {m_bounds.Left, m_bounds.Top, m_bounds.Right, m_bounds.Top + ArrowHeight()};
}

TRect TScrollBarPart::DownArrow() const {
    return {m_bounds.Left, m_bounds.Bottom - ArrowHeight(), m_bounds.Right, m_bounds.Bottom};
}

TRect TScrollBarPart::Track() const {
    return {m_bounds.Left, UpArrow().Bottom, m_bounds.Right, DownArrow().Top};
}

// Empty when nothing scrolls or the track has no room for a thumb.
TRect TScrollBarPart::ThumbRect() const {
    const TRect track = Track();
    const int32_t length = track.Height();
    if (MaxPosition() == 0 || length < MinThumbHeight) return {};
    const int32_t height = std::min(ThumbLength(length, m_page, m_count, MinThumbHeight), length);
    const int32_t top = track.Top + ThumbOffset(m_position, length - height, MaxPosition());
    return {track.Left, top, track.Right, top + height};
}

void TScrollBarPart::Paint(TDeviceContext& dc, bool enabled) const {
    const bool active = enabled && MaxPosition() > 0;
    const uint32_t inactive = active ? 0 : DFCS_INACTIVE;
    dc.DrawFrameControl(UpArrow(), DFC_SCROLL,
                        DFCS_SCROLLUP | inactive | (m_part == TPart::LineUp ? DFCS_PUSHED : 0));
    dc.DrawFrameControl(
        DownArrow(), DFC_SCROLL,
        DFCS_SCROLLDOWN | inactive | (m_part == TPart::LineDown ? DFCS_PUSHED : 0));
    const TRect track = Track(), thumb = ThumbRect();
    dc.FillRect(track, clScrollBar);
    if (IsRectEmpty(thumb)) return;
    // The part being paged is shown pressed.
    if (m_part == TPart::PageUp) dc.FillRect({track.Left, track.Top, track.Right, thumb.Top}, cl3DDkShadow);
    if (m_part == TPart::PageDown)
        dc.FillRect({track.Left, thumb.Bottom, track.Right, track.Bottom}, cl3DDkShadow);
    TRect face = thumb;
    dc.DrawEdge(face, EDGE_RAISED, BF_RECT | BF_MIDDLE);
}

TScrollBarPart::TPart TScrollBarPart::PartAt(TPoint p) const {
    if (!PtInRect(m_bounds, p)) return TPart::None;
    if (PtInRect(UpArrow(), p)) return TPart::LineUp;
    if (PtInRect(DownArrow(), p)) return TPart::LineDown;
    const TRect thumb = ThumbRect();
    if (IsRectEmpty(thumb)) return TPart::None;
    if (p.Y < thumb.Top) return TPart::PageUp;
    return p.Y >= thumb.Bottom ? TPart::PageDown : TPart::Thumb;
}

bool TScrollBarPart::MouseDown(TPoint p) {
    if (!PtInRect(m_bounds, p)) return false;
    m_part = PartAt(p);
    m_pointer = p;
    if (m_part == TPart::None || MaxPosition() == 0) {
        m_part = TPart::None;
        return true;
    }
    if (m_part == TPart::Thumb) {
        m_grab = p.Y - ThumbRect().Top;
    } else {
        Step();
        SetTimer(m_owner.Handle(), ScrollTimerId, FirstRepeatDelay);
    }
    Invalidate();
    return true;
}

void TScrollBarPart::MouseMove(TPoint p) {
    m_pointer = p;
    if (m_part != TPart::Thumb) return;
    const TRect track = Track();
    const int32_t room = track.Height() - ThumbRect().Height();
    if (room <= 0) return;
    const int32_t offset = std::clamp(p.Y - m_grab - track.Top, 0, room);
    SetPosition(int32_t(PositionAtOffset(offset, room, MaxPosition())));
}

void TScrollBarPart::MouseUp() {
    if (m_part == TPart::None) return;
    if (m_owner.HandleAllocated()) KillTimer(m_owner.Handle(), ScrollTimerId);
    m_part = TPart::None;
    Invalidate();
}

bool TScrollBarPart::Timer(WPARAM id) {
    if (id != ScrollTimerId) return false;
    if (m_part == TPart::None || m_part == TPart::Thumb) return true;
    SetTimer(m_owner.Handle(), ScrollTimerId, RepeatInterval);
    Step();
    return true;
}

// One step of the held part; the track pages only while the pointer lies beyond the thumb.
void TScrollBarPart::Step() {
    const TRect thumb = ThumbRect();
    switch (m_part) {
    case TPart::LineUp:
        MoveBy(-1);
        break;
    case TPart::LineDown:
        MoveBy(1);
        break;
    case TPart::PageUp:
        if (PtInRect(Track(), m_pointer) && m_pointer.Y < thumb.Top) MoveBy(-int64_t(m_page));
        break;
    case TPart::PageDown:
        if (PtInRect(Track(), m_pointer) && m_pointer.Y >= thumb.Bottom) MoveBy(m_page);
        break;
    default:
        break;
    }
}

int32_t InputBorderWidth(TBorderStyle style, bool ctl3D) {
    if (style == TBorderStyle::bsNone) return 0;
    return ctl3D ? 2 : 1;
}

void DrawInputBorder(TDeviceContext& dc, const TRect& rect, TBorderStyle style, bool ctl3D) {
    if (style == TBorderStyle::bsNone) return;
    TRect frame = rect;
    if (ctl3D)
        dc.DrawEdge(frame, EDGE_SUNKEN, BF_RECT);
    else
        dc.FrameRect(frame, clWindowFrame);
}

// --- TScrollingControl -----------------------------------------------------------------------

TScrollingControl::TScrollingControl(TComponent* owner) : TCustomControl(owner) {
    InitColor(clWindow);
    SetTabStop(true);
    m_bar.OnScroll = [this](int32_t) { Invalidate(); };
}

void TScrollingControl::SetBorderStyle(TBorderStyle style) {
    if (!StoreIfChanged(m_borderStyle, style)) return;
    UpdateScrollBar();
    Invalidate();
}

void TScrollingControl::SetCtl3D(bool on) {
    if (!StoreIfChanged(m_ctl3D, on)) return;
    UpdateScrollBar();
    Invalidate();
}

int32_t TScrollingControl::BorderWidth() const {
    return InputBorderWidth(m_borderStyle, m_ctl3D);
}

TRect TScrollingControl::ContentRect() const {
    const int32_t b = BorderWidth();
    TRect r = InflateRect(ClientRect(), -b, -b);
    if (m_barShown) r.Right = std::max(r.Left, r.Right - TScrollBarPart::DefaultWidth);
    return r;
}

int32_t TScrollingControl::FontLineHeight() const {
    TDeviceContext dc;
    dc.SelectFont(&Font());
    return std::max(1, dc.GetTextMetrics().Height);
}

int32_t TScrollingControl::VisibleRows() const {
    return std::max(1, ContentRect().Height() / std::max(1, RowHeight()));
}

void TScrollingControl::UpdateScrollBar() {
    const int32_t b = BorderWidth();
    const TRect inside = InflateRect(ClientRect(), -b, -b);
    const int32_t page = std::max(1, inside.Height() / std::max(1, RowHeight()));
    // Rows may depend on the content width, so the bar is placed before they are counted; rows
    // that decide whether it shows must not.
    const TScrollBarShow show = ScrollBarShow();
    const bool shown =
        show == TScrollBarShow::Always || (show == TScrollBarShow::WhenNeeded && RowCount() > page);
    if (shown != m_barShown) Invalidate();
    m_barShown = shown;
    m_bar.SetBounds(shown ? TRect{std::max(inside.Left, inside.Right - TScrollBarPart::DefaultWidth),
                                  inside.Top, inside.Right, inside.Bottom}
                          : TRect{});
    m_bar.SetRange(RowCount(), page);
}

void TScrollingControl::MakeRowVisible(int32_t row) {
    const int32_t rows = VisibleRows();
    SetTopRow(TopToShow(
        TopRow(), row, [](int32_t top) { return top; },
        [rows](int32_t top) { return top + rows - 1; }));
}

void TScrollingControl::Paint() {
    TDeviceContext& dc = *Canvas().Handle();
    DrawInputBorder(dc, ClientRect(), m_borderStyle, m_ctl3D);
    if (m_barShown) m_bar.Paint(dc, Enabled());
    const TRect content = ContentRect();
    dc.SaveDC();
    dc.IntersectClipRect(content);
    try {
        PaintContent(dc, content);
    } catch (...) {
        dc.RestoreDC();
        throw;
    }
    dc.RestoreDC();
}

bool TScrollingControl::RouteToBar(TMessage& m) {
    const TPoint p = LParamToPoint(m.LParam);
    if (m_bar.Tracking()) {
        if (m.Msg == WM_MOUSEMOVE) m_bar.MouseMove(p);
        if (m.Msg == WM_LBUTTONUP) {
            m_bar.MouseUp();
            SetMouseCapture(false);
        }
        return true;
    }
    if ((m.Msg != WM_LBUTTONDOWN && m.Msg != WM_LBUTTONDBLCLK) || !m_barShown ||
        !m_bar.MouseDown(p))
        return false;
    if (CanFocus() && !Focused()) SetFocus();
    if (m_bar.Tracking()) SetMouseCapture(true);
    return true;
}

void TScrollingControl::WndProc(TMessage& m) {
    if (m.Msg >= WM_MOUSEMOVE && m.Msg <= WM_MBUTTONDBLCLK && RouteToBar(m)) return;
    if (m.Msg == WM_TIMER && m_bar.Timer(m.WParam)) return;
    if (m.Msg == WM_CAPTURECHANGED) m_bar.MouseUp();
    if (m.Msg == CM_FONTCHANGED || m.Msg == CM_PARENTFONTCHANGED) {
        TCustomControl::WndProc(m);
        UpdateScrollBar();
        return;
    }
    TCustomControl::WndProc(m);
}

bool TScrollingControl::DoMouseWheel(TShiftState shift, int32_t delta, TPoint mousePos) {
    if (TCustomControl::DoMouseWheel(shift, delta, mousePos)) return true;
    const int32_t before = TopRow();
    m_bar.SetPosition(before - WheelRows(delta, DefaultWheelScrollLines));
    return TopRow() != before;
}

void TScrollingControl::Resize() {
    UpdateScrollBar();
    TCustomControl::Resize();
}

} // namespace brisat
