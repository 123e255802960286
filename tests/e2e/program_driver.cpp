#include "program_driver.h"

#include "platform/png_file.h"
#include "platform/x11_error_trap.h"
#include "platform/x11_image.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <csignal>
#include <cstdlib>
#include <poll.h>
#include <stdexcept>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace brisat::test {

namespace {

// Reads what Xvfb writes to -displayfd: its display number and a newline.
std::string ReadDisplayNumber(int fd) {
    std::string number;
    pollfd wait{fd, POLLIN, 0};
    char c = 0;
    while (poll(&wait, 1, 10000) == 1 && read(fd, &c, 1) == 1 && c != '\n')
        number += c;
    return number;
}

// Waits up to Grace for Pid to end; its waitpid status, or nullopt when it still runs.
std::optional<int> Reap(pid_t pid, std::chrono::milliseconds grace) {
    const auto end = std::chrono::steady_clock::now() + grace;
    do {
        int status = 0;
        if (waitpid(pid, &status, WNOHANG) == pid) return status;
        std::this_thread::sleep_for(10ms);
    } while (std::chrono::steady_clock::now() < end);
    return std::nullopt;
}

// In a child just forked by Parent: the child is ended when the test process ends, however it
// ends (a crash, a timeout's kill), so no server or program outlives it and holds its pipes.
void EndWithParent(pid_t parent) {
    prctl(PR_SET_PDEATHSIG, SIGTERM);
    if (getppid() != parent) _exit(127);
}

int Terminate(pid_t pid, std::chrono::milliseconds grace) {
    kill(pid, SIGTERM);
    if (const std::optional<int> status = Reap(pid, grace)) return *status;
    kill(pid, SIGKILL);
    int status = 0;
    waitpid(pid, &status, 0);
    return status;
}

std::string StringProperty(Display* d, Window w, const char* name, Atom type) {
    Atom actual = 0;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    XGetWindowProperty(d, w, XInternAtom(d, name, False), 0, 4096, False, type, &actual, &format,
                       &count, &after, &data);
    std::string text = data && format == 8 ? std::string(reinterpret_cast<char*>(data), count) : "";
    if (data) XFree(data);
    return text;
}

std::string Title(Display* d, Window w) {
    const std::string title =
        StringProperty(d, w, "_NET_WM_NAME", XInternAtom(d, "UTF8_STRING", False));
    return title.empty() ? StringProperty(d, w, "WM_NAME", XA_STRING) : title;
}

std::vector<Window> Children(Display* d, Window parent) {
    Window root = 0, up = 0, *children = nullptr;
    unsigned count = 0;
    std::vector<Window> result;
    if (XQueryTree(d, parent, &root, &up, &children, &count) && children)
        result.assign(children, children + count);
    if (children) XFree(children);
    return result;
}

// Where the window itself lies on the screen; under a window manager that is inside its frame.
TScreenRect ScreenBounds(Display* d, Window w, const XWindowAttributes& attributes) {
    int x = 0, y = 0;
    Window child = 0;
    XTranslateCoordinates(d, w, attributes.root, 0, 0, &x, &y, &child);
    return {x, y, x + attributes.width, y + attributes.height};
}

} // namespace

TProgramDriver::TProgramDriver(const std::string& program,
                               const std::vector<std::string>& arguments,
                               const TDriverOptions& options) {
    StartServer(options.Width, options.Height);
    StartWindowManager(options.WindowManager);
    StartProgram(program, arguments);
}

TProgramDriver::~TProgramDriver() {
    if (m_program && !m_status) Stop();
    if (m_compositor) Terminate(m_compositor, 3s);
    if (m_manager) Terminate(m_manager, 3s);
    if (m_display) XCloseDisplay(m_display);
    if (m_server) Terminate(m_server, 3s);
}

