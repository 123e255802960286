// CheckRange: the range check of a property setter, run before anything changes.
#pragma once

#include "framework/core/exceptions.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace brisat {

// Raises EInvalidOperation "<What> <Value> is out of range (<Lowest>..<Highest>)" for a value
// outside the range.
inline void CheckRange(std::string_view what, int64_t value, int64_t lowest, int64_t highest) {
    if (value < lowest || value > highest)
        throw EInvalidOperation(std::string(what) + " " + std::to_string(value) +
                                " is out of range (" + std::to_string(lowest) + ".." +
                                std::to_string(highest) + ")");
}

} // namespace brisat
