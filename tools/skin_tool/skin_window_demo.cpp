#include "skin_window_demo.h"

#include "framework/controls/application.h"
#include "framework/dialogs/message_box.h"
#include "platform/sdl_platform.h"
#include "skin_window_demo_form.h"
#include "skin_windows/skin_window_registry.h"

#include <cstdio>

namespace brisat {

int RunSkinWindow(const std::string& skinFile) {
    RegisterSkinWindowClasses();
    SetPlatform(CreateDesktopPlatform());
    {
        TApplication application;
        application.Initialize();
        application.SetTitle("Brisat skin window");
        application.SetMessageBoxHandler(ShowMessageBox);
        application.OnException = [&application](TComponent&, const std::exception& e) {
            std::fprintf(stderr, "brisat-skin: %s\n", e.what());
            application.ShowException(e);
        };
        TSkinWindowDemoForm& form = application.CreateForm<TSkinWindowDemoForm>(skinFile);
        form.Show();
        form.ReportPlaces();
        application.Run();
    }
    SetPlatform(nullptr);
    return 0;
}

} // namespace brisat