void TProgramDriver::StartServer(int32_t width, int32_t height) {
    int fds[2];
    if (pipe(fds) != 0) throw std::runtime_error("Cannot make a pipe for Xvfb");
    const pid_t parent = getpid();
    const pid_t pid = fork();
    if (pid < 0) throw std::runtime_error("Cannot fork Xvfb");
    if (pid == 0) {
        EndWithParent(parent);
        close(fds[0]);
        const std::string fd = std::to_string(fds[1]);
        const std::string screen = std::to_string(width) + "x" + std::to_string(height) + "x24";
        execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", screen.c_str(),
               "-nolisten", "tcp", "-noreset", static_cast<char*>(nullptr));
        _exit(127);
    }
    close(fds[1]);
    const std::string number = ReadDisplayNumber(fds[0]);
    close(fds[0]);
    m_server = pid;
    if (number.empty()) throw std::runtime_error("Xvfb did not start");
    m_displayName = ":" + number;
    m_display = XOpenDisplay(m_displayName.c_str());
    if (!m_display) throw std::runtime_error("Cannot open Xvfb's display " + m_displayName);
    int event = 0, error = 0, major = 0, minor = 0;
    if (!XTestQueryExtension(m_display, &event, &error, &major, &minor))
        throw std::runtime_error("The X server has no XTEST extension");
}

void TProgramDriver::StartWindowManager(TWindowManager manager) {
    if (manager == TWindowManager::Absent) return;
    const pid_t pid = StartClient({"openbox", "--sm-disable"});
    m_manager = pid;
    std::optional<int> ended;
    WaitUntil([&] { return ManagerRuns() || (ended = Reap(pid, 0ms)).has_value(); });
    if (ended) m_manager = 0;
    if (!ManagerRuns()) throw std::runtime_error("openbox did not take over the screen");
}

pid_t TProgramDriver::StartClient(const std::vector<const char*>& argv) {
    std::vector<char*> args;
    for (const char* arg : argv)
        args.push_back(const_cast<char*>(arg));
    args.push_back(nullptr);
    const pid_t parent = getpid();
    const pid_t pid = fork();
    if (pid < 0) throw std::runtime_error(std::string("Cannot fork ") + argv[0]);
    if (pid == 0) {
        EndWithParent(parent);
        setenv("DISPLAY", m_displayName.c_str(), 1);
        execvp(args[0], args.data());
        _exit(127);
    }
    return pid;
}

void TProgramDriver::StartCompositor() {
    m_compositor = StartClient({"xcompmgr"});
    std::optional<int> ended;
    WaitUntil([&] {
        return SelectionOwned("_NET_WM_CM_S0") || (ended = Reap(m_compositor, 0ms)).has_value();
    });
    if (ended) m_compositor = 0;
    if (!SelectionOwned("_NET_WM_CM_S0"))
        throw std::runtime_error("xcompmgr did not take over the screen");
}

bool TProgramDriver::SelectionOwned(const char* selection) {
    return XGetSelectionOwner(m_display, XInternAtom(m_display, selection, False)) != None;
}

// A window manager that has taken over the screen names its check window on the root.
bool TProgramDriver::ManagerRuns() {
    Atom type = None;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    XGetWindowProperty(m_display, DefaultRootWindow(m_display),
                       XInternAtom(m_display, "_NET_SUPPORTING_WM_CHECK", False), 0, 1, False,
                       XA_WINDOW, &type, &format, &count, &after, &data);
    if (data) XFree(data);
    return type == XA_WINDOW && count == 1;
}

void TProgramDriver::StartProgram(const std::string& program,
                                  const std::vector<std::string>& arguments) {
    std::vector<char*> argv{const_cast<char*>(program.c_str())};
    for (const std::string& a : arguments)
        argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    const pid_t parent = getpid();
    const pid_t pid = fork();
    if (pid < 0) throw std::runtime_error("Cannot fork " + program);
    if (pid == 0) {
        EndWithParent(parent);
        setenv("DISPLAY", m_displayName.c_str(), 1);
        // SDL and the GL drivers leave allocations behind at exit that are not ours.
        setenv("ASAN_OPTIONS", "detect_leaks=0", 1);
        execv(program.c_str(), argv.data());
        _exit(127);
    }
    m_program = pid;
}

