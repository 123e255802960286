#include "xvfb_display.h"

#include <SDL.h>
#include <csignal>
#include <cstdlib>
#include <gtest/gtest.h>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

namespace brisat::test {

namespace {

pid_t g_server = 0;

class TXvfbEnvironment : public testing::Environment {
public:
    void TearDown() override {
        if (!g_server) return;
        // Windows and the X connection go first: Xlib ends the program when its server dies.
        SDL_Quit();
        kill(g_server, SIGTERM);
        waitpid(g_server, nullptr, 0);
        g_server = 0;
    }
};

const bool g_registered = (testing::AddGlobalTestEnvironment(new TXvfbEnvironment), true);

// Starts Xvfb with -displayfd and reads the display number it chose.
std::string StartServer() {
    int fds[2];
    if (pipe(fds) != 0) return "cannot make a pipe";
    const pid_t pid = fork();
    if (pid < 0) return "cannot fork";
    if (pid == 0) {
        close(fds[0]);
        const std::string fd = std::to_string(fds[1]);
        execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", "1280x1024x24",
               "-nolisten", "tcp", "-noreset", static_cast<char*>(nullptr));
        _exit(127);
    }
    close(fds[1]);
    std::string number;
    pollfd wait{fds[0], POLLIN, 0};
    char c = 0;
    while (poll(&wait, 1, 10000) == 1 && read(fds[0], &c, 1) == 1 && c != '\n')
        number += c;
    close(fds[0]);
    if (number.empty()) {
        kill(pid, SIGTERM);
        waitpid(pid, nullptr, 0);
        return "Xvfb did not start (is the xvfb package installed?)";
    }
    g_server = pid;
    setenv("DISPLAY", (":" + number).c_str(), 1);
    return {};
}

} // namespace

std::string EnsureTestDisplay() {
    static const std::string failure = StartServer();
    (void)g_registered;
    return failure;
}

} // namespace brisat::test

// SDL_Quit leaves its D-Bus connection and Mesa its driver state behind, allocated in libraries
// without frame pointers whose stacks cannot be matched; leaks are checked by the other suites.
extern "C" const char* __asan_default_options() {
    return "detect_leaks=0";
}
