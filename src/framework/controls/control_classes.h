// The persistent classes of the control framework (TControl, TGraphicControl, TWinControl,
// TCustomControl, TCustomForm, TForm, TTimer) and the enumerations their layouts use.
#pragma once

#include "framework/core/property.h"

namespace brisat {

class TClassRegistry;

extern const TEnumInfo AlignInfo;
extern const TEnumInfo AnchorsInfo;
extern const TEnumInfo FormBorderStyleInfo;
extern const TEnumInfo BorderIconsInfo;
extern const TEnumInfo PositionInfo;
extern const TEnumInfo FormStyleInfo;
extern const TEnumInfo WindowStateInfo;

// Registers the classes once (later calls do nothing).
void RegisterControlClasses();
void RegisterControlClasses(TClassRegistry& registry);

} // namespace brisat
