// The persistent class of the file dialog for layouts: TOpenDialog with its Title, Filter,
// FilterIndex, DefaultExt, InitialDir, FileName and Options (TOpenOptions).
#pragma once

#include "framework/core/property.h"

namespace brisat {

class TClassRegistry;

extern const TEnumInfo OpenOptionInfo;

// Registers the class once (later calls do nothing).
void RegisterOpenDialogClass();
void RegisterOpenDialogClass(TClassRegistry& registry);

} // namespace brisat
