// The program's command line:
//   brisat [FILE|ADDRESS]... [--screenshot PNG] [--quit-after MS] [--stats] [--video-size WxH]
//          [--full-screen] [--help] [--version]
// Files go into the playlist in the given order and the first one plays. --screenshot and
// --quit-after serve scripted runs (tests, a run without a display): the program captures its
// main window to PNG and closes itself normally after MS milliseconds. --stats prints the video
// counters (video_stats.h) on stderr at the end, for playback measurements. --video-size sizes the
// main window so that its video area is W × H pixels; --full-screen starts in full screen.
#pragma once

#include <string>
#include <vector>

namespace brisat {

struct TCommandLine {
    enum class TAction { Run, ShowHelp, ShowVersion, Fail };

    TAction Action = TAction::Run;
    std::vector<std::string> Files;
    std::string Screenshot;
    long QuitAfterMs = -1; // run until closed when negative
    bool Stats = false;
    int VideoWidth = 0; // --video-size; 0: the window's own size
    int VideoHeight = 0;
    bool FullScreen = false;
    std::string Error; // Fail: what was wrong, for the user
};

TCommandLine ParseCommandLine(const std::vector<std::string>& args);
// The files as the playlist takes them: the name of an existing local file becomes an absolute
// path, so that a colon in a relative name ("S01:E01.avi") is not read as an address's scheme;
// addresses and names of nothing stay as they are.
std::vector<std::string> PlaylistPaths(const std::vector<std::string>& files);

// The texts printed for --help and --version.
std::string HelpText();
std::string VersionText();

} // namespace brisat
