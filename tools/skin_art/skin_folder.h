// A drawn skin written as an unpacked skin folder, the layout brisat-skin packs.
#pragma once

#include "skin_art/anatomy.h"

#include <filesystem>

namespace skin_art {

// Replaces Dir with the skin's folder; raises std::runtime_error (or a filesystem error) naming
// what could not be written.
void WriteSkinFolder(TSkinArt art, const std::filesystem::path& dir);

} // namespace skin_art
