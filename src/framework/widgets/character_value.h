// A single character (an edit's PasswordChar) as a persistent value: a one-character string in
// object texts, '' for none.
#pragma once

#include "framework/core/property.h"

namespace brisat {

TTextValue CharacterValue(char32_t c);
// Raises EConvertError unless Value is a string of at most one character.
char32_t CharacterFromValue(const TTextValue& value);

} // namespace brisat
