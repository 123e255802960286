// The skin files of a folder in name order, and the one after a given file, for stepping through
// the skins beside the one a program was started with.
#pragma once

#include <string>
#include <vector>

namespace brisat {

// The .uskn, .kskn and .xskn files in File's folder (File among them when it is one), sorted.
std::vector<std::string> SkinFilesBeside(const std::string& file);
// The file after Current in Files, wrapping to the first; Current when Files is empty.
std::string NextSkinFile(const std::vector<std::string>& files, const std::string& current);

} // namespace brisat
