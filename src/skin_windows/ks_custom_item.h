// TKsCustomItem: a menu item of the skin engine's menus. It is a framework menu item (tree,
// accelerators, shortcuts and the tracking loop are shared) that measures and draws itself in a
// plain look, opens its sub-items in a TKsPopupWindow, carries the popup settings its menu
// pushes down before every popup, and delivers its click through TKsClickHandler once the menu
// has closed. GUI thread only.
#pragma once

#include "framework/controls/menu_item.h"
#include "skin_controls/ks_custom_edit.h"

namespace brisat {

class TImageList;
class TKsBitmap;
class TKsItemView;
class TKsPopupWindow;

// What a menu hands down its item tree before it pops up.
struct TKsPopupSettings {
    bool DropShadow = false;
    int32_t ShadowWidth = 4;
    TKsAnimation ShowAnimation = TKsAnimation::kaNone;
    int32_t ShowAnimationTime = 300;
    HWND OwnerWindow = 0;
    // The next popup of the chain animates; with FirstPopupOnly only the first one does.
    bool AnimationPending = false;
    bool FirstPopupOnly = false;
    bool RightToLeft = false;
};

class TKsCustomItem : public TMenuItem {
public:
    explicit TKsCustomItem(TComponent* owner);
    ~TKsCustomItem() override;
    std::string ClassName() const override { return "TKsCustomItem"; }

    int32_t HelpContext() const { return m_helpContext; }
    void SetHelpContext(int32_t value) { m_helpContext = value; }
    bool PopupBlend() const { return m_popupBlend; }
    void SetPopupBlend(bool value) { m_popupBlend = value; }
    int32_t PopupBlendValue() const { return m_popupBlendValue; }
    void SetPopupBlendValue(int32_t value) { m_popupBlendValue = value; }
    // The item's own pictures; without them the menu's. Cleared when the list goes.
    TImageList* Images() const { return m_images; }
    void SetImages(TImageList* images);
    // The picture list and index to draw for this item, or nullptr.
    const TImageList* ImagesToDraw() const;

    TKsPopupSettings& PopupSettings() { return m_settings; }
    const TKsPopupSettings& PopupSettings() const { return m_settings; }
    // Settings, PopupBlend and PopupBlendValue on this item and every skin-engine item below.
    void PushPopupSettings(const TKsPopupSettings& settings, bool blend, int32_t blendValue);
    // Clears AnimationPending on the whole tree this item belongs to.
    void ClearAnimationPending();

    // Sets Width and Height to the room the item needs in View.
    virtual void MeasureItem(TKsBitmap& bitmap, const TKsItemView& view, int32_t& width,
                             int32_t& height);
    // Selected: the view's selected item; NotActive: the view's loop is not running.
    virtual void DrawItem(TKsBitmap& bitmap, const TKsItemView& view, const TRect& rect,
                          bool selected, bool notActive);

    // Nothing for separators, items with sub-items and disabled items; otherwise the click is
    // queued and runs once the menu has closed.
    void Click() override;
    // The click itself (AutoCheck and OnClick), as the click handler delivers it.
    void ExecuteClick() { TMenuItem::Click(); }
    std::unique_ptr<IMenuPopup> CreatePopupWindow() override;

protected:
    // The popup window kind for this item's sub-items.
    virtual std::unique_ptr<TKsPopupWindow> MakePopupWindow();
    std::string AlreadyInsertedText(const TMenuItem& item) const override;
    void Notification(TComponent& component, TOperation operation) override;

private:
    int32_t m_helpContext = 0;
    bool m_popupBlend = false;
    int32_t m_popupBlendValue = 150;
    TImageList* m_images = nullptr;
    TKsPopupSettings m_settings;
};

// The item itself when it is a skin-engine item, else nullptr.
inline TKsCustomItem* AsKsItem(TMenuItem& item) {
    return dynamic_cast<TKsCustomItem*>(&item);
}

} // namespace brisat
