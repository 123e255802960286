// The early-2000s desktop family: a glossy caption with rounded top corners, glossy caption
// buttons with a warm close button, light panels, white fields, orange hover accents. Its
// members differ in their scheme: the colours of each role and how round the corners are.
#pragma once

#include "skin_art/look.h"

#include <cstdint>
#include <memory>
#include <string>

namespace skin_art {

// A glossy surface: light at the top, a crisp step to Mid at the middle, Deep at the bottom.
struct TXpTint {
    uint32_t Light, Mid, Deep, Border;
};

// A two-colour face with its border.
struct TXpFace {
    uint32_t Top, Bottom, Border;
};

struct TXpScheme {
    std::string Name, Folder;
    float FrameRadius;   // the frame's rounded top corners
    float ControlRadius; // buttons, tabs, caption buttons; smaller pieces round a little less
    uint32_t Window;     // panels, the menu bar, the group caption
    uint32_t Text, DisabledText, CaptionText, Selection, SelectedText;

    // The caption band and its buttons (the close button in its own warm tint).
    TXpTint Caption, InactiveCaption;
    TXpTint Key, KeyHot, KeyPressed, InactiveKey;
    TXpTint Close, CloseHot, ClosePressed;
    uint32_t KeyFigure, InactiveKeyFigure;

    // Push buttons: the border, and the rings of the hot and the focused button.
    uint32_t ButtonBorder, HotRingLight, HotRing, FocusRingLight, FocusRing;
    // The small tinted buttons of scroll bars, panels and combo boxes, and their figures.
    TXpFace Small, SmallHot, SmallPressed;
    uint32_t Figure, DisabledFigure;
    // Check and radio boxes: the border, the focus glow, the mark and its gradient.
    uint32_t BoxBorder, BoxFocus, Mark, MarkLight, MarkDeep;

    // Menus: the bar's and the separators' rule, bar items, the popup highlight and border.
    uint32_t Rule, BarItemHot, BarItemOpen, Highlight, PopupBorder, GlyphColumn;
    // Panels: the bevel's shadow, the inner line and the caption band.
    uint32_t PanelShadow, PanelInner, PanelCaptionTop, PanelCaptionBottom, PanelCaptionLine;
    // Track bars: the lit part of the channel and the thumb's accent in its resting state.
    uint32_t TrackLight, TrackDeep, ThumbAccent;
    // Fields: the border at rest, hot and focused.
    uint32_t FieldBorder, FieldHot, FieldFocus;
    // Tabs: the border, the strips of the selected and the hot tab; the group box's line.
    uint32_t TabBorder, TabSelected, TabHot, GroupLine;
};

std::unique_ptr<TLook> MakeXpFamilyLook(const TXpScheme& scheme);

} // namespace skin_art
