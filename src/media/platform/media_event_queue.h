// The graph's event queue. Threads: GStreamer's streaming and bus threads call Post (locked) and,
// through it, the notify callback; GetEvent and the setters run on the GUI thread.
#pragma once

#include "media/platform/result_codes.h"

#include <cstddef>
#include <cstdint>
#include <deque>
#include <functional>
#include <mutex>
#include <string>

namespace brisat {

// Whether an event is queued: not at all, always, or only when none of its code still waits (for
// frequent, state-like events).
enum class TEventPosting { None, Post, Coalesce };

struct TMediaEvent {
    long Code = 0;
    std::intptr_t Param1 = 0;
    std::intptr_t Param2 = 0;
    // GStreamer's own words for errors and warnings ("" otherwise), for a message a user can act
    // on.
    std::string Detail;
};

constexpr long AM_MEDIAEVENT_NONOTIFY = 1;

class TMediaEventQueue {
public:
    // Called after every queued event, on whichever thread queued it. It must only hand the news
    // to the GUI thread (PostMessage) and return.
    using TNotifyCallback = std::function<void()>;

    // Bounds the queue so a flood of warnings from a damaged file cannot grow it without limit;
    // events beyond it are dropped and counted.
    static constexpr std::size_t kCapacity = 1024;

    void SetNotifyCallback(TNotifyCallback callback);
    // 0 = queue and notify; AM_MEDIAEVENT_NONOTIFY = discard queued and new events.
    HRESULT SetNotifyFlags(long flags);
    long GetNotifyFlags() const;

    // Queues one event as Posting says unless notifications are off or the queue is full.
    void Post(TMediaEvent event, TEventPosting posting = TEventPosting::Post);

    // S_OK with the oldest event, or E_ABORT when the queue is empty (GUI thread, never waits).
    HRESULT GetEvent(TMediaEvent& event);
    HRESULT GetEvent(long& code, std::intptr_t& param1, std::intptr_t& param2, long timeoutMs);
    // Parameters are plain values owned by the caller's copy; nothing to free.
    HRESULT FreeEventParams(long code, std::intptr_t param1, std::intptr_t param2);

    std::size_t Dropped() const;

private:
    mutable std::mutex m_lock;
    std::deque<TMediaEvent> m_events;
    TNotifyCallback m_notify;
    long m_flags = 0;
    std::size_t m_dropped = 0;
};

} // namespace brisat
