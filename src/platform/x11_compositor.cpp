#include "platform/x11_compositor.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <string>

namespace brisat {

bool X11CompositorRunning(Display* display) {
    const std::string name = "_NET_WM_CM_S" + std::to_string(DefaultScreen(display));
    const Atom selection = XInternAtom(display, name.c_str(), False);
    return XGetSelectionOwner(display, selection) != None;
}

unsigned long X11AlphaVisual(Display* display) {
    XVisualInfo info;
    if (!XMatchVisualInfo(display, DefaultScreen(display), 32, TrueColor, &info)) return 0;
    const bool argb = info.red_mask == 0xFF0000 && info.green_mask == 0xFF00 &&
                      info.blue_mask == 0xFF;
    return argb ? info.visualid : 0;
}

} // namespace brisat
