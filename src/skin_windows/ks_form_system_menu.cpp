// The form side of the system menu: the item sets for a state and border icons, and opening it.
#include "skin_windows/ks_form_runtime.h"

namespace brisat {

TKsCustomItem* TKsCustomForm::CreateMenuItem(TComponent*) {
    return nullptr;
}

void TKsCustomForm::ShowSystemMenu() {
    m_rt->MenuPoint.reset();
}

} // namespace brisat
