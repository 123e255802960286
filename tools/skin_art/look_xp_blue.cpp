// Xp Blue: a bright early-2000s desktop. A glossy royal-blue caption with white bold text and
// rounded top corners, glossy round-cornered caption buttons with a warm red close button,
// light beige panels, white fields with blue-grey borders and orange hover accents.
#include "skin_art/look_xp_family.h"

namespace skin_art {
namespace {

constexpr uint32_t Orange = 0xF2A43A;
constexpr uint32_t Selection = 0x316AC5;

TXpScheme BlueScheme() {
    TXpScheme s{};
    s.Name = "Xp Blue";
    s.Folder = "xp_blue";
    s.FrameRadius = 8;
    s.ControlRadius = 3;
    s.Window = 0xECE9D8;
    s.Text = 0x000000;
    s.DisabledText = 0xA1A192;
    s.CaptionText = 0xFFFFFF;
    s.Selection = Selection;
    s.SelectedText = 0xFFFFFF;

    s.Caption = {0x3C8CF0, 0x0D55CF, 0x0944B4, 0x0831A2};
    s.InactiveCaption = {0x5F79B0, 0x46609C, 0x3E5792, 0x3A5089};
    s.Key = {0x5A9CF8, 0x1C63E0, 0x1657D2, 0xFFFFFF};
    s.KeyHot = {0x6FAEFF, 0x2F78F2, 0x2468E4, 0xFFFFFF};
    s.KeyPressed = {0x0B3F9E, 0x1550BE, 0x2A68D4, 0xFFFFFF};
    s.InactiveKey = {0x8FA3D2, 0x7088C2, 0x6880BB, 0xD8E0F2};
    s.Close = {0xEE8A64, 0xD9502A, 0xC7441F, 0xFFFFFF};
    s.CloseHot = {0xF79A78, 0xE8643C, 0xD9542C, 0xFFFFFF};
    s.ClosePressed = {0xB33E1C, 0xC44A26, 0xD9603A, 0xFFFFFF};
    s.KeyFigure = 0xFFFFFF;
    s.InactiveKeyFigure = 0xD8E0F2;

    s.ButtonBorder = 0x003C74;
    s.HotRingLight = 0xFFE3A0;
    s.HotRing = Orange;
    s.FocusRingLight = 0xCEE7FF;
    s.FocusRing = 0x6A91DA;
    s.Small = {0xDCE7FD, 0xB7CCF9, 0xB9C9EF};
    s.SmallHot = {0xF0F5FF, 0xCADBFC, 0x9DB5EA};
    s.SmallPressed = {0x9EB6EE, 0xBCD0F7, 0x7E9BD8};
    s.Figure = 0x4D6185;
    s.DisabledFigure = 0xB4B3A8;
    s.BoxBorder = 0x1C5180;
    s.BoxFocus = 0x8CB0EA;
    s.Mark = 0x21A121;
    s.MarkLight = 0x8BE38B;
    s.MarkDeep = 0x168516;

    s.Rule = 0xC5C2B2;
    s.BarItemHot = 0xD3E0F6;
    s.BarItemOpen = 0xB6CBEF;
    s.Highlight = 0xC8D8F4;
    s.PopupBorder = 0x8A867A;
    s.GlyphColumn = 0xF4F2EA;
    s.PanelShadow = 0xACA899;
    s.PanelInner = 0xF6F5EE;
    s.PanelCaptionTop = 0xE3ECFB;
    s.PanelCaptionBottom = 0xBCD0F2;
    s.PanelCaptionLine = 0x8CA6D8;
    s.TrackLight = 0x7FB0F5;
    s.TrackDeep = 0x2460C8;
    s.ThumbAccent = 0x21A121;
    s.FieldBorder = 0x7F9DB9;
    s.FieldHot = 0x5C86C8;
    s.FieldFocus = 0x3C7FB1;
    s.TabBorder = 0x919B9C;
    s.TabSelected = 0xE68B2C;
    s.TabHot = 0xFFC85A;
    s.GroupLine = 0xD0D0BF;
    return s;
}

} // namespace

std::unique_ptr<TLook> MakeXpBlueLook() {
    return MakeXpFamilyLook(BlueScheme());
}

} // namespace skin_art
