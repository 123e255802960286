#include "media/ds_track_bar.h"

#include "framework/controls/application.h"
#include "framework/core/store_if_changed.h"
#include "framework/windowing/message_queue.h"
#include "framework/windowing/window_handle.h"
#include "media/platform/event_codes.h"

#include <algorithm>
#include <limits>

namespace brisat {

namespace {

constexpr UINT kTimerId = 1;

std::int32_t Units(std::uint32_t ms, std::uint32_t interval) {
    return std::int32_t(
        std::min<std::uint32_t>(ms / interval, std::numeric_limits<int32_t>::max()));
}

} // namespace

TDSTrackBar::TDSTrackBar(TComponent* owner) : TTrackBar(owner) {
    m_timerWindow = AllocateHWnd([this](TMessage& m) {
        if (m.Msg != WM_TIMER) return;
        try {
            TimerTick();
        } catch (...) {
            if (!Application) throw;
            Application->HandleException(*this);
        }
    });
}

TDSTrackBar::~TDSTrackBar() {
    m_timerEnabled = false;
    KillTimer(m_timerWindow, kTimerId);
    SetFilterGraph(nullptr);
    DeallocateHWnd(m_timerWindow);
    m_seeking.reset();
}

void TDSTrackBar::SetFilterGraph(TFilterGraph* graph) {
    if (graph == m_filterGraph) return;
    if (m_filterGraph) {
        m_filterGraph->DetachEventListener(*this);
        RemoveFreeNotification(*m_filterGraph);
    }
    if (graph) {
        graph->AttachEventListener(*this);
        FreeNotification(*graph);
    }
    m_filterGraph = graph;
}

void TDSTrackBar::Notification(TComponent& component, TOperation operation) {
    TTrackBar::Notification(component, operation);
    if (operation == TOperation::opRemove && &component == m_filterGraph) {
        m_seeking.reset();
        m_filterGraph = nullptr; // a controller being destroyed lists nobody any more
    }
}

void TDSTrackBar::SetTimerInterval(std::uint32_t interval) {
    if (StoreIfChanged(m_timerInterval, interval)) UpdateTimer();
}

void TDSTrackBar::SetOnTimer(TTimerEvent handler) {
    m_onTimer = std::move(handler);
    UpdateTimer();
}

void TDSTrackBar::SetTimerEnabled(bool enabled) {
    if (StoreIfChanged(m_timerEnabled, enabled)) UpdateTimer();
}

void TDSTrackBar::UpdateTimer() {
    KillTimer(m_timerWindow, kTimerId);
    if (m_timerInterval != 0 && m_timerEnabled &&
        SetTimer(m_timerWindow, kTimerId, m_timerInterval) == 0)
        throw EOutOfResources("Not enough timers available");
}

void TDSTrackBar::HandleControlEvent(TGraphControlEvent kind, std::int32_t param) {
    switch (kind) {
    case TGraphControlEvent::gcePlay:
        SetTimerEnabled(Enabled());
        break;
    case TGraphControlEvent::gcePause:
    case TGraphControlEvent::gceStop:
        SetTimerEnabled(false);
        break;
    case TGraphControlEvent::gceActive:
        if (param == 1 && m_filterGraph)
            m_seeking = m_filterGraph->QueryInterface<TGraphInterface::IMediaSeeking>();
        else
            m_seeking.reset();
        break;
    default:
        break;
    }
}

// A new reference clock means a graph started running: play it from the start. A graph that is
// there already, as a new one is, is not moved: the seek would flush it, show its first picture
// twice and repeat the sound played so far.
void TDSTrackBar::HandleGraphEvent(long code, std::intptr_t, std::intptr_t) {
    if (code != EC_CLOCK_CHANGED || !m_seeking) return;
    constexpr std::int64_t kStillAtStart = 250 * 10'000; // 100-ns units
    std::int64_t duration = 0, start = 0, current = -1;
    if (Succeeded(m_seeking->GetCurrentPosition(current)) && current >= 0 &&
        current < kStillAtStart)
        return;
    m_seeking->GetDuration(duration);
    m_seeking->SetPositions(&start, AM_SEEKING_AbsolutePositioning, &duration,
                            AM_SEEKING_NoPositioning);
}

void TDSTrackBar::TimerTick() {
    if (!m_seeking || m_seekDragging || m_timerInterval == 0) return;
    std::int64_t duration = 0, current = 0;
    if (Failed(m_seeking->GetDuration(duration))) return;
    if (Failed(m_seeking->GetCurrentPosition(current))) return;
    auto positionMs = std::uint32_t(ReferenceTimeToMs(current));
    auto durationMs = std::uint32_t(ReferenceTimeToMs(duration));
    SetMin(0);
    SetMax(Units(durationMs, m_timerInterval));
    SetPosition(Units(positionMs, m_timerInterval));
    if (m_onTimer) m_onTimer(*this, positionMs, durationMs);
}

void TDSTrackBar::MouseDown(TMouseButton button, TShiftState shift, int32_t x, int32_t y) {
    TTrackBar::MouseDown(button, shift, x, y);
    if (button == TMouseButton::mbLeft) m_seekDragging = true;
}

void TDSTrackBar::MouseUp(TMouseButton button, TShiftState shift, int32_t x, int32_t y) {
    TTrackBar::MouseUp(button, shift, x, y);
    if (button == TMouseButton::mbLeft && m_seeking) SeekToThumb();
    m_seekDragging = false;
}

// To stop × Position / Max of the stream. With Max 0 (a stream shorter than one unit) the thumb
// cannot move, and nothing is sought. The product is taken in 128 bits: a long stream's stop
// times a large Position overflows 64.
void TDSTrackBar::SeekToThumb() {
    if (Max() <= 0) return;
    std::int64_t stop = 0;
    m_seeking->GetStopPosition(stop);
    auto target = std::int64_t(__int128(stop) * Position() / Max());
    m_seeking->SetPositions(&target, AM_SEEKING_AbsolutePositioning, &stop,
                            AM_SEEKING_NoPositioning);
}

} // namespace brisat
