// 32-bit coordinate arithmetic that raises EIntOverflow instead of wrapping. Drawing code checks
// its rectangle set-up with these once per call; per-pixel loops then run on values known to fit.
#pragma once

#include "framework/core/exceptions.h"
#include "framework/core/types.h"

#include <cstdint>

namespace brisat {

[[noreturn]] inline void RaiseIntOverflow() {
    throw EIntOverflow(SIntOverflow);
}

inline int32_t CheckedAdd(int32_t a, int32_t b) {
    int32_t r;
    if (__builtin_add_overflow(a, b, &r)) RaiseIntOverflow();
    return r;
}

inline int32_t CheckedSub(int32_t a, int32_t b) {
    int32_t r;
    if (__builtin_sub_overflow(a, b, &r)) RaiseIntOverflow();
    return r;
}

inline int32_t CheckedMul(int32_t a, int32_t b) {
    int32_t r;
    if (__builtin_mul_overflow(a, b, &r)) RaiseIntOverflow();
    return r;
}

// |a|; INT32_MIN has no 32-bit absolute value.
inline int32_t CheckedAbs(int32_t a) {
    return a < 0 ? CheckedSub(0, a) : a;
}

// Right − Left and Bottom − Top.
inline int32_t RectWidth(const TRect& r) {
    return CheckedSub(r.Right, r.Left);
}
inline int32_t RectHeight(const TRect& r) {
    return CheckedSub(r.Bottom, r.Top);
}

} // namespace brisat
