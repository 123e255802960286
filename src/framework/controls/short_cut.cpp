#include "framework/controls/short_cut.h"

#include <array>
#include <cctype>

namespace brisat {
namespace {

struct TKeyName {
    uint16_t Key;
    const char* Name;
};

// The first name of a key is the one ShortCutToText writes.
constexpr std::array KeyNames{
    TKeyName{VK_BACK, "BkSp"},     TKeyName{VK_BACK, "Backspace"}, TKeyName{VK_TAB, "Tab"},
    TKeyName{VK_RETURN, "Enter"},  TKeyName{VK_RETURN, "Return"},  TKeyName{VK_ESCAPE, "Esc"},
    TKeyName{VK_ESCAPE, "Escape"}, TKeyName{VK_SPACE, "Space"},    TKeyName{VK_PRIOR, "PgUp"},
    TKeyName{VK_PRIOR, "PageUp"},  TKeyName{VK_NEXT, "PgDn"},      TKeyName{VK_NEXT, "PageDown"},
    TKeyName{VK_END, "End"},       TKeyName{VK_HOME, "Home"},      TKeyName{VK_LEFT, "Left"},
    TKeyName{VK_UP, "Up"},         TKeyName{VK_RIGHT, "Right"},    TKeyName{VK_DOWN, "Down"},
    TKeyName{VK_INSERT, "Ins"},    TKeyName{VK_INSERT, "Insert"},  TKeyName{VK_DELETE, "Del"},
    TKeyName{VK_DELETE, "Delete"},
};

constexpr uint16_t FirstFunctionKey = VK_F1, FunctionKeyCount = 24;

struct TModifierName {
    TShortCut Bit;
    std::string_view Prefix;
};
constexpr std::array Modifiers{TModifierName{scShift, "Shift+"}, TModifierName{scCtrl, "Ctrl+"},
                               TModifierName{scAlt, "Alt+"}};

std::string KeyName(uint16_t key) {
    if ((key >= 'A' && key <= 'Z') || (key >= '0' && key <= '9')) return std::string(1, char(key));
    if (key >= FirstFunctionKey && key < FirstFunctionKey + FunctionKeyCount)
        return "F" + std::to_string(key - FirstFunctionKey + 1);
    for (const TKeyName& k : KeyNames)
        if (k.Key == key) return k.Name;
    return {};
}

bool SameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (std::toupper(uint8_t(a[i])) != std::toupper(uint8_t(b[i]))) return false;
    return true;
}

// The key code of a name, 0 when unknown.
uint16_t KeyFromName(std::string_view name) {
    if (name.size() == 1) {
        const char c = char(std::toupper(uint8_t(name[0])));
        if ((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')) return uint16_t(c);
    }
    if (name.size() >= 2 && name.size() <= 3 && std::toupper(uint8_t(name[0])) == 'F') {
        int n = 0;
        for (char c : name.substr(1)) {
            if (c < '0' || c > '9') return 0;
            n = n * 10 + (c - '0');
        }
        return n >= 1 && n <= FunctionKeyCount ? uint16_t(FirstFunctionKey + n - 1) : 0;
    }
    for (const TKeyName& k : KeyNames)
        if (SameName(name, k.Name)) return k.Key;
    return 0;
}

} // namespace

TShortCut ShortCut(uint16_t key, TShiftState shift) {
    if (key > 0xFF) return scNone;
    TShortCut s = key;
    if (shift.Contains(TShiftStateKind::ssShift)) s |= scShift;
    if (shift.Contains(TShiftStateKind::ssCtrl)) s |= scCtrl;
    if (shift.Contains(TShiftStateKind::ssAlt)) s |= scAlt;
    return s;
}

void ShortCutToKey(TShortCut shortCut, uint16_t& key, TShiftState& shift) {
    key = shortCut & 0xFF;
    shift = {};
    shift.Set(TShiftStateKind::ssShift, shortCut & scShift);
    shift.Set(TShiftStateKind::ssCtrl, shortCut & scCtrl);
    shift.Set(TShiftStateKind::ssAlt, shortCut & scAlt);
}

std::string ShortCutToText(TShortCut shortCut) {
    std::string key = KeyName(shortCut & 0xFF);
    if (key.empty()) return {};
    std::string text;
    for (const TModifierName& m : Modifiers)
        if (shortCut & m.Bit) text += m.Prefix;
    return text + key;
}

TShortCut TextToShortCut(std::string_view text) {
    std::string compact;
    for (char c : text)
        if (c != ' ') compact += c;
    std::string_view rest = compact;
    TShortCut shift = 0;
    for (bool more = true; more;) {
        more = false;
        for (const TModifierName& m : Modifiers)
            if (rest.size() > m.Prefix.size() &&
                SameName(rest.substr(0, m.Prefix.size()), m.Prefix)) {
                shift |= m.Bit;
                rest.remove_prefix(m.Prefix.size());
                more = true;
            }
    }
    const uint16_t key = KeyFromName(rest);
    return key ? TShortCut(key | shift) : scNone;
}

} // namespace brisat
