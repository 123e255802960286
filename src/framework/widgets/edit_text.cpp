#include "framework/widgets/edit_text.h"

#include "framework/core/utf8.h"

#include <algorithm>
#include <clocale>
#include <cwctype>
#include <locale.h>

namespace brisat {

std::string ToUtf8(std::u32string_view chars) {
    std::string out;
    out.reserve(chars.size());
    for (char32_t c : chars)
        AppendUtf8(out, c);
    return out;
}

std::string TEditText::Utf8(size_t pos, size_t count) const {
    pos = std::min(pos, m_chars.size());
    return ToUtf8(std::u32string_view(m_chars).substr(pos, count));
}

void TEditText::Assign(std::string_view utf8) {
    m_chars.clear();
    for (size_t at = 0; at < utf8.size();)
        m_chars += DecodeUtf8(utf8, at);
}

void TEditText::Insert(size_t pos, std::u32string_view chars) {
    m_chars.insert(std::min(pos, m_chars.size()), chars);
}

std::u32string TEditText::Erase(size_t pos, size_t count) {
    pos = std::min(pos, m_chars.size());
    count = std::min(count, m_chars.size() - pos);
    std::u32string removed = m_chars.substr(pos, count);
    m_chars.erase(pos, count);
    return removed;
}

bool IsEditSpace(char32_t c) {
    return c == U' ' || c == U'\t' || c == 0xA0 || c == 0x3000;
}

size_t TEditText::PrevWordStart(size_t pos) const {
    pos = std::min(pos, m_chars.size());
    while (pos > 0 && IsEditSpace(m_chars[pos - 1]))
        --pos;
    while (pos > 0 && !IsEditSpace(m_chars[pos - 1]))
        --pos;
    return pos;
}

size_t TEditText::NextWordStart(size_t pos) const {
    while (pos < m_chars.size() && !IsEditSpace(m_chars[pos]))
        ++pos;
    while (pos < m_chars.size() && IsEditSpace(m_chars[pos]))
        ++pos;
    return std::min(pos, m_chars.size());
}

size_t TEditText::WordStartAt(size_t pos) const {
    pos = std::min(pos, m_chars.size());
    if (pos < m_chars.size() && !IsEditSpace(m_chars[pos]) &&
        (pos == 0 || IsEditSpace(m_chars[pos - 1])))
        return pos;
    return PrevWordStart(pos);
}

std::u32string EditableLine(std::string_view utf8, size_t maxChars) {
    std::u32string line;
    for (size_t at = 0; at < utf8.size() && line.size() < maxChars;) {
        const char32_t c = DecodeUtf8(utf8, at);
        if (c == U'\r' || c == U'\n') break;
        if (c == U'\t')
            line += U' ';
        else if (c >= 0x20 && c != 0x7F && (c < 0x80 || c > 0x9F))
            line += c;
    }
    return line;
}

namespace {

// The case tables of a UTF-8 locale, whatever locale the program runs in; null where the
// platform has none (then only ASCII letters change case).
locale_t UnicodeLocale() {
    static const locale_t locale = newlocale(LC_CTYPE_MASK, "C.UTF-8", locale_t(0));
    return locale;
}

char32_t MapChar(char32_t c, TCaseMapping mapping) {
    if (const locale_t locale = UnicodeLocale())
        return mapping == TCaseMapping::Upper ? char32_t(towupper_l(wint_t(c), locale))
                                              : char32_t(towlower_l(wint_t(c), locale));
    if (mapping == TCaseMapping::Upper) return c >= U'a' && c <= U'z' ? c - 32 : c;
    return c >= U'A' && c <= U'Z' ? c + 32 : c;
}

} // namespace

void MapCase(std::u32string& chars, TCaseMapping mapping) {
    for (char32_t& c : chars)
        c = MapChar(c, mapping);
}

} // namespace brisat
