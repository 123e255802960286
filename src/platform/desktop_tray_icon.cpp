#include "platform/desktop_tray_icon.h"

#include "platform/sni_tray_item.h"
#include "platform/xembed_tray_icon.h"

namespace brisat {
namespace {

constexpr const char* WatcherName = "org.kde.StatusNotifierWatcher";
constexpr int CallTimeoutMs = 3000;

// The unique name of Name's owner, "" when nobody owns it.
std::string NameOwner(GDBusConnection* connection, const char* name) {
    GVariant* reply = g_dbus_connection_call_sync(
        connection, "org.freedesktop.DBus", "/org/freedesktop/DBus", "org.freedesktop.DBus",
        "GetNameOwner", g_variant_new("(s)", name), G_VARIANT_TYPE("(s)"), G_DBUS_CALL_FLAGS_NONE,
        CallTimeoutMs, nullptr, nullptr);
    if (!reply) return {};
    const gchar* owner = nullptr;
    g_variant_get(reply, "(&s)", &owner);
    std::string result = owner;
    g_variant_unref(reply);
    return result;
}

} // namespace

TDesktopTrayIcon::TDesktopTrayIcon(uint32_t id, TPost post) : m_id(id), m_post(std::move(post)) {
    PrepareXEmbedErrors();
}

TDesktopTrayIcon::~TDesktopTrayIcon() {
    m_bus.Post([this] {
        HideOnBus();
        if (m_watch) g_bus_unwatch_name(m_watch);
        if (m_connection) {
            g_dbus_connection_close_sync(m_connection, nullptr, nullptr);
            g_object_unref(m_connection);
        }
    });
    m_bus.Flush();
}

void TDesktopTrayIcon::Show(const std::vector<TPixelImage>& images, const std::string& tip) {
    m_bus.Post([this, images, tip = TrayTip(tip)] { ShowOnBus(images, tip); });
}

void TDesktopTrayIcon::Hide() {
    m_bus.Post([this] { HideOnBus(); });
}

std::string TDesktopTrayIcon::Service() const {
    std::lock_guard lock(m_serviceMutex);
    return m_service;
}

void TDesktopTrayIcon::SetService(const std::string& service) {
    std::lock_guard lock(m_serviceMutex);
    m_service = service;
}

void TDesktopTrayIcon::ShowOnBus(const std::vector<TPixelImage>& images, const std::string& tip) {
    m_images = images;
    m_tip = tip;
    const bool placed = m_item || m_xembed;
    m_shown = true;
    if (m_item)
        m_item->Update(m_images, m_tip);
    else if (m_xembed)
        m_xembed->Update(m_images);
    if (!placed) Place();
}

void TDesktopTrayIcon::HideOnBus() {
    m_shown = false;
    m_item.reset();
    m_xembed.reset();
    m_registeredWith.clear();
    SetService({});
}

// The watcher's panels when there is a watcher, else an XEmbed tray, else nowhere: then the
// window that wanted the icon is told at once.
void TDesktopTrayIcon::Place() {
    if (!m_connectTried) {
        m_connectTried = true;
        m_connection = ConnectSessionBus();
        if (m_connection) WatchWatcher();
    }
    if (PlaceOnBus()) return;
    m_xembed = std::make_unique<TXEmbedTrayIcon>(
        [this](TPlatformEventKind kind, int32_t x, int32_t y) { Notify(kind, x, y); });
    if (m_xembed->Dock(m_images)) return;
    m_xembed.reset();
    Notify(TPlatformEventKind::TrayLost, 0, 0);
}

bool TDesktopTrayIcon::PlaceOnBus() {
    if (!m_connection) return false;
    // Asked now: the watch's first report may still be on its way.
    const std::string watcher = NameOwner(m_connection, WatcherName);
    if (watcher.empty()) return false;
    m_item =
        std::make_unique<TSniTrayItem>(m_connection, [this](TPlatformEventKind kind, int32_t x,
                                                            int32_t y) { Notify(kind, x, y); });
    m_item->Update(m_images, m_tip);
    if (!m_item->Export() || !m_item->Register()) {
        m_item.reset();
        return false;
    }
    m_registeredWith = watcher;
    SetService(m_item->Service());
    return true;
}

void TDesktopTrayIcon::WatchWatcher() {
    m_watch =
        g_bus_watch_name_on_connection(m_connection, WatcherName, G_BUS_NAME_WATCHER_FLAGS_NONE,
                                       OnWatcherAppeared, OnWatcherVanished, this, nullptr);
}

void TDesktopTrayIcon::OnWatcherAppeared(GDBusConnection*, const gchar*, const gchar* owner,
                                         gpointer self) {
    auto& icon = *static_cast<TDesktopTrayIcon*>(self);
    // A watcher that started again knows nothing of the item.
    if (icon.m_item && icon.m_registeredWith != owner && icon.m_item->Register())
        icon.m_registeredWith = owner;
}

void TDesktopTrayIcon::OnWatcherVanished(GDBusConnection*, const gchar*, gpointer self) {
    auto& icon = *static_cast<TDesktopTrayIcon*>(self);
    if (!icon.m_item || icon.m_registeredWith.empty()) return;
    icon.m_registeredWith.clear();
    icon.Notify(TPlatformEventKind::TrayLost, 0, 0);
}

void TDesktopTrayIcon::Notify(TPlatformEventKind kind, int32_t x, int32_t y) {
    TPlatformEvent event;
    event.Kind = kind;
    event.Window = m_id;
    event.ScreenX = x;
    event.ScreenY = y;
    m_post(event);
}

} // namespace brisat
