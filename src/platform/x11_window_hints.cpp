#include "platform/x11_window_hints.h"

#include "platform/x11_error_trap.h"
#include "platform/x11_image.h"

#include <SDL.h>
#include <SDL_syswm.h>
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/extensions/shape.h>
#include <algorithm>
#include <stdexcept>

namespace brisat {

namespace {

struct TX11Handle {
    Display* Connection = nullptr;
    Window Id = 0;
};

TX11Handle HandleOf(SDL_Window* window) {
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (!SDL_GetWindowWMInfo(window, &info) || info.subsystem != SDL_SYSWM_X11) return {};
    return {info.info.x11.display, info.info.x11.window};
}

Atom AtomNamed(Display* display, const char* name) {
    return XInternAtom(display, name, False);
}

// A window manager that follows the freedesktop conventions announces itself on the root.
bool HasWindowManager(Display* display) {
    Atom type = None;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    const Atom check = AtomNamed(display, "_NET_SUPPORTING_WM_CHECK");
    XGetWindowProperty(display, DefaultRootWindow(display), check, 0, 1, False, XA_WINDOW, &type,
                       &format, &count, &after, &data);
    if (data) XFree(data);
    return type == XA_WINDOW && count == 1;
}

void Activate(Display* display, Window window) {
    if (HasWindowManager(display)) {
        XEvent e{};
        e.xclient.type = ClientMessage;
        e.xclient.window = window;
        e.xclient.message_type = AtomNamed(display, "_NET_ACTIVE_WINDOW");
        e.xclient.format = 32;
        e.xclient.data.l[0] = 1; // a request from an application
        e.xclient.data.l[1] = CurrentTime;
        XSendEvent(display, DefaultRootWindow(display), False,
                   SubstructureRedirectMask | SubstructureNotifyMask, &e);
        return;
    }
    // Without a window manager the map is done once the server has the request; the focus
    // can then be set directly.
    XSync(display, False);
    TX11ErrorTrap trap(display);
    XSetInputFocus(display, window, RevertToParent, CurrentTime);
}

// Stacks the window just under Sibling; false when X refused (as when a window
// manager has put either into a frame of its own, so they are no longer siblings).
bool StackUnder(const TX11Handle& x, SDL_Window* sibling) {
    const TX11Handle over = HandleOf(sibling);
    if (!over.Connection) return false;
    XWindowChanges changes{};
    changes.sibling = over.Id;
    changes.stack_mode = Below;
    TX11ErrorTrap trap(x.Connection);
    XConfigureWindow(x.Connection, x.Id, CWSibling | CWStackMode, &changes);
    return !trap.Failed();
}

} // namespace

void SetX11WindowShape(SDL_Window* window, const std::vector<TScreenRect>& rects) {
    const TX11Handle x = HandleOf(window);
    if (!x.Connection) return;
    if (rects.empty()) {
        XShapeCombineMask(x.Connection, x.Id, ShapeBounding, 0, 0, None, ShapeSet);
        XFlush(x.Connection);
        return;
    }
    std::vector<XRectangle> boxes;
    boxes.reserve(rects.size());
    for (const TScreenRect& r : rects) {
        const int32_t left = std::clamp(r.Left, -32768, 32767);
        const int32_t top = std::clamp(r.Top, -32768, 32767);
        const int32_t right = std::clamp(r.Right, left, left + 65535);
        const int32_t bottom = std::clamp(r.Bottom, top, top + 65535);
        if (right > left && bottom > top)
            boxes.push_back({short(left), short(top), static_cast<unsigned short>(right - left),
                             static_cast<unsigned short>(bottom - top)});
    }
    XShapeCombineRectangles(x.Connection, x.Id, ShapeBounding, 0, 0, boxes.data(),
                            int(boxes.size()), ShapeSet, Unsorted);
    XFlush(x.Connection);
}

void MarkX11Transient(SDL_Window* window, const char* windowType) {
    const TX11Handle x = HandleOf(window);
    if (!x.Connection) return;
    XSetWindowAttributes attributes{};
    attributes.override_redirect = True;
    XChangeWindowAttributes(x.Connection, x.Id, CWOverrideRedirect, &attributes);
    const Atom type = AtomNamed(x.Connection, windowType);
    XChangeProperty(x.Connection, x.Id, AtomNamed(x.Connection, "_NET_WM_WINDOW_TYPE"), XA_ATOM, 32,
                    PropModeReplace, reinterpret_cast<const unsigned char*>(&type), 1);
    XFlush(x.Connection);
}

bool ShowX11Window(SDL_Window* window, TX11Activation activation, SDL_Window* under) {
    const TX11Handle x = HandleOf(window);
    if (!x.Connection) return false;
    // A user time of 0 tells the window manager that the window must not take the focus.
    const Atom userTime = AtomNamed(x.Connection, "_NET_WM_USER_TIME");
    if (activation == TX11Activation::Leave) {
        const long zero = 0;
        XChangeProperty(x.Connection, x.Id, userTime, XA_CARDINAL, 32, PropModeReplace,
                        reinterpret_cast<const unsigned char*>(&zero), 1);
    } else {
        XDeleteProperty(x.Connection, x.Id, userTime);
    }
    const bool placed = under && StackUnder(x, under);
    if (placed)
        XMapWindow(x.Connection, x.Id);
    else
        XMapRaised(x.Connection, x.Id);
    if (activation == TX11Activation::Activate) Activate(x.Connection, x.Id);
    XFlush(x.Connection);
    return placed;
}

void HideX11Window(SDL_Window* window) {
    const TX11Handle x = HandleOf(window);
    if (!x.Connection) return;
    XWithdrawWindow(x.Connection, x.Id, DefaultScreen(x.Connection));
    XFlush(x.Connection);
}

void FocusClickedX11Window(SDL_Window* window) {
    const TX11Handle x = HandleOf(window);
    if (!x.Connection || HasWindowManager(x.Connection)) return;
    TX11ErrorTrap trap(x.Connection);
    XSetInputFocus(x.Connection, x.Id, RevertToParent, CurrentTime);
}

void RaiseX11Window(SDL_Window* window) {
    const TX11Handle x = HandleOf(window);
    if (!x.Connection) return;
    XRaiseWindow(x.Connection, x.Id);
    XFlush(x.Connection);
}

void LowerX11Window(SDL_Window* window) {
    const TX11Handle x = HandleOf(window);
    if (!x.Connection) return;
    XLowerWindow(x.Connection, x.Id);
    XFlush(x.Connection);
}

bool GrabX11Pointer(SDL_Window* window) {
    const TX11Handle x = HandleOf(window);
    if (!x.Connection) return false;
    const unsigned mask =
        ButtonPressMask | ButtonReleaseMask | PointerMotionMask | EnterWindowMask | LeaveWindowMask;
    return XGrabPointer(x.Connection, x.Id, True, mask, GrabModeAsync, GrabModeAsync, None, None,
                        CurrentTime) == GrabSuccess;
}

void UngrabX11Pointer(SDL_Window* window) {
    const TX11Handle x = HandleOf(window);
    if (!x.Connection) return;
    XUngrabPointer(x.Connection, CurrentTime);
    XFlush(x.Connection);
}

std::optional<TScreenRect> X11WindowScreenBounds(SDL_Window* window) {
    const TX11Handle x = HandleOf(window);
    if (!x.Connection) return std::nullopt;
    TX11ErrorTrap gone(x.Connection);
    XWindowAttributes attributes;
    if (!XGetWindowAttributes(x.Connection, x.Id, &attributes)) return std::nullopt;
    int rootX = 0, rootY = 0;
    Window child = 0;
    if (!XTranslateCoordinates(x.Connection, x.Id, attributes.root, 0, 0, &rootX, &rootY, &child))
        return std::nullopt;
    return TScreenRect{rootX, rootY, rootX + attributes.width, rootY + attributes.height};
}

TCapturedPixels ReadX11WindowPixels(SDL_Window* window, int32_t width, int32_t height) {
    const TX11Handle x = HandleOf(window);
    if (!x.Connection) throw std::runtime_error("The window is not an X11 window");
    XWindowAttributes attributes;
    if (!XGetWindowAttributes(x.Connection, x.Id, &attributes) ||
        attributes.map_state != IsViewable)
        throw std::runtime_error("Cannot read a window that is not shown");
    int rootX = 0, rootY = 0;
    Window child = 0;
    XTranslateCoordinates(x.Connection, x.Id, attributes.root, 0, 0, &rootX, &rootY, &child);
    TCapturedPixels shot{width, height, std::vector<uint32_t>(size_t(width) * size_t(height), 0)};
    // Only the part on the screen can be read.
    const int screenWidth = WidthOfScreen(attributes.screen);
    const int screenHeight = HeightOfScreen(attributes.screen);
    const TScreenRect area{std::max(0, -rootX), std::max(0, -rootY),
                           std::min(width, screenWidth - rootX),
                           std::min(height, screenHeight - rootY)};
    if (area.Left >= area.Right || area.Top >= area.Bottom) return shot;
    uint32_t* first = shot.Pixels.data() + size_t(area.Top) * size_t(width) + size_t(area.Left);
    if (!ReadX11Area(x.Connection, x.Id, area, first, width))
        throw std::runtime_error("Cannot read the window's pixels");
    return shot;
}

} // namespace brisat
