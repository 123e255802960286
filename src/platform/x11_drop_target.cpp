#include "platform/x11_drop_target.h"

#include "platform/uri_list.h"
#include "platform/x11_quiet_errors.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <algorithm>
#include <glib-unix.h>

namespace brisat {
namespace {

constexpr long XdndVersion = 5;
// A drop's list is read in one piece of at most this many 32-bit units (1 MiB); a longer one,
// or one the source sends in increments, is refused.
constexpr long MaxListUnits = 256 * 1024;
// More types than this in a source's type list are not looked at.
constexpr long MaxTypes = 1024;

} // namespace

struct TX11DropTarget::TX11 {
    Display* Connection = nullptr;
    Window Root = 0;
    // The protocol's atoms ("XdndAware" ...), our list's type and the property it comes in.
    Atom Aware = 0, ProxyAtom = 0, EnterAtom = 0, PositionAtom = 0, StatusAtom = 0, LeaveAtom = 0,
         DropAtom = 0, FinishedAtom = 0, SelectionAtom = 0, TypeList = 0, ActionCopy = 0,
         UriList = 0, ListProperty = 0;

    Atom Intern(const char* name) const { return XInternAtom(Connection, name, False); }
    void InternAll() {
        Aware = Intern("XdndAware");
        ProxyAtom = Intern("XdndProxy");
        EnterAtom = Intern("XdndEnter");
        PositionAtom = Intern("XdndPosition");
        StatusAtom = Intern("XdndStatus");
        LeaveAtom = Intern("XdndLeave");
        DropAtom = Intern("XdndDrop");
        FinishedAtom = Intern("XdndFinished");
        SelectionAtom = Intern("XdndSelection");
        TypeList = Intern("XdndTypeList");
        ActionCopy = Intern("XdndActionCopy");
        UriList = Intern("text/uri-list");
        ListProperty = Intern("BRISAT_DROP");
    }
    // Sends a message of the protocol to the source.
    void Send(Window source, Atom type, long l0, long l1, long l2, long l3, long l4) const {
        XEvent e{};
        e.xclient.type = ClientMessage;
        e.xclient.display = Connection;
        e.xclient.window = source;
        e.xclient.message_type = type;
        e.xclient.format = 32;
        e.xclient.data.l[0] = l0;
        e.xclient.data.l[1] = l1;
        e.xclient.data.l[2] = l2;
        e.xclient.data.l[3] = l3;
        e.xclient.data.l[4] = l4;
        XSendEvent(Connection, source, False, NoEventMask, &e);
        XFlush(Connection);
    }
    // Whether the source's list of up to three types, or its type list property, holds Type.
    bool Offers(const XClientMessageEvent& enter, Atom type) const {
        if (!(enter.data.l[1] & 1))
            return std::find(enter.data.l + 2, enter.data.l + 5, long(type)) != enter.data.l + 5;
        Atom actual = 0;
        int format = 0;
        unsigned long count = 0, after = 0;
        unsigned char* data = nullptr;
        if (XGetWindowProperty(Connection, Window(enter.data.l[0]), TypeList, 0, MaxTypes, False,
                               XA_ATOM, &actual, &format, &count, &after, &data) != Success)
            return false;
        bool found = false;
        if (actual == XA_ATOM && format == 32) {
            const auto* atoms = reinterpret_cast<const Atom*>(data);
            found = std::find(atoms, atoms + count, type) != atoms + count;
        }
        if (data) XFree(data);
        return found;
    }
};

// The drag over one of our windows, from its XdndEnter to its XdndFinished.
struct TX11DropTarget::TDrag {
    Window Source = 0;
    Window Target = 0; // our window under the pointer
    uint32_t Id = 0;
    Window Proxy = 0;
    bool Offered = false; // the source offers text/uri-list
    int32_t RootX = 0, RootY = 0;
    bool Dropped = false; // the list was asked for
};

TX11DropTarget::TX11DropTarget(TPost post) : m_post(std::move(post)) {
    PrepareQuietXErrors();
    m_thread.Post([this] { Open(); });
}

TX11DropTarget::~TX11DropTarget() {
    m_thread.Post([this] { Close(); });
    m_thread.Flush();
}

void TX11DropTarget::Accept(uint32_t id, unsigned long xWindow, bool take) {
    m_thread.Post([this, id, xWindow, take] {
        if (take)
            Take(id, xWindow);
        else
            Release(xWindow);
    });
}

void TX11DropTarget::Open() {
    Display* display = XOpenDisplay(nullptr);
    if (!display) return;
    ListQuietDisplay(display);
    m_x = std::make_unique<TX11>();
    m_x->Connection = display;
    m_x->Root = DefaultRootWindow(display);
    m_x->InternAll();
    m_source = g_unix_fd_source_new(ConnectionNumber(display), G_IO_IN);
    g_source_set_callback(m_source, G_SOURCE_FUNC(OnReadable), this, nullptr);
    g_source_attach(m_source, g_main_context_get_thread_default());
}

void TX11DropTarget::Close() {
    if (!m_x) return;
    while (!m_windows.empty()) Release(m_windows.begin()->first);
    g_source_destroy(m_source);
    g_source_unref(m_source);
    // The errors of the releases come back now, while the connection's errors are still quiet,
    // not in the closing's own round trip after it.
    XSync(m_x->Connection, False);
    UnlistQuietDisplay(m_x->Connection);
    XCloseDisplay(m_x->Connection);
    m_x.reset();
}

// The window names the proxy, which names itself, as the protocol asks of a proxy.
void TX11DropTarget::Take(uint32_t id, unsigned long xWindow) {
    if (!m_x || m_windows.contains(xWindow)) return;
    Display* d = m_x->Connection;
    const Window proxy = XCreateWindow(d, m_x->Root, -1, -1, 1, 1, 0, CopyFromParent, InputOnly,
                                       CopyFromParent, 0, nullptr);
    const long version = XdndVersion;
    for (const Window w : {Window(xWindow), proxy}) {
        XChangeProperty(d, w, m_x->Aware, XA_ATOM, 32, PropModeReplace,
                        reinterpret_cast<const unsigned char*>(&version), 1);
        XChangeProperty(d, w, m_x->ProxyAtom, XA_WINDOW, 32, PropModeReplace,
                        reinterpret_cast<const unsigned char*>(&proxy), 1);
    }
    XFlush(d);
    m_windows[xWindow] = {id, proxy};
}

void TX11DropTarget::Release(unsigned long xWindow) {
    const auto it = m_windows.find(xWindow);
    if (!m_x || it == m_windows.end()) return;
    Display* d = m_x->Connection;
    // The window may be gone already; the errors are quiet.
    XDeleteProperty(d, xWindow, m_x->Aware);
    XDeleteProperty(d, xWindow, m_x->ProxyAtom);
    XDestroyWindow(d, it->second.second);
    XFlush(d);
    if (m_drag && m_drag->Target == xWindow) m_drag.reset();
    m_windows.erase(it);
}

gboolean TX11DropTarget::OnReadable(gint, GIOCondition, gpointer self) {
    static_cast<TX11DropTarget*>(self)->ReadEvents();
    return G_SOURCE_CONTINUE;
}

void TX11DropTarget::ReadEvents() {
    Display* d = m_x->Connection;
    while (XPending(d)) {
        XEvent e;
        XNextEvent(d, &e);
        if (e.type == SelectionNotify && m_drag && m_drag->Dropped &&
            e.xselection.requestor == m_drag->Proxy && e.xselection.selection == m_x->SelectionAtom) {
            Converted(e.xselection.property);
            continue;
        }
        if (e.type != ClientMessage || e.xclient.format != 32) continue;
        const Atom type = e.xclient.message_type;
        const bool fromSource = m_drag && Window(e.xclient.data.l[0]) == m_drag->Source;
        if (type == m_x->EnterAtom)
            Enter(e);
        else if (type == m_x->PositionAtom)
            Position(e);
        else if (type == m_x->DropAtom)
            Drop(e);
        else if (type == m_x->LeaveAtom && fromSource && !m_drag->Dropped)
            m_drag.reset();
    }
}

void TX11DropTarget::Enter(const XEvent& event) {
    const XClientMessageEvent& m = event.xclient;
    const auto window = m_windows.find(m.window);
    if (window == m_windows.end()) return;
    m_drag = std::make_unique<TDrag>();
    m_drag->Source = Window(m.data.l[0]);
    m_drag->Target = m.window;
    m_drag->Id = window->second.first;
    m_drag->Proxy = window->second.second;
    m_drag->Offered = m_x->Offers(m, m_x->UriList);
}

// Answers every position: a list of URIs is taken as a copy anywhere on the window.
void TX11DropTarget::Position(const XEvent& event) {
    const XClientMessageEvent& m = event.xclient;
    const Window source = Window(m.data.l[0]);
    const bool ours = m_drag && m_drag->Source == source && m_drag->Target == m.window;
    if (ours) {
        m_drag->RootX = int32_t((m.data.l[2] >> 16) & 0xFFFF);
        m_drag->RootY = int32_t(m.data.l[2] & 0xFFFF);
    }
    const bool accept = ours && m_drag->Offered && !m_drag->Dropped;
    // Bit 1: send a position at every move; no rectangle to spare them.
    m_x->Send(source, m_x->StatusAtom, long(m.window), (accept ? 1 : 0) | 2, 0, 0,
              accept ? long(m_x->ActionCopy) : 0);
}

void TX11DropTarget::Drop(const XEvent& event) {
    const XClientMessageEvent& m = event.xclient;
    const Window source = Window(m.data.l[0]);
    if (!m_drag || m_drag->Source != source || m_drag->Target != m.window || !m_drag->Offered ||
        m_drag->Dropped) {
        m_x->Send(source, m_x->FinishedAtom, long(m.window), 0, 0, 0, 0);
        return;
    }
    m_drag->Dropped = true;
    XConvertSelection(m_x->Connection, m_x->SelectionAtom, m_x->UriList, m_x->ListProperty,
                      m_drag->Proxy, Time(m.data.l[2]));
    XFlush(m_x->Connection);
}

// The source's list, read and parsed; a drop that names nothing usable is refused.
void TX11DropTarget::Converted(unsigned long property) {
    std::vector<std::string> files;
    Atom type = 0;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    if (property != None &&
        XGetWindowProperty(m_x->Connection, m_drag->Proxy, property, 0, MaxListUnits, True,
                           AnyPropertyType, &type, &format, &count, &after, &data) == Success &&
        type == m_x->UriList && format == 8 && after == 0 && data)
        files = ParseUriList({reinterpret_cast<const char*>(data), count});
    if (data) XFree(data);
    const bool accepted = !files.empty();
    if (accepted) {
        TPlatformEvent e;
        e.Kind = TPlatformEventKind::Drop;
        e.Window = m_drag->Id;
        e.ScreenX = m_drag->RootX;
        e.ScreenY = m_drag->RootY;
        Window child = 0;
        XTranslateCoordinates(m_x->Connection, m_x->Root, m_drag->Target, e.ScreenX, e.ScreenY,
                              &e.X, &e.Y, &child);
        e.Files = std::move(files);
        m_post(e);
    }
    Finish(accepted);
}

void TX11DropTarget::Finish(bool accepted) {
    m_x->Send(m_drag->Source, m_x->FinishedAtom, long(m_drag->Target), accepted ? 1 : 0,
              accepted ? long(m_x->ActionCopy) : 0, 0, 0);
    m_drag.reset();
}

} // namespace brisat
