#include "framework/core/font.h"

#include "framework/core/store_if_changed.h"
#include "framework/core/types.h"

namespace brisat {

void TFont::Assign(const TPersistent& source) {
    if (auto* font = dynamic_cast<const TFont*>(&source)) {
        CopyFields(*font);
        Changed();
        return;
    }
    TPersistent::Assign(source);
}

void TFont::CopyFields(const TFont& other) {
    m_name = other.m_name;
    m_height = other.m_height;
    m_style = other.m_style;
    m_charset = other.m_charset;
    m_color = other.m_color;
    m_pitch = other.m_pitch;
}

void TFont::Changed() {
    if (OnChange) OnChange(*this);
}

#define BRISAT_FONT_SETTER(Setter, Type, field)                                                    \
    void TFont::Setter(Type value) {                                                               \
        if (StoreIfChanged(field, value)) Changed();                                               \
    }

BRISAT_FONT_SETTER(SetName, const std::string&, m_name)
BRISAT_FONT_SETTER(SetHeight, int32_t, m_height)
BRISAT_FONT_SETTER(SetStyle, TFontStyles, m_style)
BRISAT_FONT_SETTER(SetCharset, TFontCharset, m_charset)
BRISAT_FONT_SETTER(SetColor, TColor, m_color)
BRISAT_FONT_SETTER(SetPitch, TFontPitch, m_pitch)

#undef BRISAT_FONT_SETTER

int32_t TFont::Size() const { return -MulDiv(m_height, 72, PixelsPerInch); }

void TFont::SetSize(int32_t points) { SetHeight(-MulDiv(points, PixelsPerInch, 72)); }

} // namespace brisat
