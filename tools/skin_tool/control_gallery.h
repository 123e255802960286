// "gallery SKIN PNG": every skinned control drawn by the skin in each of its states (normal, hot,
// pressed, focused, disabled and the family's own), a labelled row per control family, so a
// person sees at a glance how the skin dresses the player's controls. "gallery --plain PNG"
// draws the same sheet in the plain look.
#pragma once

#include <string>

namespace brisat {

// SkinFile "" draws the plain look.
void WriteControlGallery(const std::string& skinFile, const std::string& pngFile);

} // namespace brisat
