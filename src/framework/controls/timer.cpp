#include "framework/controls/timer.h"

#include "framework/controls/application.h"
#include "framework/core/store_if_changed.h"
#include "framework/windowing/message_queue.h"

namespace brisat {

TTimer::TTimer(TComponent* owner) : TComponent(owner) {
    m_window = AllocateHWnd([this](TMessage& m) {
        if (m.Msg == WM_TIMER) Tick();
    });
    UpdateTimer();
}

TTimer::~TTimer() {
    DeallocateHWnd(m_window);
}

void TTimer::SetEnabled(bool enabled) {
    if (StoreIfChanged(m_enabled, enabled)) UpdateTimer();
}

void TTimer::SetInterval(uint32_t interval) {
    if (StoreIfChanged(m_interval, interval)) UpdateTimer();
}

void TTimer::Loaded() {
    TComponent::Loaded();
    UpdateTimer();
}

void TTimer::UpdateTimer() {
    KillTimer(m_window, 1);
    if (m_enabled && m_interval > 0 && !ComponentState().Contains(TComponentStateFlag::csLoading) &&
        !ComponentState().Contains(TComponentStateFlag::csDesigning))
        SetTimer(m_window, 1, m_interval);
}

void TTimer::Tick() {
    if (m_running || !OnTimer) return;
    m_running = true;
    try {
        OnTimer(*this);
    } catch (...) {
        m_running = false;
        if (!Application) throw;
        Application->HandleException(*this);
        return;
    }
    m_running = false;
}

} // namespace brisat
