// The filter of the media file dialog, built from the types this machine can play.
#pragma once

#include "media/platform/playable_types.h"

#include <string>
#include <vector>

namespace brisat {

// `first` (the layout's own entry) unchanged, then "Video files" and "Audio files" with every
// extension of those kinds, one entry per type ("Matroska (*.mkv;*.mka)"), and "All files" last.
// Kinds without types are left out.
std::string MediaFileFilter(const std::string& first, const std::vector<TPlayableType>& types);

} // namespace brisat
