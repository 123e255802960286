// The arithmetic between the desktop's media-player protocol and the player: its volume 0 .. 1
// against the volume track bar's 0 .. 10000, and where a relative seek lands. Times in
// microseconds.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace brisat {

// The track bar position for a protocol volume (clamped to 0 .. 1).
int32_t PlayerVolume(double volume);
double MprisVolume(int32_t position);

// Where a seek by Offset from Position lands in a track of Length (0: not known): at the start
// for a target before it, nullopt for one past the end (the protocol then moves on to the next
// track). An offset that overflows lands where its sign points.
std::optional<int64_t> SeekTarget(int64_t position, int64_t offset, int64_t length);
// Whether SetPosition may move to Position: inside a track of known Length.
bool PositionInTrack(int64_t position, int64_t length);

// The URL the desktop shows for a playlist path: a file: URI for a local path, an address as
// it is.
std::string TrackUrl(const std::string& path);
// The title the desktop shows for a path or address: its last part after a "/" as the playlist
// names it, the whole address when nothing follows its last "/".
std::string TrackTitle(const std::string& path);

} // namespace brisat
