#include "framework/core/standard_classes.h"

#include "framework/core/class_registry.h"
#include "framework/core/enum_info.h"
#include "framework/core/font.h"

namespace brisat {

const TEnumInfo FontStyleInfo = FlagInfoOf<TFontStyle>("TFontStyles");
const TEnumInfo FontPitchInfo = EnumInfoOf<TFontPitch>("TFontPitch");

namespace {

TFontStyles StylesOfBits(uint8_t bits) {
    TFontStyles styles;
    for (TFontStyle s : {TFontStyle::fsBold, TFontStyle::fsItalic, TFontStyle::fsUnderline,
                         TFontStyle::fsStrikeOut})
        if (bits & uint8_t(s)) styles.Include(s);
    return styles;
}

} // namespace

void RegisterStandardClasses(TClassRegistry& registry) {
    TClassDeclaration<TPersistent>("TPersistent", "").Register(registry);

    TClassDeclaration<TComponent>("TComponent", "TPersistent")
        .Integer("Tag", &TComponent::Tag, &TComponent::SetTag,
                 [](const TComponent& c) { return c.Tag() != 0; })
        .Register(registry);

    // Sub-properties in the order layouts have always listed them; the pitch only when it is not
    // the default.
    TClassDeclaration<TFont>("TFont", "TPersistent")
        .Charset("Charset", &TFont::Charset, &TFont::SetCharset)
        .Color("Color", &TFont::Color, &TFont::SetColor)
        .Integer("Height", &TFont::Height, &TFont::SetHeight)
        .String("Name", &TFont::Name, &TFont::SetName)
        .Enumeration("Pitch", FontPitchInfo, &TFont::Pitch, &TFont::SetPitch,
                     [](const TFont& f) { return f.Pitch() != TFontPitch::fpDefault; })
        .Set(
            "Style", FontStyleInfo, [](const TFont& f) { return f.Style().Bits(); },
            [](TFont& f, uint8_t bits) { f.SetStyle(StylesOfBits(bits)); })
        .Register(registry);
}

} // namespace brisat
