#include "platform/x11_compositor.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/Xfixes.h>
#include <string>

namespace brisat {

namespace {

Atom CompositorSelection(Display* display) {
    const std::string name = "_NET_WM_CM_S" + std::to_string(DefaultScreen(display));
    return XInternAtom(display, name.c_str(), False);
}

} // namespace

bool X11CompositorRunning(Display* display) {
    return XGetSelectionOwner(display, CompositorSelection(display)) != None;
}

int X11WatchCompositor(Display* display) {
    int eventBase = 0, errorBase = 0;
    if (!XFixesQueryExtension(display, &eventBase, &errorBase)) return 0;
    XFixesSelectSelectionInput(display, DefaultRootWindow(display), CompositorSelection(display),
                               XFixesSetSelectionOwnerNotifyMask |
                                   XFixesSelectionWindowDestroyNotifyMask |
                                   XFixesSelectionClientCloseNotifyMask);
    XFlush(display);
    return eventBase + XFixesSelectionNotify;
}

bool X11CompositorChanged(Display* display, const XEvent& event, int eventType) {
    if (!eventType || event.type != eventType) return false;
    const auto& change = reinterpret_cast<const XFixesSelectionNotifyEvent&>(event);
    return change.selection == CompositorSelection(display);
}

unsigned long X11AlphaVisual(Display* display) {
    XVisualInfo info;
    if (!XMatchVisualInfo(display, DefaultScreen(display), 32, TrueColor, &info)) return 0;
    const bool argb = info.red_mask == 0xFF0000 && info.green_mask == 0xFF00 &&
                      info.blue_mask == 0xFF;
    return argb ? info.visualid : 0;
}

} // namespace brisat
