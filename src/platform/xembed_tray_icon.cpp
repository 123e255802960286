#include "platform/xembed_tray_icon.h"

#include "platform/x11_quiet_errors.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <algorithm>
#include <glib-unix.h>
#include <mutex>
#include <string>
#include <vector>

namespace brisat {
namespace {

constexpr long RequestDock = 0;
constexpr unsigned long XEmbedMapped = 1;
constexpr int StartSize = 24;
// Two presses of the left button this close (server milliseconds) are a double click.
constexpr Time DoubleClickMs = 500;
// Under transparent pixels when the tray's background cannot be read.
constexpr uint32_t FallbackBackground = 0x808080;

// The picture of Images that suits a Size × Size square best: the smallest not smaller, else the
// largest; nullptr when there is none.
const TPixelImage* BestImage(const std::vector<TPixelImage>& images, int size) {
    const TPixelImage* best = nullptr;
    for (const TPixelImage& image : images) {
        if (image.Width <= 0 || image.Height <= 0 ||
            image.Pixels.size() != size_t(image.Width) * size_t(image.Height))
            continue;
        const bool fits = std::min(image.Width, image.Height) >= size;
        const bool bestFits = best && std::min(best->Width, best->Height) >= size;
        if (!best || (fits && (!bestFits || image.Width < best->Width)) ||
            (!fits && !bestFits && image.Width > best->Width))
            best = &image;
    }
    return best;
}

uint32_t Blend(uint32_t over, uint32_t under) {
    const uint32_t a = over >> 24;
    uint32_t out = 0;
    for (int shift = 0; shift < 24; shift += 8) {
        const uint32_t o = (over >> shift) & 0xFF, u = (under >> shift) & 0xFF;
        out |= ((o * a + u * (255 - a) + 127) / 255) << shift;
    }
    return out;
}

uint32_t Premultiplied(uint32_t p) {
    const uint32_t a = p >> 24;
    uint32_t out = a << 24;
    for (int shift = 0; shift < 24; shift += 8)
        out |= ((((p >> shift) & 0xFF) * a + 127) / 255) << shift;
    return out;
}

} // namespace

struct TXEmbedTrayIcon::TX11 {
    Display* Connection = nullptr;
    Window Manager = 0;
    Window Icon = 0;
    Visual* IconVisual = nullptr;
    int Depth = 0;
    bool Argb = false; // the tray composites a 32-bit visual
    Colormap Map = 0;
    GC Gc = nullptr;
    int Width = StartSize;
    int Height = StartSize;
    Time LastPress = 0;

    ~TX11() {
        if (!Connection) return;
        if (Gc) XFreeGC(Connection, Gc);
        if (Icon) XDestroyWindow(Connection, Icon);
        if (Map) XFreeColormap(Connection, Map);
        XSync(Connection, False);
        UnlistQuietDisplay(Connection);
        XCloseDisplay(Connection);
    }

    Atom Intern(const std::string& name) { return XInternAtom(Connection, name.c_str(), False); }

    // The visual the tray asks icons to use, when it is a 32-bit one.
    void ChooseVisual() {
        const int screen = DefaultScreen(Connection);
        IconVisual = DefaultVisual(Connection, screen);
        Depth = DefaultDepth(Connection, screen);
        Atom type = 0;
        int format = 0;
        unsigned long count = 0, after = 0;
        unsigned char* data = nullptr;
        if (XGetWindowProperty(Connection, Manager, Intern("_NET_SYSTEM_TRAY_VISUAL"), 0, 1, False,
                               XA_VISUALID, &type, &format, &count, &after, &data) != Success)
            return;
        if (data && count == 1 && format == 32) {
            XVisualInfo wanted{};
            wanted.visualid = VisualID(*reinterpret_cast<unsigned long*>(data));
            int found = 0;
            if (XVisualInfo* info = XGetVisualInfo(Connection, VisualIDMask, &wanted, &found)) {
                if (found > 0 && info->depth == 32) {
                    IconVisual = info->visual;
                    Depth = 32;
                    Argb = true;
                }
                XFree(info);
            }
        }
        if (data) XFree(data);
    }

    void CreateIcon() {
        const Window root = DefaultRootWindow(Connection);
        XSetWindowAttributes a{};
        unsigned long mask = CWEventMask;
        a.event_mask = ButtonPressMask | ButtonReleaseMask | ExposureMask | StructureNotifyMask;
        if (Argb) {
            Map = XCreateColormap(Connection, root, IconVisual, AllocNone);
            a.colormap = Map;
            mask |= CWColormap | CWBackPixel | CWBorderPixel;
        } else {
            a.background_pixmap = ParentRelative;
            mask |= CWBackPixmap;
        }
        Icon = XCreateWindow(Connection, root, 0, 0, unsigned(Width), unsigned(Height), 0, Depth,
                             InputOutput, IconVisual, mask, &a);
        const unsigned long info[2] = {0, XEmbedMapped};
        const Atom xembedInfo = Intern("_XEMBED_INFO");
        XChangeProperty(Connection, Icon, xembedInfo, xembedInfo, 32, PropModeReplace,
                        reinterpret_cast<const unsigned char*>(info), 2);
        Gc = XCreateGC(Connection, Icon, 0, nullptr);
    }

    void SendDock() {
        XEvent e{};
        e.xclient.type = ClientMessage;
        e.xclient.window = Manager;
        e.xclient.message_type = Intern("_NET_SYSTEM_TRAY_OPCODE");
        e.xclient.format = 32;
        e.xclient.data.l[0] = CurrentTime;
        e.xclient.data.l[1] = RequestDock;
        e.xclient.data.l[2] = long(Icon);
        XSendEvent(Connection, Manager, False, NoEventMask, &e);
        XSync(Connection, False);
    }

