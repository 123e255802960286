// The persistent classes of the control framework (TControl, TGraphicControl, TWinControl,
// TCustomControl, TCustomForm, TForm, TTimer) and the enumerations their layouts use.
#pragma once

#include "framework/core/property.h"

namespace brisat {

class TClassRegistry;

extern const TEnumInfo AlignInfo;           // alNone … alCustom
extern const TEnumInfo AnchorsInfo;         // akLeft, akTop, akRight, akBottom
extern const TEnumInfo FormBorderStyleInfo; // bsNone … bsSizeToolWin
extern const TEnumInfo BorderIconsInfo;     // biSystemMenu, biMinimize, biMaximize, biHelp
extern const TEnumInfo PositionInfo;        // poDesigned … poOwnerFormCenter
extern const TEnumInfo FormStyleInfo;       // fsNormal, fsMDIChild, fsMDIForm, fsStayOnTop
extern const TEnumInfo WindowStateInfo;     // wsNormal, wsMinimized, wsMaximized

// Registers the classes once (later calls do nothing).
void RegisterControlClasses();
void RegisterControlClasses(TClassRegistry& registry);

} // namespace brisat
