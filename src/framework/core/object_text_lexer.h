// Tokens of the object text: identifiers (dots allowed inside, for "Font.Color"), integers with
// an optional minus, strings (apostrophe runs and #codes written together; the '+' joining them
// across lines is a symbol), hexadecimal byte blocks and the symbols = : [ ] , +. Errors raise
// EParserError "Line N: …".
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace brisat {

struct TTextToken {
    enum class TKind { tkEnd, tkIdent, tkInteger, tkString, tkBytes, tkSymbol };

    TKind Kind = TKind::tkEnd;
    int Line = 1;
    std::string Text; // identifier, string, or the symbol character
    int64_t Integer = 0;
    std::vector<uint8_t> Bytes;

    bool IsSymbol(char c) const { return Kind == TKind::tkSymbol && Text[0] == c; }
    // Identifier equal to Word ignoring case.
    bool IsWord(std::string_view word) const;
    // How the token reads in an error message: 'name', 12, string 'abc', end of text.
    std::string Describe() const;
};

class TObjectTextLexer {
public:
    // Text must outlive the lexer. The first token is read at once.
    explicit TObjectTextLexer(std::string_view text);

    const TTextToken& Current() const { return m_token; }
    void Next();

private:
    [[noreturn]] void Fail(int line, const std::string& message) const;
    void SkipWhitespace();
    void ReadIdent();
    void ReadInteger();
    void ReadString();
    void ReadQuotedRun(std::string& out);
    void ReadCharCode(std::string& out);
    void ReadBytes();
    int HexDigit(int line) const;

    std::string_view m_text;
    size_t m_pos = 0;
    int m_line = 1;
    TTextToken m_token;
};

} // namespace brisat
