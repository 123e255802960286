#include "platform/sni_tray_item.h"

#include "platform/gio_thread.h"

#include <atomic>
#include <unistd.h>

namespace brisat {
namespace {

constexpr const char* ItemInterface = "org.kde.StatusNotifierItem";
constexpr const char* ItemPath = "/StatusNotifierItem";
constexpr const char* WatcherName = "org.kde.StatusNotifierWatcher";
constexpr const char* WatcherPath = "/StatusNotifierWatcher";
// A watcher that has not answered by then is not going to.
constexpr int CallTimeoutMs = 3000;

constexpr const char* Introspection = R"xml(<node>
  <interface name="org.kde.StatusNotifierItem">
    <property name="Category" type="s" access="read"/>
    <property name="Id" type="s" access="read"/>
    <property name="Title" type="s" access="read"/>
    <property name="Status" type="s" access="read"/>
    <property name="IconName" type="s" access="read"/>
    <property name="IconPixmap" type="a(iiay)" access="read"/>
    <property name="ToolTip" type="(sa(iiay)ss)" access="read"/>
    <property name="ItemIsMenu" type="b" access="read"/>
    <method name="Activate"><arg type="i" direction="in"/><arg type="i" direction="in"/></method>
    <method name="SecondaryActivate">
      <arg type="i" direction="in"/><arg type="i" direction="in"/></method>
    <method name="ContextMenu"><arg type="i" direction="in"/><arg type="i" direction="in"/></method>
    <method name="Scroll"><arg type="i" direction="in"/><arg type="s" direction="in"/></method>
    <signal name="NewTitle"/>
    <signal name="NewIcon"/>
    <signal name="NewToolTip"/>
    <signal name="NewStatus"><arg type="s"/></signal>
  </interface></node>)xml";

std::atomic<unsigned> g_nextItem = 1;

// The pictures as the protocol wants them: width, height and ARGB32 in network byte order.
GVariant* PixmapsVariant(const std::vector<TPixelImage>& images) {
    GVariantBuilder pixmaps;
    g_variant_builder_init(&pixmaps, G_VARIANT_TYPE("a(iiay)"));
    for (const TPixelImage& image : images) {
        if (image.Width <= 0 || image.Height <= 0 ||
            image.Pixels.size() != size_t(image.Width) * size_t(image.Height))
            continue;
        std::vector<uint8_t> bytes;
        bytes.reserve(image.Pixels.size() * 4);
        for (const uint32_t p : image.Pixels)
            bytes.insert(bytes.end(),
                         {uint8_t(p >> 24), uint8_t(p >> 16), uint8_t(p >> 8), uint8_t(p)});
        g_variant_builder_add(
            &pixmaps, "(ii@ay)", image.Width, image.Height,
            g_variant_new_fixed_array(G_VARIANT_TYPE_BYTE, bytes.data(), bytes.size(), 1));
    }
    return g_variant_builder_end(&pixmaps);
}

std::string ProgramId() {
    const gchar* name = g_get_prgname();
    return name ? name : "brisat";
}

} // namespace

TSniTrayItem::TSniTrayItem(GDBusConnection* connection, TNotify notify)
    : m_connection(G_DBUS_CONNECTION(g_object_ref(connection))), m_notify(std::move(notify)) {}

TSniTrayItem::~TSniTrayItem() {
    if (m_registration) g_dbus_connection_unregister_object(m_connection, m_registration);
    if (!m_service.empty()) {
        GVariant* reply = g_dbus_connection_call_sync(
            m_connection, "org.freedesktop.DBus", "/org/freedesktop/DBus", "org.freedesktop.DBus",
            "ReleaseName", g_variant_new("(s)", m_service.c_str()), nullptr, G_DBUS_CALL_FLAGS_NONE,
            CallTimeoutMs, nullptr, nullptr);
        if (reply) g_variant_unref(reply);
    }
    g_object_unref(m_connection);
}

