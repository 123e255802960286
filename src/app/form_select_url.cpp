#include "app/form_select_url.h"

#include "app/component_binding.h"
#include "app/main_form.h"
#include "skin_controls/se_skin_edit.h"

namespace brisat {

TFormSelectURL::TFormSelectURL(TComponent* owner, std::string_view layout) : TForm(owner) {
    RegisterPlayerClasses();
    LoadLayout(layout);
    BindComponent(*this, "URL", m_url);
}

std::string TFormSelectURL::Address() const {
    return m_url->Text();
}

void TFormSelectURL::WndProc(TMessage& message) {
    TForm::WndProc(message);
    if (message.Msg == WM_NCHITTEST && message.Result == HTCLIENT) message.Result = HTCAPTION;
}

} // namespace brisat
