// TFont: the description of a font (name, height, style, charset, colour). Resolving it to an
// installed face and drawing glyphs is the font engine's work (font_engine.h).
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "framework/core/colors.h"
#include "framework/core/persistent.h"

namespace brisat {

enum class TFontStyle : uint8_t { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };

// A set of TFontStyle values.
class TFontStyles {
public:
    constexpr TFontStyles() = default;
    constexpr TFontStyles(std::initializer_list<TFontStyle> styles) {
        for (TFontStyle s : styles) m_bits |= uint8_t(s);
    }
    constexpr bool Contains(TFontStyle s) const { return m_bits & uint8_t(s); }
    constexpr void Include(TFontStyle s) { m_bits |= uint8_t(s); }
    constexpr void Exclude(TFontStyle s) { m_bits &= uint8_t(~uint8_t(s)); }
    constexpr uint8_t Bits() const { return m_bits; }
    friend constexpr bool operator==(TFontStyles, TFontStyles) = default;

private:
    uint8_t m_bits = 0;
};

enum class TFontPitch : uint8_t { fpDefault, fpVariable, fpFixed };

using TFontCharset = uint8_t;
inline constexpr TFontCharset ANSI_CHARSET = 0;
inline constexpr TFontCharset DEFAULT_CHARSET = 1;
inline constexpr TFontCharset SYMBOL_CHARSET = 2;
inline constexpr TFontCharset RUSSIAN_CHARSET = 204;

class TFont : public TPersistent {
public:
    // Screen resolution the point sizes are converted with.
    static constexpr int PixelsPerInch = 96;

    TFont() = default;
    TFont(const TFont& other) : TPersistent() { CopyFields(other); }
    TFont& operator=(const TFont& other) {
        Assign(other);
        return *this;
    }

    void Assign(const TPersistent& source) override;
    std::string ClassName() const override { return "TFont"; }

    const std::string& Name() const { return m_name; }
    void SetName(const std::string& name);
    // Pixels; negative = character height (em size), positive = cell height (ascent + descent).
    int32_t Height() const { return m_height; }
    void SetHeight(int32_t height);
    // Points, derived from Height at PixelsPerInch.
    int32_t Size() const;
    void SetSize(int32_t points);
    TFontStyles Style() const { return m_style; }
    void SetStyle(TFontStyles style);
    TFontCharset Charset() const { return m_charset; }
    void SetCharset(TFontCharset charset);
    TColor Color() const { return m_color; }
    void SetColor(TColor color);
    TFontPitch Pitch() const { return m_pitch; }
    void SetPitch(TFontPitch pitch);

    std::function<void(TFont&)> OnChange;

private:
    void CopyFields(const TFont& other);
    void Changed();

    std::string m_name = "MS Sans Serif";
    int32_t m_height = -11;
    TFontStyles m_style;
    TFontCharset m_charset = DEFAULT_CHARSET;
    TColor m_color = clWindowText;
    TFontPitch m_pitch = TFontPitch::fpDefault;
};

} // namespace brisat
