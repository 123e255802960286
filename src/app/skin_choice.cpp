#include "app/skin_choice.h"

#include <algorithm>
#include <cctype>

namespace brisat {

std::string_view SkinFileOf(std::string_view menuItem) {
    const auto same = [](std::string_view a, std::string_view b) {
        return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
            return std::tolower(uint8_t(x)) == std::tolower(uint8_t(y));
        });
    };
    for (const TSkinChoice& choice : SkinChoices)
        if (same(choice.MenuItem, menuItem)) return choice.File;
    return {};
}

} // namespace brisat
