#include "media/platform/sound_output.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace brisat {

namespace {

bool Exists(const std::string& path) {
    std::error_code error;
    return !path.empty() && std::filesystem::exists(path, error);
}

// An ALSA playback device ("pcmC0D0p") or an OSS one ("dsp", "dsp1").
bool HasPlaybackDevice(const std::string& deviceFolder) {
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(deviceFolder + "/snd", error)) {
        const std::string name = entry.path().filename().string();
        if (name.rfind("pcmC", 0) == 0 && name.back() == 'p') return true;
    }
    for (const auto& entry : std::filesystem::directory_iterator(deviceFolder, error)) {
        const std::string name = entry.path().filename().string();
        if (name.rfind("dsp", 0) == 0 &&
            name.find_first_not_of("0123456789", 3) == std::string::npos)
            return true;
    }
    return false;
}

} // namespace

TSoundPlaces CurrentSoundPlaces() {
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    const char* pulse = std::getenv("PULSE_SERVER");
    return {"/dev", runtime ? runtime : "", "/run", pulse ? pulse : ""};
}

bool SoundOutputReachable(const TSoundPlaces& places) {
    if (!places.PulseServer.empty()) return true;
    if (!places.RuntimeFolder.empty() && (Exists(places.RuntimeFolder + "/pulse/native") ||
                                          Exists(places.RuntimeFolder + "/pipewire-0")))
        return true;
    if (Exists(places.SystemRunFolder + "/pulse/native")) return true;
    return HasPlaybackDevice(places.DeviceFolder);
}

} // namespace brisat
