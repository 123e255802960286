// The items of a form's system menu: which commands a window offers in a state with its border
// icons, and which command a clicked item's caption stands for.
#pragma once

#include "skin_windows/ks_custom_form.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace brisat {

struct TKsSystemMenuEntry {
    std::string Caption; // "-" for a separator
    int32_t ImageIndex = -1; // in SystemGlyphs()
    std::string ShortCut;    // shortcut text, or empty
    friend bool operator==(const TKsSystemMenuEntry&, const TKsSystemMenuEntry&) = default;
};

std::vector<TKsSystemMenuEntry> SystemMenuEntries(TKsWindowState state, TKsBorderIcons icons);

enum class TKsSystemCommand : uint8_t { Restore, Minimize, Maximize, RollUp, Tray, Close };
// The command of an item caption of SystemMenuEntries; nullopt for any other text.
std::optional<TKsSystemCommand> SystemCommandOf(std::string_view caption);

} // namespace brisat
