// The shipped skins' looks, in the order the art program draws them.
#pragma once

#include "skin_art/look.h"

#include <memory>
#include <vector>

namespace skin_art {

std::vector<std::unique_ptr<TLook>> ShippedLooks();

} // namespace skin_art
