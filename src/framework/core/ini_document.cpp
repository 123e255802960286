#include "framework/core/ini_document.h"

#include "framework/core/identifiers.h"

namespace brisat {

namespace {

constexpr std::string_view Utf8Bom = "\xEF\xBB\xBF";

// One line of the text: [Begin, End) is its content, End..Next its line break (LF, CR LF or none).
struct TIniLine {
    size_t Begin;
    size_t End;
    size_t Next;
};

TIniLine LineAt(const std::string& text, size_t begin) {
    size_t feed = text.find('\n', begin);
    size_t end = feed == std::string::npos ? text.size() : feed;
    size_t next = feed == std::string::npos ? text.size() : feed + 1;
    if (end > begin && text[end - 1] == '\r') --end;
    return {begin, end, next};
}

enum class TIniLineKind { Section, Key, Other };

struct TIniLineMeaning {
    TIniLineKind Kind = TIniLineKind::Other;
    std::string_view Name;
    std::string_view Value;
};

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view TrimBlanks(std::string_view text) {
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

std::string_view Unquote(std::string_view value) {
    if (value.size() >= 2 && value.front() == value.back() &&
        (value.front() == '"' || value.front() == '\''))
        return value.substr(1, value.size() - 2);
    return value;
}

TIniLineMeaning Classify(std::string_view line) {
    if (line.starts_with(Utf8Bom)) line.remove_prefix(Utf8Bom.size());
    line = TrimBlanks(line);
    if (line.empty() || line.front() == ';') return {};
    if (line.front() == '[') {
        std::string_view name = line.substr(1);
        return {TIniLineKind::Section, TrimBlanks(name.substr(0, name.find(']'))), {}};
    }
    size_t equals = line.find('=');
    if (equals == std::string_view::npos) return {};
    std::string_view name = TrimBlanks(line.substr(0, equals));
    if (name.empty()) return {};
    return {TIniLineKind::Key, name, Unquote(TrimBlanks(line.substr(equals + 1)))};
}

// Walks the lines of a text, telling for each whether it lies in a section of the wanted name.
template <typename Visit>
void ForEachLine(const std::string& text, std::string_view section, Visit visit) {
    bool inSection = false;
    for (size_t position = 0; position < text.size();) {
        TIniLine line = LineAt(text, position);
        TIniLineMeaning meaning =
            Classify(std::string_view(text).substr(line.Begin, line.End - line.Begin));
        if (meaning.Kind == TIniLineKind::Section) inSection = SameText(meaning.Name, section);
        if (!visit(line, meaning, inSection)) return;
        position = line.Next;
    }
}

bool HoldsLineBreakOrNul(std::string_view text) {
    return text.find_first_of(std::string_view("\r\n\0", 3)) != std::string_view::npos;
}

bool IsWritableName(std::string_view name) {
    return !name.empty() && TrimBlanks(name) == name && !HoldsLineBreakOrNul(name) &&
           !name.starts_with(Utf8Bom);
}

void CheckEntry(std::string_view section, std::string_view ident, std::string_view value) {
    bool valid = IsWritableName(section) && section.find(']') == std::string_view::npos &&
                 IsWritableName(ident) && ident.find('=') == std::string_view::npos &&
                 ident.front() != '[' && ident.front() != ';' && !HoldsLineBreakOrNul(value);
    if (!valid)
        throw EIniFileError("Invalid INI entry [" + std::string(section) + "] " +
                            std::string(ident));
}

std::optional<int32_t> HexadecimalToInteger(std::string_view digits) {
    uint64_t value = 0;
    for (char c : digits) {
        int digit = c >= '0' && c <= '9'   ? c - '0'
                    : c >= 'a' && c <= 'f' ? c - 'a' + 10
                    : c >= 'A' && c <= 'F' ? c - 'A' + 10
                                           : -1;
        if (digit < 0) return std::nullopt;
        value = value * 16 + uint64_t(digit);
        if (value > 0xFFFFFFFFu) return std::nullopt;
    }
    return int32_t(uint32_t(value));
}

std::optional<int32_t> DecimalToInteger(std::string_view text) {
    bool negative = !text.empty() && text.front() == '-';
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) text.remove_prefix(1);
    if (text.empty()) return std::nullopt;
    int64_t value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + (c - '0');
        if (value > int64_t(INT32_MAX) + 1) return std::nullopt;
    }
    if (negative) value = -value;
    if (value > INT32_MAX) return std::nullopt;
    return int32_t(value);
}

} // namespace

