// Identifier rules shared by component names, property names and the object text: ASCII letters,
// digits and underscores, compared without regard to case.
#pragma once

#include <string_view>

namespace brisat {

inline constexpr char AsciiLower(char c) {
    return c >= 'A' && c <= 'Z' ? char(c + 32) : c;
}

// Equality ignoring ASCII case; other bytes compare exactly.
inline constexpr bool SameText(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (AsciiLower(a[i]) != AsciiLower(b[i])) return false;
    return true;
}

inline constexpr bool IsIdentStart(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_';
}
inline constexpr bool IsIdentChar(char c) {
    return IsIdentStart(c) || (c >= '0' && c <= '9');
}

// A letter or underscore followed by letters, digits and underscores.
inline constexpr bool IsValidIdent(std::string_view text) {
    if (text.empty() || !IsIdentStart(text[0])) return false;
    for (char c : text)
        if (!IsIdentChar(c)) return false;
    return true;
}

} // namespace brisat
