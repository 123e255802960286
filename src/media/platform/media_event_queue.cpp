#include "media/platform/media_event_queue.h"

#include <algorithm>

namespace brisat {

void MediaEventQueue::SetNotifyCallback(NotifyCallback callback) {
    std::lock_guard lock(m_lock);
    m_notify = std::move(callback);
}

HRESULT MediaEventQueue::SetNotifyFlags(long flags) {
    if (flags != 0 && flags != AM_MEDIAEVENT_NONOTIFY) return E_INVALIDARG;
    std::lock_guard lock(m_lock);
    m_flags = flags;
    if (flags == AM_MEDIAEVENT_NONOTIFY) m_events.clear();
    return S_OK;
}

long MediaEventQueue::GetNotifyFlags() const {
    std::lock_guard lock(m_lock);
    return m_flags;
}

void MediaEventQueue::Post(MediaEvent event, EventPosting posting) {
    if (posting == EventPosting::None) return;
    NotifyCallback notify;
    {
        std::lock_guard lock(m_lock);
        if (m_flags == AM_MEDIAEVENT_NONOTIFY) return;
        if (posting == EventPosting::Coalesce &&
            std::any_of(m_events.begin(), m_events.end(),
                        [&](const MediaEvent& e) { return e.Code == event.Code; }))
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

HRESULT MediaEventQueue::GetEvent(MediaEvent& event) {
    std::lock_guard lock(m_lock);
    if (m_events.empty()) return E_ABORT;
    event = std::move(m_events.front());
    m_events.pop_front();
    return S_OK;
}

HRESULT MediaEventQueue::GetEvent(long& code, std::intptr_t& param1, std::intptr_t& param2,
                                  long /*timeoutMs: the GUI thread never waits*/) {
    MediaEvent event;
    HRESULT hr = GetEvent(event);
    code = event.Code;
    param1 = event.Param1;
    param2 = event.Param2;
    return hr;
}

HRESULT MediaEventQueue::FreeEventParams(long, std::intptr_t, std::intptr_t) {
    return S_OK;
}

std::size_t MediaEventQueue::Dropped() const {
    std::lock_guard lock(m_lock);
    return m_dropped;
}

} // namespace brisat
