// TKsItemView: shows the visible sub-items of a root item in a control, side by side (a menu
// bar, TKsMenuBarView) or stacked (a popup, TKsPopupView). It measures them with its own
// bitmap, keeps their rectangles, draws them and keeps the selection; the framework's tracking
// loop drives it as one level of an open chain. GUI thread only.
#pragma once

#include "framework/controls/menu_tracking.h"
#include "skin/bitmap/bitmap.h"

#include <vector>

namespace brisat {

class TWinControl;

class TKsItemView : public IMenuView {
public:
    TKsItemView(TMenuItem& root, TWinControl& control, bool horizontal);

    TMenuItem& ParentItem() const override { return m_root; }
    bool Horizontal() const override { return m_horizontal; }
    int Selected() const override { return m_selected; }
    // Repaints the control when the selection or the sub-menu flag changes.
    void SetSelected(int index, TSubMenu subMenu) override;
    bool ContainsScreen(TPoint screen) const override;
    int ItemAtScreen(TPoint screen) const override;
    TRect ItemScreenRect(int index) const override;

    // Measures the visible items and places them from the paint offset; returns the size of
    // their content.
    TSize Layout();
    // The item's rectangle in the control's client area; empty for a hidden item.
    TRect ItemRect(int index) const;
    // Draws every visible item into Bitmap at its rectangle.
    void PaintItems(TKsBitmap& bitmap);

    TPoint PaintOffset() const { return m_paintOffset; }
    void SetPaintOffset(TPoint offset) { m_paintOffset = offset; }
    // Set while the view's tracking loop runs: items then show as pushed rather than hot.
    bool Active() const { return m_active; }
    void SetActive(bool active);
    bool SubMenuOpen() const { return m_subMenuOpen; }
    TKsBitmap& Bitmap() { return m_bitmap; }
    TWinControl& Control() const { return m_control; }

private:
    TMenuItem& m_root;
    TWinControl& m_control;
    bool m_horizontal;
    int m_selected = -1;
    bool m_subMenuOpen = false;
    bool m_active = false;
    TPoint m_paintOffset;
    TKsBitmap m_bitmap;
    std::vector<TRect> m_rects; // one per sub-item, empty for hidden ones
};

// A menu bar's items, left to right.
class TKsMenuBarView : public TKsItemView {
public:
    TKsMenuBarView(TMenuItem& root, TWinControl& control) : TKsItemView(root, control, true) {}
};

// A popup's items, top to bottom.
class TKsPopupView : public TKsItemView {
public:
    TKsPopupView(TMenuItem& root, TWinControl& control) : TKsItemView(root, control, false) {}
};

} // namespace brisat
