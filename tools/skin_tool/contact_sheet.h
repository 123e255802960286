// "preview FILE PNG": every top-level object of a skin drawn in each of its states on one sheet,
// a labelled row per object, so a person judges a skin at a glance.
#pragma once

#include <string>

namespace brisat {

void WriteContactSheet(const std::string& skinFile, const std::string& pngFile);

} // namespace brisat
