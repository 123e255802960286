#include "skin_cycle.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace brisat {

namespace fs = std::filesystem;

std::vector<std::string> SkinFilesBeside(const std::string& file) {
    const fs::path folder = fs::absolute(file).parent_path();
    std::vector<std::string> files;
    std::error_code error;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder, error)) {
        const std::string extension = entry.path().extension().string();
        if (extension == ".uskn" || extension == ".kskn" || extension == ".xskn")
            files.push_back(entry.path().string());
    }
    std::sort(files.begin(), files.end());
    return files;
}

std::string NextSkinFile(const std::vector<std::string>& files, const std::string& current) {
    if (files.empty()) return current;
    const fs::path here = fs::absolute(current);
    const auto at = std::find_if(files.begin(), files.end(),
                                 [&](const std::string& f) { return fs::absolute(f) == here; });
    if (at == files.end() || at + 1 == files.end()) return files.front();
    return *(at + 1);
}

} // namespace brisat
