#include "player_test.h"

#include <cstdlib>
#include <filesystem>

namespace brisat::test {

std::string PlayerTest::Program() {
    const std::string program = PathOf("brisat");
    if (!std::filesystem::exists(program)) {
        std::error_code linkFailed;
        std::filesystem::create_hard_link(BRISAT_PROGRAM, program, linkFailed);
        if (linkFailed) std::filesystem::copy_file(BRISAT_PROGRAM, program);
    }
    return program;
}

std::string PlayerTest::MakeClip(const std::string& name, const std::string& picture,
                                 int seconds, int32_t width, int32_t height) {
    const std::string clip = PathOf(name);
    const int frames = 30 * seconds;
    const int audioBuffers = (44100 * seconds + 1023) / 1024;
    const std::string command =
        "gst-launch-1.0 -q avimux name=mux ! filesink location='" + clip +
        "' videotestsrc num-buffers=" + std::to_string(frames) + " " + picture +
        " ! video/x-raw,width=" + std::to_string(width) + ",height=" + std::to_string(height) +
        ",framerate=30/1 ! videoconvert ! "
        "video/x-raw,format=I420 ! jpegenc ! queue ! mux. audiotestsrc num-buffers=" +
        std::to_string(audioBuffers) +
        " samplesperbuffer=1024 ! audio/x-raw,rate=44100,channels=2,format=S16LE ! queue ! mux.";
    EXPECT_EQ(std::system(command.c_str()), 0) << command;
    return clip;
}

} // namespace brisat::test
