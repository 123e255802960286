// Framework colours: 0x00BBGGRR, or 0x80000000 + index for a system colour resolved at use.
#pragma once

#include <cstdint>

namespace brisat {

using TColor = int32_t;

inline constexpr TColor SysColor(int index) { return TColor(0x80000000u | uint32_t(index)); }

inline constexpr TColor clBlack = 0x000000;
inline constexpr TColor clMaroon = 0x000080;
inline constexpr TColor clGreen = 0x008000;
inline constexpr TColor clOlive = 0x008080;
inline constexpr TColor clNavy = 0x800000;
inline constexpr TColor clPurple = 0x800080;
inline constexpr TColor clTeal = 0x808000;
inline constexpr TColor clGray = 0x808080;
inline constexpr TColor clSilver = 0xC0C0C0;
inline constexpr TColor clRed = 0x0000FF;
inline constexpr TColor clLime = 0x00FF00;
inline constexpr TColor clYellow = 0x00FFFF;
inline constexpr TColor clBlue = 0xFF0000;
inline constexpr TColor clFuchsia = 0xFF00FF;
inline constexpr TColor clAqua = 0xFFFF00;
inline constexpr TColor clWhite = 0xFFFFFF;
inline constexpr TColor clMoneyGreen = 0xC0DCC0;
inline constexpr TColor clSkyBlue = 0xF0CAA6;
inline constexpr TColor clCream = 0xF0FBFF;
inline constexpr TColor clMedGray = 0xA4A0A0;
inline constexpr TColor clNone = 0x1FFFFFFF;
inline constexpr TColor clDefault = 0x20000000;

inline constexpr TColor clScrollBar = SysColor(0);
inline constexpr TColor clBackground = SysColor(1);
inline constexpr TColor clActiveCaption = SysColor(2);
inline constexpr TColor clInactiveCaption = SysColor(3);
inline constexpr TColor clMenu = SysColor(4);
inline constexpr TColor clWindow = SysColor(5);
inline constexpr TColor clWindowFrame = SysColor(6);
inline constexpr TColor clMenuText = SysColor(7);
inline constexpr TColor clWindowText = SysColor(8);
inline constexpr TColor clCaptionText = SysColor(9);
inline constexpr TColor clActiveBorder = SysColor(10);
inline constexpr TColor clInactiveBorder = SysColor(11);
inline constexpr TColor clAppWorkSpace = SysColor(12);
inline constexpr TColor clHighlight = SysColor(13);
inline constexpr TColor clHighlightText = SysColor(14);
inline constexpr TColor clBtnFace = SysColor(15);
inline constexpr TColor clBtnShadow = SysColor(16);
inline constexpr TColor clGrayText = SysColor(17);
inline constexpr TColor clBtnText = SysColor(18);
inline constexpr TColor clInactiveCaptionText = SysColor(19);
inline constexpr TColor clBtnHighlight = SysColor(20);
inline constexpr TColor cl3DDkShadow = SysColor(21);
inline constexpr TColor cl3DLight = SysColor(22);
inline constexpr TColor clInfoText = SysColor(23);
inline constexpr TColor clInfoBk = SysColor(24);
inline constexpr TColor clHotLight = SysColor(26);
inline constexpr TColor clGradientActiveCaption = SysColor(27);
inline constexpr TColor clGradientInactiveCaption = SysColor(28);
inline constexpr TColor clMenuHighlight = SysColor(29);
inline constexpr TColor clMenuBar = SysColor(30);

inline constexpr int SystemColorCount = 31;

// The classic (Windows Standard) scheme value of a system colour index, 0x00BBGGRR; black for an
// unknown index.
uint32_t GetSysColor(int index);

// Resolves system colours; other values lose their high byte. Result 0x00BBGGRR.
uint32_t ColorToRGB(TColor color);

inline constexpr uint8_t GetRValue(uint32_t rgb) { return uint8_t(rgb); }
inline constexpr uint8_t GetGValue(uint32_t rgb) { return uint8_t(rgb >> 8); }
inline constexpr uint8_t GetBValue(uint32_t rgb) { return uint8_t(rgb >> 16); }
inline constexpr uint32_t RGB(uint8_t r, uint8_t g, uint8_t b) {
    return uint32_t(r) | uint32_t(g) << 8 | uint32_t(b) << 16;
}

// An opaque surface pixel (0xAARRGGBB) of a resolved 0x00BBGGRR colour.
inline constexpr uint32_t RGBToOpaquePixel(uint32_t rgb) {
    return 0xFF000000u | uint32_t(GetRValue(rgb)) << 16 | uint32_t(GetGValue(rgb)) << 8 |
           GetBValue(rgb);
}

} // namespace brisat
