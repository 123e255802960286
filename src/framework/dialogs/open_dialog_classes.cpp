#include "framework/dialogs/open_dialog_classes.h"

#include "framework/core/class_registry.h"
#include "framework/core/enum_info.h"
#include "framework/dialogs/open_dialog.h"

namespace brisat {

const TEnumInfo OpenOptionInfo = EnumInfoOf<TOpenOption>("TOpenOption");

void RegisterOpenDialogClass(TClassRegistry& registry) {
    using T = TOpenDialog;
    const TOpenOptions defaults{TOpenOption::ofHideReadOnly, TOpenOption::ofEnableSizing};
    TClassDeclaration<T>("TOpenDialog", "TComponent")
        .String("DefaultExt", &T::DefaultExt, &T::SetDefaultExt)
        .String("FileName", &T::FileName, &T::SetFileName)
        .String("Filter", &T::Filter, &T::SetFilter)
        .Integer("FilterIndex", &T::FilterIndex, &T::SetFilterIndex,
                 [](const T& t) { return t.FilterIndex() != 1; })
        .String("InitialDir", &T::InitialDir, &T::SetInitialDir)
        .Set(
            "Options", OpenOptionInfo, [](const T& t) { return int64_t(t.Options().Bits()); },
            [](T& t, int64_t bits) { t.SetOptions(TOpenOptions::FromBits(uint32_t(bits))); },
            [defaults](const T& t) { return t.Options() != defaults; })
        .String("Title", &T::Title, &T::SetTitle)
        .Register(registry);
}

void RegisterOpenDialogClass() {
    static const bool registered = [] {
        RegisterOpenDialogClass(TClassRegistry::Instance());
        return true;
    }();
    (void)registered;
}

} // namespace brisat
