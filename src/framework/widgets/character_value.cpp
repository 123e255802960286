#include "framework/widgets/character_value.h"

#include "framework/core/exceptions.h"
#include "framework/core/utf8.h"

namespace brisat {

TTextValue CharacterValue(char32_t c) {
    std::string text;
    if (c != 0) AppendUtf8(text, c);
    return TTextValue::MakeString(text);
}

char32_t CharacterFromValue(const TTextValue& value) {
    RequireKind(value, TTextValue::TKind::vaString);
    size_t at = 0;
    const char32_t c = value.Text.empty() ? 0 : DecodeUtf8(value.Text, at);
    if (at != value.Text.size())
        throw EConvertError("expected one character, found " + value.Describe());
    return c;
}

} // namespace brisat
