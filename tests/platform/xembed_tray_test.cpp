// The tray icon where no StatusNotifierWatcher runs: docked in an XEmbed system tray of the
// test's own on Xvfb (it owns the tray selection and takes the dock request), painted with the
// picture that suits its size, clicks become events, and the tray's end gives TrayLost.
#include "platform/desktop_tray_icon.h"
#include "session_bus.h"
#include "xvfb_display.h"

// Google Test before Xlib, whose macros (None, Bool) clash with its names.
// clang-format off
#include <gtest/gtest.h>
// clang-format on

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <chrono>
#include <mutex>
#include <thread>

using namespace brisat;

namespace {

// Waits (the test's own loop) until Done holds or ten seconds pass; returns Done().
template <class TDone> bool WaitFor(TDone done) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (!done() && std::chrono::steady_clock::now() < end)
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    return done();
}

// A system tray: owns _NET_SYSTEM_TRAY_S0 with a window of its own and embeds what docks.
class TTestTray {
public:
    TTestTray() : m_display(XOpenDisplay(nullptr)) {
        const Window root = DefaultRootWindow(m_display);
        Manager = XCreateSimpleWindow(m_display, root, 0, 0, 100, 40, 0, 0, 0x202020);
        XMapWindow(m_display, Manager);
        XSetSelectionOwner(m_display, XInternAtom(m_display, "_NET_SYSTEM_TRAY_S0", False), Manager,
                           CurrentTime);
        XSync(m_display, False);
    }
    ~TTestTray() { XCloseDisplay(m_display); }

    // The window asked to dock, 0 when none asked in time.
    Window TakeDock() {
        const Atom opcode = XInternAtom(m_display, "_NET_SYSTEM_TRAY_OPCODE", False);
        Window docked = 0;
        WaitFor([&] {
            while (XPending(m_display)) {
                XEvent e;
                XNextEvent(m_display, &e);
                if (e.type == ClientMessage && e.xclient.message_type == opcode &&
                    e.xclient.data.l[1] == 0)
                    docked = Window(e.xclient.data.l[2]);
            }
            return docked != 0;
        });
        return docked;
    }
    // Whether Icon says, as XEmbed wants, that it is to be mapped.
    bool WantsMapping(Window icon) {
        const Atom info = XInternAtom(m_display, "_XEMBED_INFO", False);
        Atom type = 0;
        int format = 0;
        unsigned long count = 0, after = 0;
        unsigned char* data = nullptr;
        XGetWindowProperty(m_display, icon, info, 0, 2, False, info, &type, &format, &count, &after,
                           &data);
        const bool mapped = data && count == 2 && (reinterpret_cast<long*>(data)[1] & 1);
        if (data) XFree(data);
        return mapped;
    }
    void Embed(Window icon) {
        XReparentWindow(m_display, icon, Manager, 4, 4);
        XMapWindow(m_display, icon);
        XSync(m_display, False);
    }
    uint32_t Pixel(Window icon, int x, int y) {
        XImage* image = XGetImage(m_display, icon, x, y, 1, 1, AllPlanes, ZPixmap);
        if (!image) return 0xDEADBEEF;
        const auto pixel = uint32_t(XGetPixel(image, 0, 0)) & 0xFFFFFF;
        XDestroyImage(image);
        return pixel;
    }
    void Button(Window icon, int type, unsigned button, Time time) {
        XEvent e{};
        e.xbutton.type = type;
        e.xbutton.window = icon;
        e.xbutton.button = button;
        e.xbutton.time = time;
        e.xbutton.x_root = 50;
        e.xbutton.y_root = 60;
        XSendEvent(m_display, icon, False,
                   type == ButtonPress ? ButtonPressMask : ButtonReleaseMask, &e);
        XSync(m_display, False);
    }
    void Quit() {
        XDestroyWindow(m_display, Manager);
        XSync(m_display, False);
    }

    Window Manager = 0;

private:
    Display* m_display;
};

class TEventLog {
public:
    void Add(const TPlatformEvent& e) {
        std::lock_guard lock(m_mutex);
        m_kinds.push_back(e.Kind);
    }
    std::vector<TPlatformEventKind> Kinds() {
        std::lock_guard lock(m_mutex);
        return m_kinds;
    }

private:
    std::mutex m_mutex;
    std::vector<TPlatformEventKind> m_kinds;
};

TPixelImage Plain(int32_t size, uint32_t argb) {
    return {size, size, std::vector<uint32_t>(size_t(size * size), argb)};
}

TEST(XEmbedTrayTest, TheIconDocksPaintsTakesClicksAndReportsTheTraysEnd) {
    const std::string display = test::EnsureTestDisplay();
    if (!display.empty()) GTEST_SKIP() << display;
    test::TNoSessionBus noBus;
    TTestTray tray;
    TEventLog events;
    TDesktopTrayIcon icon(3, [&](const TPlatformEvent& e) { events.Add(e); });
    // The icon starts at 24 pixels: the 32-pixel picture suits it, the 16-pixel one does not.
    icon.Show({Plain(16, 0xFFFF0000), Plain(32, 0xFF00FF00), Plain(64, 0xFF0000FF)}, "Player");
    const Window docked = tray.TakeDock();
    ASSERT_NE(docked, 0u);
    EXPECT_TRUE(tray.WantsMapping(docked));
    tray.Embed(docked);
    EXPECT_TRUE(WaitFor([&] { return tray.Pixel(docked, 12, 12) == 0x00FF00; }))
        << std::hex << tray.Pixel(docked, 12, 12);

    using K = TPlatformEventKind;
    tray.Button(docked, ButtonPress, Button1, 1000);
    tray.Button(docked, ButtonPress, Button1, 3000); // too late for a double click
    tray.Button(docked, ButtonPress, Button1, 3200);
    EXPECT_TRUE(WaitFor([&] { return events.Kinds() == std::vector<K>{K::TrayActivate}; }));
    tray.Button(docked, ButtonRelease, Button3, 3500);
    EXPECT_TRUE(WaitFor([&] {
        return events.Kinds() == std::vector<K>{K::TrayActivate, K::TrayContextMenu};
    }));

    tray.Quit();
    EXPECT_TRUE(WaitFor([&] {
        return events.Kinds() == std::vector<K>{K::TrayActivate, K::TrayContextMenu, K::TrayLost};
    }));
    icon.Flush();
    EXPECT_EQ(icon.Service(), "");
}

} // namespace
