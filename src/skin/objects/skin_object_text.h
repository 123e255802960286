// A skin object tree as object text, in two forms:
//  - tsfFile: as skin files store it, the children only as component records inside the
//    "Objects" byte block (a leaf writes "Objects = {00000000}");
//  - tsfEditable: the children as nested "object ... end" blocks and no "Objects" line, for
//    unpacked skin folders people edit.
// Reading accepts either form (or a mix) and gives the same tree.
#pragma once

#include "skin/objects/skin_object.h"

#include <memory>
#include <string>
#include <string_view>

namespace brisat {

enum class TSkinTextForm : uint8_t { tsfFile, tsfEditable };

std::string SkinObjectText(const TSeSkinObject& object, TSkinTextForm form);
// Raises EReadError (with the line) for malformed text, an unknown root class or a root or
// child that is not a skin object.
std::unique_ptr<TSeSkinObject> SkinObjectFromText(std::string_view text);

} // namespace brisat
