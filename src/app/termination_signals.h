// Turns SIGTERM and SIGINT (a logout, Ctrl+C in a terminal) into a call on a watcher thread, so
// the program can close its main window the normal way (posting WM_CLOSE is thread-safe) and
// write its configuration. The signal handler only writes a byte to a pipe, which is all it may
// safely do; the previous handlers come back when the watch ends. One watch at a time.
#pragma once

#include <functional>
#include <thread>

namespace brisat {

class TTerminationWatch {
public:
    // OnSignal runs on the watcher thread with the signal's number, once per signal received.
    explicit TTerminationWatch(std::function<void(int signal)> onSignal);
    ~TTerminationWatch();
    TTerminationWatch(const TTerminationWatch&) = delete;
    TTerminationWatch& operator=(const TTerminationWatch&) = delete;

private:
    void Watch();

    std::function<void(int)> m_onSignal;
    int m_pipe[2] = {-1, -1};
    std::thread m_thread;
};

} // namespace brisat
