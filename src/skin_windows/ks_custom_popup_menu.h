// TKsCustomPopupMenu: a popup menu of the skin engine's items. Popup(X, Y) hands its popup
// settings down the item tree, runs OnPopup and tracks the items in TKsPopupWindows with the
// framework's loop; a click outside the menus closes them and still reaches the window under the
// pointer, and only the first popup of a chain plays the show animation. TSeSkinPopupMenu binds
// its TSeSkinItems to an engine before every popup. GUI thread only.
#pragma once

#include "framework/controls/menu.h"
#include "skin_windows/ks_custom_item.h"

namespace brisat {

class TSeSkinEngine;
class TSeSkinItem;

class TKsCustomPopupMenu : public TPopupMenu {
public:
    explicit TKsCustomPopupMenu(TComponent* owner);
    std::string ClassName() const override { return "TKsCustomPopupMenu"; }

    TKsCustomItem& KsItems() const { return static_cast<TKsCustomItem&>(Items()); }
    bool PopupBlend() const { return m_popupBlend; }
    void SetPopupBlend(bool value) { m_popupBlend = value; }
    int32_t PopupBlendValue() const { return m_popupBlendValue; }
    void SetPopupBlendValue(int32_t value) { m_popupBlendValue = value; }
    bool DropShadow() const { return m_dropShadow; }
    void SetDropShadow(bool value) { m_dropShadow = value; }
    int32_t ShadowWidth() const { return m_shadowWidth; }
    void SetShadowWidth(int32_t value) { m_shadowWidth = value; }
    TKsAnimation ShowAnimation() const { return m_showAnimation; }
    void SetShowAnimation(TKsAnimation value) { m_showAnimation = value; }
    int32_t ShowAnimationTime() const { return m_showAnimationTime; }
    void SetShowAnimationTime(int32_t value) { m_showAnimationTime = value; }

    // Closes a menu that is tracking now instead of opening over it; otherwise pushes the
    // settings down, runs OnPopup and tracks. The chosen item is clicked once the menu is gone.
    void Popup(int32_t x, int32_t y) override;

protected:
    TKsCustomPopupMenu(TComponent* owner, std::unique_ptr<TKsCustomItem> root);
    // Just before the settings are pushed down.
    virtual void BeforePopup() {}

private:
    bool m_popupBlend = false;
    int32_t m_popupBlendValue = 150;
    bool m_dropShadow = false;
    int32_t m_shadowWidth = 4;
    TKsAnimation m_showAnimation = TKsAnimation::kaNone;
    int32_t m_showAnimationTime = 300;
};

class TSeSkinPopupMenu : public TKsCustomPopupMenu {
public:
    explicit TSeSkinPopupMenu(TComponent* owner);
    std::string ClassName() const override { return "TSeSkinPopupMenu"; }

    TSeSkinEngine* SkinEngine() const { return m_engine; }
    void SetSkinEngine(TSeSkinEngine* engine);
    std::string Version() const;
    void SetVersion(const std::string&) {}

protected:
    // Binds the whole item tree to the engine again.
    void BeforePopup() override;
    void Notification(TComponent& component, TOperation operation) override;

private:
    TSeSkinEngine* m_engine = nullptr;
};

} // namespace brisat
