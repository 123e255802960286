#include "skin_windows/menu_classes.h"

#include "framework/core/class_registry.h"
#include "framework/core/enum_info.h"
#include "framework/controls/menu_classes.h"
#include "framework/graphics/image_list.h"
#include "skin_controls/skin_control_properties.h"
#include "skin_windows/ks_custom_popup_menu.h"
#include "skin_windows/se_skin_popup_factory.h"
#include "skin_windows/se_skin_item.h"
#include "skin_windows/se_skin_menu_bar.h"

namespace brisat {
namespace {

const TEnumInfo AnimationInfo = EnumInfoOf<TKsAnimation>("TKsAnimation");

template <class T> TClassDeclaration<T>& ItemProperties(TClassDeclaration<T>& d) {
    return d
        .Integer("HelpContext", &T::HelpContext, &T::SetHelpContext,
                 [](const T& i) { return i.HelpContext() != 0; })
        .Boolean("PopupBlend", &T::PopupBlend, &T::SetPopupBlend,
                 [](const T& i) { return i.PopupBlend(); })
        .Integer("PopupBlendValue", &T::PopupBlendValue, &T::SetPopupBlendValue,
                 [](const T& i) { return i.PopupBlendValue() != 150; })
        .template Reference<TImageList>(
            "Images", [](const T& i) { return i.Images(); },
            [](T& i, TImageList* images) { i.SetImages(images); });
}

// A field of the popup options a popup menu and a menu bar both hand down to their items.
template <class T, class F> auto Get(F TKsPopupOptions::* field) {
    return [field](const T& m) { return m.PopupOptions().*field; };
}
template <class T, class F> auto Put(F TKsPopupOptions::* field) {
    return [field](T& m, F value) { m.PopupOptions().*field = value; };
}
template <class T, class F> auto Differs(F TKsPopupOptions::* field) {
    return [field](const T& m) { return m.PopupOptions().*field != TKsPopupOptions{}.*field; };
}

template <class T> TClassDeclaration<T>& PopupProperties(TClassDeclaration<T>& d) {
    using O = TKsPopupOptions;
    return d
        .Boolean("PopupBlend", Get<T>(&O::PopupBlend), Put<T>(&O::PopupBlend),
                 Differs<T>(&O::PopupBlend))
        .Integer("PopupBlendValue", Get<T>(&O::PopupBlendValue), Put<T>(&O::PopupBlendValue),
                 Differs<T>(&O::PopupBlendValue))
        .Boolean("DropShadow", Get<T>(&O::DropShadow), Put<T>(&O::DropShadow),
                 Differs<T>(&O::DropShadow))
        .Integer("ShadowWidth", Get<T>(&O::ShadowWidth), Put<T>(&O::ShadowWidth),
                 Differs<T>(&O::ShadowWidth))
        .Enumeration("ShowAnimation", AnimationInfo, Get<T>(&O::ShowAnimation),
                     Put<T>(&O::ShowAnimation), Differs<T>(&O::ShowAnimation))
        .Integer("ShowAnimationTime", Get<T>(&O::ShowAnimationTime),
                 Put<T>(&O::ShowAnimationTime), Differs<T>(&O::ShowAnimationTime));
}

// The engine of a skinned item or popup menu, and the never-stored Version.
template <class T> TClassDeclaration<T>& EngineProperties(TClassDeclaration<T>& d) {
    return d
        .template Reference<TSeSkinEngine>(
            "SkinEngine", [](const T& o) { return o.SkinEngine(); },
            [](T& o, TSeSkinEngine* engine) { o.SetSkinEngine(engine); })
        .String("Version", &T::Version, &T::SetVersion, [](const T&) { return false; });
}

void RegisterItems(TClassRegistry& registry) {
    TClassDeclaration<TKsCustomItem> custom("TKsCustomItem", "TMenuItem");
    ItemProperties(custom).Register(registry);
    TClassDeclaration<TSeSkinItem> skin("TSeSkinItem", "TKsCustomItem");
    EngineProperties(skin).Register(registry);
}

void RegisterPopupMenus(TClassRegistry& registry) {
    TClassDeclaration<TKsCustomPopupMenu> custom("TKsCustomPopupMenu", "TPopupMenu");
    PopupProperties(custom).Register(registry);
    TClassDeclaration<TSeSkinPopupMenu> skin("TSeSkinPopupMenu", "TKsCustomPopupMenu");
    EngineProperties(skin).Register(registry);
}

void RegisterMenuBars(TClassRegistry& registry) {
    TClassDeclaration<TKsCustomMenuBar> custom("TKsCustomMenuBar", "TKsCustomControl");
    custom
        .Reference<TImageList>(
            "Images", [](const TKsCustomMenuBar& b) { return b.Images(); },
            [](TKsCustomMenuBar& b, TImageList* images) { b.SetImages(images); })
        .Boolean("AutoSize", &TKsCustomMenuBar::AutoSize, &TKsCustomMenuBar::SetAutoSize,
                 [](const TKsCustomMenuBar& b) { return !b.AutoSize(); });
    PopupProperties(custom).Register(registry);
    TClassDeclaration<TSeSkinMenuBar> skin("TSeSkinMenuBar", "TKsCustomMenuBar");
    SkinBindingProperties(skin).Register(registry);
}

} // namespace

void RegisterSkinMenuClasses(TClassRegistry& registry) {
    RegisterMenuClasses(); // the framework's menus, which these extend
    InstallSkinPopupMenuFactory();
    RegisterItems(registry);
    RegisterPopupMenus(registry);
    RegisterMenuBars(registry);
}

} // namespace brisat
