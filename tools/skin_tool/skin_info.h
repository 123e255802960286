// "info FILE": the header, the bitmaps with their sizes and the object trees.
#pragma once

#include <ostream>
#include <string>

namespace brisat {

void PrintSkinInfo(const std::string& fileName, std::ostream& out);

} // namespace brisat
