// An INI file on disk with private-profile semantics: every read looks at the file as it is now
// and never changes it; every write reads the file, changes values and replaces the file
// atomically (a temporary file in the same folder, flushed to disk and renamed over the old one),
// so a crash leaves the old file or the new one, never half of one.
#pragma once

#include "framework/core/ini_document.h"

#include <functional>
#include <string>

namespace brisat {

// Larger files are not INI files we wrote: reads see them as empty and writes refuse to replace
// them, so neither memory nor the user's data is at risk.
inline constexpr size_t MaxIniFileSize = 16u << 20;

class TIniFile {
public:
    explicit TIniFile(std::string fileName) : m_fileName(std::move(fileName)) {}

    const std::string& FileName() const { return m_fileName; }

    // The file's text; a missing, unreadable, oversized or not regular file reads as empty.
    TIniDocument Load() const;
    std::string ReadString(std::string_view section, std::string_view ident,
                           std::string_view defaultValue) const;
    int32_t ReadInteger(std::string_view section, std::string_view ident,
                        int32_t defaultValue) const;

    // Applies edit to the file's current text and replaces the file with the result in one
    // atomic step; a missing file is created. A file that exists but cannot be read whole is left
    // untouched. Failures throw EIniFileError "Unable to write to <file name>".
    void Update(const std::function<void(TIniDocument&)>& edit);
    void WriteString(std::string_view section, std::string_view ident, std::string_view value);
    void WriteInteger(std::string_view section, std::string_view ident, int32_t value);

private:
    [[noreturn]] void WriteFailed() const;

    std::string m_fileName;
};

} // namespace brisat
