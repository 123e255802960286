#include "skin_windows/se_skin_popup_factory.h"

#include "skin_controls/ks_custom_edit.h"
#include "skin_controls/skin_menu_factory.h"
#include "skin_windows/ks_custom_popup_menu.h"
#include "skin_windows/se_skin_item.h"

namespace brisat {

void InstallSkinPopupMenuFactory() {
    TSkinMenuFactory factory;
    factory.CreateMenu = [](TSeSkinEngine* engine) -> std::unique_ptr<TPopupMenu> {
        auto menu = std::make_unique<TSeSkinPopupMenu>(nullptr);
        menu->SetSkinEngine(engine);
        return menu;
    };
    factory.CreateItem = [](TPopupMenu& menu) -> TMenuItem& {
        return CreateOwned<TSeSkinItem>(menu);
    };
    factory.Prepare = [](TPopupMenu& menu, TSeSkinEngine* engine,
                         const TKsPopupMenuSettings& settings) {
        auto* skinned = dynamic_cast<TSeSkinPopupMenu*>(&menu);
        if (!skinned) return;
        skinned->SetSkinEngine(engine);
        skinned->SetPopupBlend(settings.Blend);
        skinned->SetPopupBlendValue(settings.BlendValue);
        skinned->SetDropShadow(settings.DropShadow);
        skinned->SetShadowWidth(settings.ShadowWidth);
        skinned->SetShowAnimation(settings.ShowAnimation);
        skinned->SetShowAnimationTime(settings.ShowAnimationTime);
    };
    SetSkinMenuFactory(std::move(factory));
}

} // namespace brisat
