#include "platform/keyed_rows.h"

namespace brisat {

// Branch-free so the compiler turns it into compare-and-mask vector code.
void CopyRowKeyed(const uint32_t* in, uint32_t* out, int32_t count, uint32_t keyRgb) {
    for (int32_t x = 0; x < count; ++x) {
        const uint32_t rgb = in[x] & 0xFFFFFFu;
        const uint32_t keep = rgb == keyRgb ? 0u : 0xFFFFFFFFu;
        out[x] = (rgb | 0xFF000000u) & keep;
    }
}

} // namespace brisat
