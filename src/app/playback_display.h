// The texts and sizes the player shows while playing: the elapsed time of the time panel, the
// times of the caption and the gradient label, and the filled width of the volume bar.
#pragma once

#include <cstdint>
#include <string>

namespace brisat {

// "h:mm:ss" of a position in 100-ns units, truncated to whole seconds (hours without a leading
// zero). Positions before the start read "0:00:00".
std::string ElapsedTimeText(int64_t position100ns);

// The time of day Ms milliseconds after midnight, "H:mm:ss" (a day or more wraps around).
std::string LongTimeText(uint32_t ms);

// The main window's caption while a playlist entry plays: the name, two blanks, the position,
// " > " and the duration.
std::string PlayingCaption(const std::string& fileName, uint32_t positionMs, uint32_t durationMs);

// Pixels of the full volume-bar image (104 wide) shown for a volume of 0..10000.
int32_t VolumeBarFill(int32_t volume);

} // namespace brisat
