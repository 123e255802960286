#include "platform/keyboard_settings.h"

#include <X11/XKBlib.h>
#include <X11/Xlib.h>
#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace brisat {

namespace {

TKeyboardSettings ReadKeyboardSettings() {
    if (!std::getenv("DISPLAY")) return {};
    Display* display = XOpenDisplay(nullptr);
    if (!display) return {};
    unsigned int delay = 0, interval = 0;
    const bool known = XkbGetAutoRepeatRate(display, XkbUseCoreKbd, &delay, &interval);
    XCloseDisplay(display);
    if (!known) return {};
    return KeyboardSettingsFromAutoRepeat(delay, interval);
}

} // namespace

TKeyboardSettings KeyboardSettingsFromAutoRepeat(uint32_t delayMs, uint32_t intervalMs) {
    TKeyboardSettings settings;
    // Initial delay is (delay + 1) × 200 ms.
    settings.Delay = std::clamp(int32_t(std::lround(delayMs / 200.0)) - 1, 0, 3);
    // Interval is 1000 / ((speed + 1) × 2.3) ms; a zero interval means the fastest speed.
    if (intervalMs > 0)
        settings.Speed = std::clamp(int32_t(std::lround(1000.0 / (intervalMs * 2.3))) - 1, 0, 31);
    return settings;
}

const TKeyboardSettings& GetKeyboardSettings() {
    static const TKeyboardSettings settings = ReadKeyboardSettings();
    return settings;
}

} // namespace brisat
