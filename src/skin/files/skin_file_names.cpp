#include "skin/files/skin_file_names.h"

#include "platform/program_folder.h"

#include <algorithm>
#include <filesystem>

namespace brisat {
namespace {

bool FileExists(const std::string& path) {
    std::error_code error;
    return std::filesystem::is_regular_file(path, error);
}

} // namespace

std::optional<std::string> LocateSkinFile(const std::string& fileName) {
    if (fileName.empty()) return std::nullopt;
    std::string name = fileName;
    std::replace(name.begin(), name.end(), '\\', '/');
    if (FileExists(name)) return name;
    if (fileName.size() >= 2 && fileName[1] == ':') return std::nullopt;
    // Beside the program first, then in an installed program's data folder. A name starting
    // with "/" is joined to the folder (which ends in "/") without doubling it.
    const std::string relative = name.front() == '/' ? name.substr(1) : name;
    for (const std::string& folder : {ProgramFolder(), ProgramDataFolder()}) {
        if (folder.empty()) continue;
        std::string inFolder = folder + relative;
        if (FileExists(inFolder)) return inFolder;
    }
    return std::nullopt;
}

} // namespace brisat