std::vector<TDrivenWindow> TProgramDriver::Windows() {
    // A window may be destroyed between the listing and the questions about it.
    TX11ErrorTrap gone(m_display);
    std::vector<TDrivenWindow> windows;
    const Window root = DefaultRootWindow(m_display);
    // Without a window manager the program's windows are the root's children; under one, its
    // frames are, and the program's windows are theirs.
    std::vector<Window> candidates = Children(m_display, root);
    for (size_t i = 0, n = candidates.size(); i < n; ++i)
        for (Window child : Children(m_display, candidates[i]))
            candidates.push_back(child);
    for (Window w : candidates) {
        XWindowAttributes attributes;
        if (!XGetWindowAttributes(m_display, w, &attributes)) continue;
        windows.push_back({w, Title(m_display, w), ScreenBounds(m_display, w, attributes),
                           attributes.map_state == IsViewable});
    }
    return windows;
}

std::optional<TSizeLimits> TProgramDriver::SizeLimitsOf(const TDrivenWindow& window) {
    TX11ErrorTrap gone(m_display);
    XSizeHints hints{};
    long supplied = 0;
    if (!XGetWMNormalHints(m_display, window.Id, &hints, &supplied) ||
        (hints.flags & (PMinSize | PMaxSize)) != (PMinSize | PMaxSize))
        return std::nullopt;
    return TSizeLimits{hints.min_width, hints.min_height, hints.max_width, hints.max_height};
}

std::optional<TScreenRect> TProgramDriver::BoundsOf(const TDrivenWindow& window) {
    TX11ErrorTrap gone(m_display);
    XWindowAttributes attributes;
    if (!XGetWindowAttributes(m_display, window.Id, &attributes)) return std::nullopt;
    return ScreenBounds(m_display, window.Id, attributes);
}

TDrivenWindow TProgramDriver::WaitForWindow(const std::string& title,
                                            std::chrono::milliseconds timeout) {
    TDrivenWindow found;
    const bool seen = WaitUntil(
        [&] {
            for (const TDrivenWindow& w : Windows())
                if (w.Viewable && w.Title == title) {
                    found = w;
                    return true;
                }
            return false;
        },
        timeout);
    if (!seen) throw std::runtime_error("No window titled \"" + title + "\" appeared");
    return found;
}

std::optional<TDrivenWindow> TProgramDriver::WindowStartingWith(const std::string& prefix) {
    for (const TDrivenWindow& w : Windows())
        if (w.Viewable && w.Title.starts_with(prefix)) return w;
    return std::nullopt;
}

bool TProgramDriver::WaitForWindowToGo(const std::string& title,
                                       std::chrono::milliseconds timeout) {
    return WaitUntil(
        [&] {
            for (const TDrivenWindow& w : Windows())
                if (w.Viewable && w.Title == title) return false;
            return true;
        },
        timeout);
}

void TProgramDriver::Sync() {
    XSync(m_display, False);
}

void TProgramDriver::MoveTo(int32_t x, int32_t y) {
    XTestFakeMotionEvent(m_display, -1, x, y, CurrentTime);
    Sync();
}

void TProgramDriver::MoveTo(const TDrivenWindow& window, int32_t x, int32_t y) {
    MoveTo(window.Bounds.Left + x, window.Bounds.Top + y);
}

void TProgramDriver::ButtonDown(unsigned button) {
    XTestFakeButtonEvent(m_display, button, True, CurrentTime);
    Sync();
}

void TProgramDriver::ButtonUp(unsigned button) {
    XTestFakeButtonEvent(m_display, button, False, CurrentTime);
    Sync();
}

void TProgramDriver::Click(int32_t x, int32_t y, unsigned button) {
    MoveTo(x, y);
    ButtonDown(button);
    ButtonUp(button);
}

