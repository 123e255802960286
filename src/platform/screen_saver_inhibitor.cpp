#include "platform/screen_saver_inhibitor.h"

#include <X11/Xlib.h>
#include <X11/extensions/dpms.h>
#include <X11/extensions/scrnsaver.h>

namespace brisat {
namespace {

constexpr const char* Service = "org.freedesktop.ScreenSaver";
constexpr const char* Path = "/org/freedesktop/ScreenSaver";
// A desktop that has not answered by then is not going to.
constexpr int CallTimeoutMs = 3000;

} // namespace

// The X server's part on a connection of its own, so closing it ends the suspension too.
struct TScreenSaverInhibitor::TX11 {
    Display* Connection = XOpenDisplay(nullptr);
    bool Suspended = false;
    bool DpmsWasOn = false;

    ~TX11() {
        if (Connection) XCloseDisplay(Connection);
    }
    void Inhibit() {
        if (!Connection) return;
        int event = 0, error = 0, major = 0, minor = 0;
        // Suspension came with version 1.1 of the extension.
        if (XScreenSaverQueryExtension(Connection, &event, &error) &&
            XScreenSaverQueryVersion(Connection, &major, &minor) && (major > 1 || minor >= 1)) {
            XScreenSaverSuspend(Connection, True);
            Suspended = true;
        }
        CARD16 level = 0;
        BOOL on = False;
        if (DPMSQueryExtension(Connection, &event, &error) && DPMSCapable(Connection) &&
            DPMSInfo(Connection, &level, &on) && on) {
            DPMSDisable(Connection);
            DpmsWasOn = true;
        }
        XFlush(Connection);
    }
    void Release() {
        if (!Connection) return;
        if (Suspended) XScreenSaverSuspend(Connection, False);
        if (DpmsWasOn) DPMSEnable(Connection);
        Suspended = DpmsWasOn = false;
        XFlush(Connection);
    }
};

TScreenSaverInhibitor::TScreenSaverInhibitor(std::string application)
    : m_application(std::move(application)) {}

TScreenSaverInhibitor::~TScreenSaverInhibitor() {
    Release();
    m_bus.Post([this] {
        if (m_connection) g_object_unref(m_connection);
    });
    m_bus.Flush();
}

void TScreenSaverInhibitor::Inhibit(const std::string& reason) {
    if (m_inhibited) return;
    m_inhibited = true;
    if (!m_x11) m_x11 = std::make_unique<TX11>();
    m_x11->Inhibit();
    m_bus.Post([this, reason] { DesktopInhibit(reason); });
}

void TScreenSaverInhibitor::Release() {
    if (!m_inhibited) return;
    m_inhibited = false;
    m_x11->Release();
    m_bus.Post([this] { DesktopRelease(); });
}

void TScreenSaverInhibitor::DesktopInhibit(const std::string& reason) {
    if (!m_connectTried) {
        m_connectTried = true;
        m_connection = ConnectSessionBus();
    }
    if (!m_connection) return;
    GVariant* reply = g_dbus_connection_call_sync(
        m_connection, Service, Path, Service, "Inhibit",
        g_variant_new("(ss)", m_application.c_str(), reason.c_str()), G_VARIANT_TYPE("(u)"),
        G_DBUS_CALL_FLAGS_NO_AUTO_START, CallTimeoutMs, nullptr, nullptr);
    if (!reply) return;
    g_variant_get(reply, "(u)", &m_cookie);
    g_variant_unref(reply);
    m_desktopHeld = true;
}

void TScreenSaverInhibitor::DesktopRelease() {
    if (!m_desktopHeld.exchange(false)) return;
    GVariant* reply = g_dbus_connection_call_sync(
        m_connection, Service, Path, Service, "UnInhibit", g_variant_new("(u)", m_cookie), nullptr,
        G_DBUS_CALL_FLAGS_NO_AUTO_START, CallTimeoutMs, nullptr, nullptr);
    if (reply) g_variant_unref(reply);
}

} // namespace brisat
