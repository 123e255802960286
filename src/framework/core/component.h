// TComponent: a persistent object with an owner, a name and owned components.
//
// Ownership: a component created with an owner (CreateOwned, or a constructor given the owner) is
// owned by it and destroyed with it; a component without owner belongs to its creator, normally
// a std::unique_ptr. Other references between components are plain pointers that their holder
// clears on the opRemove notification (owned siblings get it through the owner, anyone else asks
// with FreeNotification). Owned components are destroyed by ~TComponent, after the destructors
// of derived classes; a class whose components use its members calls DestroyComponents in its
// own destructor. GUI thread only.
#pragma once

#include "framework/core/method_table.h"
#include "framework/core/persistent.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace brisat {

class TObjectTextReader;

enum class TOperation { opInsert, opRemove };

enum class TComponentStateFlag : uint8_t { csLoading = 1, csDesigning = 2, csDestroying = 4 };

// A set of TComponentStateFlag values.
class TComponentState {
public:
    constexpr bool Contains(TComponentStateFlag f) const { return m_bits & uint8_t(f); }
    constexpr void Include(TComponentStateFlag f) { m_bits |= uint8_t(f); }
    constexpr void Exclude(TComponentStateFlag f) { m_bits &= uint8_t(~uint8_t(f)); }
    constexpr bool Empty() const { return m_bits == 0; }

private:
    uint8_t m_bits = 0;
};

class TComponent : public TPersistent {
public:
    // With an owner, the new component is inserted into it and the owner frees it, so it must
    // live on the heap (CreateOwned); a designing owner makes it designing too.
    explicit TComponent(TComponent* owner = nullptr);
    ~TComponent() override;
    TComponent(const TComponent&) = delete;
    TComponent& operator=(const TComponent&) = delete;

    std::string ClassName() const override { return "TComponent"; }

    TComponent* Owner() const { return m_owner; }

    // Empty, or a valid identifier unique (ignoring case) among the owner's components; raises
    // EComponentError otherwise.
    const std::string& Name() const { return m_name; }
    void SetName(const std::string& name);

    int32_t Tag() const { return m_tag; }
    void SetTag(int32_t tag) { m_tag = tag; }

    TComponentState ComponentState() const { return m_state; }
    // Sets or clears csDesigning here and on every owned component.
    void SetDesigning(bool designing);

    // Owned components in insertion order. Components(i) raises EComponentError out of range.
    int ComponentCount() const { return int(m_components.size()); }
    TComponent& Components(int index) const;
    // The owned component of that name, ignoring case; nullptr for none or an empty name.
    TComponent* FindComponent(std::string_view name) const;

    // Takes ownership of an unowned component; raises EComponentError when its name is taken
    // (the component is then destroyed with the argument).
    TComponent& InsertComponent(std::unique_ptr<TComponent> component);
    // Hands an owned component back to the caller; raises EComponentError when not owned here.
    std::unique_ptr<TComponent> RemoveComponent(TComponent& component);
    // Destroys the owned components, last first.
    void DestroyComponents();
    // Destroys this owned component now; an unowned one belongs to its std::unique_ptr and
    // raises EComponentError.
    void Free();

    // Links this component and Other so that each gets Notification(…, opRemove) when the other
    // is destroyed; for references to components with another owner.
    void FreeNotification(TComponent& other);
    void RemoveFreeNotification(TComponent& other);
    // Points Field at Value and moves the removal-notice link from the component it held to the
    // new one; false when Field already held Value.
    template <class T> bool ChangeReference(T*& field, T* value) {
        if (field == value) return false;
        if (field) RemoveFreeNotification(*field);
        field = value;
        if (value) FreeNotification(*value);
        return true;
    }

    // The handlers layouts read into this component may bind by name (event properties).
    TMethodTable& Methods();
    const TMethodTable* FindMethods() const { return m_methods.get(); }
    // This component or one it owns, at any depth, named Name (ignoring case); nullptr for
    // none. Layouts nest components, so a form finds its controls this way.
    TComponent* FindComponentInTree(std::string_view name);

    // The components written as nested object blocks after this one's properties: by default
    // the owned components in order.
    virtual void GetChildren(const std::function<void(TComponent&)>& proc) const;

protected:
    // Told when Component is inserted into or removed from this component's owner (or this
    // component), or when a component linked by FreeNotification is destroyed. The default passes
    // the notice on to every owned component; overrides call it.
    virtual void Notification(TComponent& component, TOperation operation);
    // Called once after the whole tree this component belongs to was read; clears csLoading.
    virtual void Loaded();

private:
    friend class TObjectTextReader;

    void ValidateRename(std::string_view newName, const TComponent* self) const;
    void Attach(TComponent& component);
    std::unique_ptr<TComponent> Detach(TComponent& component);
    void Destroying();
    void SendFreeNotices();
    void SetLoading() { m_state.Include(TComponentStateFlag::csLoading); }

    TComponent* m_owner = nullptr;
    std::vector<std::unique_ptr<TComponent>> m_components;
    std::vector<TComponent*> m_freeNotifies;
    std::string m_name;
    int32_t m_tag = 0;
    TComponentState m_state;
    std::unique_ptr<TMethodTable> m_methods;
};

// Creates a T owned by Owner; T's constructor takes the owner first and passes it to its base.
template <class T, class... Args> T& CreateOwned(TComponent& owner, Args&&... args) {
    return *new T(&owner, std::forward<Args>(args)...);
}

} // namespace brisat
