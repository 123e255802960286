#include "framework/dialogs/file_filter.h"

namespace brisat {
namespace {

std::string_view Trim(std::string_view s) {
    const size_t first = s.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    return s.substr(first, s.find_last_not_of(" \t") - first + 1);
}

// Splits at Separator; the pieces view Text.
std::vector<std::string_view> Split(std::string_view text, char separator) {
    std::vector<std::string_view> pieces;
    for (;;) {
        const size_t at = text.find(separator);
        pieces.push_back(text.substr(0, at));
        if (at == std::string_view::npos) return pieces;
        text.remove_prefix(at + 1);
    }
}

char Lower(char c) {
    return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c;
}

} // namespace

std::vector<TFileFilter> ParseFileFilter(std::string_view text) {
    std::vector<TFileFilter> filters;
    if (text.empty()) return filters;
    const std::vector<std::string_view> parts = Split(text, '|');
    for (size_t i = 0; i + 1 < parts.size(); i += 2) {
        TFileFilter filter;
        for (std::string_view pattern : Split(parts[i + 1], ';'))
            if (!Trim(pattern).empty()) filter.Patterns.emplace_back(Trim(pattern));
        if (filter.Patterns.empty()) continue;
        filter.Description = Trim(parts[i]);
        if (filter.Description.empty()) filter.Description = Trim(parts[i + 1]);
        filters.push_back(std::move(filter));
    }
    return filters;
}

// Greedy matching that returns to the last "*" on a mismatch: linear in practice and never
// worse than pattern length × name length, whatever the pattern.
bool MatchesGlob(std::string_view pattern, std::string_view name) {
    size_t p = 0, n = 0;
    size_t starP = std::string_view::npos, starN = 0;
    while (n < name.size()) {
        if (p < pattern.size() && pattern[p] == '*') {
            starP = p++;
            starN = n;
        } else if (p < pattern.size() &&
                   (pattern[p] == '?' || Lower(pattern[p]) == Lower(name[n]))) {
            ++p;
            ++n;
        } else if (starP != std::string_view::npos) {
            p = starP + 1;
            n = ++starN;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == '*')
        ++p;
    return p == pattern.size();
}

bool MatchesFilter(const TFileFilter& filter, std::string_view name) {
    for (const std::string& pattern : filter.Patterns)
        if (pattern == "*.*" || MatchesGlob(pattern, name)) return true;
    return false;
}

bool IsGlob(std::string_view text) {
    return text.find_first_of("*?") != std::string_view::npos;
}

} // namespace brisat
