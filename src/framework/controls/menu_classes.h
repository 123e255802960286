// The persistent classes of the menus (TMenuItem, TMenu, TMainMenu, TPopupMenu) and the
// enumeration their layouts use.
#pragma once

#include "framework/core/property.h"

namespace brisat {

class TClassRegistry;

extern const TEnumInfo PopupAlignmentInfo;

// Registers the classes once (later calls do nothing).
void RegisterMenuClasses();
void RegisterMenuClasses(TClassRegistry& registry);

} // namespace brisat
