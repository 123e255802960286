// Where the settings file lives. Its place is beside the program file; for an installed program
// (one with a PREFIX/share/brisat data folder), or when the program's folder cannot be written,
// the file lives in the user's configuration folder, $XDG_CONFIG_HOME/brisat (~/.config/brisat
// by default), and is read from wherever it is.
#pragma once

#include <functional>
#include <string>

namespace brisat {

inline constexpr const char* ConfigFileName = "Brisat.ini";

struct TConfigLocation {
    std::string ReadPath;
    std::string WritePath;
};

// What the choice depends on, as the system reports it.
struct TConfigPlaces {
    std::string ProgramFolder; // with a trailing "/"; empty when unknown
    std::string ConfigHome;    // $XDG_CONFIG_HOME; ignored unless an absolute path
    std::string Home;          // $HOME
    bool Installed = false;    // never written beside the program, even by root
};

using TPathTest = std::function<bool(const std::string& path)>;

// Beside the program when it is not installed and its folder (and the file there, if any) is
// writable; otherwise written
// to the user's folder and read from there, or from beside the program until the user's file
// exists.
TConfigLocation ChooseConfigLocation(const TConfigPlaces& places, const TPathTest& exists,
                                     const TPathTest& writable);
// The choice for this process, from /proc/self/exe, the environment and the file system.
TConfigLocation FindConfigLocation();
// Creates the folders above the write path that do not exist yet (mode 0700, as for a user's
// configuration folder); failures are left for the write to report.
void CreateConfigFolder(const TConfigLocation& location);

} // namespace brisat
