// The platform's keyboard auto-repeat settings on the classic scales: delay 0..3 (about 250 ms
// steps) and speed 0..31 (about 2.3 repeats per second per step).
#pragma once

#include <cstdint>

namespace brisat {

struct TKeyboardSettings {
    int32_t Delay = 1;  // 0..3
    int32_t Speed = 31; // 0..31
    friend bool operator==(const TKeyboardSettings&, const TKeyboardSettings&) = default;
};

// Read once from the X server's auto-repeat delay and rate when a display can be opened, else
// the defaults (delay 1, speed 31); cached for the life of the process. Thread-safe.
const TKeyboardSettings& GetKeyboardSettings();

// Maps an auto-repeat delay and repeat interval (milliseconds) onto the two scales, so that the
// repeat timings computed from them come nearest to the server's.
TKeyboardSettings KeyboardSettingsFromAutoRepeat(uint32_t delayMs, uint32_t intervalMs);

} // namespace brisat
