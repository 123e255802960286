// The persistent classes of the plain controls (TPanel, TLabel, TSpeedButton, TButton,
// TCheckBox, TShape with TPen and TBrush, TSplitter), of TImageList and of TBitmap (its pixels
// as a PNG byte block, "Data"), with the enumerations their layouts use.
#pragma once

#include "framework/core/property.h"

namespace brisat {

class TClassRegistry;

extern const TEnumInfo PenStyleInfo;      // psSolid … psClear
extern const TEnumInfo BrushStyleInfo;    // bsSolid, bsClear
extern const TEnumInfo PanelBevelInfo;    // bvNone, bvLowered, bvRaised, bvSpace
extern const TEnumInfo LabelLayoutInfo;   // tlTop, tlCenter, tlBottom
extern const TEnumInfo ButtonLayoutInfo;  // blGlyphLeft … blGlyphBottom
extern const TEnumInfo CheckBoxStateInfo; // cbUnchecked, cbChecked, cbGrayed
extern const TEnumInfo ShapeTypeInfo;     // stRectangle … stCircle
extern const TEnumInfo ResizeStyleInfo;   // rsNone, rsLine, rsUpdate, rsPattern

// Registers the classes (after the control framework's own) once; later calls do nothing.
void RegisterBasicControlClasses();
void RegisterBasicControlClasses(TClassRegistry& registry);

} // namespace brisat
