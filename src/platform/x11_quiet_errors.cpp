#include "platform/x11_quiet_errors.h"

#include <X11/Xlib.h>
#include <algorithm>
#include <mutex>
#include <vector>

namespace brisat {
namespace {

std::mutex g_displaysMutex;
std::vector<Display*> g_displays;
XErrorHandler g_previousHandler = nullptr;

int OnXError(Display* display, XErrorEvent* error) {
    {
        std::lock_guard lock(g_displaysMutex);
        if (std::ranges::find(g_displays, display) != g_displays.end()) return 0;
    }
    return g_previousHandler ? g_previousHandler(display, error) : 0;
}

} // namespace

void PrepareQuietXErrors() {
    static std::once_flag installed;
    std::call_once(installed, [] { g_previousHandler = XSetErrorHandler(OnXError); });
}

void ListQuietDisplay(Display* display) {
    std::lock_guard lock(g_displaysMutex);
    g_displays.push_back(display);
}

void UnlistQuietDisplay(Display* display) {
    std::lock_guard lock(g_displaysMutex);
    std::erase(g_displays, display);
}

} // namespace brisat
