#include "xdnd_source.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <chrono>
#include <functional>
#include <memory>
#include <thread>

namespace brisat::test {
namespace {

using TDisplay = std::unique_ptr<Display, int (*)(Display*)>;

TDisplay OpenDisplay(const std::string& name) {
    return TDisplay(XOpenDisplay(name.empty() ? nullptr : name.c_str()), &XCloseDisplay);
}

Atom Intern(Display* d, const char* name) {
    return XInternAtom(d, name, False);
}

// The window a 32-bit window property names, 0 when it names none.
Window WindowProperty(Display* d, Window w, Atom property, Atom type) {
    Atom actual = 0;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    Window result = 0;
    if (XGetWindowProperty(d, w, property, 0, 1, False, type, &actual, &format, &count, &after,
                           &data) == Success &&
        actual == type && format == 32 && count == 1)
        result = *reinterpret_cast<Window*>(data);
    if (data) XFree(data);
    return result;
}

Window AwareWindowAt(Display* d, int x, int y) {
    const Window root = DefaultRootWindow(d);
    const Atom aware = Intern(d, "XdndAware");
    Window w = root;
    for (;;) {
        if (w != root && WindowProperty(d, w, aware, XA_ATOM)) return w;
        int cx = 0, cy = 0;
        Window child = 0;
        if (!XTranslateCoordinates(d, root, w, x, y, &cx, &cy, &child) || !child) return 0;
        w = child;
    }
}

class TDrag {
public:
    TDrag(Display* d, const TDragOffer& offer) : m_d(d), m_offer(offer) {
        m_source = XCreateSimpleWindow(d, DefaultRootWindow(d), 0, 0, 1, 1, 0, 0, 0);
        for (const std::string& type : offer.Types) m_types.push_back(Intern(d, type.c_str()));
        XChangeProperty(d, m_source, Intern(d, "XdndTypeList"), XA_ATOM, 32, PropModeReplace,
                        reinterpret_cast<const unsigned char*>(m_types.data()),
                        int(m_types.size()));
        XSetSelectionOwner(d, Intern(d, "XdndSelection"), m_source, CurrentTime);
    }
    ~TDrag() { XDestroyWindow(m_d, m_source); }

    TDragResult Run(int x, int y) {
        TDragResult result;
        const Window target = AwareWindowAt(m_d, x, y);
        if (!target) return {.Failure = "no XdndAware window at the point"};
        const Window proxy = WindowProperty(m_d, target, Intern(m_d, "XdndProxy"), XA_WINDOW);
        m_to = proxy ? proxy : target;
        m_target = target;
        long types[3] = {0, 0, 0};
        for (size_t i = 0; i < m_types.size() && i < 3; ++i) types[i] = long(m_types[i]);
        Send("XdndEnter", (5L << 24) | (m_types.size() > 3 ? 1 : 0), types[0], types[1],
             types[2]);
        Send("XdndPosition", 0, (long(x) << 16) | y, CurrentTime,
             long(Intern(m_d, "XdndActionCopy")));
        if (!WaitFor([&](const XEvent& e) {
                return IsMessage(e, "XdndStatus") && (result.Accepted = e.xclient.data.l[1] & 1,
                                                      true);
            }))
            return {.Failure = "no XdndStatus"};
        Send("XdndDrop", 0, CurrentTime, 0, 0);
        const bool finished = WaitFor([&](const XEvent& e) {
            if (e.type == SelectionRequest) Answer(e.xselectionrequest);
            if (!IsMessage(e, "XdndFinished")) return false;
            result.Finished = true;
            result.FinishedOk = e.xclient.data.l[1] & 1;
            return true;
        });
        if (!finished) result.Failure = "no XdndFinished";
        return result;
    }

private:
    void Send(const char* type, long l1, long l2, long l3, long l4) {
        XEvent e{};
        e.xclient.type = ClientMessage;
        e.xclient.window = m_target;
        e.xclient.message_type = Intern(m_d, type);
        e.xclient.format = 32;
        e.xclient.data.l[0] = long(m_source);
        e.xclient.data.l[1] = l1;
        e.xclient.data.l[2] = l2;
        e.xclient.data.l[3] = l3;
        e.xclient.data.l[4] = l4;
        XSendEvent(m_d, m_to, False, NoEventMask, &e);
        XFlush(m_d);
    }
    bool IsMessage(const XEvent& e, const char* type) {
        return e.type == ClientMessage && e.xclient.message_type == Intern(m_d, type);
    }
    // The data as the property the target asked for, in any type it asked for.
    void Answer(const XSelectionRequestEvent& request) {
        XEvent reply{};
        reply.xselection.type = SelectionNotify;
        reply.xselection.requestor = request.requestor;
        reply.xselection.selection = request.selection;
        reply.xselection.target = request.target;
        reply.xselection.time = request.time;
        reply.xselection.property = request.property;
        const int unit = m_offer.Format / 8;
        XChangeProperty(m_d, request.requestor, request.property, request.target, m_offer.Format,
                        PropModeReplace,
                        reinterpret_cast<const unsigned char*>(m_offer.Data.data()),
                        int(m_offer.Data.size()) / unit);
        XSendEvent(m_d, request.requestor, False, NoEventMask, &reply);
        XFlush(m_d);
    }
    // Reads the source's events until Done takes one; false after ten seconds.
    bool WaitFor(const std::function<bool(const XEvent&)>& done) {
        const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(10);
        while (std::chrono::steady_clock::now() < end) {
            while (XPending(m_d)) {
                XEvent e;
                XNextEvent(m_d, &e);
                if (done(e)) return true;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
        return false;
    }

    Display* m_d;
    TDragOffer m_offer;
    Window m_source = 0;
    Window m_target = 0;
    Window m_to = 0;
    std::vector<Atom> m_types;
};

} // namespace

unsigned long XdndAwareWindowAt(int x, int y, const std::string& display) {
    const TDisplay d = OpenDisplay(display);
    return d ? AwareWindowAt(d.get(), x, y) : 0;
}

TDragResult DragAndDrop(int x, int y, const TDragOffer& offer, const std::string& display) {
    const TDisplay d = OpenDisplay(display);
    if (!d) return {.Failure = "no X display"};
    TDrag drag(d.get(), offer);
    return drag.Run(x, y);
}

} // namespace brisat::test
