#include "skin_controls/property_range.h"

#include "framework/core/exceptions.h"

#include <string>

namespace brisat {

void CheckPropertyRange(const char* name, int32_t value, int32_t min, int32_t max) {
    if (value < min || value > max)
        throw EInvalidOperation(std::string(name) + " " + std::to_string(value) +
                                " is out of range (" + std::to_string(min) + ".." +
                                std::to_string(max) + ")");
}

} // namespace brisat
