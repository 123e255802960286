// The text of an INI file with private-profile rules: "[name]" lines open sections, "key=value"
// lines hold values, ";" lines are comments; section and key names compare without regard to ASCII
// case; a value is read without its surrounding blanks and one pair of matching quotes. Edits
// touch only the line of the key they set, so everything else (comments, unknown sections and
// keys, lines that are not understood, binary junk, line breaks LF or CR LF) stays as it was.
#pragma once

#include "framework/core/exceptions.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace brisat {

// An INI file that cannot be written, or a name or value that no INI line can hold.
class EIniFileError : public Exception {
public:
    using Exception::Exception;
};

// A private-profile read copies the value into a buffer of this many bytes, terminator included.
inline constexpr size_t IniValueBufferSize = 2048;

class TIniDocument {
public:
    TIniDocument() = default;
    explicit TIniDocument(std::string text) : m_text(std::move(text)) {}

    const std::string& Text() const { return m_text; }

    // The value of the first key of that name in the sections of that name; nullopt when absent.
    std::optional<std::string_view> Find(std::string_view section, std::string_view ident) const;
    // The value, or the default when the key is absent, cut to bufferSize - 1 bytes.
    std::string ReadString(std::string_view section, std::string_view ident,
                           std::string_view defaultValue,
                           size_t bufferSize = IniValueBufferSize) const;
    // The value read as IniTextToInteger does; the default when it is absent or no integer.
    int32_t ReadInteger(std::string_view section, std::string_view ident,
                        int32_t defaultValue) const;

    // Sets a value: rewrites the line of an existing key, else adds the key after the last key of
    // the first section of that name, else adds the section and the key at the end of the text.
    // Throws EIniFileError when a name or value could not be read back from an INI line.
    void WriteString(std::string_view section, std::string_view ident, std::string_view value);
    void WriteInteger(std::string_view section, std::string_view ident, int32_t value);

private:
    std::string_view LineBreak() const;
    void InsertLine(size_t position, std::string_view line);

    std::string m_text;
};

// Integer text as the INI integer reads take it: longer than two characters and starting with "0x"
// or "0X" means up to 32 bits of hexadecimal digits (so "0xFFFFFFFF" is -1); anything else must be
// a decimal 32-bit integer with an optional sign. nullopt for other text.
std::optional<int32_t> IniTextToInteger(std::string_view text);

} // namespace brisat
