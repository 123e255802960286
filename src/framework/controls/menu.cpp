#include "framework/controls/menu.h"

#include "framework/core/store_if_changed.h"
#include "framework/graphics/image_list.h"
#include "framework/controls/menu_tracking.h"

namespace brisat {

TMenuItem* FindEnabledShortCut(const TMenuItem& parent, TShortCut shortCut) {
    if (shortCut == scNone) return nullptr;
    for (int i = 0; i < parent.Count(); ++i) {
        TMenuItem& item = parent.Items(i);
        if (!item.Enabled()) continue;
        if (item.ShortCut() == shortCut) return &item;
        if (TMenuItem* found = FindEnabledShortCut(item, shortCut)) return found;
    }
    return nullptr;
}

TMenu::TMenu(TComponent* owner) : TMenu(owner, std::make_unique<TMenuItem>(nullptr)) {}

TMenu::TMenu(TComponent* owner, std::unique_ptr<TMenuItem> root)
    : TComponent(owner), m_items(std::move(root)) {
    m_items->m_menu = this;
}

TMenu::~TMenu() = default;

TMenuItem* TMenu::FindShortCut(TShortCut shortCut) const {
    return FindEnabledShortCut(*m_items, shortCut);
}

bool TMenu::IsShortCut(TShortCut shortCut) {
    TMenuItem* item = FindShortCut(shortCut);
    if (!item) return false;
    item->Click();
    return true;
}

void TMenu::SetImages(TImageList* images) {
    if (!StoreIfChanged(m_images, images)) return;
    if (images) FreeNotification(*images);
    ItemChanged();
}

void TMenu::Notification(TComponent& component, TOperation operation) {
    if (operation == TOperation::opRemove && &component == m_images) SetImages(nullptr);
    // An item read inside the menu's block joins the top level.
    if (operation == TOperation::opInsert && component.Owner() == this &&
        component.ComponentState().Contains(TComponentStateFlag::csLoading))
        if (auto* item = dynamic_cast<TMenuItem*>(&component); item && !item->Parent())
            m_items->Add(*item);
    TComponent::Notification(component, operation);
}

void TMenu::GetChildren(const std::function<void(TComponent&)>& proc) const {
    ListOwnedChildren(*this, *m_items, proc);
}

void TPopupMenu::Popup(int32_t x, int32_t y) {
    if (MenuTracking()) return;
    if (OnPopup) OnPopup(*this);
    if (TMenuItem* chosen = TrackPopupMenu(Items(), {x, y}, m_alignment)) chosen->Click();
}

void TPopupMenu::SetPopupComponent(TComponent* component) {
    // The old link stays: removing it would also cut the control's own link to this menu.
    m_popupComponent = component;
    if (component) FreeNotification(*component);
}

void TPopupMenu::Notification(TComponent& component, TOperation operation) {
    if (operation == TOperation::opRemove && &component == m_popupComponent)
        m_popupComponent = nullptr;
    TMenu::Notification(component, operation);
}

bool DispatchShortCut(TComponent& form, TMenu* mainMenu, TShortCut shortCut) {
    if (shortCut == scNone) return false;
    if (mainMenu && mainMenu->IsShortCut(shortCut)) return true;
    for (int i = 0; i < form.ComponentCount(); ++i)
        if (auto* popup = dynamic_cast<TPopupMenu*>(&form.Components(i));
            popup && popup->IsShortCut(shortCut))
            return true;
    return false;
}

} // namespace brisat
