// TMenuWindow: one open popup level of a menu, a top-level window that never takes the focus or
// the activation, listing the visible sub-items of an item in the classic look: a raised frame,
// the menu's images (boxed in when checked) or check marks and radio bullets in a left column,
// captions with underlined accelerators, shortcut texts right-aligned, separators as etched lines,
// sub-menu arrows, disabled items embossed in grey and the selected item in the selection colours.
// The tracking loop drives it. GUI thread only.
#pragma once

#include "framework/controls/menu_tracking.h"
#include "framework/controls/win_control.h"

#include <vector>

namespace brisat {

// The menus' font, in bold for Item when it is the default one.
const TFont& MenuFont();
const TFont& MenuItemFont(const TMenuItem& item);

// Whether a menu item is drawn on the highlight (the popups' selected item).
enum class TMenuHighlight : uint8_t { None, Selected };
// A menu item's text: the caption with its accelerator underlined, embossed in grey when
// disabled and not highlighted.
void DrawMenuText(TDeviceContext& dc, const std::string& text, TRect rect, uint32_t format,
                  bool enabled, TMenuHighlight highlight);

// The screen rectangle of a Size popup: a Point anchor's top-left corner at Anchor's top-left;
// under a bar item (up when there is no room below); beside a sub-menu item (to the left when
// there is no room on the right). Flipped when it would leave Work, then kept inside it.
TRect PlaceMenu(TSize size, const TRect& anchor, TMenuAnchor kind, const TRect& work);

class TMenuWindow : public TWinControl, public IMenuPopup {
public:
    // Lays out Parent's visible sub-items; the window stays hidden until ShowAt.
    explicit TMenuWindow(TMenuItem& parent);
    std::string ClassName() const override { return "TMenuWindow"; }

    // The size the items need, frame included.
    TSize MenuSize() const override { return m_size; }
    // Shows the window with its top-left corner at a screen point, topmost, not activated.
    void ShowAt(TPoint screen);

    HWND PopupHandle() override { return Handle(); }
    // Within the work area of the anchor's monitor; a sub-menu overlaps its parent's frame, its
    // first item level with the parent item.
    void Open(const TRect& anchor, TMenuAnchor kind) override;

    TMenuItem& ParentItem() const override { return m_parent; }
    bool Horizontal() const override { return false; }
    int Selected() const override { return m_selected; }
    void SetSelected(int index, TSubMenu subMenu) override;
    bool ContainsScreen(TPoint screen) const override;
    int ItemAtScreen(TPoint screen) const override;
    TRect ItemScreenRect(int index) const override;

protected:
    void CreateParams(TCreateParams& params) override;
    void PaintWindow(TDeviceContext& dc) override;

private:
    struct TRow {
        int Index = 0; // in the parent's sub-items
        int32_t Top = 0;
        int32_t Height = 0;
    };

    void Measure();
    TRect RowRect(const TRow& row) const;
    const TRow* FindRow(int index) const;
    void DrawItem(TDeviceContext& dc, const TRow& row) const;
    void DrawMark(TDeviceContext& dc, const TMenuItem& item, const TRect& r, TColor color) const;
    void DrawImage(TDeviceContext& dc, const TMenuItem& item, const TRect& r, bool selected) const;
    // The menu's images when Item has one to show.
    const TImageList* ImagesOf(const TMenuItem& item) const;

    TMenuItem& m_parent;
    HWND m_hwnd = 0;
    std::vector<TRow> m_rows; // visible items only, top to bottom
    TSize m_size;
    int32_t m_shortCutWidth = 0;
    int32_t m_glyphColumn = 0; // images, check marks and bullets, left of the captions
    int m_selected = -1;
};

} // namespace brisat
