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

// The popup settings a popup menu and a menu bar both hand down to their items.
template <class T> TClassDeclaration<T>& PopupProperties(TClassDeclaration<T>& d) {
    return d
        .Boolean("PopupBlend", &T::PopupBlend, &T::SetPopupBlend,
                 [](const T& m) { return m.PopupBlend(); })
        .Integer("PopupBlendValue", &T::PopupBlendValue, &T::SetPopupBlendValue,
                 [](const T& m) { return m.PopupBlendValue() != 150; })
        .Boolean("DropShadow", &T::DropShadow, &T::SetDropShadow,
                 [](const T& m) { return m.DropShadow(); })
        .Integer("ShadowWidth", &T::ShadowWidth, &T::SetShadowWidth,
                 [](const T& m) { return m.ShadowWidth() != 4; })
        .Enumeration("ShowAnimation", AnimationInfo, &T::ShowAnimation, &T::SetShowAnimation,
                     [](const T& m) { return m.ShowAnimation() != TKsAnimation::kaNone; })
        .Integer("ShowAnimationTime", &T::ShowAnimationTime, &T::SetShowAnimationTime,
                 [](const T& m) { return m.ShowAnimationTime() != 300; });
}

void RegisterItems(TClassRegistry& registry) {
    TClassDeclaration<TKsCustomItem> custom("TKsCustomItem", "TMenuItem");
    ItemProperties(custom).Register(registry);
    TClassDeclaration<TSeSkinItem> skin("TSeSkinItem", "TKsCustomItem");
    skin.Reference<TSeSkinEngine>(
            "SkinEngine", [](const TSeSkinItem& i) { return i.SkinEngine(); },
            [](TSeSkinItem& i, TSeSkinEngine* engine) { i.SetSkinEngine(engine); })
        .String("Version", &TSeSkinItem::Version, &TSeSkinItem::SetVersion,
                [](const TSeSkinItem&) { return false; })
        .Register(registry);
}

void RegisterPopupMenus(TClassRegistry& registry) {
    TClassDeclaration<TKsCustomPopupMenu> custom("TKsCustomPopupMenu", "TPopupMenu");
    PopupProperties(custom).Register(registry);
    TClassDeclaration<TSeSkinPopupMenu> skin("TSeSkinPopupMenu", "TKsCustomPopupMenu");
    skin.Reference<TSeSkinEngine>(
            "SkinEngine", [](const TSeSkinPopupMenu& m) { return m.SkinEngine(); },
            [](TSeSkinPopupMenu& m, TSeSkinEngine* engine) { m.SetSkinEngine(engine); })
        .String("Version", &TSeSkinPopupMenu::Version, &TSeSkinPopupMenu::SetVersion,
                [](const TSeSkinPopupMenu&) { return false; })
        .Register(registry);
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
