// The real player under its own X server, driven like a user: it plays a clip made here, its
// window shows the picture and the running time, a key closes it and the settings file is
// written; a file it cannot play is reported in a message box and it goes on; SIGTERM closes it
// the normal way.
#include "platform/png_file.h"
#include "program_driver.h"
#include "temp_folder.h"

#include <optional>

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <sys/wait.h>
#include <unistd.h>

using namespace brisat;
using namespace brisat::test;

namespace {

const std::string kMainCaption = "Brisat 1.0b";

std::string ProgramIniPath() {
    return (std::filesystem::path(BRISAT_PROGRAM).parent_path() / "Brisat.ini").string();
}

class Player : public TempFolderTest {};

// Three seconds of colour bars with a tone, as the run command's clip.
std::string MakeClip(const std::string& clip) {
    const std::string command =
        "gst-launch-1.0 -q avimux name=mux ! filesink location='" + clip +
        "' videotestsrc num-buffers=90 pattern=smpte ! video/x-raw,width=320,height=240,"
        "framerate=30/1 ! videoconvert ! video/x-raw,format=I420 ! jpegenc ! queue ! mux. "
        "audiotestsrc num-buffers=130 samplesperbuffer=1024 ! audio/x-raw,rate=44100,channels=2,"
        "format=S16LE ! queue ! mux.";
    EXPECT_EQ(std::system(command.c_str()), 0);
    return clip;
}

// The first viewable window whose title starts with Prefix.
std::optional<TDrivenWindow> WindowStartingWith(TProgramDriver& driver, const std::string& prefix) {
    for (const TDrivenWindow& w : driver.Windows())
        if (w.Viewable && w.Title.rfind(prefix, 0) == 0) return w;
    return std::nullopt;
}

int ExitCodeAfterEnd(TProgramDriver& driver) {
    EXPECT_TRUE(TProgramDriver::WaitUntil([&] { return !driver.Running(); }, 20s));
    const int status = driver.ExitStatus().value_or(-1);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST_F(Player, PlaysAClipShowingPictureAndTimeAndWritesItsSettingsWhenClosed) {
    const std::string clip = MakeClip(PathOf("clip.avi"));
    std::filesystem::remove(ProgramIniPath());
    TProgramDriver driver(BRISAT_PROGRAM, {clip});

    // The caption follows the position: name, two blanks, position " > " duration.
    std::optional<TDrivenWindow> window;
    ASSERT_TRUE(TProgramDriver::WaitUntil(
        [&] { return (window = WindowStartingWith(driver, "clip.avi  0:00:01 > 0:00:03")).has_value(); },
        30s));
    // The picture's colour bars fill the video area (its left bar is light grey or white).
    const TPixelImage shot = driver.Screenshot(*window);
    TProgramDriver::SavePng(shot, PathOf("player.png"));
    const uint32_t bar = shot.At(30, 120) & 0xFFFFFF;
    EXPECT_GT(bar & 0xFF, 0xA0u) << std::hex << bar;
    EXPECT_GT((bar >> 16) & 0xFF, 0xA0u) << std::hex << bar;

    driver.PressKey("Escape"); // the "Выход" item's shortcut
    EXPECT_EQ(ExitCodeAfterEnd(driver), 0);
    std::ifstream ini(ProgramIniPath());
    std::stringstream text;
    text << ini.rdbuf();
    for (const char* key : {"Magnetic=", "OnTop=", "Limit=", "Loop=", "Alien=", "Steel=",
                            "Xp Stead=", "Spike=", "Fireworks="})
        EXPECT_NE(text.str().find(key), std::string::npos) << key << " in\n" << text.str();
}

TEST_F(Player, AFileItCannotPlayIsReportedAndTheProgramGoesOnUntilTerminated) {
    const std::string junk = PathOf("notes.avi");
    Put(junk, "not a video at all");
    TProgramDriver driver(BRISAT_PROGRAM, {junk});
    driver.WaitForWindow("Brisat", 30s); // the message box, titled as the application
    driver.PressKey("Return");
    ASSERT_TRUE(TProgramDriver::WaitUntil([&] {
        for (const TDrivenWindow& w : driver.Windows())
            if (w.Viewable && w.Title == "Brisat") return false;
        return true;
    }));
    EXPECT_TRUE(driver.Running());
    driver.WaitForWindow(kMainCaption);
    // SIGTERM closes the window the normal way: exit code 0.
    const int status = driver.Stop(10s);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
}

} // namespace
