// The scroll bar's mouse handling, stepping and auto-repeat.
#include "skin_controls/ks_custom_scroll_bar.h"

#include "framework/controls/timer.h"
#include "skin/bitmap/draw_helpers.h"

#include <algorithm>

namespace brisat {

bool TKsCustomScrollBar::UpdateHot(int32_t x, int32_t y) {
    const TPoint p{x, y};
    bool changed = false;
    const auto set = [&changed](bool& flag, bool value) {
        changed |= flag != value;
        flag = value;
    };
    set(m_thumbHot, ThumbPresent() && PtInRect(GetThumbRect(), p));
    set(m_hot[FirstButton], m_showButtons && PtInRect(GetFirstButtonRect(), p));
    set(m_hot[SecondButton], m_showButtons && PtInRect(GetSecondButtonRect(), p));
    set(m_hot[PageBack], PtInRect(GetPageBackRect(), p));
    set(m_hot[PageForward], PtInRect(GetPageForwardRect(), p));
    return changed;
}

void TKsCustomScrollBar::MouseDown(TMouseButton button, TShiftState shift, int32_t x, int32_t y) {
    TKsGraphicControl::MouseDown(button, shift, x, y);
    if (button != TMouseButton::mbLeft) return;
    m_lastX = x;
    m_lastY = y;
    UpdateHot(x, y);
    if (m_thumbHot) {
        m_dragOffset = AlongPoint(x, y) - ThumbStart();
        int32_t position = m_position;
        Scroll(TScrollCode::scTrack, position);
        SetPosition(position);
        Invalidate();
    }
    bool any = false;
    for (int part = 0; part < PartCount; ++part) {
        m_pressed[part] = PtInRect(PartRect(TPart(part)), {x, y});
        any |= PressedAndHot(TPart(part));
    }
    if (!any) return;
    Invalidate();
    StartRepeat();
}

void TKsCustomScrollBar::MouseMove(TShiftState shift, int32_t x, int32_t y) {
    TKsGraphicControl::MouseMove(shift, x, y);
    m_lastX = x;
    m_lastY = y;
    if (Dragging()) {
        const int32_t room = TrackLength() - GetThumbSize();
        const int32_t start =
            std::clamp(AlongPoint(x, y) - m_dragOffset, TrackStart(), TrackStart() + std::max(room, 0));
        int32_t position = PositionAtThumb(start);
        Scroll(TScrollCode::scTrack, position);
        SetPosition(position);
    }
    if (UpdateHot(x, y)) Invalidate();
}

void TKsCustomScrollBar::MouseUp(TMouseButton button, TShiftState shift, int32_t x, int32_t y) {
    TKsGraphicControl::MouseUp(button, shift, x, y);
    if (button != TMouseButton::mbLeft) return;
    int32_t position = m_position;
    if (Dragging()) {
        Scroll(TScrollCode::scPosition, position);
        SetPosition(position);
    }
    m_dragOffset = -1;
    std::fill(std::begin(m_pressed), std::end(m_pressed), false);
    StopRepeat();
    position = m_position;
    Scroll(TScrollCode::scEndScroll, position);
    SetPosition(position);
    Invalidate();
}

void TKsCustomScrollBar::MouseLeave() {
    const bool wasHot = m_thumbHot || std::ranges::any_of(m_hot, [](bool h) { return h; });
    m_thumbHot = false;
    std::fill(std::begin(m_hot), std::end(m_hot), false);
    if (wasHot) Invalidate();
    TKsGraphicControl::MouseLeave();
}

void TKsCustomScrollBar::WndProc(TMessage& message) {
    if (message.Msg == WM_GETDLGCODE) {
        message.Result = 1;
        return;
    }
    TKsGraphicControl::WndProc(message);
}

// --- Stepping --------------------------------------------------------------------------------

void TKsCustomScrollBar::ScrollTo(TScrollCode code, int64_t target) {
    int32_t position = int32_t(std::clamp<int64_t>(target, m_min, m_max));
    Scroll(code, position);
    SetPosition(position);
}

void TKsCustomScrollBar::Step(TScrollCode code) {
    const int64_t page = m_pageSize < 1 ? m_largeChange : m_pageSize;
    switch (code) {
    case TScrollCode::scPageUp:
        return ScrollTo(code, m_position - page);
    case TScrollCode::scPageDown:
        return ScrollTo(code, m_position + page);
    case TScrollCode::scTop:
        return ScrollTo(code, m_min);
    case TScrollCode::scBottom:
        return ScrollTo(code, m_max);
    case TScrollCode::scLineDown:
        ScrollTo(code, int64_t(m_position) + m_smallChange);
        if (m_autoForward && m_position >= m_max) SetAutoScrollForward(false);
        return;
    case TScrollCode::scLineUp:
        ScrollTo(code, int64_t(m_position) - m_smallChange);
        if (m_autoBack && m_position <= m_min) SetAutoScrollBack(false);
        return;
    default:
        return;
    }
}

// --- Auto-repeat -----------------------------------------------------------------------------

void TKsCustomScrollBar::SetAutoScrollBack(bool on) {
    if (on == m_autoBack) return;
    m_autoBack = on;
    if (!on) return StopRepeat();
    m_autoForward = false;
    StartTimer(KeyboardRepeatInterval());
}

void TKsCustomScrollBar::SetAutoScrollForward(bool on) {
    if (on == m_autoForward) return;
    m_autoForward = on;
    if (!on) return StopRepeat();
    m_autoBack = false;
    StartTimer(KeyboardRepeatInterval());
}

void TKsCustomScrollBar::StartTimer(uint32_t interval) {
    if (!m_timer) {
        m_timer = std::make_unique<TTimer>(nullptr);
        m_timer->OnTimer = [this](TComponent&) { RepeatTick(); };
    }
    m_timer->SetEnabled(false);
    m_timer->SetInterval(interval);
    m_timer->SetEnabled(true);
}

void TKsCustomScrollBar::StartRepeat() {
    RepeatStep();
    StartTimer(KeyboardRepeatDelay());
}

void TKsCustomScrollBar::StopRepeat() {
    if (m_timer) m_timer->SetEnabled(false);
}

void TKsCustomScrollBar::RepeatTick() {
    m_timer->SetInterval(KeyboardRepeatInterval());
    try {
        RepeatStep();
    } catch (...) {
        StopRepeat();
        throw;
    }
}

void TKsCustomScrollBar::RepeatStep() {
    if (PressedAndHot(FirstButton) || m_autoBack) return Step(TScrollCode::scLineUp);
    if (PressedAndHot(SecondButton) || m_autoForward) return Step(TScrollCode::scLineDown);
    // The page areas move with the thumb: test them again at the pointer.
    const TPoint p{m_lastX, m_lastY};
    const bool back = PtInRect(GetPageBackRect(), p);
    if (back != m_hot[PageBack]) Invalidate();
    m_hot[PageBack] = back;
    if (PressedAndHot(PageBack)) return Step(TScrollCode::scPageUp);
    const bool forward = PtInRect(GetPageForwardRect(), p);
    if (forward != m_hot[PageForward]) Invalidate();
    m_hot[PageForward] = forward;
    if (PressedAndHot(PageForward)) Step(TScrollCode::scPageDown);
}

} // namespace brisat