void TProgramDriver::Click(const TDrivenWindow& window, int32_t x, int32_t y, unsigned button) {
    Click(window.Bounds.Left + x, window.Bounds.Top + y, button);
}

void TProgramDriver::DoubleClick(const TDrivenWindow& window, int32_t x, int32_t y) {
    Click(window, x, y);
    Click(window, x, y);
}

void TProgramDriver::Drag(const TDrivenWindow& window, int32_t fromX, int32_t fromY,
                          int32_t toX, int32_t toY) {
    MoveTo(window, fromX, fromY);
    ButtonDown();
    constexpr int steps = 4;
    for (int i = 1; i <= steps; ++i) {
        std::this_thread::sleep_for(50ms);
        MoveTo(window, fromX + (toX - fromX) * i / steps, fromY + (toY - fromY) * i / steps);
    }
    // Held a moment where it stops, as a hand does.
    std::this_thread::sleep_for(150ms);
    ButtonUp();
}

void TProgramDriver::SendKey(const std::string& key, bool down) {
    const KeySym sym = XStringToKeysym(key.c_str());
    const KeyCode code = sym == NoSymbol ? 0 : XKeysymToKeycode(m_display, sym);
    if (!code) throw std::runtime_error("No key \"" + key + "\" on this keyboard");
    XTestFakeKeyEvent(m_display, code, down, CurrentTime);
    Sync();
}

void TProgramDriver::KeyDown(const std::string& key) {
    SendKey(key, true);
}

void TProgramDriver::KeyUp(const std::string& key) {
    SendKey(key, false);
}

void TProgramDriver::PressKey(const std::string& key) {
    KeyDown(key);
    KeyUp(key);
}

void TProgramDriver::PressKey(const TDrivenWindow& window, const std::string& key,
                              std::chrono::milliseconds timeout) {
    const bool focused = WaitUntil(
        [&] {
            Window focus = 0;
            int revertTo = 0;
            XGetInputFocus(m_display, &focus, &revertTo);
            return focus == window.Id;
        },
        timeout);
    if (!focused) throw std::runtime_error("\"" + window.Title + "\" did not get the keyboard focus");
    PressKey(key);
}

TPixelImage TProgramDriver::Screenshot() {
    const int screen = DefaultScreen(m_display);
    return Screenshot(TDrivenWindow{
        0, "", {0, 0, DisplayWidth(m_display, screen), DisplayHeight(m_display, screen)}, true});
}

TPixelImage TProgramDriver::Screenshot(const TDrivenWindow& window) {
    const TScreenRect& b = window.Bounds;
    return {b.Right - b.Left, b.Bottom - b.Top, ReadX11Screen(m_display, b)};
}

void TProgramDriver::SavePng(const TPixelImage& image, const std::string& fileName) {
    WritePngFile(fileName, image.Pixels.data(), image.Width, image.Height, image.Width,
                 TPngAlpha::Drop);
}

bool TProgramDriver::WaitUntil(const std::function<bool()>& condition,
                               std::chrono::milliseconds timeout) {
    const auto end = std::chrono::steady_clock::now() + timeout;
    while (!condition()) {
        if (std::chrono::steady_clock::now() >= end) return false;
        std::this_thread::sleep_for(20ms);
    }
    return true;
}

std::optional<int> TProgramDriver::ExitStatus() {
    if (!m_status && m_program) m_status = Reap(m_program, 0ms);
    return m_status;
}

int TProgramDriver::WaitForExitCode(std::chrono::milliseconds timeout) {
    if (!WaitUntil([&] { return !Running(); }, timeout)) return -1;
    const int status = *m_status;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

bool TProgramDriver::Running() {
    return m_program && !ExitStatus();
}

int TProgramDriver::Stop(std::chrono::milliseconds grace) {
    if (!Running()) return m_status ? *m_status : -1;
    m_status = Terminate(m_program, grace);
    return *m_status;
}

} // namespace brisat::test
