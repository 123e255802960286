// Xp Stead: the early-2000s desktop family in a sunlit olive. A khaki-to-olive caption with dark
// olive text, olive caption keys with a brick-red close key, sand panels, olive selections and
// slightly sharper corners than its blue sibling.
#include "skin_art/look_xp_family.h"

namespace skin_art {
namespace {

constexpr uint32_t DarkOlive = 0x262B0E;
constexpr uint32_t Olive = 0x5F6E26;

TXpScheme SteadScheme() {
    TXpScheme s{};
    s.Name = "Xp Stead";
    s.Folder = "xp_stead";
    s.FrameRadius = 6;
    s.ControlRadius = 2.5f;
    s.Window = 0xE9E4CC;
    s.Text = DarkOlive;
    s.DisabledText = 0xA4A188;
    s.CaptionText = DarkOlive;
    s.Selection = Olive;
    s.SelectedText = 0xFFFFFF;

    s.Caption = {0xDDE2B0, 0xB4BE78, 0xA3AE66, 0x5F6B2C};
    s.InactiveCaption = {0xE8E8D8, 0xCFCFB6, 0xC4C4A8, 0x9A9A80};
    s.Key = {0x9BAA55, 0x6F7F2E, 0x627226, 0xF7F8EA};
    s.KeyHot = {0xB2C06A, 0x849536, 0x76882E, 0xFFFFFF};
    s.KeyPressed = {0x4E5C1C, 0x5C6B24, 0x6F7F32, 0xF7F8EA};
    s.InactiveKey = {0xB4B498, 0x9A9A7E, 0x8F8F73, 0xEDEDE0};
    s.Close = {0xE39A6E, 0xC9643A, 0xB85630, 0xFFF8EE};
    s.CloseHot = {0xF0AE84, 0xDA7246, 0xCC6438, 0xFFFFFF};
    s.ClosePressed = {0x963F1E, 0xA84C28, 0xBF6038, 0xFFF8EE};
    s.KeyFigure = 0xFFFFFF;
    s.InactiveKeyFigure = 0xF8F8F0;

    s.ButtonBorder = 0x3F4A1A;
    s.HotRingLight = 0xFFE3A0;
    s.HotRing = 0xE8A23A;
    s.FocusRingLight = 0xE5EBC2;
    s.FocusRing = 0x97A650;
    s.Small = {0xEEF0D6, 0xD3D9A8, 0xC2C995};
    s.SmallHot = {0xF8F9EA, 0xE0E5BB, 0xA9B376};
    s.SmallPressed = {0xB8C081, 0xD0D6A4, 0x8E9858};
    s.Figure = 0x56602A;
    s.DisabledFigure = 0xB8B6A0;
    s.BoxBorder = 0x4D5A22;
    s.BoxFocus = 0xB6C27A;
    s.Mark = 0x5E8A1E;
    s.MarkLight = 0xB5D67A;
    s.MarkDeep = 0x4A7014;

    s.Rule = 0xC9C3A6;
    s.BarItemHot = 0xE6EACB;
    s.BarItemOpen = 0xD3DAA6;
    s.Highlight = 0xDDE3B8;
    s.PopupBorder = 0x8C8A6E;
    s.GlyphColumn = 0xF3F0E0;
    s.PanelShadow = 0xA9A386;
    s.PanelInner = 0xF4F1E2;
    s.PanelCaptionTop = 0xEEF0D8;
    s.PanelCaptionBottom = 0xCDD39E;
    s.PanelCaptionLine = 0x9AA462;
    s.TrackLight = 0xB9C777;
    s.TrackDeep = 0x6B7B2A;
    s.ThumbAccent = 0x7C9A2A;
    s.FieldBorder = 0xA5AA7C;
    s.FieldHot = 0xCC9434;
    s.FieldFocus = Olive;
    s.TabBorder = 0x9C9C86;
    s.TabSelected = 0xD9822C;
    s.TabHot = 0xF2C45A;
    s.GroupLine = 0xC3C29E;
    return s;
}

} // namespace

std::unique_ptr<TLook> MakeXpSteadLook() {
    return MakeXpFamilyLook(SteadScheme());
}

} // namespace skin_art
