// A skin's look: its name, metrics, text colours and one drawing function per piece. The shared
// anatomy (anatomy.h) decides every piece's size from the metrics, asks the look to paint it on a
// transparent painter of exactly that size, packs the pieces into the skin's atlas bitmaps and
// builds the object trees that link them. A look only paints; it never places anything.
//
// Painting rules for every piece:
// - Draw to the painter's full size (p.Width() × p.Height()); sizes follow the metrics.
// - Pixels left transparent stay transparent (alpha is kept, soft edges are welcome), except in
//   the form frames: leave the outside of rounded or cut corners transparent, and the anatomy
//   turns every frame pixel under half coverage into the key colour (cut out of the window's
//   shape) and makes the others opaque. Never paint pure magenta (255, 0, 255) yourself.
// - Text is not painted by the look: the objects draw it in the palette's colours. Keep the
//   surfaces text sits on (captions, button faces, fields, items, tabs) calm enough for a contrast
//   of at least 4.5 with the matching palette colour, in every state but disabled.
#pragma once

#include "art_kit/painter.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace skin_art {

using art_kit::TPainter;

// The unscaled ends of a scroll bar's slider: half its shortest thumb, two thirds of the system
// thumb size of 17 pixels (see the scroll bar's GetThumbSize), so the shortest thumb still has
// both ends whole.
inline constexpr int ScrollSliderEnd = 5;

// Control states, as the objects are put in them.
enum class TState { Normal, Hot, Pressed, Focused, Disabled };
// Caption buttons: the look in an inactive window, then normal, hot and pressed in an active one.
enum class TButtonLook { Inactive, Normal, Hot, Pressed };
enum class TCaptionButton { Close, Maximize, Restore, Minimize, RollUp, RollDown, Tray, Help };
enum class TPanelButton { RollUp, RollDown, Hide };
enum class TAxis { Horizontal, Vertical };
enum class TArrow { Left, Right, Up, Down };
enum class TSide { Top, Bottom, Left, Right };
enum class TCheck { Unchecked, Checked, Mixed };

struct TFontChoice {
    std::string Name = "DejaVu Sans";
    int Height = -11; // pixels; negative = character height
    bool Bold = false;
};

// Text colours as 0xRRGGBB, one per state the surface is drawn in.
struct TTextColors {
    uint32_t Normal = 0x000000;
    uint32_t Hot = 0x000000;
    uint32_t Pressed = 0x000000;
    uint32_t Focused = 0x000000;
    uint32_t Disabled = 0x808080;
};

struct TPalette {
    uint32_t Window = 0xD4D0C8;    // the form's client area and plain surfaces
    uint32_t CaptionText = 0;      // window titles, on the active and on the inactive caption
    uint32_t MenuBarText = 0;      // bar items in every state (on the bar and its highlights)
    uint32_t MenuText = 0;         // popup items in every state (on the popup and its highlight)
    uint32_t Selection = 0x316AC5; // the background of selected list items
    TTextColors Text;   // edits, combo boxes, check boxes, radio buttons, panel and group captions
    TTextColors Button; // push buttons on their face
    TTextColors ListItem; // list items: Normal, Pressed (selected), Focused (selected, focused)
    TTextColors Tab;      // tabs: Normal, Hot, Focused (the selected tab)
};

struct TMetrics {
    TFontChoice Font;        // controls and menus
    TFontChoice CaptionFont; // window titles
    // Form frames: border widths and the caption band between the top border and the client.
    int BorderTop = 4, BorderSide = 4, BorderBottom = 4;
    int CaptionHeight = 22, ToolCaptionHeight = 17;
    // Width of the unscaled frame corners (at least the corner radius plus the border).
    int FrameCorner = 10;
    int CaptionButtonWidth = 19, CaptionButtonHeight = 18;
    int ToolButtonWidth = 14, ToolButtonHeight = 13;
    int CaptionButtonGap = 2;
    // Menus.
    int MenuBarHeight = 22, MenuItemHeight = 20, SeparatorHeight = 7, PopupBorder = 3;
    // Panels: caption band height, border inset and the roll button's square.
    int PanelCaptionHeight = 18, PanelBorder = 3, PanelButton = 14;
    // Nine-part margins of button faces, fields (edit, combo, list) and group frames.
    int ButtonMargin = 4, FieldMargin = 3, GroupMargin = 6;
    // Track bars: channel thickness, the thumb of a horizontal bar (a vertical one is turned).
    int TrackThickness = 6, ThumbLength = 11, ThumbBreadth = 19, TrackMargin = 9;
    int ScrollBarSize = 16;
    int CheckSize = 13;
    int ComboButtonWidth = 17;
    int TabHeight = 22, TabMargin = 4, TabButton = 16;
};

