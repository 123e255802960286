// Where a combo box's drop-down list opens: under the box, or above it when it would pass the
// bottom of the work area of the box's monitor; moved left when it would pass its right edge.
#pragma once

#include "framework/core/types.h"

namespace brisat {

// Box: the combo box in screen coordinates; the list is Box's width wide and Height high.
TPoint DropDownOrigin(const TRect& box, int32_t height);

} // namespace brisat
