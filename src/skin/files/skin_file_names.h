// Where a skin named in a setting or a layout lies ("\Skins\steel.xskn").
#pragma once

#include <optional>
#include <string>

namespace brisat {

// The name with "\" read as "/" when a file of that name exists; else, unless the name starts
// with a drive ("C:"), the program's folder followed by the name when that exists, then the
// installed program's data folder (PREFIX/share/brisat/) followed by the name; else nullopt.
std::optional<std::string> LocateSkinFile(const std::string& fileName);

} // namespace brisat
