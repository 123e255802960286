#include "platform/tick_counter.h"

#include <time.h>

namespace brisat {

uint64_t PerformanceCounter() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return uint64_t(now.tv_sec) * 1000000000u + uint64_t(now.tv_nsec);
}

uint64_t PerformanceFrequency() {
    return 1000000000u;
}

uint32_t GetTickCount() {
    return uint32_t(PerformanceCounter() / 1000000u);
}

} // namespace brisat
