#include "skin_controls/ks_track_bar.h"

#include "framework/core/exceptions.h"
#include "framework/core/store_if_changed.h"

#include <algorithm>
#include <string>

namespace brisat {

TKsCustomTrackBar::TKsCustomTrackBar(TComponent* owner) : TKsCustomControl(owner) {
    SetBounds(Left(), Top(), 150, 45);
    SetTabStop(true);
    ControlStyle().Include(TControlStyleKind::csCaptureMouse);
}

void TKsCustomTrackBar::SetOrientation(TTrackOrientation value) {
    if (!StoreIfChanged(m_orientation, value)) return;
    if (Designing() && !Loading() && (Width() > Height()) == Vertical())
        SetBounds(Left(), Top(), Height(), Width());
    Invalidate();
}

// While a layout is read Min, Max and Position arrive one by one: they are taken as they come
// and checked together by Loaded, so Min = 20, Max = 30 loads whatever the defaults were.
void TKsCustomTrackBar::SetMin(int32_t value) {
    if (Loading()) {
        m_min = value;
        return;
    }
    if (value == m_min || value >= m_max) return;
    m_min = value;
    if (m_position < m_min) SetPosition(m_min);
    Invalidate();
}

void TKsCustomTrackBar::SetMax(int32_t value) {
    if (Loading()) {
        m_max = value;
        return;
    }
    if (value == m_max || value <= m_min) return;
    m_max = value;
    if (m_position > m_max) SetPosition(m_max);
    Invalidate();
}

void TKsCustomTrackBar::SetPosition(int32_t value) {
    if (Loading()) {
        m_position = value;
        return;
    }
    if (value == m_position) return;
    m_position = std::clamp(value, m_min, m_max);
    Invalidate();
    Change();
}

void TKsCustomTrackBar::Loaded() {
    if (m_max <= m_min)
        throw EInvalidOperation("Max " + std::to_string(m_max) + " is out of range (above Min " +
                                std::to_string(m_min) + ")");
    m_position = std::clamp(m_position, m_min, m_max);
    TKsCustomControl::Loaded();
    Invalidate();
}

void TKsCustomTrackBar::SetShowTicks(bool value) {
    if (StoreIfChanged(m_showTicks, value)) Invalidate();
}

void TKsCustomTrackBar::SetThumbHalfWidth(uint16_t value) {
    if (StoreIfChanged(m_thumbHalfWidth, value)) Invalidate();
}

void TKsCustomTrackBar::SetTickMarks(TTickMark value) {
    if (StoreIfChanged(m_tickMarks, value)) Invalidate();
}

void TKsCustomTrackBar::SetFrequency(int32_t value) {
    if (StoreIfChanged(m_frequency, value)) Invalidate();
}

void TKsCustomTrackBar::SetThumbVisible(bool value) {
    if (StoreIfChanged(m_thumbVisible, value)) Invalidate();
}

void TKsCustomTrackBar::SetIntervalHighlightType(TIntervalHighlightType value) {
    if (StoreIfChanged(m_highlight, value)) Invalidate();
}

void TKsCustomTrackBar::Change() {
    if (OnChange) OnChange(*this);
}

// --- Input --------------------------------------------------------------------------------------

void TKsCustomTrackBar::StepBy(int64_t delta) {
    SetPosition(Scale().Clamp(m_position + delta));
}

void TKsCustomTrackBar::SetThumbHot(bool value) {
    if (StoreIfChanged(m_thumbHot, value)) Invalidate();
}

void TKsCustomTrackBar::StopDragging() {
    if (StoreIfChanged(m_dragging, false)) Invalidate();
}

void TKsCustomTrackBar::MouseDown(TMouseButton button, TShiftState shift, int32_t x, int32_t y) {
    TKsCustomControl::MouseDown(button, shift, x, y);
    if (CanFocus() && !Focused()) SetFocus();
    if (button != TMouseButton::mbLeft) return;
    if (ThumbHitTest(x, y)) {
        m_dragging = true;
        Invalidate();
        return;
    }
    // One page towards the click. The side is judged on the unsnapped value: snapped to
    // Frequency a click just beside the thumb could land behind it and page the wrong way.
    const int32_t along = std::clamp(Vertical() ? y : x, 0, AxisLength());
    const int32_t at = Scale().Clamp(Scale().PixelToValue(along, TTrackRounding::HalfEven));
    if (at > m_position)
        StepBy(m_pageSize);
    else if (at < m_position)
        StepBy(-int64_t(m_pageSize));
}

void TKsCustomTrackBar::MouseMove(TShiftState shift, int32_t x, int32_t y) {
    if (m_dragging) {
        const int32_t along = std::clamp(Vertical() ? y : x, 0, AxisLength());
        SetPosition(PixelToValue(uint16_t(std::min(along, 0xFFFF))));
    }
    SetThumbHot(ThumbHitTest(x, y));
    TKsCustomControl::MouseMove(shift, x, y);
}

void TKsCustomTrackBar::MouseUp(TMouseButton button, TShiftState shift, int32_t x, int32_t y) {
    if (button == TMouseButton::mbLeft) StopDragging();
    TKsCustomControl::MouseUp(button, shift, x, y);
}

void TKsCustomTrackBar::MouseLeave() {
    SetThumbHot(false);
}

void TKsCustomTrackBar::FocusEnter() {
    Invalidate();
}

void TKsCustomTrackBar::FocusExit() {
    Invalidate();
}

void TKsCustomTrackBar::KeyDown(uint16_t& key, TShiftState shift) {
    TKsCustomControl::KeyDown(key, shift);
    switch (key) {
    case VK_PRIOR:
        StepBy(-int64_t(m_pageSize));
        break;
    case VK_NEXT:
        StepBy(m_pageSize);
        break;
    case VK_END:
        SetPosition(m_max);
        break;
    case VK_HOME:
        SetPosition(m_min);
        break;
    case VK_LEFT:
    case VK_UP:
        StepBy(-int64_t(m_lineSize));
        break;
    case VK_RIGHT:
    case VK_DOWN:
        StepBy(m_lineSize);
        break;
    default:
        return;
    }
    key = 0;
}

void TKsCustomTrackBar::WndProc(TMessage& message) {
    switch (message.Msg) {
    case WM_GETDLGCODE:
        message.Result = DLGC_WANTARROWS;
        return;
    case WM_CAPTURECHANGED:
        // A drag whose button-up went elsewhere must not go on following the pointer.
        StopDragging();
        break;
    default:
        break;
    }
    TKsCustomControl::WndProc(message);
}

} // namespace brisat
