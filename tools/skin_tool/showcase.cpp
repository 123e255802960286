#include "showcase.h"

#include "desktop_app.h"
#include "framework/controls/application.h"
#include "showcase_form.h"
#include "skin_controls/skin_control_registry.h"

namespace brisat {

int RunShowcase(const std::string& skinFile) {
    RegisterSkinControlClasses();
    return RunOnDesktop(
        "Brisat skin showcase",
        [&](TApplication& app) -> TForm& { return app.CreateForm<TShowcaseForm>(skinFile); },
        [](TForm& form) { static_cast<TShowcaseForm&>(form).ReportPlaces(); });
}

} // namespace brisat
