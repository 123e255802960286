// TKsPopupWindow: one open popup level of a skin-engine menu: a top-level window kept on top
// that never takes the activation, whose frame is a TKsPopupForm (so blend, drop shadow and the
// show animation come from the form) and whose client area shows a TKsPopupView of an item's
// sub-items. It lives only while its popup is shown. GUI thread only.
#pragma once

#include "framework/controls/win_control.h"
#include "skin_windows/ks_item_view.h"

namespace brisat {

class TKsCustomItem;
class TKsPopupForm;

class TKsPopupWindow : public TWinControl, public IMenuPopup {
public:
    explicit TKsPopupWindow(TKsCustomItem& item);
    ~TKsPopupWindow() override;
    std::string ClassName() const override { return "TKsPopupWindow"; }

    // Makes the frame, gives it Item's popup settings (the show animation only when Animate)
    // and lays the items out; the window stays hidden until Open.
    void Prepare(TKsCustomItem& item, bool animate);
    TKsPopupView& View() { return m_view; }
    TKsPopupForm& Form() const { return *m_form; }

    HWND PopupHandle() override { return Handle(); }
    TSize MenuSize() const override { return m_size; }
    // Below a bar item, beside a sub-menu item or at a point, flipped to the other side where
    // the screen ends, then kept on it.
    void Open(const TRect& anchor, TMenuAnchor kind) override;

    TMenuItem& ParentItem() const override { return m_view.ParentItem(); }
    bool Horizontal() const override { return false; }
    int Selected() const override { return m_view.Selected(); }
    void SetSelected(int index, TSubMenu subMenu) override { m_view.SetSelected(index, subMenu); }
    bool ContainsScreen(TPoint screen) const override { return m_view.ContainsScreen(screen); }
    int ItemAtScreen(TPoint screen) const override { return m_view.ItemAtScreen(screen); }
    TRect ItemScreenRect(int index) const override { return m_view.ItemScreenRect(index); }

protected:
    // The frame kind, owned by this window.
    virtual TKsPopupForm& CreateForm();
    void CreateParams(TCreateParams& params) override;
    void PaintWindow(TDeviceContext& dc) override;

private:
    TKsPopupView m_view;
    TKsPopupForm* m_form = nullptr;
    TKsBitmap m_buffer;
    TSize m_size;
};

} // namespace brisat
