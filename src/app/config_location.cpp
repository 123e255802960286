#include "app/config_location.h"

#include "platform/program_folder.h"

#include <cstdlib>
#include <sys/stat.h>
#include <unistd.h>

namespace brisat {

namespace {

std::string UserConfigFolder(const TConfigPlaces& places) {
    if (places.ConfigHome.starts_with('/')) return places.ConfigHome + "/brisat/";
    if (places.Home.starts_with('/')) return places.Home + "/.config/brisat/";
    return {};
}

std::string Environment(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

} // namespace

TConfigLocation ChooseConfigLocation(const TConfigPlaces& places, const TPathTest& exists,
                                     const TPathTest& writable) {
    std::string beside =
        places.ProgramFolder.empty() ? std::string() : places.ProgramFolder + ConfigFileName;
    std::string userFolder = UserConfigFolder(places);
    bool besideWritable = !places.Installed && !beside.empty() && writable(places.ProgramFolder) &&
                          (!exists(beside) || writable(beside));
    if (besideWritable || userFolder.empty()) return {beside, beside};
    std::string user = userFolder + ConfigFileName;
    bool readBeside = !exists(user) && !beside.empty() && exists(beside);
    return {readBeside ? beside : user, user};
}

TConfigLocation FindConfigLocation() {
    TConfigPlaces places{ProgramFolder(), Environment("XDG_CONFIG_HOME"), Environment("HOME"),
                         !ProgramDataFolder().empty()};
    auto exists = [](const std::string& path) { return access(path.c_str(), F_OK) == 0; };
    // Replacing the file takes a new file and a rename in its folder.
    auto writable = [](const std::string& path) {
        return access(path.c_str(), path.ends_with('/') ? W_OK | X_OK : W_OK) == 0;
    };
    return ChooseConfigLocation(places, exists, writable);
}

void CreateConfigFolder(const TConfigLocation& location) {
    const std::string& path = location.WritePath;
    for (size_t slash = path.find('/', 1); slash != std::string::npos;
         slash = path.find('/', slash + 1))
        mkdir(path.substr(0, slash).c_str(), 0700);
}

} // namespace brisat
