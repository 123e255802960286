// The registered storage filters, in order: at start uncompressed, compressed, ultra-compressed.
#pragma once

#include "skin/files/skin_filter.h"

#include <string>
#include <string_view>

namespace brisat {

// Appends the class (nothing when it is registered already).
void RegisterSkinFilter(const TSeSkinFilterClass& filter);
void UnregisterSkinFilter(const TSeSkinFilterClass& filter);
// The first registered filter whose extension equals the file name's (the part from the last
// "." after the last "/", "\" or ":"), ignoring case; nullptr when none.
const TSeSkinFilterClass* FindSkinFilter(std::string_view fileName);
// The file-dialog filter: "All (*.a;*.b)|*.a;*.b|Description A (*.a)|*.a|...".
std::string SkinFilterString();

} // namespace brisat
