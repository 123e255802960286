// SDL key codes to the classic virtual-key codes the framework's key messages carry.
#pragma once

#include <cstdint>

namespace brisat {

// The virtual-key code for an SDL keycode (SDL_Keycode) pressed at position Scancode
// (SDL_Scancode), 0 for keys without one. Letters, digits and punctuation of layouts that are not
// Latin take the code of their position on a US keyboard, as the classic codes do. With NumLock
// off the keypad's digits are the navigation keys printed on them.
uint32_t VirtualKeyFromSdl(int32_t keycode, int32_t scancode, bool numLock);

} // namespace brisat
