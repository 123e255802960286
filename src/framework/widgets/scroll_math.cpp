#include "framework/widgets/scroll_math.h"

#include <algorithm>

namespace brisat {
int64_t MulDivRound(int64_t a, int64_t b, int64_t c) {
    const int64_t n = a * b;
    // Floor division of n + c/2, correct for negative products too.
    const int64_t t = n * 2 + c;
    const int64_t d = c * 2;
    return t >= 0 ? t / d : -((-t + d - 1) / d);
}

int32_t ThumbLength(int32_t track, int32_t page, int32_t count, int32_t minimum) {
    return std::max(int32_t(MulDivRound(page, track, count)), minimum);
}

int32_t ThumbOffset(int64_t position, int32_t room, int64_t range) {
    return range > 0 ? int32_t(MulDivRound(position, room, range)) : 0;
}

int64_t PositionAtOffset(int32_t offset, int32_t room, int64_t range) {
    return room > 0 && range > 0 ? MulDivRound(offset, range, room) : 0;
}

int32_t LastFullPageTop(int32_t max, int32_t page) {
    return page != 0 ? max - page + 1 : max;
}

int32_t WheelRows(int32_t delta, int32_t linesPerNotch) {
    const int32_t lines = std::clamp(linesPerNotch, 1, 120);
    return delta / (120 / lines);
}

int32_t TopToShow(int32_t top, int32_t index, const TVisibleAt& firstVisible,
                  const TVisibleAt& lastVisible) {
    while (top > 0 && index < firstVisible(top))
        --top;
    while (firstVisible(top) < index && lastVisible(top) < index)
        ++top;
    return top;
}

} // namespace brisat
