// brisat-skin window: a window whose frame a skinned form draws from a shipped skin (or the plain
// frame), with a few skinned controls inside and a skinned popup menu on a right click in the
// client (with Ctrl held, its translucent variant). What happens goes to stdout, one line each,
// so a script can follow: "at NAME X Y W H" for each caption button and the client ("client"),
// from the window's top-left corner, again after every state change; "state N" when the window
// state changes (N as TKsWindowState counts); "bounds X Y W H" after the window moved or was
// sized; "click CAPTION" when a menu item was clicked.
#pragma once

#include <string>

namespace brisat {

// Opens the window on the desktop with SkinFile (empty: the plain frame) and runs until it is
// closed; the exit code.
int RunSkinWindow(const std::string& skinFile);

} // namespace brisat
