// The classes of every component the player's layouts name, registered once.
#include "app/color_control_form.h"
#include "app/form_select_url.h"
#include "app/main_form.h"
#include "effects/effects_classes.h"
#include "framework/widgets/basic_control_classes.h"
#include "framework/core/class_registry.h"
#include "framework/controls/control_classes.h"
#include "framework/widgets/input_control_classes.h"
#include "framework/controls/menu_classes.h"
#include "framework/dialogs/open_dialog_classes.h"
#include "media/filter_graph_classes.h"
#include "media/video_window_classes.h"
#include "skin/engine/skin_engine.h"
#include "skin_windows/skin_window_registry.h"

namespace brisat {

void RegisterPlayerClasses() {
    static const bool registered = [] {
        RegisterControlClasses();
        RegisterBasicControlClasses();
        RegisterInputControlClasses();
        RegisterMenuClasses();
        RegisterOpenDialogClass();
        RegisterEffectsClasses();
        RegisterSkinEngineClass();
        RegisterSkinWindowClasses();
        TClassRegistry& registry = TClassRegistry::Instance();
        RegisterFilterGraphClasses(registry);
        RegisterVideoWindowClasses(registry);
        TClassDeclaration<TfrmMain>("TfrmMain", "TForm").Register(registry);
        TClassDeclaration<TColorControlForm>("TColorControlForm", "TForm").Register(registry);
        TClassDeclaration<TFormSelectURL>("TFormSelectURL", "TForm").Register(registry);
        return true;
    }();
    (void)registered;
}

} // namespace brisat
