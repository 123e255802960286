// TMenuItem: one command of a menu, and the list of its sub-items. A caption "-" makes the item
// a separator; "&" marks the accelerator letter. Sub-items are the items read inside the item's
// block of a layout (they are then owned by it) or added in code; an item is in at most one list.
// Removing an item from a list does not free it: its owner does. GUI thread only.
#pragma once

#include "framework/controls/control.h"
#include "framework/controls/short_cut.h"

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace brisat {

class IMenuPopup;
class TMenu;

class TMenuItem : public TComponent {
public:
    explicit TMenuItem(TComponent* owner);
    // Leaves its parent's list; its sub-items are left without parent.
    ~TMenuItem() override;

    std::string ClassName() const override { return "TMenuItem"; }

    const std::string& Caption() const { return m_caption; }
    void SetCaption(const std::string& caption);
    bool IsLine() const { return m_caption == "-"; }
    TShortCut ShortCut() const { return m_shortCut; }
    void SetShortCut(TShortCut shortCut);
    bool Checked() const { return m_checked; }
    // Checking a radio item unchecks the other radio items of its group among its siblings.
    void SetChecked(bool checked);
    bool RadioItem() const { return m_radioItem; }
    void SetRadioItem(bool on);
    uint8_t GroupIndex() const { return m_groupIndex; }
    void SetGroupIndex(uint8_t index);
    // Click toggles Checked (a radio item is only ever checked by it).
    bool AutoCheck() const { return m_autoCheck; }
    void SetAutoCheck(bool on) { m_autoCheck = on; }
    // Index into the menu's image list; -1 for none.
    int32_t ImageIndex() const { return m_imageIndex; }
    void SetImageIndex(int32_t index);
    bool Enabled() const { return m_enabled; }
    void SetEnabled(bool enabled);
    bool Visible() const { return m_visible; }
    void SetVisible(bool visible);
    // The default command of its menu, drawn in bold.
    bool Default() const { return m_default; }
    void SetDefault(bool on);
    const std::string& Hint() const { return m_hint; }
    void SetHint(const std::string& hint) { m_hint = hint; }

    // --- Sub-items -----------------------------------------------------------------------------
    int Count() const { return int(m_items.size()); }
    // Raises EListError out of range.
    TMenuItem& Items(int index) const;
    TMenuItem* Parent() const { return m_parent; }
    // The menu whose tree holds this item, or nullptr.
    TMenu* GetParentMenu() const;
    // Raises EInvalidOperation when Item already has a parent or is this item or an ancestor.
    void Add(TMenuItem& item) { Insert(Count(), item); }
    void Insert(int index, TMenuItem& item);
    // Takes the sub-item at Index out of the list (EListError out of range).
    void Delete(int index);
    void Remove(TMenuItem& item);
    // -1 when Item is not a sub-item.
    int IndexOf(const TMenuItem* item) const;
    // The sub-item whose caption, without its "&", is Caption ignoring case; nullptr for none.
    TMenuItem* Find(std::string_view caption) const;
    // The first visible sub-item whose accelerator is Key (any case), or nullptr.
    TMenuItem* FindByAccelerator(char32_t key) const;
    // Whether any sub-item is visible: the item then opens a sub-menu.
    bool HasVisibleItems() const;

    // Applies AutoCheck and runs OnClick; nothing for a disabled item or a separator.
    virtual void Click();
    // The window that lists this item's sub-items while a menu is tracked (the classic look).
    virtual std::unique_ptr<IMenuPopup> CreatePopupWindow();

    TNotifyEvent OnClick;

protected:
    // The error text for inserting Item, which already has a parent.
    virtual std::string AlreadyInsertedText(const TMenuItem& item) const;
    // A menu item read inside this item's block joins its list.
    void Notification(TComponent& component, TOperation operation) override;
    // The sub-items this item owns, in list order, then whatever else it owns.
    void GetChildren(const std::function<void(TComponent&)>& proc) const override;

private:
    friend class TMenu;

    void Changed();
    void UncheckGroup();

    std::string m_caption;
    TShortCut m_shortCut = scNone;
    bool m_checked = false;
    bool m_radioItem = false;
    uint8_t m_groupIndex = 0;
    bool m_autoCheck = false;
    int32_t m_imageIndex = -1;
    bool m_enabled = true;
    bool m_visible = true;
    bool m_default = false;
    std::string m_hint;
    TMenuItem* m_parent = nullptr;
    TMenu* m_menu = nullptr; // set on a menu's root item only
    std::vector<TMenuItem*> m_items;
};

// Counts changes of any item list and destroyed items: an open menu whose items may have
// changed under it (from a timer, say) is closed rather than shown stale.
uint32_t MenuStructureVersion();
void MenuStructureChanged();

// Calls Proc for List's items that Owner owns, in list order, then for Owner's other components:
// how menus and items write their children, so nothing they own is left out.
void ListOwnedChildren(const TComponent& owner, const TMenuItem& list,
                       const std::function<void(TComponent&)>& proc);

// Caption without its accelerator marks ("&&" stays one "&").
std::string StripHotkey(std::string_view caption);

} // namespace brisat
