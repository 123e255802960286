#include "framework/core/ident_maps.h"

#include "framework/core/identifiers.h"

namespace brisat {
namespace {

template <class V> struct TIdentEntry {
    V Value;
    std::string_view Name;
};

// Only the names the object text has always used; other system colours are written as numbers.
constexpr TIdentEntry<TColor> kColors[] = {
    {clBlack, "clBlack"},
    {clMaroon, "clMaroon"},
    {clGreen, "clGreen"},
    {clOlive, "clOlive"},
    {clNavy, "clNavy"},
    {clPurple, "clPurple"},
    {clTeal, "clTeal"},
    {clGray, "clGray"},
    {clSilver, "clSilver"},
    {clRed, "clRed"},
    {clLime, "clLime"},
    {clYellow, "clYellow"},
    {clBlue, "clBlue"},
    {clFuchsia, "clFuchsia"},
    {clAqua, "clAqua"},
    {clWhite, "clWhite"},
    {clMoneyGreen, "clMoneyGreen"},
    {clSkyBlue, "clSkyBlue"},
    {clCream, "clCream"},
    {clMedGray, "clMedGray"},
    {clNone, "clNone"},
    {clDefault, "clDefault"},
    {clScrollBar, "clScrollBar"},
    {clBackground, "clBackground"},
    {clActiveCaption, "clActiveCaption"},
    {clInactiveCaption, "clInactiveCaption"},
    {clMenu, "clMenu"},
    {clWindow, "clWindow"},
    {clWindowFrame, "clWindowFrame"},
    {clMenuText, "clMenuText"},
    {clWindowText, "clWindowText"},
    {clCaptionText, "clCaptionText"},
    {clActiveBorder, "clActiveBorder"},
    {clInactiveBorder, "clInactiveBorder"},
    {clAppWorkSpace, "clAppWorkSpace"},
    {clHighlight, "clHighlight"},
    {clHighlightText, "clHighlightText"},
    {clBtnFace, "clBtnFace"},
    {clBtnShadow, "clBtnShadow"},
    {clGrayText, "clGrayText"},
    {clBtnText, "clBtnText"},
    {clInactiveCaptionText, "clInactiveCaptionText"},
    {clBtnHighlight, "clBtnHighlight"},
    {cl3DDkShadow, "cl3DDkShadow"},
    {cl3DLight, "cl3DLight"},
    {clInfoText, "clInfoText"},
    {clInfoBk, "clInfoBk"},
    {clGradientActiveCaption, "clGradientActiveCaption"},
    {clGradientInactiveCaption, "clGradientInactiveCaption"},
};

constexpr TIdentEntry<int> kCharsets[] = {
    {0, "ANSI_CHARSET"},     {1, "DEFAULT_CHARSET"},      {2, "SYMBOL_CHARSET"},
    {77, "MAC_CHARSET"},     {128, "SHIFTJIS_CHARSET"},   {129, "HANGEUL_CHARSET"},
    {130, "JOHAB_CHARSET"},  {134, "GB2312_CHARSET"},     {136, "CHINESEBIG5_CHARSET"},
    {161, "GREEK_CHARSET"},  {162, "TURKISH_CHARSET"},    {177, "HEBREW_CHARSET"},
    {178, "ARABIC_CHARSET"}, {186, "BALTIC_CHARSET"},     {204, "RUSSIAN_CHARSET"},
    {222, "THAI_CHARSET"},   {238, "EASTEUROPE_CHARSET"}, {255, "OEM_CHARSET"},
};

template <class V, size_t N>
std::optional<std::string_view> ToIdent(const TIdentEntry<V> (&table)[N], V value) {
    for (const auto& e : table)
        if (e.Value == value) return e.Name;
    return std::nullopt;
}

template <class V, size_t N>
std::optional<V> FromIdent(const TIdentEntry<V> (&table)[N], std::string_view ident) {
    for (const auto& e : table)
        if (SameText(e.Name, ident)) return e.Value;
    return std::nullopt;
}

} // namespace

std::optional<std::string_view> ColorToIdent(TColor color) {
    return ToIdent(kColors, color);
}
std::optional<TColor> IdentToColor(std::string_view ident) {
    return FromIdent(kColors, ident);
}
std::optional<std::string_view> CharsetToIdent(int charset) {
    return ToIdent(kCharsets, charset);
}
std::optional<int> IdentToCharset(std::string_view ident) {
    return FromIdent(kCharsets, ident);
}

void GetColorValues(const std::function<void(std::string_view name)>& proc) {
    for (const auto& e : kColors)
        proc(e.Name);
}

} // namespace brisat
