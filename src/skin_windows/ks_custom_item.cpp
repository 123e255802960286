#include "skin_windows/ks_custom_item.h"

#include "framework/controls/menu.h"
#include "framework/graphics/image_list.h"
#include "skin_windows/ks_click_handler.h"
#include "skin_windows/ks_item_look.h"
#include "skin_windows/ks_item_view.h"
#include "skin_windows/ks_popup_window.h"

namespace brisat {

TKsCustomItem::TKsCustomItem(TComponent* owner) : TMenuItem(owner) {}

TKsCustomItem::~TKsCustomItem() {
    TKsClickHandler::Instance().Forget(*this);
}

void TKsCustomItem::SetImages(TImageList* images) {
    ChangeReference(m_images, images);
}

const TImageList* TKsCustomItem::ImagesToDraw() const {
    const TImageList* images = m_images;
    if (!images)
        if (const TMenu* menu = GetParentMenu()) images = menu->Images();
    return images && ImageIndex() >= 0 && ImageIndex() < images->Count() ? images : nullptr;
}

void TKsCustomItem::PushPopupSettings(const TKsPopupSettings& settings, bool blend,
                                      int32_t blendValue) {
    m_settings = settings;
    m_popupBlend = blend;
    m_popupBlendValue = blendValue;
    for (int i = 0; i < Count(); ++i)
        if (TKsCustomItem* child = AsKsItem(Items(i)))
            child->PushPopupSettings(settings, blend, blendValue);
}

void TKsCustomItem::ClearAnimationPending() {
    TMenuItem* root = this;
    while (root->Parent())
        root = root->Parent();
    const std::function<void(TMenuItem&)> clear = [&clear](TMenuItem& item) {
        if (TKsCustomItem* ks = AsKsItem(item)) ks->m_settings.AnimationPending = false;
        for (int i = 0; i < item.Count(); ++i)
            clear(item.Items(i));
    };
    clear(*root);
}

void TKsCustomItem::MeasureItem(TKsBitmap& bitmap, const TKsItemView& view, int32_t& width,
                                int32_t& height) {
    MeasurePlainItem(*this, bitmap, view.Horizontal(), width, height);
}

void TKsCustomItem::DrawItem(TKsBitmap& bitmap, const TKsItemView& view, const TRect& rect,
                             bool selected, bool notActive) {
    DrawPlainItem(*this, ImagesToDraw(), bitmap, view.Horizontal(), rect, selected, notActive);
}

void TKsCustomItem::Click() {
    if (IsLine() || Count() > 0 || !Enabled()) return;
    TKsClickHandler::Instance().Post(*this);
}

std::unique_ptr<IMenuPopup> TKsCustomItem::CreatePopupWindow() {
    std::unique_ptr<TKsPopupWindow> window = MakePopupWindow();
    // Only the first popup of a chain animates when the menu asks for that.
    const bool animate = !m_settings.FirstPopupOnly || m_settings.AnimationPending;
    window->Prepare(*this, animate);
    if (animate) ClearAnimationPending();
    return window;
}

std::unique_ptr<TKsPopupWindow> TKsCustomItem::MakePopupWindow() {
    return std::make_unique<TKsPopupWindow>(*this);
}

std::string TKsCustomItem::AlreadyInsertedText(const TMenuItem&) const {
    return "Toolbar item already inserted";
}

void TKsCustomItem::Notification(TComponent& component, TOperation operation) {
    if (operation == TOperation::opRemove && &component == m_images) m_images = nullptr;
    TMenuItem::Notification(component, operation);
}

} // namespace brisat