std::optional<int32_t> IniTextToInteger(std::string_view text) {
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X'))
        return HexadecimalToInteger(text.substr(2));
    return DecimalToInteger(text);
}

std::optional<std::string_view> TIniDocument::Find(std::string_view section,
                                                   std::string_view ident) const {
    std::optional<std::string_view> found;
    ForEachLine(m_text, section, [&](const TIniLine&, const TIniLineMeaning& meaning, bool in) {
        if (in && meaning.Kind == TIniLineKind::Key && SameText(meaning.Name, ident))
            found = meaning.Value;
        return !found;
    });
    return found;
}

std::string TIniDocument::ReadString(std::string_view section, std::string_view ident,
                                     std::string_view defaultValue, size_t bufferSize) const {
    std::string_view value = Find(section, ident).value_or(defaultValue);
    return std::string(value.substr(0, bufferSize == 0 ? 0 : bufferSize - 1));
}

int32_t TIniDocument::ReadInteger(std::string_view section, std::string_view ident,
                                  int32_t defaultValue) const {
    return IniTextToInteger(ReadString(section, ident, "")).value_or(defaultValue);
}

void TIniDocument::WriteString(std::string_view section, std::string_view ident,
                               std::string_view value) {
    CheckEntry(section, ident, value);
    std::optional<TIniLine> keyLine;
    std::string storedName;           // the key as the file spells it
    std::optional<size_t> sectionEnd; // after the last key (or the header) of the first section
    bool inFirstSection = false;
    ForEachLine(m_text, section,
                [&](const TIniLine& line, const TIniLineMeaning& meaning, bool in) {
                    if (meaning.Kind == TIniLineKind::Section) {
                        inFirstSection = in && !sectionEnd;
                        if (inFirstSection) sectionEnd = line.Next;
                    } else if (in && meaning.Kind == TIniLineKind::Key) {
                        if (SameText(meaning.Name, ident)) {
                            keyLine = line;
                            storedName = meaning.Name;
                        }
                        if (inFirstSection) sectionEnd = line.Next;
                    }
                    return !keyLine;
                });
    if (keyLine) {
        // The line keeps its line break; the key keeps its spelling.
        m_text.replace(keyLine->Begin, keyLine->End - keyLine->Begin,
                       storedName + "=" + std::string(value));
    } else if (sectionEnd) {
        InsertLine(*sectionEnd, std::string(ident) + "=" + std::string(value));
    } else {
        InsertLine(m_text.size(), "[" + std::string(section) + "]");
        InsertLine(m_text.size(), std::string(ident) + "=" + std::string(value));
    }
}

void TIniDocument::WriteInteger(std::string_view section, std::string_view ident, int32_t value) {
    WriteString(section, ident, std::to_string(value));
}

std::string_view TIniDocument::LineBreak() const {
    size_t feed = m_text.find('\n');
    return feed != std::string::npos && feed > 0 && m_text[feed - 1] == '\r' ? "\r\n" : "\n";
}

void TIniDocument::InsertLine(size_t position, std::string_view line) {
    std::string text(line);
    text += LineBreak();
    // A last line without a line break gets one before anything follows it.
    if (position == m_text.size() && !m_text.empty() && m_text.back() != '\n')
        text.insert(0, LineBreak());
    m_text.insert(position, text);
}

} // namespace brisat
