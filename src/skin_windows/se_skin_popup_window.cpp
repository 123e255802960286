#include "skin_windows/se_skin_popup_window.h"

#include "skin_windows/ks_popup_form.h"

namespace brisat {

TKsPopupForm& TSeSkinPopupWindow::CreateForm() {
    return CreateOwned<TSeSkinPopupForm>(*this, m_engine);
}

} // namespace brisat
