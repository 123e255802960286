// Where sound could go: each place alone makes output reachable; a machine with only capture
// devices, a MIDI port or empty folders has none.
#include "media/platform/sound_output.h"
#include "temp_folder.h"

using namespace brisat;

namespace {

class SoundOutput : public TempFolderTest {};

TEST_F(SoundOutput, AnyServerOrPlaybackDeviceIsEnoughAndNothingElseIs) {
    struct Case {
        std::vector<std::string> Files; // made under the test's folder
        std::string PulseServer;
        bool Reachable;
    };
    const Case cases[] = {
        {{}, "", false},
        {{"dev/snd/pcmC0D0c", "dev/snd/controlC0", "dev/snd/midiC0D0", "dev/dspx/"}, "", false},
        {{"dev/snd/pcmC1D3p"}, "", true},
        {{"dev/dsp"}, "", true},
        {{"runtime/pulse/native"}, "", true},
        {{"runtime/pipewire-0"}, "", true},
        {{"run/pulse/native"}, "", true},
        {{}, "tcp:sound.example.org", true},
    };
    for (const Case& c : cases) {
        std::filesystem::remove_all(PathOf("dev"));
        std::filesystem::remove_all(PathOf("runtime"));
        std::filesystem::remove_all(PathOf("run"));
        for (const char* folder : {"dev", "runtime", "run"})
            std::filesystem::create_directories(PathOf(folder));
        for (const std::string& file : c.Files) {
            std::filesystem::create_directories(std::filesystem::path(PathOf(file)).parent_path());
            if (file.back() != '/') Put(PathOf(file), "");
        }
        const TSoundPlaces places{PathOf("dev"), PathOf("runtime"), PathOf("run"), c.PulseServer};
        EXPECT_EQ(SoundOutputReachable(places), c.Reachable)
            << (c.Files.empty() ? c.PulseServer : c.Files.front());
    }
    // No runtime folder named at all, and folders that do not exist.
    EXPECT_FALSE(SoundOutputReachable({PathOf("none"), "", PathOf("none"), ""}));
}

} // namespace
