// The arithmetic of scroll bars and scrolled lists, shared by the classic and the skinned
// controls: thumb length and place from a range and a page, the position a dragged thumb
// stands for, the last top that still shows a full page, the rows a wheel notch turns and the
// smallest scroll that shows an item. All values are plain integers; no control state.
#pragma once

#include <cstdint>
#include <functional>

namespace brisat {

// nearest(a × b / c) for c > 0, halves rounded up.
int64_t MulDivRound(int64_t a, int64_t b, int64_t c);

// The thumb of Page units out of Count on a Track pixels long: nearest(page × track / count),
// at least Minimum. Count must be positive.
int32_t ThumbLength(int32_t track, int32_t page, int32_t count, int32_t minimum);
// How far the thumb's start lies from the track's start for Position steps out of Range, the
// thumb having Room pixels to move in: nearest(position × room / range); 0 when range ≤ 0.
int32_t ThumbOffset(int64_t position, int32_t room, int64_t range);
// The inverse: the steps a thumb Offset pixels in stands for; 0 when room or range is empty.
int64_t PositionAtOffset(int32_t offset, int32_t room, int64_t range);

// The largest top position that still shows a full page: Max − Page + 1, or Max for page 0.
int32_t LastFullPageTop(int32_t max, int32_t page);

// Rows a wheel Delta (120 a notch) turns with LinesPerNotch lines a notch (0 counts as 1).
int32_t WheelRows(int32_t delta, int32_t linesPerNotch);
// Lines a notch when the system sets none.
inline constexpr int32_t DefaultWheelScrollLines = 3;

// The top position after scrolling one step at a time, as little as needed to show Index: back
// while Index < FirstVisible(top), forward while LastVisible(top) < Index. Forward stops once
// Index is the first visible item, so an item larger than the view ends at the top.
using TVisibleAt = std::function<int32_t(int32_t top)>;
int32_t TopToShow(int32_t top, int32_t index, const TVisibleAt& firstVisible,
                  const TVisibleAt& lastVisible);

} // namespace brisat
