// Counts heap allocations made through operator new, so benchmarks can report allocations per
// iteration. Linking this in replaces the global operator new/delete of the benchmark program.
#pragma once

#include <cstdint>

namespace brisat {

uint64_t AllocationCount();

} // namespace brisat
