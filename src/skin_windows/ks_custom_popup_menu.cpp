#include "skin_windows/ks_custom_popup_menu.h"

#include "framework/controls/menu_tracking.h"
#include "skin/engine/skin_engine.h"
#include "skin_controls/se_skin_binding.h"
#include "skin_windows/se_skin_item.h"

namespace brisat {

TKsCustomPopupMenu::TKsCustomPopupMenu(TComponent* owner)
    : TKsCustomPopupMenu(owner, std::make_unique<TKsCustomItem>(nullptr)) {}

TKsCustomPopupMenu::TKsCustomPopupMenu(TComponent* owner, std::unique_ptr<TKsCustomItem> root)
    : TPopupMenu(owner, std::move(root)) {}

void TKsCustomPopupMenu::Popup(int32_t x, int32_t y) {
    // One menu tracks at a time: the one open now closes as soon as its loop runs again.
    if (MenuTracking()) {
        CancelMenuTracking();
        return;
    }
    BeforePopup();
    PushDown(KsItems());
    if (OnPopup) OnPopup(*this);
    if (TMenuItem* chosen = TrackPopupMenu(Items(), {x, y}, Alignment(), TOutsideClick::PassOn))
        chosen->Click();
}

TSeSkinPopupMenu::TSeSkinPopupMenu(TComponent* owner)
    : TKsCustomPopupMenu(owner, std::make_unique<TSeSkinItem>(nullptr)) {}

void TSeSkinPopupMenu::SetSkinEngine(TSeSkinEngine* engine) {
    ChangeReference(m_engine, engine);
    static_cast<TSeSkinItem&>(Items()).SetSkinEngine(engine);
}

std::string TSeSkinPopupMenu::Version() const {
    return SeSkinVersion;
}

void TSeSkinPopupMenu::BeforePopup() {
    static_cast<TSeSkinItem&>(Items()).SetSkinEngine(m_engine);
}

void TSeSkinPopupMenu::Notification(TComponent& component, TOperation operation) {
    if (operation == TOperation::opRemove && &component == m_engine) SetSkinEngine(nullptr);
    TKsCustomPopupMenu::Notification(component, operation);
}

} // namespace brisat
