// libFuzzer target: the input as the text of a settings file. Reads of every kind must not fail,
// and a value written must read back while the rest of the text stays as it was.
#include "framework/core/ini_document.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

using namespace brisat;

void Check(bool condition) {
    if (!condition) std::abort();
}

// Reads drop a value's surrounding blanks and one pair of matching quotes, as private-profile
// files do; only values without them read back exactly.
bool ReadsBackExactly(std::string_view value) {
    auto special = [](char c) { return c == ' ' || c == '\t' || c == '"' || c == '\''; };
    return value.empty() || (!special(value.front()) && !special(value.back()));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    TIniDocument document(text);
    for (const char* section : {"Skin", "Options", "settings"}) {
        document.ReadString(section, "Steel", "");
        document.ReadInteger(section, "Value", 7);
    }
    IniTextToInteger(text);

    // Values in the player's sections, then one taken from the input itself.
    const std::string value = text.substr(0, std::min<size_t>(text.size(), 40));
    const std::string other = document.ReadString("Options", "Value", "?");
    for (const std::string& written : {std::string("1"), value}) {
        if (!ReadsBackExactly(written)) continue;
        TIniDocument edited(text);
        try {
            edited.WriteString("Skin", "Jezz", written);
        } catch (const EIniFileError&) {
            continue; // a value no INI line can hold is refused, the text unchanged
        }
        const auto found = edited.Find("Skin", "Jezz");
        Check(found.has_value());
        Check(edited.ReadString("Skin", "Jezz", "", written.size() + 1) == written);
        Check(edited.ReadString("Options", "Value", "?") == other);
    }
    return 0;
}
