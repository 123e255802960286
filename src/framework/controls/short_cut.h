// Menu shortcuts: a key code (low byte) with Shift (0x2000), Ctrl (0x4000) and Alt (0x8000), as
// layouts store them, and their names ("Ctrl+O", "Shift+F3", "Alt+Enter", "Del").
#pragma once

#include "framework/controls/control.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace brisat {

// The function key the classic menus also open with; messages.h names only the common ones.
inline constexpr uint16_t VK_F10 = 0x79;

using TShortCut = uint16_t;
inline constexpr TShortCut scNone = 0, scShift = 0x2000, scCtrl = 0x4000, scAlt = 0x8000;

// The shortcut of Key (a virtual-key code) with the Shift, Ctrl and Alt of Shift.
TShortCut ShortCut(uint16_t key, TShiftState shift);
void ShortCutToKey(TShortCut shortCut, uint16_t& key, TShiftState& shift);
// "Shift+Ctrl+Alt+Key"; empty for 0 and for a key without a name.
std::string ShortCutToText(TShortCut shortCut);
// The inverse of ShortCutToText, ignoring case and spaces and taking the common long names
// ("Escape", "Return", "Delete"); 0 for text it does not know.
TShortCut TextToShortCut(std::string_view text);

} // namespace brisat
