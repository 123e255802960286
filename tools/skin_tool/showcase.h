// brisat-skin showcase: a window holding one skinned control of each family, bound to a skin
// engine, to look at a skin on live controls. Its "Next skin" button steps through the skins in
// the first skin's folder. Each change the user makes is printed to stdout as one line
// ("volume 3000", "list 2 Three", "edit abc", "focus edit", "skin steel"), so a script can
// follow along; the controls' places ("at volume 16 75 200 24") and where to grab the track
// bars' thumbs ("thumb volume 116 88", again after each skin change) let it find what to press.
#pragma once

#include <string>

namespace brisat {

// Opens the window on the desktop and runs until it is closed; the exit code.
int RunShowcase(const std::string& skinFile);

} // namespace brisat
