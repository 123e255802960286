// The show animations of skinned windows and popup menus.
#pragma once

#include <cstdint>

namespace brisat {

enum class TKsAnimation : uint8_t { kaNone, kaRandom, kaFade, kaSlide, kaRect };

} // namespace brisat
