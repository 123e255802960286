// The filter of a file dialog, "Description|*.a;*.b|Description 2|*.c": pairs of a description
// and a ";"-separated pattern list. Patterns are globs ("*" any run, "?" one character) matched
// against a file name ignoring ASCII case.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace brisat {

struct TFileFilter {
    std::string Description;
    std::vector<std::string> Patterns;
    friend bool operator==(const TFileFilter&, const TFileFilter&) = default;
};

// The filters in order. Damaged text gives what can be read from it: blanks around patterns are
// dropped, a pair without patterns is left out (a trailing description among them), and a pair
// without a description is described by its patterns. Empty text gives no filters.
std::vector<TFileFilter> ParseFileFilter(std::string_view text);

bool MatchesGlob(std::string_view pattern, std::string_view name);
// True when any pattern matches; a filter without patterns matches nothing. "*.*" matches every
// name, with an extension or without, as filters written for other systems expect.
bool MatchesFilter(const TFileFilter& filter, std::string_view name);
// Whether Text holds a glob character.
bool IsGlob(std::string_view text);

} // namespace brisat
