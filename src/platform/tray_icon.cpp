#include "platform/tray_icon.h"

namespace brisat {

std::string TrayTip(const std::string& text) {
    size_t characters = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        // Every byte but a continuation byte starts a character.
        if ((static_cast<unsigned char>(text[i]) & 0xC0) == 0x80) continue;
        if (characters++ == TrayTipLength) return text.substr(0, i);
    }
    return text;
}

} // namespace brisat
