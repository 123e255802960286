#include "framework/controls/menu_item.h"

#include "framework/core/exceptions.h"
#include "framework/core/identifiers.h"
#include "framework/core/store_if_changed.h"
#include "framework/controls/menu.h"
#include "framework/controls/menu_window.h"

#include <algorithm>

namespace brisat {
namespace {

uint32_t g_structureVersion = 0;

} // namespace

uint32_t MenuStructureVersion() {
    return g_structureVersion;
}

void MenuStructureChanged() {
    ++g_structureVersion;
}

std::string StripHotkey(std::string_view caption) {
    std::string text;
    for (size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] != '&') {
            text += caption[i];
        } else if (i + 1 < caption.size() && caption[i + 1] == '&') {
            text += '&';
            ++i;
        }
    }
    return text;
}

TMenuItem::TMenuItem(TComponent* owner) : TComponent(owner) {}

TMenuItem::~TMenuItem() {
    MenuStructureChanged();
    for (TMenuItem* item : m_items)
        item->m_parent = nullptr;
    if (m_parent) m_parent->Remove(*this);
}

void TMenuItem::Changed() {
    if (const TMenu* menu = GetParentMenu()) menu->ItemChanged();
}

void TMenuItem::SetCaption(const std::string& caption) {
    if (StoreIfChanged(m_caption, caption)) Changed();
}

void TMenuItem::SetShortCut(TShortCut shortCut) {
    if (StoreIfChanged(m_shortCut, shortCut)) Changed();
}

void TMenuItem::SetChecked(bool checked) {
    if (!StoreIfChanged(m_checked, checked)) return;
    if (checked && m_radioItem) UncheckGroup();
    Changed();
}

void TMenuItem::SetRadioItem(bool on) {
    if (!StoreIfChanged(m_radioItem, on)) return;
    if (on && m_checked) UncheckGroup();
    Changed();
}

void TMenuItem::SetGroupIndex(uint8_t index) {
    if (!StoreIfChanged(m_groupIndex, index)) return;
    if (m_radioItem && m_checked) UncheckGroup();
}

void TMenuItem::UncheckGroup() {
    // While a layout is read the group's other items may come later; the last one checked wins
    // either way.
    if (!m_parent) return;
    for (TMenuItem* sibling : m_parent->m_items)
        if (sibling != this && sibling->m_radioItem && sibling->m_groupIndex == m_groupIndex &&
            sibling->m_checked) {
            sibling->m_checked = false;
            sibling->Changed();
        }
}

void TMenuItem::SetImageIndex(int32_t index) {
    if (StoreIfChanged(m_imageIndex, index)) Changed();
}

void TMenuItem::SetEnabled(bool enabled) {
    if (StoreIfChanged(m_enabled, enabled)) Changed();
}

void TMenuItem::SetVisible(bool visible) {
    if (StoreIfChanged(m_visible, visible)) Changed();
}

void TMenuItem::SetDefault(bool on) {
    if (StoreIfChanged(m_default, on)) Changed();
}

TMenuItem& TMenuItem::Items(int index) const {
    if (index < 0 || index >= Count())
        throw EListError("List index out of bounds (" + std::to_string(index) + ")");
    return *m_items[size_t(index)];
}

TMenu* TMenuItem::GetParentMenu() const {
    const TMenuItem* root = this;
    while (root->m_parent)
        root = root->m_parent;
    return root->m_menu;
}

void TMenuItem::Insert(int index, TMenuItem& item) {
    if (item.m_parent) throw EInvalidOperation(AlreadyInsertedText(item));
    for (const TMenuItem* p = this; p; p = p->m_parent)
        if (p == &item) throw EInvalidOperation("A menu item cannot contain itself");
    if (index < 0 || index > Count())
        throw EListError("List index out of bounds (" + std::to_string(index) + ")");
    m_items.insert(m_items.begin() + index, &item);
    MenuStructureChanged();
    item.m_parent = this;
    if (item.m_radioItem && item.m_checked) item.UncheckGroup();
    Changed();
}

void TMenuItem::Delete(int index) {
    TMenuItem& item = Items(index);
    m_items.erase(m_items.begin() + index);
    MenuStructureChanged();
    item.m_parent = nullptr;
    Changed();
}

void TMenuItem::Remove(TMenuItem& item) {
    if (const int index = IndexOf(&item); index >= 0) Delete(index);
}

int TMenuItem::IndexOf(const TMenuItem* item) const {
    const auto it = std::find(m_items.begin(), m_items.end(), item);
    return it == m_items.end() ? -1 : int(it - m_items.begin());
}

TMenuItem* TMenuItem::Find(std::string_view caption) const {
    const std::string wanted = StripHotkey(caption);
    for (TMenuItem* item : m_items)
        if (SameText(StripHotkey(item->m_caption), wanted)) return item;
    return nullptr;
}

TMenuItem* TMenuItem::FindByAccelerator(char32_t key) const {
    for (TMenuItem* item : m_items)
        if (item->m_visible && IsAccel(key, item->m_caption)) return item;
    return nullptr;
}

bool TMenuItem::HasVisibleItems() const {
    return std::any_of(m_items.begin(), m_items.end(),
                       [](const TMenuItem* i) { return i->m_visible; });
}

void TMenuItem::Click() {
    if (!m_enabled || IsLine()) return;
    if (m_autoCheck && !(m_radioItem && m_checked)) SetChecked(!m_checked);
    if (OnClick) OnClick(*this);
}

std::string TMenuItem::AlreadyInsertedText(const TMenuItem& item) const {
    return "Menu item " + item.Name() + " is already inserted";
}

std::unique_ptr<IMenuPopup> TMenuItem::CreatePopupWindow() {
    return std::make_unique<TMenuWindow>(*this);
}

void TMenuItem::Notification(TComponent& component, TOperation operation) {
    if (operation == TOperation::opInsert && component.Owner() == this &&
        component.ComponentState().Contains(TComponentStateFlag::csLoading))
        if (auto* item = dynamic_cast<TMenuItem*>(&component); item && !item->m_parent) Add(*item);
    TComponent::Notification(component, operation);
}

void TMenuItem::GetChildren(const std::function<void(TComponent&)>& proc) const {
    ListOwnedChildren(*this, *this, proc);
}

void ListOwnedChildren(const TComponent& owner, const TMenuItem& list,
                       const std::function<void(TComponent&)>& proc) {
    for (int i = 0; i < list.Count(); ++i)
        if (TMenuItem& item = list.Items(i); item.Owner() == &owner) proc(item);
    for (int i = 0; i < owner.ComponentCount(); ++i) {
        TComponent& c = owner.Components(i);
        const auto* item = dynamic_cast<const TMenuItem*>(&c);
        if (!item || list.IndexOf(item) < 0) proc(c);
    }
}

} // namespace brisat
