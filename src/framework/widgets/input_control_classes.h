// The persistent classes of the input controls (track bar, list box, edit, memo, combo box, the
// string lists they hold) and the enumerations their layouts use.
#pragma once

#include "framework/core/property.h"

namespace brisat {

class TClassRegistry;

extern const TEnumInfo TrackBarOrientationInfo;
extern const TEnumInfo TickMarkInfo;
extern const TEnumInfo TickStyleInfo;
extern const TEnumInfo ScrollStyleInfo;
extern const TEnumInfo ListBoxStyleInfo;
extern const TEnumInfo ComboBoxStyleInfo;

// Registers the classes once (later calls do nothing); the control classes come first.
void RegisterInputControlClasses();
void RegisterInputControlClasses(TClassRegistry& registry);

} // namespace brisat
