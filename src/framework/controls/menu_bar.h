// TMenuBar: a form's main menu shown as a strip of its frame, between the caption and the client
// area, the way the platform shows menus: the client area (and so the client size a layout
// gives) is what lies below the bar, and aligned controls never meet it. It hooks the form's
// window (non-client size, hit test, painting and mouse) and opens the menus from a click, from
// F10 or a lone Alt press, and from Alt+letter. GUI thread only.
#pragma once

#include "framework/graphics/device_context.h"
#include "framework/controls/menu_tracking.h"

#include <vector>

namespace brisat {

class TMenuBar : public IMenuView {
public:
    static constexpr int32_t BarHeight = 19;

    // Hooks Window (a form's); the caller updates the frame afterwards.
    TMenuBar(HWND window, TMenu& menu);
    ~TMenuBar() override;
    TMenuBar(const TMenuBar&) = delete;
    TMenuBar& operator=(const TMenuBar&) = delete;

    // A key message on its way to the focused control: F10 and the release of an Alt pressed
    // alone start keyboard tracking. True when the bar took the key.
    bool MenuKey(const TMessage& key);
    // Alt+letter: opens the top-level item with that accelerator; false when none has it.
    bool MenuChar(char32_t key);

    TMenuItem& ParentItem() const override;
    bool Horizontal() const override { return true; }
    int Selected() const override { return m_selected; }
    void SetSelected(int index, TSubMenu subMenu) override;
    bool ContainsScreen(TPoint screen) const override;
    int ItemAtScreen(TPoint screen) const override;
    TRect ItemScreenRect(int index) const override;

private:
    LRESULT WindowHook(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    // The strip in window coordinates.
    TRect BarRect() const;
    // The items' rectangles in window coordinates, side by side; empty for hidden items.
    std::vector<TRect> ItemRects() const;
    void Invalidate() const;
    void Paint(TDeviceContext& dc) const;
    void Track(int index, TBarStart start);

    TMenu& m_menu;
    HWND m_hwnd = 0;
    int m_selected = -1;
    bool m_opened = false;
    bool m_altAlone = false;
};

} // namespace brisat
