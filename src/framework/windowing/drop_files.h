// Files and addresses dropped on the program's windows from other programs. A window that takes
// drops (WS_EX_ACCEPTFILES, set by DragAcceptFiles or at creation) receives WM_DROPFILES, WParam
// a drop handle, for drops on itself and on those of its children that take none of their own;
// drops where no window takes them are ignored. The receiver reads the drop through the handle
// and lets it go with DragFinish. GUI thread only.
#pragma once

#include "framework/core/types.h"
#include "framework/windowing/messages.h"
#include "platform/platform.h"

#include <string>
#include <vector>

namespace brisat {

using HDROP = WPARAM;

// Sets or clears WS_EX_ACCEPTFILES (as SetWindowExStyle does).
void DragAcceptFiles(HWND hwnd, bool accept);
// Lets the native window of Hwnd's top-level window take drops from other programs while that
// window or any window in it takes them; for the window table when WS_EX_ACCEPTFILES changes.
void UpdateNativeDropTarget(HWND hwnd);
// The drop's local paths and addresses in the order the source gave them; empty for a handle
// that was let go.
std::vector<std::string> DragQueryFiles(HDROP drop);
// The drop point in the client coordinates of the window that received WM_DROPFILES; false for
// a handle that was let go.
bool DragQueryPoint(HDROP drop, TPoint& point);
void DragFinish(HDROP drop);

// Turns a Drop event into WM_DROPFILES, posted to the window that takes it. False when Event is
// no drop.
bool TranslateDropEvent(const TPlatformEvent& event);

} // namespace brisat
