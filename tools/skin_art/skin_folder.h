// Writes a skin as an unpacked skin folder: skin.txt (the header), bitmaps/NNN_Name.png and
// objects/NNN_Name.txt (each tree in the editable object text), numbered in list order.
#pragma once

#include "skin_art/anatomy.h"

#include <filesystem>

namespace skin_art {

// Replaces Dir with the skin's folder; raises std::runtime_error (or a filesystem error) naming
// what could not be written.
void WriteSkinFolder(const TSkinArt& art, const std::filesystem::path& dir);

} // namespace skin_art
