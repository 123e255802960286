#include "skin_windows/ks_custom_form.h"

#include "framework/controls/form.h"
#include "skin/bitmap/bitmap.h"

namespace brisat {

struct TKsCustomForm::TRuntime {
    TKsBitmap Frame;
};

TKsCustomForm::TKsCustomForm(TComponent* owner)
    : TKsHookComponent(owner), m_rt(std::make_unique<TRuntime>()) {}

TKsCustomForm::~TKsCustomForm() = default;

void TKsCustomForm::SetActive(bool value) { TKsHookComponent::SetActive(value); }
void TKsCustomForm::SetBlend(bool value) { m_blend = value; }
void TKsCustomForm::SetBlendValue(int32_t value) { m_blendValue = value; }
void TKsCustomForm::SetBorderIcons(TKsBorderIcons value) { m_borderIcons = value; }
void TKsCustomForm::SetBorderStyle(TKsBorderStyle value) { m_borderStyle = value; }
void TKsCustomForm::SetCanResize(bool value) { m_canResize = value; }
void TKsCustomForm::SetCanMove(bool value) { m_canMove = value; }
void TKsCustomForm::SetDropShadow(bool value) { m_dropShadow = value; }
void TKsCustomForm::SetShadowWidth(int32_t value) { m_shadowWidth = value; }
void TKsCustomForm::SetConstraints(const TKsSizeConstraints& value) { m_constraints = value; }
void TKsCustomForm::SetMenuBar(TKsCustomMenuBar* value) { m_menuBar = value; }
void TKsCustomForm::SetStayOnTop(bool value) { m_stayOnTop = value; }
void TKsCustomForm::SetTrayMenu(TPopupMenu* value) { m_trayMenu = value; }
void TKsCustomForm::SetWindowState(TKsWindowState value) { m_windowState = value; }
void TKsCustomForm::Close() {}
void TKsCustomForm::Restore() {}
void TKsCustomForm::Maximize() {}
void TKsCustomForm::Minimize() {}
void TKsCustomForm::RollUp() {}
void TKsCustomForm::MinimizeToTray() {}
void TKsCustomForm::Help() {}
void TKsCustomForm::ShowSystemMenu() {}
TCustomForm* TKsCustomForm::Form() const { return dynamic_cast<TCustomForm*>(Owner()); }
int32_t TKsCustomForm::ShadowExtent() const { return 0; }
TKsBitmap& TKsCustomForm::FrameBitmap() { return m_rt->Frame; }
void TKsCustomForm::PaintNonClient() {}
void TKsCustomForm::ApplyFrame() {}
TRect TKsCustomForm::CaptionBand() { return {}; }
int32_t TKsCustomForm::CaptionHeight() const { return 0; }
int32_t TKsCustomForm::BorderWidth() const { return 0; }
void TKsCustomForm::AfterMessage(TMessage&) {}
void TKsCustomForm::UpdateRegion() {}
std::optional<TRegion> TKsCustomForm::GetRegion() { return std::nullopt; }
TKsCustomItem* TKsCustomForm::CreateMenuItem(TComponent*) { return nullptr; }
void TKsCustomForm::GetButtonRect(TKsBorderIcon, TRect& rect) { rect = {}; }
void TKsCustomForm::GetClientRect(TRect& rect) { rect = {}; }
TRect TKsCustomForm::GetRollupRect() { return {}; }
TRect TKsCustomForm::GetMinimizedRect() { return {}; }
TRect TKsCustomForm::GetMaximizedRect() { return {}; }
TPoint TKsCustomForm::GetMaxTrackSize() { return {}; }
TPoint TKsCustomForm::GetMinTrackSize() { return {}; }
void TKsCustomForm::PaintFrame(TKsBitmap&) {}
void TKsCustomForm::PaintBackground(TKsBitmap&) {}
int32_t TKsCustomForm::HitTest(int32_t, int32_t) { return khtNone; }
void TKsCustomForm::MouseDown(TMouseButton, TShiftState, int32_t, int32_t) {}
void TKsCustomForm::MouseMove(TShiftState, int32_t, int32_t) {}
void TKsCustomForm::MouseUp(TMouseButton, TShiftState, int32_t, int32_t) {}
void TKsCustomForm::MessageHandler(TMessage& message) { TKsHookComponent::MessageHandler(message); }
void TKsCustomForm::Loaded() { TKsHookComponent::Loaded(); }
void TKsCustomForm::Notification(TComponent& component, TOperation operation) {
    TKsHookComponent::Notification(component, operation);
}
void TKsCustomForm::UpdateHook() { TKsHookComponent::UpdateHook(); }

} // namespace brisat
