#include "app/form_select_url.h"

#include "app/layouts.h"
#include "framework/widgets/edit.h"

namespace brisat {

TFormSelectURL::TFormSelectURL(TComponent* owner) : TForm(owner) {
    LoadLayout(FormSelectURLLayout());
}

std::string TFormSelectURL::Address() const {
    const auto* edit = dynamic_cast<const TEdit*>(const_cast<TFormSelectURL*>(this)->FindComponentInTree("URL"));
    return edit ? edit->Text() : std::string();
}

void TFormSelectURL::WndProc(TMessage& message) {
    TForm::WndProc(message);
    if (message.Msg == WM_NCHITTEST && message.Result == HTCLIENT) message.Result = HTCAPTION;
}

} // namespace brisat
