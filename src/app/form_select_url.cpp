#include "app/form_select_url.h"

#include "app/bare_client_drag.h"
#include "app/component_binding.h"
#include "app/layout_filter.h"
#include "app/main_form.h"
#include "skin_controls/se_skin_edit.h"
#include "skin_windows/se_skin_form.h"

namespace brisat {

TFormSelectURL::TFormSelectURL(TComponent* owner, std::string_view layout) : TForm(owner) {
    RegisterPlayerClasses();
    LoadLayout(layout);
    BindComponent(*this, "URL", m_url);
    // The skinned frame; the decorations whose classes this program lacks stay unread.
    LoadLayout(WithoutUnregisteredComponents(FormSelectURLDecorationsLayout()));
    DragByBareClient(*this, BindComponent<TSeSkinForm>(*this, "SeSkinForm1"));
}

std::string TFormSelectURL::Address() const {
    return m_url->Text();
}

} // namespace brisat
