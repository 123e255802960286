#include "showcase.h"

#include "framework/controls/application.h"
#include "framework/dialogs/message_box.h"
#include "platform/sdl_platform.h"
#include "showcase_form.h"
#include "skin_controls/skin_control_registry.h"

#include <cstdio>

namespace brisat {

int RunShowcase(const std::string& skinFile) {
    RegisterSkinControlClasses();
    SetPlatform(CreateDesktopPlatform());
    {
        TApplication application;
        application.Initialize();
        application.SetTitle("Brisat skin showcase");
        application.SetMessageBoxHandler(ShowMessageBox);
        application.OnException = [&application](TComponent&, const std::exception& e) {
            std::fprintf(stderr, "brisat-skin: %s\n", e.what());
            application.ShowException(e);
        };
        TShowcaseForm& form = application.CreateForm<TShowcaseForm>(skinFile);
        form.Show();
        form.ReportPlaces();
        application.Run();
    }
    SetPlatform(nullptr);
    return 0;
}

} // namespace brisat
