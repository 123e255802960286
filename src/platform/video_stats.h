// Process-wide counters of the video pictures the program received and showed, printed by the
// player's --stats option for playback measurements. Any thread may note; reading is a snapshot.
#pragma once

#include <cstdint>
#include <string>

namespace brisat {

struct TVideoStats {
    uint64_t Rendered = 0;        // frames a video renderer handed on to a window
    uint64_t SinkDropped = 0;     // frames renderers dropped as too late (finished graphs only)
    uint64_t Shown = 0;           // frames presented on screen
    uint64_t Replaced = 0;        // frames a newer one replaced before they could be shown
    int64_t FirstShownUnixMs = 0; // wall-clock time the first frame was on screen; 0: none yet
};

void NoteFrameRendered();
void NoteSinkDropped(uint64_t frames);
void NoteFrameShown();
void NoteFrameReplaced();
TVideoStats VideoStats();
// One line: "video: rendered N shown N dropped N (late N, replaced N) first-shown-unix-ms T".
std::string FormatVideoStats(const TVideoStats& stats);

} // namespace brisat
