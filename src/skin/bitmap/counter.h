// TKsCounter: elapsed time on the high-resolution performance counter.
#pragma once

#include <cstdint>

namespace brisat {

class TKsCounter {
public:
    // Reads the counter's frequency once.
    TKsCounter();
    void Start();
    // Seconds since the last Start (or since construction).
    double Stop() const;

private:
    uint64_t m_frequency;
    uint64_t m_start;
};

} // namespace brisat
