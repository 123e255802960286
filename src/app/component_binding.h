// Typed references to the components a layout reads into a window, bound once right after the
// layout is read: a misspelt name or a component of another class fails when the window is made,
// with the name in the message, instead of at the first use.
#pragma once

#include "framework/core/component.h"

#include <string_view>
#include <typeinfo>

namespace brisat {

// Raises EComponentError naming the component, the class expected and, when one of that name was
// found, its class.
[[noreturn]] void ThrowUnboundComponent(const TComponent& root, std::string_view name,
                                        const std::type_info& expected, const TComponent* found);

// The component Name (ignoring case) at any depth under Root, as a T.
template <class T> T& BindComponent(TComponent& root, std::string_view name) {
    TComponent* found = root.FindComponentInTree(name);
    T* typed = dynamic_cast<T*>(found);
    if (!typed) ThrowUnboundComponent(root, name, typeid(T), found);
    return *typed;
}

template <class T> void BindComponent(TComponent& root, std::string_view name, T*& field) {
    field = &BindComponent<T>(root, name);
}

} // namespace brisat
