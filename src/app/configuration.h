// The player's settings file. The settings themselves are the check marks of main-window menu
// items; the file stores each as an integer key, 1 for ticked and 0 for not.
#pragma once

#include "app/config_location.h"

#include <array>
#include <functional>
#include <map>
#include <string>
#include <string_view>

namespace brisat {

struct TConfigurationKey {
    std::string_view Section;
    std::string_view Ident;
    std::string_view MenuItem; // component name of the menu item whose check mark it stores
};

// The eighteen keys in the order they are written, so a new file lists them this way.
inline constexpr std::array<TConfigurationKey, 18> ConfigurationKeys{{
    {"Kind", "Magnetic", "n6"},
    {"Kind", "OnTop", "n"},
    {"Kind", "Limit", "N8"},
    {"Kind", "Loop", "N9"}, // the zoom panel, despite its name
    {"Skin", "Alien", "a"},
    {"Skin", "Cell Shaded", "c"},
    {"Skin", "Jezz", "j"},
    {"Skin", "Pencil", "p"},
    {"Skin", "Preluna", "pr"},
    {"Skin", "Steel", "s"},
    {"Skin", "Xp Blue", "xb"},
    {"Skin", "Xp Stead", "xs"},
    {"Animation", "Spike", "N11"},
    {"Animation", "Spin", "N21"},
    {"Animation", "Vortex", "N31"},
    {"Animation", "Random", "N41"},
    {"Animation", "ScatterGather", "N51"},
    {"Animation", "Fireworks", "N61"},
}};

// Check marks by menu item component name.
using TCheckMarks = std::map<std::string, bool, std::less<>>;

class TConfigurationFile {
public:
    explicit TConfigurationFile(TConfigLocation location) : m_location(std::move(location)) {}

    const TConfigLocation& Location() const { return m_location; }

    // All eighteen marks: ticked exactly when the key's integer is not 0. A missing or unreadable
    // file, section or key leaves the mark clear; reading never creates or changes the file.
    TCheckMarks Read() const;
    // Writes all eighteen keys ("1" or "0"; a mark missing from marks counts as clear) in one
    // atomic replacement that keeps every other line of the file. Throws EIniFileError.
    void Write(const TCheckMarks& marks) const;
    // The settings dialog's write: Kind/Magnetic alone.
    void WriteMagnetic(bool ticked) const;

private:
    TConfigLocation m_location;
};

} // namespace brisat
