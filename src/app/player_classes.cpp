// The classes of every component the player's layouts name, registered once.
#include "app/color_control_form.h"
#include "app/form_select_url.h"
#include "app/main_form.h"
#include "effects/effects_classes.h"
#include "framework/basic_control_classes.h"
#include "framework/class_registry.h"
#include "framework/control_classes.h"
#include "framework/input_control_classes.h"
#include "framework/menu_classes.h"
#include "framework/open_dialog_classes.h"
#include "media/filter_graph_classes.h"
#include "media/video_window_classes.h"

namespace brisat {

void RegisterPlayerClasses() {
    static const bool registered = [] {
        RegisterControlClasses();
        RegisterBasicControlClasses();
        RegisterInputControlClasses();
        RegisterMenuClasses();
        RegisterOpenDialogClass();
        RegisterEffectsClasses();
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
