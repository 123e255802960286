// UTF-8 decoding that never trusts its input: text from layouts, skins and file names may be
// damaged, and every malformed sequence reads as U+FFFD.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace brisat {

inline constexpr char32_t ReplacementCharacter = 0xFFFD;

// Decodes the code point at Pos (< text size) and moves Pos past it. A bad lead or continuation
// byte, an overlong form, a surrogate, a value above U+10FFFF or a truncated sequence gives
// U+FFFD and skips the maximal invalid part (at least one byte), as Unicode recommends.
char32_t DecodeUtf8(std::string_view text, size_t& pos);

// Appends Code as UTF-8.
void AppendUtf8(std::string& out, char32_t code);

// Text with every malformed sequence replaced by U+FFFD.
std::string ValidUtf8(std::string_view text);

} // namespace brisat
