#include "platform/x11_desktop_window.h"

#include "platform/x11_error_trap.h"

#include <SDL.h>
#include <SDL_syswm.h>
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <algorithm>
#include <initializer_list>
#include <stdexcept>
#include <vector>

namespace brisat {
namespace {

// _NET_WM_STATE client-message actions.
constexpr long StateRemove = 0, StateAdd = 1;
// Source indication of the request: a normal application.
constexpr long SourceApplication = 1;

struct TX11Window {
    Display* Connection;
    Window Id;

    Atom Intern(const char* name) const { return XInternAtom(Connection, name, False); }
    Window Root() const { return DefaultRootWindow(Connection); }
    bool Mapped() const {
        XWindowAttributes attributes;
        return XGetWindowAttributes(Connection, Id, &attributes) &&
               attributes.map_state != IsUnmapped;
    }
};

TX11Window X11WindowOf(SDL_Window* window) {
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (!window || !SDL_GetWindowWMInfo(window, &info) || info.subsystem != SDL_SYSWM_X11)
        throw std::runtime_error("The window is not an X11 window");
    return {info.info.x11.display, info.info.x11.window};
}

// The atoms of a list property (at most Limit of them), empty when it is absent.
std::vector<Atom> ReadAtoms(const TX11Window& w, Window owner, Atom property, long limit) {
    Atom type = None;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    std::vector<Atom> atoms;
    if (XGetWindowProperty(w.Connection, owner, property, 0, limit, False, XA_ATOM, &type, &format,
                           &count, &after, &data) == Success &&
        type == XA_ATOM && format == 32)
        atoms.assign(reinterpret_cast<Atom*>(data), reinterpret_cast<Atom*>(data) + count);
    if (data) XFree(data);
    return atoms;
}

void WriteAtoms(const TX11Window& w, Atom property, const std::vector<Atom>& atoms) {
    if (atoms.empty()) {
        XDeleteProperty(w.Connection, w.Id, property);
        return;
    }
    XChangeProperty(w.Connection, w.Id, property, XA_ATOM, 32, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(atoms.data()), int(atoms.size()));
}

// A mapped window asks the window manager for each change; an unmapped one writes its state
// property, which the window manager reads when the window is mapped.
void ChangeState(const TX11Window& w, std::initializer_list<const char*> add,
                 std::initializer_list<const char*> remove) {
    const Atom property = w.Intern("_NET_WM_STATE");
    if (w.Mapped()) {
        for (const auto& [names, action] :
             {std::pair{add, StateAdd}, std::pair{remove, StateRemove}})
            for (const char* name : names) {
                XEvent event{};
                event.xclient.type = ClientMessage;
                event.xclient.window = w.Id;
                event.xclient.message_type = property;
                event.xclient.format = 32;
                event.xclient.data.l[0] = action;
                event.xclient.data.l[1] = long(w.Intern(name));
                event.xclient.data.l[3] = SourceApplication;
                XSendEvent(w.Connection, w.Root(), False,
                           SubstructureRedirectMask | SubstructureNotifyMask, &event);
            }
        return;
    }
    std::vector<Atom> state = ReadAtoms(w, w.Id, property, 64);
    for (const char* name : remove)
        std::erase(state, w.Intern(name));
    for (const char* name : add)
        if (std::find(state.begin(), state.end(), w.Intern(name)) == state.end())
            state.push_back(w.Intern(name));
    WriteAtoms(w, property, state);
}

void PlaceFrameless(SDL_Window* window, const TScreenRect& monitor) {
    SDL_SetWindowBordered(window, SDL_FALSE);
    SDL_SetWindowPosition(window, monitor.Left, monitor.Top);
    SDL_SetWindowSize(window, monitor.Right - monitor.Left, monitor.Bottom - monitor.Top);
}

// The window a window-valued property names, 0 when absent.
Window ReadWindow(const TX11Window& w, Window owner, Atom property) {
    Atom type = None;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    XGetWindowProperty(w.Connection, owner, property, 0, 1, False, XA_WINDOW, &type, &format,
                       &count, &after, &data);
    const Window named =
        type == XA_WINDOW && format == 32 && count == 1 ? *reinterpret_cast<Window*>(data) : 0;
    if (data) XFree(data);
    return named;
}

// A running EWMH window manager names its check window on the root and on that window itself
// (a stale name left by one that has gone fails the second test), and lists the hints it
// supports.
bool ManagerSupports(const TX11Window& w, const char* hint) {
    const Atom checkProperty = w.Intern("_NET_SUPPORTING_WM_CHECK");
    const Window check = ReadWindow(w, w.Root(), checkProperty);
    if (!check) return false;
    TX11ErrorTrap trap(w.Connection);
    if (ReadWindow(w, check, checkProperty) != check || trap.Failed()) return false;
    const std::vector<Atom> supported = ReadAtoms(w, w.Root(), w.Intern("_NET_SUPPORTED"), 1024);
    return std::find(supported.begin(), supported.end(), w.Intern(hint)) != supported.end();
}

// Withdraws a shown window so its type and state properties are the client's to write again;
// true when it was shown.
bool Withdraw(const TX11Window& w) {
    if (!w.Mapped()) return false;
    XWithdrawWindow(w.Connection, w.Id, DefaultScreen(w.Connection));
    XSync(w.Connection, False);
    return true;
}

} // namespace

TX11WindowHints MakeDesktopWindow(SDL_Window* window, const TScreenRect& monitor) {
    const TX11Window w = X11WindowOf(window);
    // SDL waits for a window it believes shown to be viewable again after a frame change, so
    // the frame goes before the window is withdrawn.
    PlaceFrameless(window, monitor);
    const Atom typeProperty = w.Intern("_NET_WM_WINDOW_TYPE");
    const Atom stateProperty = w.Intern("_NET_WM_STATE");
    TX11WindowHints before{ReadAtoms(w, w.Id, typeProperty, 64),
                           ReadAtoms(w, w.Id, stateProperty, 64)};
    const bool shown = Withdraw(w);
    WriteAtoms(w, w.Intern("_NET_WM_WINDOW_TYPE"), {w.Intern("_NET_WM_WINDOW_TYPE_DESKTOP")});
    const long allDesktops = 0xFFFFFFFF;
    XChangeProperty(w.Connection, w.Id, w.Intern("_NET_WM_DESKTOP"), XA_CARDINAL, 32,
                    PropModeReplace, reinterpret_cast<const unsigned char*>(&allDesktops), 1);
    ChangeState(w,
                {"_NET_WM_STATE_BELOW", "_NET_WM_STATE_STICKY", "_NET_WM_STATE_SKIP_TASKBAR",
                 "_NET_WM_STATE_SKIP_PAGER"},
                {"_NET_WM_STATE_ABOVE", "_NET_WM_STATE_FULLSCREEN"});
    if (shown) XMapWindow(w.Connection, w.Id);
    XLowerWindow(w.Connection, w.Id);
    XSync(w.Connection, False);
    return before;
}

void RestoreWindowHints(SDL_Window* window, const TX11WindowHints& hints) {
    const TX11Window w = X11WindowOf(window);
    const bool shown = Withdraw(w);
    WriteAtoms(w, w.Intern("_NET_WM_WINDOW_TYPE"), hints.Type);
    WriteAtoms(w, w.Intern("_NET_WM_STATE"), hints.State);
    XDeleteProperty(w.Connection, w.Id, w.Intern("_NET_WM_DESKTOP"));
    if (shown) XMapRaised(w.Connection, w.Id);
    XSync(w.Connection, False);
}

void MakeFullScreenWindow(SDL_Window* window, const TScreenRect& monitor,
                          TFullScreenStacking stacking) {
    const bool topMost = stacking == TFullScreenStacking::TopMost;
    const TX11Window w = X11WindowOf(window);
    PlaceFrameless(window, monitor);
    if (ManagerSupports(w, "_NET_WM_STATE_FULLSCREEN")) {
        if (topMost)
            ChangeState(w, {"_NET_WM_STATE_FULLSCREEN", "_NET_WM_STATE_ABOVE"},
                        {"_NET_WM_STATE_BELOW"});
        else
            ChangeState(w, {"_NET_WM_STATE_FULLSCREEN"},
                        {"_NET_WM_STATE_ABOVE", "_NET_WM_STATE_BELOW"});
    } else if (topMost) {
        XRaiseWindow(w.Connection, w.Id);
    }
    XSync(w.Connection, False);
}

} // namespace brisat
