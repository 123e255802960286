// The skinned face shared by the edit and the combo box: the child "Frame" (else the object
// itself) in the edit's state, over the whole control with a single border or over the text's
// background enlarged outward by its margins without one; and the font taken from the child
// "Text" when the skin binds.
#pragma once

#include "framework/core/types.h"
#include "framework/widgets/control_styles.h"
#include "skin/objects/skin_object_types.h"

namespace brisat {

class TKsBitmap;
class TKsCustomEdit;
class TSeSkinObject;

// Disabled, hot (the mouse over it), focused or normal.
TSeState EditSkinState(const TKsCustomEdit& edit, bool hot);
// Control is the whole control, Background the rectangle behind the text.
void DrawEditFrame(TSeSkinObject& copy, TKsBitmap& target, const TRect& control,
                   const TRect& background, TBorderStyle border, TSeState state);
// The edit takes the font of the copy's child "Text", else of the copy.
void TakeSkinFont(TKsCustomEdit& edit, TSeSkinObject& copy);

} // namespace brisat
