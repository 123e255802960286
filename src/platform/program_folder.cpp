#include "platform/program_folder.h"

#include <filesystem>
#include <unistd.h>
#include <vector>

namespace brisat {

std::string ProgramFolder() {
    // readlink does not say whether it truncated, so grow until the answer fits.
    for (size_t size = 256; size <= 65536; size *= 4) {
        std::vector<char> buffer(size);
        ssize_t length = readlink("/proc/self/exe", buffer.data(), buffer.size());
        if (length < 0) return {};
        if (size_t(length) < buffer.size()) {
            std::string path(buffer.data(), size_t(length));
            size_t slash = path.rfind('/');
            return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
        }
    }
    return {};
}

std::string ProgramDataFolder() {
    const std::string program = ProgramFolder();
    if (!program.ends_with("/bin/")) return {};
    const std::filesystem::path data =
        std::filesystem::path(program + "../share/brisat/").lexically_normal();
    std::error_code error;
    return std::filesystem::is_directory(data, error) ? data.string() : std::string();
}

} // namespace brisat