    // The pixels under the icon: the tray's background showing through the window.
    std::vector<uint32_t> Background() {
        std::vector<uint32_t> under(size_t(Width) * size_t(Height), FallbackBackground);
        if (Argb) {
            std::ranges::fill(under, 0);
            return under;
        }
        XClearWindow(Connection, Icon);
        XImage* image = XGetImage(Connection, Icon, 0, 0, unsigned(Width), unsigned(Height),
                                  AllPlanes, ZPixmap);
        if (!image) return under;
        for (int y = 0; y < Height; ++y)
            for (int x = 0; x < Width; ++x)
                under[size_t(y) * size_t(Width) + size_t(x)] = uint32_t(XGetPixel(image, x, y));
        XDestroyImage(image);
        return under;
    }

    void Put(std::vector<uint32_t>& pixels) {
        XImage* image = XCreateImage(Connection, IconVisual, unsigned(Depth), ZPixmap, 0,
                                     reinterpret_cast<char*>(pixels.data()), unsigned(Width),
                                     unsigned(Height), 32, 0);
        if (!image) return;
        XPutImage(Connection, Icon, Gc, image, 0, 0, 0, 0, unsigned(Width), unsigned(Height));
        image->data = nullptr; // the pixels are ours
        XDestroyImage(image);
        XFlush(Connection);
    }
};

void PrepareXEmbedErrors() {
    PrepareQuietXErrors();
}

TXEmbedTrayIcon::TXEmbedTrayIcon(TNotify notify) : m_notify(std::move(notify)) {}

TXEmbedTrayIcon::~TXEmbedTrayIcon() {
    if (m_source) {
        g_source_destroy(m_source);
        g_source_unref(m_source);
    }
}

bool TXEmbedTrayIcon::Dock(const std::vector<TPixelImage>& images) {
    m_images = images;
    Display* display = XOpenDisplay(nullptr);
    if (!display) return false;
    ListQuietDisplay(display);
    m_x = std::make_unique<TX11>();
    m_x->Connection = display;
    const std::string selection = "_NET_SYSTEM_TRAY_S" + std::to_string(DefaultScreen(display));
    m_x->Manager = XGetSelectionOwner(display, m_x->Intern(selection));
    if (!m_x->Manager) {
        m_x.reset();
        return false;
    }
    // The tray's end is seen as the destruction of its window.
    XSelectInput(display, m_x->Manager, StructureNotifyMask);
    m_x->ChooseVisual();
    m_x->CreateIcon();
    m_x->SendDock();
    m_source = g_unix_fd_source_new(ConnectionNumber(display), G_IO_IN);
    g_source_set_callback(m_source, G_SOURCE_FUNC(OnReadable), this, nullptr);
    g_source_attach(m_source, g_main_context_get_thread_default());
    ReadEvents();
    return true;
}

void TXEmbedTrayIcon::Update(const std::vector<TPixelImage>& images) {
    m_images = images;
    Paint();
}

gboolean TXEmbedTrayIcon::OnReadable(gint, GIOCondition, gpointer self) {
    static_cast<TXEmbedTrayIcon*>(self)->ReadEvents();
    return G_SOURCE_CONTINUE;
}

void TXEmbedTrayIcon::ReadEvents() {
    Display* display = m_x->Connection;
    while (XPending(display)) {
        XEvent e;
        XNextEvent(display, &e);
        if (!m_x->Icon) continue; // lost: nothing more to show
        switch (e.type) {
        case DestroyNotify:
            if (e.xdestroywindow.window == m_x->Manager || e.xdestroywindow.window == m_x->Icon)
                Lost();
            break;
        case ConfigureNotify:
            if (e.xconfigure.window == m_x->Icon) {
                m_x->Width = std::clamp(e.xconfigure.width, 1, 512);
                m_x->Height = std::clamp(e.xconfigure.height, 1, 512);
            }
            break;
        case Expose:
            if (e.xexpose.count == 0) Paint();
            break;
        case ButtonPress:
            if (e.xbutton.button != Button1) break;
            if (m_x->LastPress && e.xbutton.time - m_x->LastPress <= DoubleClickMs) {
                m_x->LastPress = 0;
                m_notify(TPlatformEventKind::TrayActivate, e.xbutton.x_root, e.xbutton.y_root);
            } else {
                m_x->LastPress = e.xbutton.time ? e.xbutton.time : 1;
            }
            break;
        case ButtonRelease:
            if (e.xbutton.button == Button3)
                m_notify(TPlatformEventKind::TrayContextMenu, e.xbutton.x_root, e.xbutton.y_root);
            break;
        default:
            break;
        }
    }
}

void TXEmbedTrayIcon::Paint() {
    if (!m_x || !m_x->Icon) return;
    const int width = m_x->Width, height = m_x->Height;
    std::vector<uint32_t> pixels = m_x->Background();
    const int size = std::min(width, height);
    if (const TPixelImage* image = BestImage(m_images, size)) {
        const int left = (width - size) / 2, top = (height - size) / 2;
        for (int y = 0; y < size; ++y)
            for (int x = 0; x < size; ++x) {
                const uint32_t p = image->At(x * image->Width / size, y * image->Height / size);
                uint32_t& out = pixels[size_t(top + y) * size_t(width) + size_t(left + x)];
                out = m_x->Argb ? Premultiplied(p) : Blend(p, out);
            }
    }
    m_x->Put(pixels);
}

void TXEmbedTrayIcon::Lost() {
    // Without its tray the window would come back as a stray window on the root.
    XDestroyWindow(m_x->Connection, m_x->Icon);
    XFlush(m_x->Connection);
    m_x->Icon = 0;
    m_notify(TPlatformEventKind::TrayLost, 0, 0);
}

} // namespace brisat
