#include "media/platform/media_event_queue.h"

#include <algorithm>

namespace brisat {

void TMediaEventQueue::SetNotifyCallback(TNotifyCallback callback) {
    std::lock_guard lock(m_lock);
    m_notify = std::move(callback);
}

HRESULT TMediaEventQueue::SetNotifyFlags(long flags) {
    if (flags != 0 && flags != AM_MEDIAEVENT_NONOTIFY) return E_INVALIDARG;
    std::lock_guard lock(m_lock);
    m_flags = flags;
    if (flags == AM_MEDIAEVENT_NONOTIFY) m_events.clear();
    return S_OK;
}

long TMediaEventQueue::GetNotifyFlags() const {
    std::lock_guard lock(m_lock);
    return m_flags;
}

void TMediaEventQueue::Post(TMediaEvent event, TEventPosting posting) {
    if (posting == TEventPosting::None) return;
    TNotifyCallback notify;
    {
        std::lock_guard lock(m_lock);
        if (m_flags == AM_MEDIAEVENT_NONOTIFY) return;
        if (posting == TEventPosting::Coalesce &&
            std::any_of(m_events.begin(), m_events.end(),
                        [&](const TMediaEvent& e) { return e.Code == event.Code; }))
            return;
        if (m_events.size() >= kCapacity) {
            ++m_dropped;
            return;
        }
        m_events.push_back(std::move(event));
        notify = m_notify;
    }
    // Outside the lock: the callback may post a message that makes the GUI thread drain at once.
    if (notify) notify();
}

HRESULT TMediaEventQueue::GetEvent(TMediaEvent& event) {
    std::lock_guard lock(m_lock);
    if (m_events.empty()) return E_ABORT;
    event = std::move(m_events.front());
    m_events.pop_front();
    return S_OK;
}

HRESULT TMediaEventQueue::GetEvent(long& code, std::intptr_t& param1, std::intptr_t& param2,
                                   long /*timeoutMs: the GUI thread never waits*/) {
    TMediaEvent event;
    HRESULT hr = GetEvent(event);
    code = event.Code;
    param1 = event.Param1;
    param2 = event.Param2;
    return hr;
}

HRESULT TMediaEventQueue::FreeEventParams(long, std::intptr_t, std::intptr_t) {
    return S_OK;
}

std::size_t TMediaEventQueue::Dropped() const {
    std::lock_guard lock(m_lock);
    return m_dropped;
}

} // namespace brisat
