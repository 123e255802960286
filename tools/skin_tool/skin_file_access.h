// Skin files as stored, for the tool: the body of a file in the variant its extension names, with
// pixels and objects as they are in the file (no key pixels, no character sets changed).
#pragma once

#include "skin/files/skin_body.h"

#include <string>

namespace brisat {

// Raise std::runtime_error or the framework's errors, naming the file.
TSeSkinBody ReadSkinFile(const std::string& fileName);
void WriteSkinFile(const std::string& fileName, const TSeSkinBody& body);
// Raises std::runtime_error unless the file exists and its extension names a skin variant.
void CheckSkinFile(const std::string& fileName);
// The description of the variant the file name's extension names ("Compressed Skin").
std::string SkinVariantOf(const std::string& fileName);

} // namespace brisat
