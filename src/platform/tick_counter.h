// The high-resolution monotonic counter behind elapsed-time measurements.
#pragma once

#include <cstdint>

namespace brisat {

// Ticks of a monotonic clock that never jumps with the wall clock.
uint64_t PerformanceCounter();
// Ticks per second of PerformanceCounter.
uint64_t PerformanceFrequency();
// Milliseconds since an arbitrary start, as the platform tick count (wraps after 49 days).
uint32_t GetTickCount();

} // namespace brisat
