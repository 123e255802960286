// The run-time state of TKsCustomForm that only its own source files share: bitmaps, the
// captured background, drag bookkeeping and the remembered caption.
#pragma once

#include "skin/bitmap/bitmap.h"
#include "skin_windows/ks_custom_form.h"
#include "skin_windows/ks_custom_popup_menu.h"
#include "skin_windows/ks_form_constraints.h"
#include "skin_windows/ks_form_outline.h"
#include "skin_windows/ks_tray_icon.h"

#include <string>

namespace brisat {

struct TKsCustomForm::TRuntime {
    // The form's own frame bitmap while Blend is on.
    TKsBitmap BlendBitmap;
    // The screen behind the window and the screen rectangle it shows.
    TKsBitmap Background;
    TRect BackgroundRect;
    // The next copy of the screen while it is being made; kept to spare an allocation a move.
    TKsBitmap Capture;
    // The window size (with shadow) the window's shape was last made for.
    TSize RegionSize;
    // Press point and last mouse point (window coordinates) and the shift state of the press.
    TPoint PressPoint;
    TPoint LastPoint;
    TShiftState Shift;
    // The outline a simple drag shows; OutlineDrag while one runs.
    TKsDragOutline Outline;
    bool OutlineDrag = false;
    std::string Caption;
    // The window's hint while the system-menu icon's hint shows.
    std::string SavedHint;
    // A window state set while loading, applied once loaded.
    std::optional<TKsWindowState> DeferredState;
    // The right-click point on the caption (screen), used once by the system menu.
    std::optional<TPoint> MenuPoint;
    bool Showing = false;
    std::unique_ptr<TKsFormConstraints> ConstraintsObject;
    // The system menu of the last opening; its items live until the next one.
    std::unique_ptr<TKsCustomPopupMenu> SystemMenu;
    // The icon in the notification area while in the tray (made when first needed).
    std::unique_ptr<TKsTrayIcon> Tray;
};

// The scratch frame bitmap every unblended form draws into: as large as the largest form asked
// for so far, rounded up to 256 pixels each way so that sizing a window rarely makes it anew.
TKsBitmap& ScratchFrameBitmap(TSize atLeast);

} // namespace brisat
