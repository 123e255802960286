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
    const std::string folder = ProgramFolder();
    if (folder.empty()) return std::nullopt;
    // The folder ends in "/"; a name starting with one is joined without doubling it.
    std::string inFolder = folder + (name.front() == '/' ? name.substr(1) : name);
    if (FileExists(inFolder)) return inFolder;
    return std::nullopt;
}

} // namespace brisat
