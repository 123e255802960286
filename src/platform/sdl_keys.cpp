#include "platform/sdl_keys.h"

#include <SDL.h>
#include <array>
#include <utility>

namespace brisat {

namespace {

// Classic virtual-key codes not spelled as characters.
enum : uint32_t {
    VkBack = 0x08,
    VkTab = 0x09,
    VkReturn = 0x0D,
    VkShift = 0x10,
    VkControl = 0x11,
    VkMenu = 0x12,
    VkPause = 0x13,
    VkCapital = 0x14,
    VkEscape = 0x1B,
    VkSpace = 0x20,
    VkPrior = 0x21,
    VkNext = 0x22,
    VkEnd = 0x23,
    VkHome = 0x24,
    VkLeft = 0x25,
    VkUp = 0x26,
    VkRight = 0x27,
    VkDown = 0x28,
    VkSnapshot = 0x2C,
    VkInsert = 0x2D,
    VkDelete = 0x2E,
    VkLWin = 0x5B,
    VkRWin = 0x5C,
    VkApps = 0x5D,
    VkNumpad0 = 0x60,
    VkMultiply = 0x6A,
    VkAdd = 0x6B,
    VkSubtract = 0x6D,
    VkDecimal = 0x6E,
    VkDivide = 0x6F,
    VkF1 = 0x70,
    VkF13 = 0x7C,
    VkNumLock = 0x90,
    VkScroll = 0x91,
    VkVolumeMute = 0xAD,
    VkVolumeDown = 0xAE,
    VkVolumeUp = 0xAF,
    VkMediaNext = 0xB0,
    VkMediaPrev = 0xB1,
    VkMediaStop = 0xB2,
    VkMediaPlayPause = 0xB3,
    VkOem1 = 0xBA,
    VkOemPlus = 0xBB,
    VkOemComma = 0xBC,
    VkOemMinus = 0xBD,
    VkOemPeriod = 0xBE,
    VkOem2 = 0xBF,
    VkOem3 = 0xC0,
    VkOem4 = 0xDB,
    VkOem5 = 0xDC,
    VkOem6 = 0xDD,
    VkOem7 = 0xDE,
    VkOem102 = 0xE2,
};

constexpr std::pair<SDL_Keycode, uint32_t> kNamedKeys[] = {
    {SDLK_BACKSPACE, VkBack},
    {SDLK_TAB, VkTab},
    {SDLK_RETURN, VkReturn},
    {SDLK_RETURN2, VkReturn},
    {SDLK_KP_ENTER, VkReturn},
    {SDLK_LSHIFT, VkShift},
    {SDLK_RSHIFT, VkShift},
    {SDLK_LCTRL, VkControl},
    {SDLK_RCTRL, VkControl},
    {SDLK_LALT, VkMenu},
    {SDLK_RALT, VkMenu},
    {SDLK_PAUSE, VkPause},
    {SDLK_CAPSLOCK, VkCapital},
    {SDLK_ESCAPE, VkEscape},
    {SDLK_SPACE, VkSpace},
    {SDLK_PAGEUP, VkPrior},
    {SDLK_PAGEDOWN, VkNext},
    {SDLK_END, VkEnd},
    {SDLK_HOME, VkHome},
    {SDLK_LEFT, VkLeft},
    {SDLK_UP, VkUp},
    {SDLK_RIGHT, VkRight},
    {SDLK_DOWN, VkDown},
    {SDLK_PRINTSCREEN, VkSnapshot},
    {SDLK_INSERT, VkInsert},
    {SDLK_DELETE, VkDelete},
    {SDLK_LGUI, VkLWin},
    {SDLK_RGUI, VkRWin},
    {SDLK_APPLICATION, VkApps},
    {SDLK_KP_MULTIPLY, VkMultiply},
    {SDLK_KP_PLUS, VkAdd},
    {SDLK_KP_MINUS, VkSubtract},
    {SDLK_KP_DIVIDE, VkDivide},
    {SDLK_NUMLOCKCLEAR, VkNumLock},
    {SDLK_SCROLLLOCK, VkScroll},
    {SDLK_AUDIOMUTE, VkVolumeMute},
    {SDLK_VOLUMEDOWN, VkVolumeDown},
    {SDLK_VOLUMEUP, VkVolumeUp},
    {SDLK_AUDIONEXT, VkMediaNext},
    {SDLK_AUDIOPREV, VkMediaPrev},
    {SDLK_AUDIOSTOP, VkMediaStop},
    {SDLK_AUDIOPLAY, VkMediaPlayPause},
};

// Punctuation by position on a US keyboard.
constexpr std::pair<SDL_Scancode, uint32_t> kOemPositions[] = {
    {SDL_SCANCODE_SEMICOLON, VkOem1},   {SDL_SCANCODE_EQUALS, VkOemPlus},
    {SDL_SCANCODE_COMMA, VkOemComma},   {SDL_SCANCODE_MINUS, VkOemMinus},
    {SDL_SCANCODE_PERIOD, VkOemPeriod}, {SDL_SCANCODE_SLASH, VkOem2},
    {SDL_SCANCODE_GRAVE, VkOem3},       {SDL_SCANCODE_LEFTBRACKET, VkOem4},
    {SDL_SCANCODE_BACKSLASH, VkOem5},   {SDL_SCANCODE_RIGHTBRACKET, VkOem6},
    {SDL_SCANCODE_APOSTROPHE, VkOem7},  {SDL_SCANCODE_NONUSBACKSLASH, VkOem102},
};

// The keypad without NumLock: 0..9 and the decimal point.
constexpr std::array<uint32_t, 10> kKeypadNavigation = {
    VkInsert, VkEnd, VkDown, VkNext, VkLeft, 0x0C /* clear */, VkRight, VkHome, VkUp, VkPrior};

uint32_t FromPosition(SDL_Scancode scancode) {
    if (scancode >= SDL_SCANCODE_A && scancode <= SDL_SCANCODE_Z)
        return 'A' + uint32_t(scancode - SDL_SCANCODE_A);
    if (scancode >= SDL_SCANCODE_1 && scancode <= SDL_SCANCODE_9)
        return '1' + uint32_t(scancode - SDL_SCANCODE_1);
    if (scancode == SDL_SCANCODE_0) return '0';
    for (const auto& [position, vk] : kOemPositions)
        if (position == scancode) return vk;
    return 0;
}

uint32_t FromCharacter(SDL_Keycode keycode) {
    if (keycode >= SDLK_a && keycode <= SDLK_z) return 'A' + uint32_t(keycode - SDLK_a);
    if (keycode >= SDLK_0 && keycode <= SDLK_9) return '0' + uint32_t(keycode - SDLK_0);
    switch (keycode) {
    case SDLK_SEMICOLON:
        return VkOem1;
    case SDLK_EQUALS:
        return VkOemPlus;
    case SDLK_COMMA:
        return VkOemComma;
    case SDLK_MINUS:
        return VkOemMinus;
    case SDLK_PERIOD:
        return VkOemPeriod;
    case SDLK_SLASH:
        return VkOem2;
    case SDLK_BACKQUOTE:
        return VkOem3;
    case SDLK_LEFTBRACKET:
        return VkOem4;
    case SDLK_BACKSLASH:
        return VkOem5;
    case SDLK_RIGHTBRACKET:
        return VkOem6;
    case SDLK_QUOTE:
        return VkOem7;
    default:
        return 0;
    }
}

uint32_t FromKeypad(SDL_Keycode keycode, bool numLock) {
    int digit = -1;
    if (keycode >= SDLK_KP_1 && keycode <= SDLK_KP_9) digit = 1 + int(keycode - SDLK_KP_1);
    if (keycode == SDLK_KP_0) digit = 0;
    if (digit >= 0) return numLock ? VkNumpad0 + uint32_t(digit) : kKeypadNavigation[size_t(digit)];
    if (keycode == SDLK_KP_PERIOD) return numLock ? VkDecimal : VkDelete;
    return 0;
}

} // namespace

uint32_t VirtualKeyFromSdl(int32_t keycode, int32_t scancode, bool numLock) {
    const auto key = SDL_Keycode(keycode);
    if (key >= SDLK_F1 && key <= SDLK_F12) return VkF1 + uint32_t(key - SDLK_F1);
    if (key >= SDLK_F13 && key <= SDLK_F24) return VkF13 + uint32_t(key - SDLK_F13);
    for (const auto& [named, vk] : kNamedKeys)
        if (named == key) return vk;
    if (const uint32_t vk = FromKeypad(key, numLock)) return vk;
    if (const uint32_t vk = FromCharacter(key)) return vk;
    // A character key of another script: the code of its position.
    if (!(key & SDLK_SCANCODE_MASK) && key > 0x7F) return FromPosition(SDL_Scancode(scancode));
    return 0;
}

} // namespace brisat
