#include "framework/core/object_text_lexer.h"

#include "framework/core/exceptions.h"
#include "framework/core/identifiers.h"

#include <array>

namespace brisat {
namespace {

constexpr size_t kQuoteLimit = 40;

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}
bool IsWhitespace(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

// A character as an error message shows it.
std::string DescribeChar(char c) {
    if (uint8_t(c) < 32 || uint8_t(c) >= 127) return "#" + std::to_string(uint8_t(c));
    return std::string("'") + c + "'";
}

std::string Quoted(std::string_view text) {
    std::string result = "'";
    for (char c : text.substr(0, kQuoteLimit))
        result += (uint8_t(c) < 32) ? '?' : c;
    return result + (text.size() > kQuoteLimit ? "...'" : "'");
}

} // namespace

bool TTextToken::IsWord(std::string_view word) const {
    return Kind == TKind::tkIdent && SameText(Text, word);
}

std::string TTextToken::Describe() const {
    switch (Kind) {
    case TKind::tkEnd:
        return "end of text";
    case TKind::tkIdent:
    case TKind::tkSymbol:
        return Quoted(Text);
    case TKind::tkInteger:
        return std::to_string(Integer);
    case TKind::tkString:
        return "string " + Quoted(Text);
    case TKind::tkBytes:
        return "byte block";
    }
    return {};
}

TObjectTextLexer::TObjectTextLexer(std::string_view text) : m_text(text) {
    Next();
}

void TObjectTextLexer::Fail(int line, const std::string& message) const {
    throw EParserError("Line " + std::to_string(line) + ": " + message);
}

void TObjectTextLexer::SkipWhitespace() {
    while (m_pos < m_text.size() && IsWhitespace(m_text[m_pos])) {
        if (m_text[m_pos] == '\n') ++m_line;
        ++m_pos;
    }
}

void TObjectTextLexer::Next() {
    SkipWhitespace();
    m_token = TTextToken();
    m_token.Line = m_line;
    if (m_pos >= m_text.size()) return;
    const char c = m_text[m_pos];
    if (IsIdentStart(c))
        ReadIdent();
    else if (IsDigit(c) || c == '-')
        ReadInteger();
    else if (c == '\'' || c == '#')
        ReadString();
    else if (c == '{')
        ReadBytes();
    else if (std::string_view("=:[],+").find(c) != std::string_view::npos) {
        m_token.Kind = TTextToken::TKind::tkSymbol;
        m_token.Text = std::string(1, c);
        ++m_pos;
    } else
        Fail(m_line, "invalid character " + DescribeChar(c));
}

void TObjectTextLexer::ReadIdent() {
    const size_t start = m_pos;
    while (m_pos < m_text.size() && (IsIdentChar(m_text[m_pos]) || m_text[m_pos] == '.'))
        ++m_pos;
    m_token.Kind = TTextToken::TKind::tkIdent;
    m_token.Text = std::string(m_text.substr(start, m_pos - start));
}

void TObjectTextLexer::ReadInteger() {
    const bool negative = m_text[m_pos] == '-';
    if (negative) ++m_pos;
    if (m_pos >= m_text.size() || !IsDigit(m_text[m_pos]))
        Fail(m_line, "digits expected after '-'");
    // Accumulated as a negative number so that the most negative 64-bit value fits.
    int64_t value = 0;
    for (; m_pos < m_text.size() && IsDigit(m_text[m_pos]); ++m_pos) {
        const int digit = m_text[m_pos] - '0';
        if (value < (INT64_MIN + digit) / 10) Fail(m_line, "number too large");
        value = value * 10 - digit;
    }
    if (!negative) {
        if (value == INT64_MIN) Fail(m_line, "number too large");
        value = -value;
    }
    m_token.Kind = TTextToken::TKind::tkInteger;
    m_token.Integer = value;
}

void TObjectTextLexer::ReadString() {
    m_token.Kind = TTextToken::TKind::tkString;
    while (m_pos < m_text.size()) {
        if (m_text[m_pos] == '\'')
            ReadQuotedRun(m_token.Text);
        else if (m_text[m_pos] == '#')
            ReadCharCode(m_token.Text);
        else
            break;
    }
}

void TObjectTextLexer::ReadQuotedRun(std::string& out) {
    ++m_pos;
    for (;;) {
        if (m_pos >= m_text.size() || m_text[m_pos] == '\r' || m_text[m_pos] == '\n')
            Fail(m_line, "unterminated string");
        const char c = m_text[m_pos++];
        if (c != '\'') {
            out += c;
            continue;
        }
        // A doubled apostrophe stands for one; a single one closes the run.
        if (m_pos < m_text.size() && m_text[m_pos] == '\'') {
            out += '\'';
            ++m_pos;
            continue;
        }
        return;
    }
}

void TObjectTextLexer::ReadCharCode(std::string& out) {
    ++m_pos;
    const size_t start = m_pos;
    int code = 0;
    while (m_pos < m_text.size() && IsDigit(m_text[m_pos]) && code <= 255)
        code = code * 10 + (m_text[m_pos++] - '0');
    if (m_pos == start || code > 255) Fail(m_line, "invalid character code");
    out += char(uint8_t(code));
}

int TObjectTextLexer::HexDigit(int line) const {
    if (m_pos >= m_text.size()) Fail(line, "unterminated byte block");
    const char c = m_text[m_pos];
    if (IsDigit(c)) return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    Fail(m_line, "invalid character " + DescribeChar(c) + " in byte block");
}

namespace {

// The value of each hexadecimal digit, -1 for any other character.
constexpr std::array<int8_t, 256> HexValues = [] {
    std::array<int8_t, 256> values{};
    values.fill(-1);
    for (int c = '0'; c <= '9'; ++c) values[size_t(c)] = int8_t(c - '0');
    for (int c = 'A'; c <= 'F'; ++c) values[size_t(c)] = int8_t(c - 'A' + 10);
    for (int c = 'a'; c <= 'f'; ++c) values[size_t(c)] = int8_t(c - 'a' + 10);
    return values;
}();

} // namespace

void TObjectTextLexer::ReadBytes() {
    const int startLine = m_line;
    ++m_pos;
    m_token.Kind = TTextToken::TKind::tkBytes;
    // Skin files nest blocks in blocks, so long runs of digits are common: they are decoded in
    // one loop, and anything else (line breaks, the brace, a bad digit) takes the careful path.
    const size_t close = m_text.find('}', m_pos);
    if (close != std::string_view::npos) m_token.Bytes.reserve((close - m_pos) / 2);
    for (;;) {
        SkipWhitespace();
        if (m_pos >= m_text.size()) Fail(startLine, "unterminated byte block");
        if (m_text[m_pos] == '}') {
            ++m_pos;
            return;
        }
        while (m_pos + 1 < m_text.size()) {
            const int high = HexValues[uint8_t(m_text[m_pos])];
            const int low = HexValues[uint8_t(m_text[m_pos + 1])];
            if ((high | low) < 0) break;
            m_token.Bytes.push_back(uint8_t(high << 4 | low));
            m_pos += 2;
        }
        if (m_pos >= m_text.size() || m_text[m_pos] == '}' || IsWhitespace(m_text[m_pos]))
            continue;
        const int high = HexDigit(startLine);
        ++m_pos;
        const int low = HexDigit(startLine);
        ++m_pos;
        m_token.Bytes.push_back(uint8_t(high << 4 | low));
    }
}

} // namespace brisat
