#include "framework/core/utf8.h"

#include <cstdint>

namespace brisat {

char32_t DecodeUtf8(std::string_view text, size_t& pos) {
    const uint8_t lead = uint8_t(text[pos++]);
    if (lead < 0x80) return lead;
    int count;
    char32_t code;
    // Allowed range of the first continuation byte; it excludes overlong forms, surrogates and
    // values above U+10FFFF.
    uint8_t low = 0x80, high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        count = 1;
        code = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        count = 2;
        code = lead & 0x0F;
        if (lead == 0xE0) low = 0xA0;
        if (lead == 0xED) high = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        count = 3;
        code = lead & 0x07;
        if (lead == 0xF0) low = 0x90;
        if (lead == 0xF4) high = 0x8F;
    } else {
        return ReplacementCharacter;
    }
    for (int i = 0; i < count; ++i) {
        if (pos >= text.size()) return ReplacementCharacter;
        const uint8_t next = uint8_t(text[pos]);
        if (next < low || next > high) return ReplacementCharacter;
        low = 0x80, high = 0xBF;
        code = code << 6 | (next & 0x3F);
        ++pos;
    }
    return code;
}

void AppendUtf8(std::string& out, char32_t code) {
    if (code >= 0x110000 || (code >= 0xD800 && code <= 0xDFFF)) code = ReplacementCharacter;
    if (code < 0x80) {
        out += char(code);
    } else if (code < 0x800) {
        out += char(0xC0 | code >> 6);
        out += char(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += char(0xE0 | code >> 12);
        out += char(0x80 | (code >> 6 & 0x3F));
        out += char(0x80 | (code & 0x3F));
    } else {
        out += char(0xF0 | code >> 18);
        out += char(0x80 | (code >> 12 & 0x3F));
        out += char(0x80 | (code >> 6 & 0x3F));
        out += char(0x80 | (code & 0x3F));
    }
}

std::string ValidUtf8(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (size_t pos = 0; pos < text.size();)
        AppendUtf8(out, DecodeUtf8(text, pos));
    return out;
}

} // namespace brisat
