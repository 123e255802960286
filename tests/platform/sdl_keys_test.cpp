// SDL keys to the classic virtual-key codes.
#include "platform/sdl_keys.h"

#include <SDL.h>
#include <gtest/gtest.h>

using namespace brisat;

namespace {

struct TKeyCase {
    SDL_Keycode Key;
    SDL_Scancode Position;
    bool NumLock;
    uint32_t Expected;
};

TEST(SdlKeys, MapToClassicVirtualKeys) {
    const TKeyCase cases[] = {
        {SDLK_a, SDL_SCANCODE_A, false, 'A'},
        {SDLK_z, SDL_SCANCODE_Z, false, 'Z'},
        {SDLK_0, SDL_SCANCODE_0, false, '0'},
        {SDLK_7, SDL_SCANCODE_7, false, '7'},
        {SDLK_F1, SDL_SCANCODE_F1, false, 0x70},
        {SDLK_F12, SDL_SCANCODE_F12, false, 0x7B},
        {SDLK_F13, SDL_SCANCODE_F13, false, 0x7C},
        {SDLK_LEFT, SDL_SCANCODE_LEFT, false, 0x25},
        {SDLK_DOWN, SDL_SCANCODE_DOWN, false, 0x28},
        {SDLK_HOME, SDL_SCANCODE_HOME, false, 0x24},
        {SDLK_END, SDL_SCANCODE_END, false, 0x23},
        {SDLK_PAGEUP, SDL_SCANCODE_PAGEUP, false, 0x21},
        {SDLK_PAGEDOWN, SDL_SCANCODE_PAGEDOWN, false, 0x22},
        {SDLK_INSERT, SDL_SCANCODE_INSERT, false, 0x2D},
        {SDLK_DELETE, SDL_SCANCODE_DELETE, false, 0x2E},
        {SDLK_TAB, SDL_SCANCODE_TAB, false, 0x09},
        {SDLK_RETURN, SDL_SCANCODE_RETURN, false, 0x0D},
        {SDLK_KP_ENTER, SDL_SCANCODE_KP_ENTER, false, 0x0D},
        {SDLK_ESCAPE, SDL_SCANCODE_ESCAPE, false, 0x1B},
        {SDLK_SPACE, SDL_SCANCODE_SPACE, false, 0x20},
        {SDLK_BACKSPACE, SDL_SCANCODE_BACKSPACE, false, 0x08},
        {SDLK_RSHIFT, SDL_SCANCODE_RSHIFT, false, 0x10},
        {SDLK_LCTRL, SDL_SCANCODE_LCTRL, false, 0x11},
        {SDLK_RALT, SDL_SCANCODE_RALT, false, 0x12},
        {SDLK_KP_3, SDL_SCANCODE_KP_3, true, 0x63},
        {SDLK_KP_3, SDL_SCANCODE_KP_3, false, 0x22}, // Page Down printed on the key
        {SDLK_KP_PERIOD, SDL_SCANCODE_KP_PERIOD, true, 0x6E},
        {SDLK_KP_PERIOD, SDL_SCANCODE_KP_PERIOD, false, 0x2E},
        {SDLK_KP_PLUS, SDL_SCANCODE_KP_PLUS, false, 0x6B},
        {SDLK_SEMICOLON, SDL_SCANCODE_SEMICOLON, false, 0xBA},
        {SDLK_MINUS, SDL_SCANCODE_MINUS, false, 0xBD},
        {SDLK_QUOTE, SDL_SCANCODE_APOSTROPHE, false, 0xDE},
        {SDLK_AUDIOPLAY, SDL_SCANCODE_AUDIOPLAY, false, 0xB3},
        // A Cyrillic layout: the letter takes the code of its key's US position.
        {SDL_Keycode(0x0444), SDL_SCANCODE_A, false, 'A'},
        {SDL_Keycode(0x0436), SDL_SCANCODE_SEMICOLON, false, 0xBA},
        // A French layout's A key sits where the US Q is: the letter decides.
        {SDLK_a, SDL_SCANCODE_Q, false, 'A'},
        {SDLK_UNKNOWN, SDL_SCANCODE_UNKNOWN, false, 0},
    };
    for (const TKeyCase& c : cases)
        EXPECT_EQ(VirtualKeyFromSdl(c.Key, c.Position, c.NumLock), c.Expected)
            << "key " << c.Key << " at " << c.Position;
}

} // namespace
