// What the object-text and layout fuzzers share: every class a layout or skin may name, and the
// framework running on the headless platform so that controls can make their windows.
#pragma once

#include "app/main_form.h"
#include "framework/controls/application.h"
#include "platform/headless_platform.h"
#include "skin_controls/skin_control_registry.h"
#include "skin_windows/skin_window_registry.h"

#include <memory>

namespace brisat {

inline void SetUpPlayerClassesHeadless() {
    SetPlatform(std::make_unique<THeadlessPlatform>());
    // Lives as long as the process: a static one would be destroyed after the message queue it
    // clears on the way out.
    new TApplication;
    RegisterPlayerClasses();
    RegisterSkinControlClasses();
    RegisterSkinWindowClasses();
}

} // namespace brisat
