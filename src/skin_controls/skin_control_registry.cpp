#include "skin_controls/skin_control_registry.h"

#include "framework/core/class_registry.h"
#include "framework/widgets/basic_control_classes.h"
#include "skin/engine/skin_engine.h"
#include "skin_controls/ks_custom_control.h"
#include "skin_controls/ks_graphic_control.h"
#include "skin_controls/skin_control_properties.h"
#include "skin_controls/track_bar_classes.h"

namespace brisat {

void RegisterSkinControlClasses(TClassRegistry& registry) {
    TClassDeclaration<TKsCustomControl> custom("TKsCustomControl", "TWinControl");
    KsControlProperties(custom).Register(registry);
    TClassDeclaration<TKsGraphicControl> graphic("TKsGraphicControl", "TGraphicControl");
    KsControlProperties(graphic).Register(registry);
    RegisterTrackBarClasses(registry);
}

void RegisterSkinControlClasses() {
    static const bool registered = [] {
        RegisterBasicControlClasses();
        RegisterSkinEngineClass();
        RegisterSkinControlClasses(TClassRegistry::Instance());
        return true;
    }();
    (void)registered;
}

} // namespace brisat
