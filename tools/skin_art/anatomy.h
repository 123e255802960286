// The anatomy shared by every skin: from a look's metrics and pieces it builds the skin's atlas
// bitmaps and the object trees that every skinned window and control looks its parts up in.
#pragma once

#include "art_kit/image.h"
#include "skin/objects/skin_object.h"
#include "skin_art/look.h"

#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace skin_art {

struct TSkinArt {
    std::string Name;   // the skin's name, "Xp Blue"
    std::string Folder; // "xp_blue"
    std::vector<std::pair<std::string, art_kit::TImage>> Bitmaps;     // in list order
    std::vector<std::unique_ptr<brisat::TSeSkinObject>> Objects;      // top-level trees
};

// The names of the top-level objects, in list order.
const std::vector<std::string>& TopLevelNames();

TSkinArt BuildSkin(const TLook& look);

} // namespace skin_art
