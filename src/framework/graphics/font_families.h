// The font families installed for the screen, as Fontconfig lists them: the font lists of list
// and combo boxes.
#pragma once

#include <string>
#include <vector>

namespace brisat {

struct TFontFamilyInfo {
    std::string Name;
    bool TrueType = false;   // an outline font in TrueType or OpenType form
    bool FixedPitch = false; // every face of the family is monospaced
};

// Each family once, sorted by name; empty when Fontconfig has none.
std::vector<TFontFamilyInfo> ScreenFontFamilies();

} // namespace brisat