bool TSniTrayItem::Export() {
    GDBusNodeInfo* node = g_dbus_node_info_new_for_xml(Introspection, nullptr);
    static const GDBusInterfaceVTable vtable{OnMethod, OnProperty, nullptr, {}};
    m_registration = g_dbus_connection_register_object(m_connection, ItemPath, node->interfaces[0],
                                                       &vtable, this, nullptr, nullptr);
    g_dbus_node_info_unref(node);
    if (!m_registration) return false;
    // The name the protocol suggests: the interface, the process and a count.
    const std::string name = std::string(ItemInterface) + "-" + std::to_string(getpid()) + "-" +
                             std::to_string(g_nextItem++);
    if (!RequestBusName(m_connection, name, CallTimeoutMs)) return false;
    m_service = name;
    return true;
}

bool TSniTrayItem::Register() {
    GVariant* reply = g_dbus_connection_call_sync(
        m_connection, WatcherName, WatcherPath, WatcherName, "RegisterStatusNotifierItem",
        g_variant_new("(s)", m_service.c_str()), nullptr, G_DBUS_CALL_FLAGS_NO_AUTO_START,
        CallTimeoutMs, nullptr, nullptr);
    if (!reply) return false;
    g_variant_unref(reply);
    return true;
}

void TSniTrayItem::Update(const std::vector<TPixelImage>& images, const std::string& tip) {
    m_images = images;
    m_tip = TrayTip(tip);
    if (!m_registration) return;
    Emit("NewIcon", nullptr);
    Emit("NewToolTip", nullptr);
    Emit("NewTitle", nullptr);
}

void TSniTrayItem::Emit(const char* signal, GVariant* parameters) {
    g_dbus_connection_emit_signal(m_connection, nullptr, ItemPath, ItemInterface, signal,
                                  parameters, nullptr);
}

GVariant* TSniTrayItem::Property(const std::string& name) const {
    if (name == "Category") return g_variant_new_string("ApplicationStatus");
    if (name == "Id") return g_variant_new_string(ProgramId().c_str());
    if (name == "Title") return g_variant_new_string(m_tip.c_str());
    if (name == "Status") return g_variant_new_string("Active");
    if (name == "IconName") return g_variant_new_string("");
    if (name == "IconPixmap") return PixmapsVariant(m_images);
    if (name == "ItemIsMenu") return g_variant_new_boolean(FALSE);
    if (name == "ToolTip")
        return g_variant_new("(s@a(iiay)ss)", "", PixmapsVariant({}), m_tip.c_str(), "");
    return nullptr;
}

GVariant* TSniTrayItem::OnProperty(GDBusConnection*, const gchar*, const gchar*, const gchar*,
                                   const gchar* property, GError** error, gpointer self) {
    GVariant* value = static_cast<TSniTrayItem*>(self)->Property(property);
    if (!value)
        g_set_error(error, G_DBUS_ERROR, G_DBUS_ERROR_UNKNOWN_PROPERTY, "No property %s", property);
    return value;
}

void TSniTrayItem::OnMethod(GDBusConnection*, const gchar*, const gchar*, const gchar*,
                            const gchar* method, GVariant* parameters,
                            GDBusMethodInvocation* invocation, gpointer self) {
    auto& item = *static_cast<TSniTrayItem*>(self);
    const std::string name = method;
    int32_t x = 0, y = 0;
    if (g_variant_is_of_type(parameters, G_VARIANT_TYPE("(ii)")))
        g_variant_get(parameters, "(ii)", &x, &y);
    // The middle button (SecondaryActivate) and the wheel (Scroll) mean nothing to the icon.
    if (name == "Activate")
        item.m_notify(TPlatformEventKind::TrayActivate, x, y);
    else if (name == "ContextMenu")
        item.m_notify(TPlatformEventKind::TrayContextMenu, x, y);
    g_dbus_method_invocation_return_value(invocation, nullptr);
}

} // namespace brisat
