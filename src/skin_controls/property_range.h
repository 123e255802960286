// The range check of a property value read from a layout or set by the program: a value outside
// Min..Max raises EInvalidOperation naming the property, the value and the range, before anything
// changes.
#pragma once

#include <cstdint>
#include <limits>

namespace brisat {

void CheckPropertyRange(const char* name, int32_t value, int32_t min = 0,
                        int32_t max = std::numeric_limits<int32_t>::max());

} // namespace brisat
