#include "framework/core/colors.h"

namespace brisat {

namespace {

// The classic "Windows Standard" scheme, indexed by system colour number.
constexpr uint32_t kClassicScheme[SystemColorCount] = {
    RGB(212, 208, 200), // scroll bar
    RGB(58, 110, 165),  // desktop background
    RGB(10, 36, 106),   // active caption
    RGB(128, 128, 128), // inactive caption
    RGB(212, 208, 200), // menu
    RGB(255, 255, 255), // window
    RGB(0, 0, 0),       // window frame
    RGB(0, 0, 0),       // menu text
    RGB(0, 0, 0),       // window text
    RGB(255, 255, 255), // caption text
    RGB(212, 208, 200), // active border
    RGB(212, 208, 200), // inactive border
    RGB(128, 128, 128), // application workspace
    RGB(10, 36, 106),   // highlight
    RGB(255, 255, 255), // highlight text
    RGB(212, 208, 200), // button face
    RGB(128, 128, 128), // button shadow
    RGB(128, 128, 128), // grey text
    RGB(0, 0, 0),       // button text
    RGB(212, 208, 200), // inactive caption text
    RGB(255, 255, 255), // button highlight
    RGB(64, 64, 64),    // 3-D dark shadow
    RGB(212, 208, 200), // 3-D light
    RGB(0, 0, 0),       // info text
    RGB(255, 255, 225), // info background
    RGB(181, 181, 181), // alternate button face
    RGB(0, 0, 128),     // hot-tracked item
    RGB(166, 202, 240), // gradient active caption
    RGB(192, 192, 192), // gradient inactive caption
    RGB(10, 36, 106),   // menu highlight
    RGB(212, 208, 200), // menu bar
};

} // namespace

uint32_t GetSysColor(int index) {
    return index >= 0 && index < SystemColorCount ? kClassicScheme[index] : 0;
}

uint32_t ColorToRGB(TColor color) {
    if (color < 0) return GetSysColor(color & 0xFF);
    return uint32_t(color) & 0x00FFFFFF;
}

} // namespace brisat
