// How a window or a popup appears when shown: at once, or by one of the bitmap transitions
// (kaRandom picks one of the others each time).
#pragma once

#include <cstdint>

namespace brisat {

enum class TKsAnimation : uint8_t { kaNone, kaRandom, kaFade, kaSlide, kaRect };

} // namespace brisat
