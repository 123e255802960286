// Drives a real program for end-to-end tests: starts it on a private X server of its own, finds
// its windows by title, sends it pointer and key input through the XTEST extension, reads
// screenshots of the screen or of a window, waits for conditions, and stops it.
#pragma once

#include "platform/pixel_image.h"
#include "platform/platform.h"

#include <chrono>
#include <functional>
#include <optional>
#include <string>
#include <sys/types.h>
#include <vector>

struct _XDisplay;

namespace brisat::test {

using namespace std::chrono_literals;

// The window manager the driver's X server runs, if any.
enum class TWindowManager { Absent, Openbox };

struct TDriverOptions {
    int32_t Width = 1024;
    int32_t Height = 768;
    // Openbox reparents every managed window into a frame of its own and places, moves and sizes
    // windows itself, as the window managers of real desktops do.
    TWindowManager WindowManager = TWindowManager::Absent;
};

// A top-level window of the program as the X server sees it.
struct TDrivenWindow {
    unsigned long Id = 0;
    std::string Title;  // _NET_WM_NAME, else WM_NAME
    TScreenRect Bounds; // on the screen
    bool Viewable = false;
};

class TProgramDriver {
public:
    // Starts Xvfb with one screen of the options' size and the window manager they name (once it
    // manages the screen), then Program with Arguments on it. Raises std::runtime_error when
    // either cannot start.
    TProgramDriver(const std::string& program, const std::vector<std::string>& arguments,
                   const TDriverOptions& options = {});
    // Stops the program, then the window manager and the server.
    ~TProgramDriver();
    TProgramDriver(const TProgramDriver&) = delete;
    TProgramDriver& operator=(const TProgramDriver&) = delete;

    const std::string& DisplayName() const { return m_displayName; }

    // --- Windows -------------------------------------------------------------------------------
    std::vector<TDrivenWindow> Windows();
    // The first viewable window titled Title; raises std::runtime_error after Timeout.
    // The minimum and maximum sizes the window asks the window manager for, when it names both.
    std::optional<TSizeLimits> SizeLimitsOf(const TDrivenWindow& window);
    // The window's bounds on the screen now; nullopt when it is gone.
    std::optional<TScreenRect> BoundsOf(const TDrivenWindow& window);
    TDrivenWindow WaitForWindow(const std::string& title, std::chrono::milliseconds timeout = 10s);
    // The first viewable window whose title starts with Prefix, if one is there now.
    std::optional<TDrivenWindow> WindowStartingWith(const std::string& prefix);
    // Waits until no viewable window is titled Title; false after Timeout.
    bool WaitForWindowToGo(const std::string& title, std::chrono::milliseconds timeout = 10s);

    // --- Input: screen coordinates, or relative to a window's top-left corner -------------------
    void MoveTo(int32_t x, int32_t y);
    void MoveTo(const TDrivenWindow& window, int32_t x, int32_t y);
    // Button 1 left, 2 middle, 3 right, 4 and 5 the wheel.
    void ButtonDown(unsigned button = 1);
    void ButtonUp(unsigned button = 1);
    void Click(int32_t x, int32_t y, unsigned button = 1);
    void Click(const TDrivenWindow& window, int32_t x, int32_t y, unsigned button = 1);
    void DoubleClick(const TDrivenWindow& window, int32_t x, int32_t y);
    // Presses the left button at FromX, FromY, moves to ToX, ToY in a few steps and releases it
    // there.
    void Drag(const TDrivenWindow& window, int32_t fromX, int32_t fromY, int32_t toX, int32_t toY);
    // Keys by X key name ("Escape", "a", "F5", "Control_L"); raises for an unknown name.
    void KeyDown(const std::string& key);
    void KeyUp(const std::string& key);
    void PressKey(const std::string& key);
    // Presses Key once Window has the keyboard focus (a window just mapped gets it a moment
    // later); raises std::runtime_error when it does not get it within Timeout.
    void PressKey(const TDrivenWindow& window, const std::string& key,
                  std::chrono::milliseconds timeout = 10s);

    // --- Pixels (0x00RRGGBB) --------------------------------------------------------------------
    TPixelImage Screenshot();
    // What the screen shows in the window's bounds now.
    TPixelImage Screenshot(const TDrivenWindow& window);
    static void SavePng(const TPixelImage& image, const std::string& fileName);

    // --- Time and the process -------------------------------------------------------------------
    // Polls Condition every 20 ms until it holds (true) or Timeout passed (false).
    static bool WaitUntil(const std::function<bool()>& condition,
                          std::chrono::milliseconds timeout = 10s);
    bool Running();
    // SIGTERM, then SIGKILL when the program is still running after Grace. Returns the exit
    // status as waitpid reports it (also when the program had ended by itself).
    int Stop(std::chrono::milliseconds grace = 3s);
    // The exit status once the program ended by itself (waitpid's), else nullopt.
    std::optional<int> ExitStatus();
    // Waits up to Timeout for the program to end by itself; its exit code, or -1 when it still
    // runs or ended by a signal.
    int WaitForExitCode(std::chrono::milliseconds timeout = 20s);
    // Starts a compositing manager (xcompmgr) and waits until it has taken the screen; it ends
    // with the driver. Raises std::runtime_error when it does not take over.
    void StartCompositor();

private:
    // Forks Argv[0] with Argv on the server's display; the child ends with the test process.
    pid_t StartClient(const std::vector<const char*>& argv);
    bool SelectionOwned(const char* selection);
    void StartServer(int32_t width, int32_t height);
    void StartWindowManager(TWindowManager manager);
    bool ManagerRuns();
    void StartProgram(const std::string& program, const std::vector<std::string>& arguments);
    void Sync();
    void SendKey(const std::string& key, bool down);

    pid_t m_server = 0;
    pid_t m_manager = 0;
    pid_t m_compositor = 0;
    pid_t m_program = 0;
    std::optional<int> m_status;
    std::string m_displayName;
    _XDisplay* m_display = nullptr;
};

} // namespace brisat::test
