#include "skin_controls/ks_combo_window.h"

namespace brisat {

TKsComboWindow::TKsComboWindow(TCustomForm* ownerForm) : TForm(nullptr), m_ownerForm(ownerForm) {
    SetBorderStyle(TFormBorderStyle::bsNone);
}

void TKsComboWindow::CreateParams(TCreateParams& params) {
    TForm::CreateParams(params);
    params.ExStyle |= WS_EX_TOOLWINDOW | WS_EX_TOPMOST;
}

void TKsComboWindow::Deactivate() {
    TForm::Deactivate();
    if (OnDeactivated) OnDeactivated();
}

void TKsComboWindow::WndProc(TMessage& message) {
    TForm::WndProc(message);
    // While the list has the activation, the owner's caption stays drawn active.
    if (message.Msg == WM_ACTIVATE && m_ownerForm && m_ownerForm->HandleAllocated() &&
        (message.WParam & 0xFFFF) != WA_INACTIVE)
        SendMessage(m_ownerForm->Handle(), WM_NCACTIVATE, 1, 0);
}

} // namespace brisat
