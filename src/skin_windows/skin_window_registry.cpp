#include "skin_windows/skin_window_registry.h"

#include "framework/core/class_registry.h"
#include "skin_controls/skin_control_registry.h"
#include "skin_windows/form_classes.h"
#include "skin_windows/menu_classes.h"
#include "skin_windows/se_skin_form_classes.h"

namespace brisat {

// Each family adds its classes here.
void RegisterSkinWindowClasses(TClassRegistry& registry) {
    RegisterFormClasses(registry);
    RegisterSkinFormClasses(registry);
    RegisterSkinMenuClasses(registry);
}

void RegisterSkinWindowClasses() {
    static const bool registered = [] {
        RegisterSkinControlClasses();
        RegisterSkinWindowClasses(TClassRegistry::Instance());
        return true;
    }();
    (void)registered;
}

} // namespace brisat
