#include "skin/bitmap/counter.h"

#include "platform/tick_counter.h"

namespace brisat {

TKsCounter::TKsCounter() : m_frequency(PerformanceFrequency()), m_start(PerformanceCounter()) {}

void TKsCounter::Start() {
    m_start = PerformanceCounter();
}

double TKsCounter::Stop() const {
    return double(PerformanceCounter() - m_start) / double(m_frequency);
}

} // namespace brisat
