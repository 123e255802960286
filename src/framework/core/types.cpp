#include "framework/core/types.h"

#include <cstdlib>
#include <limits>

namespace brisat {

int32_t MulDiv(int32_t number, int32_t numerator, int32_t denominator) {
    if (denominator == 0) return -1;
    int64_t product = int64_t(number) * numerator;
    int64_t d = denominator;
    bool negative = (product < 0) != (d < 0);
    uint64_t p = product < 0 ? uint64_t(-product) : uint64_t(product);
    uint64_t q = d < 0 ? uint64_t(-d) : uint64_t(d);
    uint64_t result = (p + q / 2) / q;
    if (result > uint64_t(std::numeric_limits<int32_t>::max())) return -1;
    return negative ? -int32_t(result) : int32_t(result);
}

} // namespace brisat