// What a form frame looks like in the nominal window the anatomy slices the frame pieces from.
struct TFrameLayout {
    float CaptionLeft = 0, CaptionTop = 0, CaptionRight = 0, CaptionBottom = 0; // the caption band
    float ClientLeft = 0, ClientTop = 0, ClientRight = 0, ClientBottom = 0;     // left clear
    bool ToolWindow = false;
};

class TLook {
public:
    virtual ~TLook() = default;

    virtual std::string Name() const = 0;   // "Steel"
    virtual std::string Folder() const = 0; // "steel": the folder and .xskn name
    virtual TMetrics Metrics() const = 0;
    virtual TPalette Palette() const = 0;

    // The whole frame of a nominal window: borders, rounded or cut corners (transparent outside),
    // the caption band; the client rectangle may stay transparent (it is never used).
    virtual void DrawFrame(TPainter& p, const TFrameLayout& layout, bool active) const = 0;
    virtual void DrawCaptionButton(TPainter& p, TCaptionButton button, TButtonLook look) const = 0;

    // Menus: the bar's background, a bar item (Normal, Hot, Focused), the popup's frame and
    // background, a popup item (Normal, Focused = highlighted, Disabled) and a separator.
    virtual void DrawMenuBar(TPainter& p) const = 0;
    virtual void DrawMenuBarItem(TPainter& p, TState state) const = 0;
    virtual void DrawPopupFrame(TPainter& p) const = 0;
    virtual void DrawPopupItem(TPainter& p, TState state) const = 0;
    virtual void DrawSeparator(TPainter& p) const = 0;

    // Panels: body, caption band and the roll/hide button (Normal, Hot, Pressed).
    virtual void DrawPanel(TPainter& p) const = 0;
    virtual void DrawPanelCaption(TPainter& p) const = 0;
    virtual void DrawPanelButton(TPainter& p, TPanelButton button, TState state) const = 0;

    virtual void DrawButton(TPainter& p, TState state) const = 0;

    // Track bars: the channel, its highlighted part and the thumb (every state).
    virtual void DrawTrack(TPainter& p, TAxis axis) const = 0;
    virtual void DrawTrackHighlight(TPainter& p, TAxis axis) const = 0;
    virtual void DrawThumb(TPainter& p, TAxis axis, TState state) const = 0;

    // Scroll bars: the trough, the arrow buttons and the slider (Normal, Hot, Pressed, Disabled).
    virtual void DrawScrollTrough(TPainter& p, TAxis axis) const = 0;
    virtual void DrawScrollButton(TPainter& p, TArrow arrow, TState state) const = 0;
    // The slider's rounded or shaded ends stay within ScrollSliderEnd pixels of its two ends:
    // they are kept unscaled and only the straight middle repeats along a long thumb.
    virtual void DrawScrollSlider(TPainter& p, TAxis axis, TState state) const = 0;

    // Edit, combo box and list box frames with their background (Normal, Hot, Focused,
    // Disabled) and the combo box's drop-down button (every state). Keep the inside of a
    // normal field one flat colour: list items are filled with it (selected ones with
    // Palette().Selection).
    virtual void DrawField(TPainter& p, TState state) const = 0;
    virtual void DrawComboButton(TPainter& p, TState state) const = 0;

    // Check box and radio glyphs (Normal, Hot, Focused, Disabled).
    virtual void DrawCheckBox(TPainter& p, TCheck check, TState state) const = 0;
    virtual void DrawRadio(TPainter& p, bool checked, TState state) const = 0;

    // Group box: the frame around the children and the caption's plate.
    virtual void DrawGroupFrame(TPainter& p) const = 0;
    virtual void DrawGroupCaption(TPainter& p) const = 0;

    // Tabs: a tab on a strip along Side (Normal, Hot, Focused = selected), the page frame and
    // the strip's scroll buttons (Normal, Hot, Pressed).
    virtual void DrawTab(TPainter& p, TSide side, TState state) const = 0;
    virtual void DrawTabFrame(TPainter& p) const = 0;
    virtual void DrawTabButton(TPainter& p, TArrow arrow, TState state) const = 0;
};

// The eight shipped looks, one source file each (look_<folder>.cpp).
std::unique_ptr<TLook> MakeAlienLook();
std::unique_ptr<TLook> MakeCellShadedLook();
std::unique_ptr<TLook> MakeJezzLook();
std::unique_ptr<TLook> MakePencilLook();
std::unique_ptr<TLook> MakePrelunaLook();
std::unique_ptr<TLook> MakeSteelLook();
std::unique_ptr<TLook> MakeXpBlueLook();
std::unique_ptr<TLook> MakeXpSteadLook();

} // namespace skin_art
