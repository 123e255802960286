#include "app/configuration.h"

#include "framework/core/ini_file.h"

namespace brisat {

namespace {

constexpr std::string_view Ticked(bool ticked) {
    return ticked ? "1" : "0";
}

bool IsTicked(const TCheckMarks& marks, std::string_view name) {
    auto found = marks.find(name);
    return found != marks.end() && found->second;
}

} // namespace

TCheckMarks TConfigurationFile::Read() const {
    TIniDocument document = TIniFile(m_location.ReadPath).Load();
    TCheckMarks marks;
    for (const TConfigurationKey& key : ConfigurationKeys)
        marks[std::string(key.MenuItem)] = document.ReadInteger(key.Section, key.Ident, 0) != 0;
    return marks;
}

void TConfigurationFile::Write(const TCheckMarks& marks) const {
    CreateConfigFolder(m_location);
    TIniFile(m_location.WritePath).Update([&](TIniDocument& document) {
        for (const TConfigurationKey& key : ConfigurationKeys)
            document.WriteString(key.Section, key.Ident, Ticked(IsTicked(marks, key.MenuItem)));
    });
}

void TConfigurationFile::WriteMagnetic(bool ticked) const {
    CreateConfigFolder(m_location);
    TIniFile(m_location.WritePath).WriteString("Kind", "Magnetic", Ticked(ticked));
}

} // namespace brisat
