// Whether this machine has anywhere to play sound: a sound server (PulseAudio, PipeWire), an ALSA
// playback device or an OSS one. Without any, the automatic audio sink would load and try every
// output plugin in turn (tens of milliseconds and a few megabytes) before settling on silence.
#pragma once

#include <string>

namespace brisat {

struct TSoundPlaces {
    std::string DeviceFolder;    // "/dev"
    std::string RuntimeFolder;   // $XDG_RUNTIME_DIR, "" when unset
    std::string SystemRunFolder; // "/run", where a system-wide sound server listens
    std::string PulseServer;     // $PULSE_SERVER, "" when unset
};

// The places of this process's environment.
TSoundPlaces CurrentSoundPlaces();

bool SoundOutputReachable(const TSoundPlaces& places);

} // namespace brisat
