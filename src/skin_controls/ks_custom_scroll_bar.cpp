#include "skin_controls/ks_custom_scroll_bar.h"

#include "framework/controls/timer.h"
#include "framework/core/exceptions.h"
#include "framework/widgets/scroll_math.h"
#include "framework/windowing/window_handle.h"

#include <algorithm>
#include <utility>

namespace brisat {

TKsCustomScrollBar::TKsCustomScrollBar(TComponent* owner) : TKsGraphicControl(owner) {
    SetBounds(Left(), Top(), 121, GetSystemMetrics(SM_CYVTHUMB) + 2 * m_borderWidth);
}

TKsCustomScrollBar::~TKsCustomScrollBar() = default;

void TKsCustomScrollBar::SetPosition(int32_t value) {
    if (value == m_position) return;
    m_position = std::clamp(value, m_min, m_max);
    Invalidate();
    Change();
}

void TKsCustomScrollBar::SetMax(int32_t value) {
    if (value == m_max) return;
    m_max = std::max(value, m_min);
    if (m_position > m_max) SetPosition(m_max);
    m_pageSize = int32_t(std::min<int64_t>(m_pageSize, int64_t(m_max) - m_min + 1));
    Invalidate();
}

void TKsCustomScrollBar::SetMin(int32_t value) {
    if (value == m_min) return;
    m_min = std::min(value, m_max);
    if (m_position < m_min) SetPosition(m_min);
    m_pageSize = int32_t(std::min<int64_t>(m_pageSize, int64_t(m_max) - m_min + 1));
    Invalidate();
}

void TKsCustomScrollBar::SetPageSize(int32_t value) {
    if (value == m_pageSize || value < 0) return;
    m_pageSize = int32_t(std::min<int64_t>(value, int64_t(m_max) - m_min + 1));
    Invalidate();
}

void TKsCustomScrollBar::SetKind(TScrollBarKind value) {
    if (value == m_kind) return;
    m_kind = value;
    if (Designing() && (Vertical() ? Width() > Height() : Height() > Width()))
        SetBounds(Left(), Top(), Height(), Width());
    Invalidate();
}

void TKsCustomScrollBar::SetShowButtons(bool value) {
    if (std::exchange(m_showButtons, value) != value) Invalidate();
}

void TKsCustomScrollBar::SetBorderWidth(int32_t value) {
    if (value < 0)
        throw EInvalidOperation("BorderWidth " + std::to_string(value) +
                                " is out of range (0..2147483647)");
    if (std::exchange(m_borderWidth, value) != value) Invalidate();
}

void TKsCustomScrollBar::SetLargeChange(int32_t value) {
    m_largeChange = uint16_t(std::clamp(value, 0, 0xFFFF));
}

void TKsCustomScrollBar::SetSmallChange(int32_t value) {
    m_smallChange = uint16_t(std::clamp(value, 0, 0xFFFF));
}

void TKsCustomScrollBar::FitThickness() {
    const int32_t thickness = GetSystemMetrics(SM_CYVTHUMB) + 2 * m_borderWidth;
    if (Vertical())
        SetBounds(Left(), Top(), thickness, Height());
    else
        SetBounds(Left(), Top(), Width(), thickness);
}

void TKsCustomScrollBar::Change() {
    if (OnChange) OnChange(*this);
}

void TKsCustomScrollBar::Scroll(TScrollCode code, int32_t& position) {
    if (OnScroll) OnScroll(*this, code, position);
}

void TKsCustomScrollBar::Loaded() {
    TKsGraphicControl::Loaded();
    Invalidate();
}

// --- Geometry --------------------------------------------------------------------------------

TRect TKsCustomScrollBar::AlongAxis(int32_t start, int32_t end) const {
    const int32_t b = m_borderWidth, across = Thickness() - b;
    return Vertical() ? TRect{b, start, across, end} : TRect{start, b, end, across};
}

int32_t TKsCustomScrollBar::GetButtonSize() const {
    const int32_t s = GetSystemMetrics(SM_CYVTHUMB), inner = Length() - 2 * m_borderWidth;
    return inner < 2 * s ? inner / 2 : s;
}

TRect TKsCustomScrollBar::GetTrackRect() const {
    int32_t start = m_borderWidth, end = Length() - m_borderWidth;
    if (m_showButtons) {
        const int32_t button = GetButtonSize();
        start += button;
        end -= button;
    }
    return AlongAxis(start, std::max(start, end));
}

int32_t TKsCustomScrollBar::TrackStart() const {
    const TRect track = GetTrackRect();
    return Vertical() ? track.Top : track.Left;
}

int32_t TKsCustomScrollBar::TrackLength() const {
    const TRect track = GetTrackRect();
    return Vertical() ? track.Height() : track.Width();
}

TRect TKsCustomScrollBar::GetFirstButtonRect() const {
    return AlongAxis(m_borderWidth, m_borderWidth + GetButtonSize());
}

TRect TKsCustomScrollBar::GetSecondButtonRect() const {
    const int32_t end = Length() - m_borderWidth;
    return AlongAxis(end - GetButtonSize(), end);
}

int32_t TKsCustomScrollBar::GetThumbSize() const {
    const int32_t s = GetSystemMetrics(SM_CYVTHUMB), track = TrackLength();
    const int64_t count = int64_t(m_max) - m_min + 1;
    const int32_t size = m_pageSize > 0 && count > 0
                             ? ThumbLength(track, m_pageSize, int32_t(std::min<int64_t>(count, INT32_MAX)), s / 3 * 2)
                             : s;
    return size < track ? size : 0;
}

// Steps the thumb can stand at: Max − Min − PageSize, plus 1 for a page.
int64_t TKsCustomScrollBar::ScrollRange() const {
    return int64_t(m_max) - m_min - m_pageSize + (m_pageSize != 0 ? 1 : 0);
}

int32_t TKsCustomScrollBar::ThumbStart() const {
    const int64_t range = ScrollRange();
    const int32_t room = TrackLength() - GetThumbSize();
    if (range <= 0) return TrackStart();
    if (m_position > int64_t(m_max) - m_pageSize + 1) return TrackStart() + room;
    return TrackStart() + ThumbOffset(int64_t(m_position) - m_min, room, range);
}

int32_t TKsCustomScrollBar::PositionAtThumb(int32_t start) const {
    const int64_t range = ScrollRange();
    const int32_t room = TrackLength() - GetThumbSize();
    if (room == 0 || range <= 0) return 0;
    return int32_t(PositionAtOffset(start - TrackStart(), room, range) + m_min);
}

TRect TKsCustomScrollBar::GetThumbRect() const {
    const int32_t start = ThumbStart();
    return AlongAxis(start, start + GetThumbSize());
}

TRect TKsCustomScrollBar::GetPageBackRect() const {
    return AlongAxis(TrackStart(), ThumbStart());
}

TRect TKsCustomScrollBar::GetPageForwardRect() const {
    return AlongAxis(ThumbStart() + GetThumbSize(), TrackStart() + TrackLength());
}

bool TKsCustomScrollBar::ThumbPresent() const {
    return (Enabled() || Designing()) && !IsRectEmpty(GetThumbRect());
}

TRect TKsCustomScrollBar::PartRect(TPart part) const {
    switch (part) {
    case FirstButton:
        return GetFirstButtonRect();
    case SecondButton:
        return GetSecondButtonRect();
    case PageBack:
        return GetPageBackRect();
    default:
        return GetPageForwardRect();
    }
}

} // namespace brisat
