// Menu tracking: one nested message loop for a whole chain of open menus (a menu bar and the
// popup windows opened from it, or a popup menu and its sub-menus). It reads the one queue
// itself: input goes to the menus, everything else is dispatched as usual. The mouse highlights
// and opens, a click chooses, a click outside every menu closes them all and is not passed on;
// the keys move, open, close and choose. The chosen item is returned once every menu window is
// gone; the caller clicks it. Each popup level's window comes from the item it shows
// (TMenuItem::CreatePopupWindow), so other looks share the loop. GUI thread only.
#pragma once

#include "framework/controls/menu.h"

namespace brisat {

// Whether a selected item's sub-menu is shown.
enum class TSubMenu : uint8_t { Closed, Open };

// One level of an open chain, as the tracking loop sees it: a menu bar or a popup window.
// Indices are those of ParentItem's sub-items.
class IMenuView {
public:
    virtual ~IMenuView() = default;
    virtual TMenuItem& ParentItem() const = 0;
    // A menu bar lays its items out side by side.
    virtual bool Horizontal() const = 0;
    virtual int Selected() const = 0;
    // Highlights an item (-1: none) whose sub-menu is shown or not.
    virtual void SetSelected(int index, TSubMenu subMenu) = 0;
    virtual bool ContainsScreen(TPoint screen) const = 0;
    // The visible, non-separator item under a screen point, or -1.
    virtual int ItemAtScreen(TPoint screen) const = 0;
    virtual TRect ItemScreenRect(int index) const = 0;
};

// How a popup relates to what it opens from.
enum class TMenuAnchor : uint8_t { Point, BarItem, SubMenuItem };

// One popup level's window, made by the item whose sub-items it lists.
class IMenuPopup : public IMenuView {
public:
    // The window that holds the mouse while the popup tracks on its own.
    virtual HWND PopupHandle() = 0;
    // The window's size, known before it opens.
    virtual TSize MenuSize() const = 0;
    // Places the window for Anchor (a screen rectangle: a point, a bar item or the parent's
    // item) and shows it, topmost and not activated.
    virtual void Open(const TRect& anchor, TMenuAnchor kind) = 0;
};

// What a press outside every menu of the chain does besides closing them: nothing more (the
// classic menus), or it goes on to the window under the pointer once the menus are gone.
enum class TOutsideClick : uint8_t { Swallow, PassOn };

// Hovering an item with a sub-menu opens it after this long.
inline constexpr uint32_t MenuShowDelay = 400;

// Whether a menu is being tracked now.
bool MenuTracking();

// Shows Root's visible sub-items at a screen point and tracks them; nullptr when nothing was
// chosen or there is nothing to show.
TMenuItem* TrackPopupMenu(TMenuItem& root, TPoint at, TPopupAlignment alignment,
                          TOutsideClick outside = TOutsideClick::Swallow);

// How bar tracking starts: the item only highlighted (Alt, F10), its popup open (a click), or
// open with its first item selected (Alt+letter).
enum class TBarStart : uint8_t { SelectOnly, OpenByMouse, OpenByKey };
// Tracks a menu bar starting with item Index selected. Capture is the window that holds the
// mouse meanwhile (the bar's form).
TMenuItem* TrackMenuBar(IMenuView& bar, HWND capture, int index, TBarStart start,
                        TOutsideClick outside = TOutsideClick::Swallow);
// Asks the running loop, if any, to close its menus as soon as it runs again.
void CancelMenuTracking();

} // namespace brisat
