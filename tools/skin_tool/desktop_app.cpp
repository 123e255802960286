#include "desktop_app.h"

#include "framework/controls/application.h"
#include "framework/controls/form.h"
#include "framework/dialogs/message_box.h"
#include "platform/sdl_platform.h"

#include <cstdio>

namespace brisat {

int RunOnDesktop(const std::string& title, const std::function<TForm&(TApplication&)>& make,
                 const std::function<void(TForm&)>& shown) {
    SetPlatform(CreateDesktopPlatform());
    {
        TApplication application;
        application.Initialize();
        application.SetTitle(title);
        application.SetMessageBoxHandler(ShowMessageBox);
        application.OnException = [&application](TComponent&, const std::exception& e) {
            std::fprintf(stderr, "brisat-skin: %s\n", e.what());
            application.ShowException(e);
        };
        TForm& form = make(application);
        form.Show();
        shown(form);
        application.Run();
    }
    SetPlatform(nullptr);
    return 0;
}

} // namespace brisat
