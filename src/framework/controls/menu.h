// TMenu and its two kinds: TMainMenu, shown as a form's menu bar, and TPopupMenu, opened at a
// screen point (by a control's right click, or in code). A menu's Items is a root item that is
// not a component of the layout: the items read inside the menu's block become its sub-items.
// GUI thread only.
#pragma once

#include "framework/controls/menu_item.h"

#include <functional>
#include <memory>

namespace brisat {

class TImageList;

class TMenu : public TComponent {
public:
    explicit TMenu(TComponent* owner);
    ~TMenu() override;

    std::string ClassName() const override { return "TMenu"; }

    TMenuItem& Items() const { return *m_items; }
    // The pictures items show by their ImageIndex; the reference is cleared when they go.
    TImageList* Images() const { return m_images; }
    void SetImages(TImageList* images);

    // The item of this tree with ShortCut, depth first, when it and its ancestors are enabled
    // (hidden items count: a shortcut works without showing the item), or nullptr.
    TMenuItem* FindShortCut(TShortCut shortCut) const;
    // Clicks the item FindShortCut finds; true when there was one.
    bool IsShortCut(TShortCut shortCut);

    // Told when an item of the tree changed how the menu looks; for the view showing it.
    void SetChangeHook(std::function<void()> hook) { m_changeHook = std::move(hook); }

protected:
    // A menu whose items are of another kind: Root is its root item.
    TMenu(TComponent* owner, std::unique_ptr<TMenuItem> root);
    void Notification(TComponent& component, TOperation operation) override;
    // The root item's sub-items that this menu owns, then whatever else it owns.
    void GetChildren(const std::function<void(TComponent&)>& proc) const override;

private:
    friend class TMenuItem;
    void ItemChanged() const {
        if (m_changeHook) m_changeHook();
    }

    std::unique_ptr<TMenuItem> m_items;
    TImageList* m_images = nullptr;
    std::function<void()> m_changeHook;
};

class TMainMenu : public TMenu {
public:
    explicit TMainMenu(TComponent* owner) : TMenu(owner) {}
    std::string ClassName() const override { return "TMainMenu"; }
};

// Where a popup menu stands relative to the point it opens at.
enum class TPopupAlignment : uint8_t { paLeft, paRight, paCenter };

class TPopupMenu : public TMenu, public IPopupSource {
public:
    explicit TPopupMenu(TComponent* owner) : TMenu(owner) {}
    std::string ClassName() const override { return "TPopupMenu"; }

    // Runs OnPopup, then shows the menu at the screen point and tracks it until it closes; the
    // chosen item is clicked after that. Does nothing while another menu is tracking.
    void Popup(int32_t x, int32_t y) override;

    // Whether a right click on a control using this menu opens it.
    bool AutoPopup() const override { return m_autoPopup; }
    void SetAutoPopup(bool on) { m_autoPopup = on; }
    TPopupAlignment Alignment() const { return m_alignment; }
    void SetAlignment(TPopupAlignment alignment) { m_alignment = alignment; }
    // The control that opened the menu last (cleared when it goes).
    TComponent* PopupComponent() const { return m_popupComponent; }
    void SetPopupComponent(TComponent* component) override;

    TNotifyEvent OnPopup;

protected:
    TPopupMenu(TComponent* owner, std::unique_ptr<TMenuItem> root) : TMenu(owner, std::move(root)) {}
    void Notification(TComponent& component, TOperation operation) override;

private:
    bool m_autoPopup = true;
    TPopupAlignment m_alignment = TPopupAlignment::paLeft;
    TComponent* m_popupComponent = nullptr;
};

// The sub-item of Parent's tree with ShortCut, depth first, when it and its ancestors below
// Parent are enabled; nullptr for none (and for scNone).
TMenuItem* FindEnabledShortCut(const TMenuItem& parent, TShortCut shortCut);

// Offers a shortcut to Form's main menu and then to the popup menus Form owns; true when an item
// took it.
bool DispatchShortCut(TComponent& form, TMenu* mainMenu, TShortCut shortCut);

} // namespace brisat
