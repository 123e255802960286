#include "test_watcher.h"

namespace brisat::test {
namespace {

constexpr const char* Introspection = R"(<node>
  <interface name="org.kde.StatusNotifierWatcher">
    <method name="RegisterStatusNotifierItem"><arg type="s" direction="in"/></method>
  </interface></node>)";

constexpr const char* ItemPath = "/StatusNotifierItem";
constexpr int TimeoutMs = 5000;

} // namespace

TTestWatcher::TTestWatcher() {
    m_service = std::make_unique<TTestService>(
        "org.kde.StatusNotifierWatcher", "/StatusNotifierWatcher", Introspection,
        [this](const std::string&, const std::string&, GVariant* parameters) {
            const gchar* service = nullptr;
            g_variant_get(parameters, "(&s)", &service);
            std::lock_guard lock(m_mutex);
            m_registered.emplace_back(service);
            return g_variant_new("()");
        });
}

std::vector<std::string> TTestWatcher::Registered() {
    std::lock_guard lock(m_mutex);
    return m_registered;
}

bool NameOwned(GDBusConnection* connection, const std::string& name) {
    GVariant* reply = g_dbus_connection_call_sync(
        connection, "org.freedesktop.DBus", "/org/freedesktop/DBus", "org.freedesktop.DBus",
        "NameHasOwner", g_variant_new("(s)", name.c_str()), G_VARIANT_TYPE("(b)"),
        G_DBUS_CALL_FLAGS_NONE, TimeoutMs, nullptr, nullptr);
    gboolean owned = FALSE;
    if (reply) {
        g_variant_get(reply, "(b)", &owned);
        g_variant_unref(reply);
    }
    return owned;
}

GVariant* ItemProperty(GDBusConnection* connection, const std::string& service, const char* name) {
    GVariant* reply = g_dbus_connection_call_sync(
        connection, service.c_str(), ItemPath, "org.freedesktop.DBus.Properties", "Get",
        g_variant_new("(ss)", "org.kde.StatusNotifierItem", name), G_VARIANT_TYPE("(v)"),
        G_DBUS_CALL_FLAGS_NONE, TimeoutMs, nullptr, nullptr);
    if (!reply) return nullptr;
    GVariant* value = nullptr;
    g_variant_get(reply, "(v)", &value);
    g_variant_unref(reply);
    return value;
}

bool CallItem(GDBusConnection* connection, const std::string& service, const char* method,
              GVariant* parameters) {
    GVariant* reply = g_dbus_connection_call_sync(
        connection, service.c_str(), ItemPath, "org.kde.StatusNotifierItem", method, parameters,
        nullptr, G_DBUS_CALL_FLAGS_NONE, TimeoutMs, nullptr, nullptr);
    if (reply) g_variant_unref(reply);
    return reply != nullptr;
}

} // namespace brisat::test
