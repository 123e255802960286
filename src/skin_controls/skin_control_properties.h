// The persistent properties every self-drawn control shares, declared once for each registered
// class: the look of the bases (Transparent, Blend, BlendValue, the hover events) and the skin
// binding of the TSe classes (SkinEngine, SkinObject, the never-stored Version).
#pragma once

#include "framework/core/class_registry.h"
#include "skin/engine/skin_engine.h"

namespace brisat {

template <class T> TClassDeclaration<T>& KsControlProperties(TClassDeclaration<T>& d) {
    return d.Boolean("Blend", &T::Blend, &T::SetBlend, [](const T& c) { return c.Blend(); })
        .Integer("BlendValue", &T::BlendValue, &T::SetBlendValue,
                 [](const T& c) { return c.BlendValue() != 150; })
        .Boolean("Transparent", &T::Transparent, &T::SetTransparent,
                 [](const T& c) { return c.Transparent(); })
        .template Event<TNotifyEvent>("OnMouseEnter",
                                      [](T& c, const TNotifyEvent& f) { c.OnMouseEnter = f; })
        .template Event<TNotifyEvent>("OnMouseLeave",
                                      [](T& c, const TNotifyEvent& f) { c.OnMouseLeave = f; });
}

template <class T> TClassDeclaration<T>& SkinBindingProperties(TClassDeclaration<T>& d) {
    return d
        .template Reference<TSeSkinEngine>(
            "SkinEngine", [](const T& c) { return c.SkinEngine(); },
            [](T& c, TSeSkinEngine* engine) { c.SetSkinEngine(engine); })
        .String("SkinObject", &T::SkinObject, &T::SetSkinObject)
        .String("Version", &T::Version, &T::SetVersion, [](const T&) { return false; });
}

} // namespace brisat
