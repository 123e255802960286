// Starts GStreamer on a thread of its own, so reading its plugin registry overlaps with opening
// the display and making the windows; the first use of GStreamer waits for it if it must. The
// destructor waits for the thread.
#pragma once

#include <thread>

namespace brisat {

class TMediaWarmUp {
public:
    TMediaWarmUp();
    ~TMediaWarmUp();
    TMediaWarmUp(const TMediaWarmUp&) = delete;
    TMediaWarmUp& operator=(const TMediaWarmUp&) = delete;

private:
    std::thread m_thread;
};

} // namespace brisat
