// The persistent classes of the input controls (track bar, list box, edit, memo, combo box, the
// string lists they hold) and the enumerations their layouts use.
#pragma once

#include "framework/core/property.h"

namespace brisat {

class TClassRegistry;

extern const TEnumInfo TrackBarOrientationInfo; // trHorizontal, trVertical
extern const TEnumInfo TickMarkInfo;            // tmBottomRight, tmTopLeft, tmBoth
extern const TEnumInfo TickStyleInfo;           // tsNone, tsAuto, tsManual
extern const TEnumInfo ScrollStyleInfo;         // ssNone, ssHorizontal, ssVertical, ssBoth
extern const TEnumInfo ListBoxStyleInfo;        // lbStandard, lbOwnerDrawFixed
extern const TEnumInfo ComboBoxStyleInfo;       // csDropDown, csDropDownList

// Registers the classes once (later calls do nothing); the control classes come first.
void RegisterInputControlClasses();
void RegisterInputControlClasses(TClassRegistry& registry);

} // namespace brisat
