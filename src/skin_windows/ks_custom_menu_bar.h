// TKsCustomMenuBar: a menu bar control of the skin engine's items, aligned to the top of its
// form by default and as high as its items when AutoSize. The mouse highlights the item under it
// and a press opens that item's popup; Activate, Alt+letter and the arrows drive it through the
// framework's tracking loop, where a click outside the menus still reaches the window under the
// pointer. The plain look is the menu colour over an etched line. TSeSkinMenuBar draws the
// skin's "MenuBar" object. GUI thread only.
#pragma once

#include "skin_controls/ks_custom_control.h"
#include "skin_windows/ks_custom_item.h"
#include "skin_windows/ks_item_view.h"

#include <memory>

namespace brisat {

class TMenu;

class TKsCustomMenuBar : public TKsCustomControl {
public:
    explicit TKsCustomMenuBar(TComponent* owner);
    ~TKsCustomMenuBar() override;
    std::string ClassName() const override { return "TKsCustomMenuBar"; }

    // The root item whose sub-items the bar shows.
    TKsCustomItem& Items() const;
    TImageList* Images() const;
    void SetImages(TImageList* images);
    bool AutoSize() const { return m_autoSize; }
    void SetAutoSize(bool value);
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

    TKsMenuBarView& View() { return m_view; }
    // Starts keyboard tracking on the first item.
    void Activate();
    // Alt+letter: opens the item with that accelerator; false when none has it.
    bool MenuChar(char32_t key);
    // A key message that is the shortcut of an enabled item clicks it; true when one did.
    bool IsShortCut(const TMessage& key);

protected:
    // The rectangle the items lie in, and the frame drawn around them.
    virtual TRect ItemsArea();
    virtual void PaintFrame();
    // Before every tracking: what the items need to draw right (skinned bars bind them).
    virtual void PrepareItems() {}
    // Lays the items out and, with AutoSize, fits the height.
    void UpdateLayout();

    void PaintBuffer() override;
    void Loaded() override;
    void Resize() override;
    void MouseDown(TMouseButton button, TShiftState shift, int32_t x, int32_t y) override;
    void MouseMove(TShiftState shift, int32_t x, int32_t y) override;
    void MouseLeave() override;
    void WndProc(TMessage& message) override;
    void Notification(TComponent& component, TOperation operation) override;
    void GetChildren(const std::function<void(TComponent&)>& proc) const override;

private:
    void Track(int index, TBarStart start);
    int FirstItem() const;

    std::unique_ptr<TMenu> m_menu; // tells the bar when its items change
    TKsMenuBarView m_view;
    bool m_autoSize = true;
    bool m_popupBlend = false;
    int32_t m_popupBlendValue = 150;
    bool m_dropShadow = false;
    int32_t m_shadowWidth = 4;
    TKsAnimation m_showAnimation = TKsAnimation::kaNone;
    int32_t m_showAnimationTime = 300;
};

} // namespace brisat
