// The unpacked skin folder people and the art program edit:
//   skin.txt              the header as object text ("object Skin: TSeSkinSource" ... "end")
//   bitmaps/NNN_Name.png  one per bitmap in list order, 8-bit RGBA with straight alpha; an empty
//                         bitmap is a file of no bytes
//   objects/NNN_Name.txt  one top-level tree per file in list order, children as nested blocks
// Unpacking a skin file and packing the folder again gives the same bytes.
#pragma once

#include "skin/files/skin_body.h"

#include <string>

namespace brisat {

// Writes Body into Folder (created when missing) in the layout above.
void WriteSkinFolder(const TSeSkinBody& body, const std::string& folder);
void UnpackSkin(const std::string& fileName, const std::string& folder);
// The variant is the one FILE's extension names.
void PackSkin(const std::string& folder, const std::string& fileName);

} // namespace brisat
