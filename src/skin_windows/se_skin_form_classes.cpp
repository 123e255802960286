#include "skin_windows/se_skin_form_classes.h"

#include "framework/core/class_registry.h"
#include "framework/core/enum_info.h"
#include "skin/engine/skin_engine.h"
#include "skin_windows/se_skin_form.h"

namespace brisat {

void RegisterSkinFormClasses(TClassRegistry& registry) {
    using T = TSeSkinForm;
    static const TEnumInfo WindowStateInfo = EnumInfoOf<TKsWindowState>("TKsWindowState");
    TClassDeclaration<T>("TSeSkinForm", "TKsCustomForm")
        .Reference<TSeSkinEngine>(
            "SkinEngine", [](const T& f) { return f.SkinEngine(); },
            [](T& f, TSeSkinEngine* engine) { f.SetSkinEngine(engine); })
        .String("SkinObject", &T::SkinObject, &T::SetSkinObject,
                [](const T& f) { return f.SkinObject() != "Form"; })
        .String("Version", &T::Version, &T::SetVersion, [](const T&) { return false; })
        .Enumeration("WindowState", WindowStateInfo, &T::WindowState, &T::SetWindowState,
                     [](const T& f) { return f.WindowState() != TKsWindowState::kwsNormal; })
        .Event<T::TCustomActionEvent>(
            "OnCustomAction", [](T& f, const T::TCustomActionEvent& e) { f.OnCustomAction = e; })
        .Register(registry);
}

} // namespace brisat
