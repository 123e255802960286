// The names the object text uses for colours and character sets.
#pragma once

#include "framework/core/colors.h"

#include <functional>
#include <optional>
#include <string_view>

namespace brisat {

// clRed, clBtnFace, …; nullopt for a colour without a name.
std::optional<std::string_view> ColorToIdent(TColor color);
// The colour of a name, ignoring case.
std::optional<TColor> IdentToColor(std::string_view ident);
// Every colour name, in the framework's order (the colour list of list and combo boxes).
void GetColorValues(const std::function<void(std::string_view name)>& proc);

// ANSI_CHARSET, RUSSIAN_CHARSET, …; nullopt for a code without a name.
std::optional<std::string_view> CharsetToIdent(int charset);
std::optional<int> IdentToCharset(std::string_view ident);

} // namespace brisat
