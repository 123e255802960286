#include "framework/core/component.h"

#include "framework/core/exceptions.h"
#include "framework/core/identifiers.h"

#include <algorithm>

namespace brisat {

TComponent::TComponent(TComponent* owner) {
    if (!owner) return;
    try {
        owner->Attach(*this);
    } catch (...) {
        // The object is not constructed, so its memory goes with the exception: drop the
        // owner's claim on it.
        owner->Detach(*this).release();
        throw;
    }
}

TComponent::~TComponent() {
    Destroying();
    SendFreeNotices();
    DestroyComponents();
    if (m_owner) m_owner->Detach(*this).release();
}

void TComponent::SetName(const std::string& name) {
    if (name == m_name) return;
    ValidateRename(name, this);
    m_name = name;
}

void TComponent::ValidateRename(std::string_view newName, const TComponent* self) const {
    if (!newName.empty() && !IsValidIdent(newName))
        throw EComponentError("'" + std::string(newName) + "' is not a valid component name");
    // A component's own name is checked against its owner's other components.
    const TComponent* owner = self ? self->m_owner : this;
    if (!owner || newName.empty()) return;
    for (const auto& c : owner->m_components)
        if (c.get() != self && SameText(c->m_name, newName))
            throw EComponentError("A component named " + std::string(newName) + " already exists");
}

void TComponent::SetDesigning(bool designing) {
    if (designing)
        m_state.Include(TComponentStateFlag::csDesigning);
    else
        m_state.Exclude(TComponentStateFlag::csDesigning);
    for (const auto& c : m_components)
        c->SetDesigning(designing);
}

TComponent& TComponent::Components(int index) const {
    if (index < 0 || index >= ComponentCount())
        throw EComponentError("List index out of bounds (" + std::to_string(index) + ")");
    return *m_components[size_t(index)];
}

TComponent* TComponent::FindComponent(std::string_view name) const {
    if (name.empty()) return nullptr;
    for (const auto& c : m_components)
        if (SameText(c->m_name, name)) return c.get();
    return nullptr;
}

TMethodTable& TComponent::Methods() {
    if (!m_methods) m_methods = std::make_unique<TMethodTable>();
    return *m_methods;
}

TComponent* TComponent::FindComponentInTree(std::string_view name) {
    if (name.empty()) return nullptr;
    if (SameText(m_name, name)) return this;
    for (const auto& c : m_components)
        if (TComponent* found = c->FindComponentInTree(name)) return found;
    return nullptr;
}

TComponent& TComponent::InsertComponent(std::unique_ptr<TComponent> component) {
    if (!component) throw EComponentError("Cannot insert a nil component");
    if (component->m_owner)
        throw EComponentError("Component " + component->m_name + " has an owner");
    if (component.get() == this) throw EComponentError("A component cannot own itself");
    for (const TComponent* o = this; o; o = o->m_owner)
        if (o == component.get()) throw EComponentError("A component cannot own its owner");
    ValidateRename(component->m_name, nullptr);
    TComponent& result = *component.release();
    Attach(result);
    return result;
}

std::unique_ptr<TComponent> TComponent::RemoveComponent(TComponent& component) {
    if (component.m_owner != this)
        throw EComponentError("Component " + component.m_name + " is not owned by " + m_name);
    return Detach(component);
}

void TComponent::Attach(TComponent& component) {
    m_components.emplace_back(&component);
    component.m_owner = this;
    if (m_state.Contains(TComponentStateFlag::csDesigning)) component.SetDesigning(true);
    Notification(component, TOperation::opInsert);
}

std::unique_ptr<TComponent> TComponent::Detach(TComponent& component) {
    auto it = std::find_if(m_components.begin(), m_components.end(),
                           [&](const auto& c) { return c.get() == &component; });
    if (it == m_components.end()) return nullptr;
    std::unique_ptr<TComponent> result = std::move(*it);
    m_components.erase(it);
    component.m_owner = nullptr;
    Notification(component, TOperation::opRemove);
    return result;
}

void TComponent::DestroyComponents() {
    while (!m_components.empty())
        Detach(*m_components.back()).reset();
}

void TComponent::Free() {
    if (!m_owner) throw EComponentError("Cannot free " + m_name + ": it has no owner");
    delete this;
}

void TComponent::FreeNotification(TComponent& other) {
    if (&other == this) return;
    if (std::find(m_freeNotifies.begin(), m_freeNotifies.end(), &other) == m_freeNotifies.end())
        m_freeNotifies.push_back(&other);
    auto& theirs = other.m_freeNotifies;
    if (std::find(theirs.begin(), theirs.end(), this) == theirs.end()) theirs.push_back(this);
}

void TComponent::RemoveFreeNotification(TComponent& other) {
    std::erase(m_freeNotifies, &other);
    std::erase(other.m_freeNotifies, this);
}

void TComponent::SendFreeNotices() {
    // A notified component may unlink others, so take one link at a time.
    while (!m_freeNotifies.empty()) {
        TComponent* other = m_freeNotifies.back();
        m_freeNotifies.pop_back();
        std::erase(other->m_freeNotifies, this);
        other->Notification(*this, TOperation::opRemove);
    }
}

void TComponent::Destroying() {
    if (m_state.Contains(TComponentStateFlag::csDestroying)) return;
    m_state.Include(TComponentStateFlag::csDestroying);
    for (const auto& c : m_components)
        c->Destroying();
}

void TComponent::GetChildren(const std::function<void(TComponent&)>& proc) const {
    for (const auto& c : m_components)
        proc(*c);
}

void TComponent::Notification(TComponent& component, TOperation operation) {
    // By index from the end: a handler may destroy components of this list.
    for (size_t i = m_components.size(); i-- > 0;)
        if (i < m_components.size()) m_components[i]->Notification(component, operation);
}

void TComponent::Loaded() {
    m_state.Exclude(TComponentStateFlag::csLoading);
}

} // namespace brisat
