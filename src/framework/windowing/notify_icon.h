// Icons in the desktop's notification area, owned by windows: an icon is named by its owner
// window and an id of the owner's choosing, and what the user does with it arrives at the owner
// as the icon's callback message, WParam the id and LParam what happened: WM_LBUTTONDBLCLK (the
// icon was activated), WM_RBUTTONUP (its menu was asked for, at the cursor) or NIN_TRAYLOST (the
// notification area went away, or there is none, while the icon was shown). GUI thread only.
#pragma once

#include "framework/windowing/messages.h"
#include "platform/pixel_image.h"
#include "platform/platform.h"

#include <string>
#include <vector>

namespace brisat {

inline constexpr UINT NIM_ADD = 0, NIM_MODIFY = 1, NIM_DELETE = 2;
// Which fields of TNotifyIconData a call sets.
inline constexpr UINT NIF_MESSAGE = 1, NIF_ICON = 2, NIF_TIP = 4;
// The callback's LParam when the notification area is lost.
inline constexpr LPARAM NIN_TRAYLOST = WM_USER + 0x40;

struct TNotifyIconData {
    HWND Wnd = 0;
    UINT ID = 0;
    UINT Flags = 0; // NIF_ bits
    UINT CallbackMessage = 0;
    // One picture in several sizes, 0xAARRGGBB with straight alpha.
    std::vector<TPixelImage> Icon;
    std::string Tip; // its first 63 characters are kept
};

// Adds, changes or deletes the icon named by Data.Wnd and Data.ID. False when an icon to add is
// there already, or one to change or delete is not.
bool ShellNotifyIcon(UINT message, const TNotifyIconData& data);

// Turns a tray icon's platform event into its callback message, posted to the owner. False when
// Event is no tray icon's.
bool TranslateTrayEvent(const TPlatformEvent& event);

} // namespace brisat
