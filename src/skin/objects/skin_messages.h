// The messages between skin objects and the windows they are bound to.
#pragma once

#include "framework/windowing/messages.h"

namespace brisat {

// A skin object asks its control to repaint the part it draws; LParam is the object
// (TSeSkinObject*), or 0 for the whole control.
inline constexpr UINT SM_SKINOBJECTREPAINT = 2121;
// Asks a window for its skinned form; the answer is an ISkinnedForm* as LRESULT, or 0.
inline constexpr UINT SM_GETSKINNEDFORM = 2122;

} // namespace brisat
