// The persistent classes of the plain controls (TPanel, TLabel, TSpeedButton, TButton,
// TCheckBox, TShape with TPen and TBrush, TSplitter), of TImageList and of TBitmap (its pixels
// as a PNG byte block, "Data"), with the enumerations their layouts use.
#pragma once

#include "framework/core/property.h"

namespace brisat {

class TClassRegistry;

extern const TEnumInfo PenStyleInfo;
extern const TEnumInfo BrushStyleInfo;
extern const TEnumInfo PanelBevelInfo;
extern const TEnumInfo LabelLayoutInfo;
extern const TEnumInfo ButtonLayoutInfo;
extern const TEnumInfo CheckBoxStateInfo;
extern const TEnumInfo ShapeTypeInfo;
extern const TEnumInfo ResizeStyleInfo;

// Registers the classes (after the control framework's own) once; later calls do nothing.
void RegisterBasicControlClasses();
void RegisterBasicControlClasses(TClassRegistry& registry);

} // namespace brisat
