// TEditText: the text of a single-line edit as code points, so that caret and selection
// positions count characters and every step is constant time. Also the rules for text that comes
// in from outside (typed, pasted): one line, no control characters, damaged UTF-8 shown as
// U+FFFD, at most the room left. GUI thread only, as the edits that hold it.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace brisat {

class TEditText {
public:
    size_t Length() const { return m_chars.size(); }
    const std::u32string& Chars() const { return m_chars; }
    // The whole text, or Count characters from Pos (both clamped), as UTF-8.
    std::string Utf8() const { return Utf8(0, m_chars.size()); }
    std::string Utf8(size_t pos, size_t count) const;
    // Replaces the text; malformed sequences read as U+FFFD.
    void Assign(std::string_view utf8);
    void Insert(size_t pos, std::u32string_view chars);
    // Removes Count characters from Pos and returns them.
    std::u32string Erase(size_t pos, size_t count);

    // Ctrl+Left: the spaces just before Pos are skipped, then the start of the word before them.
    size_t PrevWordStart(size_t pos) const;
    // Ctrl+Right: past the rest of the word at Pos and the spaces after it.
    size_t NextWordStart(size_t pos) const;
    // The start of the word Pos lies in or at the start of; in the spaces after a word, that
    // word's start.
    size_t WordStartAt(size_t pos) const;

private:
    std::u32string m_chars;
};

bool IsEditSpace(char32_t c);

// The first line of Utf8 as characters an edit accepts, at most MaxChars of them. Tabs become
// spaces, other control characters are dropped. The work stops at the line's end or the limit,
// so a pasted book costs no more than the room it may fill.
std::u32string EditableLine(std::string_view utf8, size_t maxChars);

std::string ToUtf8(std::u32string_view chars);

// Per character upper and lower case in the platform's Unicode case tables.
enum class TCaseMapping : uint8_t { Upper, Lower };
void MapCase(std::u32string& chars, TCaseMapping mapping);

} // namespace brisat
