#include "app/command_line.h"

#include <cerrno>
#include <cstdlib>
#include <filesystem>

namespace brisat {
namespace {

bool ParseNumber(const std::string& text, long& value) {
    if (text.empty() || text[0] == '-') return false;
    errno = 0;
    char* end = nullptr;
    value = std::strtol(text.c_str(), &end, 10);
    return errno == 0 && end && *end == '\0';
}

// "WxH" with both sides from 1 to 16384.
bool ParseSize(const std::string& text, int& width, int& height) {
    const size_t x = text.find('x');
    long w = 0, h = 0;
    if (x == std::string::npos || !ParseNumber(text.substr(0, x), w) ||
        !ParseNumber(text.substr(x + 1), h))
        return false;
    if (w < 1 || h < 1 || w > 16384 || h > 16384) return false;
    width = int(w);
    height = int(h);
    return true;
}

TCommandLine Failure(std::string error) {
    TCommandLine line;
    line.Action = TCommandLine::TAction::Fail;
    line.Error = std::move(error);
    return line;
}

} // namespace

TCommandLine ParseCommandLine(const std::vector<std::string>& args) {
    TCommandLine line;
    bool optionsEnded = false;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        const bool hasValue = i + 1 < args.size();
        if (optionsEnded || arg.empty() || arg[0] != '-' || arg == "-") {
            line.Files.push_back(arg);
        } else if (arg == "--") {
            optionsEnded = true;
        } else if (arg == "--help" || arg == "-h") {
            line.Action = TCommandLine::TAction::ShowHelp;
            return line;
        } else if (arg == "--version") {
            line.Action = TCommandLine::TAction::ShowVersion;
            return line;
        } else if (arg == "--screenshot") {
            if (!hasValue) return Failure("--screenshot needs a file name");
            line.Screenshot = args[++i];
        } else if (arg == "--stats") {
            line.Stats = true;
        } else if (arg == "--video-size") {
            if (!hasValue || !ParseSize(args[i + 1], line.VideoWidth, line.VideoHeight))
                return Failure("--video-size needs a size like 640x360");
            ++i;
        } else if (arg == "--full-screen") {
            line.FullScreen = true;
        } else if (arg == "--quit-after") {
            if (!hasValue || !ParseNumber(args[i + 1], line.QuitAfterMs))
                return Failure("--quit-after needs a number of milliseconds");
            ++i;
        } else {
            return Failure("unknown option " + arg);
        }
    }
    return line;
}

std::vector<std::string> PlaylistPaths(const std::vector<std::string>& files) {
    std::vector<std::string> paths;
    for (const std::string& file : files) {
        std::error_code failed;
        const bool local = std::filesystem::exists(file, failed);
        const std::filesystem::path absolute = std::filesystem::absolute(file, failed);
        paths.push_back(local && !failed ? absolute.string() : file);
    }
    return paths;
}

std::string HelpText() {
    return "Usage: brisat [OPTION]... [FILE|ADDRESS]...\n"
           "Plays video and audio files and network streams.\n"
           "The files go into the playlist in the given order and the first one plays.\n"
           "\n"
           "  --screenshot PNG   save a picture of the main window before closing\n"
           "  --quit-after MS    close normally after MS milliseconds\n"
           "  --stats            print video frame counts and the time of the first\n"
           "                     picture on stderr when closing\n"
           "  --video-size WxH   size the main window so its video area is W x H pixels\n"
           "  --full-screen      show the video in full screen from the start\n"
           "  --help             show this help and exit\n"
           "  --version          show the version and exit\n"
           "  --                 the arguments that follow are files, even if they start with -\n";
}

std::string VersionText() {
    return "Brisat 1.0b\n";
}

} // namespace brisat
