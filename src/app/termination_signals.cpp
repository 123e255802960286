#include "app/termination_signals.h"

#include <atomic>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <stdexcept>
#include <unistd.h>

namespace brisat {
namespace {

std::atomic<int> g_writeEnd{-1};
struct sigaction g_previousTerm {};
struct sigaction g_previousInt {};

// A stop request for the watcher; real signals are positive.
constexpr unsigned char kStop = 0;

void OnSignal(int signal) {
    const int saved = errno;
    const unsigned char byte = static_cast<unsigned char>(signal);
    const int fd = g_writeEnd.load();
    if (fd >= 0) (void)!write(fd, &byte, 1);
    errno = saved;
}

} // namespace

TTerminationWatch::TTerminationWatch(std::function<void(int)> onSignal)
    : m_onSignal(std::move(onSignal)) {
    if (pipe2(m_pipe, O_CLOEXEC) != 0) throw std::runtime_error("cannot create the signal pipe");
    g_writeEnd = m_pipe[1];
    m_thread = std::thread([this] { Watch(); });
    struct sigaction action {};
    action.sa_handler = OnSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(SIGTERM, &action, &g_previousTerm);
    sigaction(SIGINT, &action, &g_previousInt);
}

TTerminationWatch::~TTerminationWatch() {
    sigaction(SIGTERM, &g_previousTerm, nullptr);
    sigaction(SIGINT, &g_previousInt, nullptr);
    const unsigned char stop = kStop;
    (void)!write(m_pipe[1], &stop, 1);
    m_thread.join();
    g_writeEnd = -1;
    close(m_pipe[0]);
    close(m_pipe[1]);
}

void TTerminationWatch::Watch() {
    for (;;) {
        unsigned char byte = 0;
        const ssize_t got = read(m_pipe[0], &byte, 1);
        if (got < 0 && errno == EINTR) continue;
        if (got != 1 || byte == kStop) return;
        m_onSignal(byte);
    }
}

} // namespace brisat
