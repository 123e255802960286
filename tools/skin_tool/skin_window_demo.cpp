#include "skin_window_demo.h"

#include "desktop_app.h"
#include "framework/controls/application.h"
#include "skin_window_demo_form.h"
#include "skin_windows/skin_window_registry.h"

namespace brisat {

int RunSkinWindow(const std::string& skinFile) {
    RegisterSkinWindowClasses();
    return RunOnDesktop(
        "Brisat skin window",
        [&](TApplication& app) -> TForm& {
            return app.CreateForm<TSkinWindowDemoForm>(skinFile);
        },
        [](TForm& form) { static_cast<TSkinWindowDemoForm&>(form).ReportPlaces(); });
}

} // namespace brisat
