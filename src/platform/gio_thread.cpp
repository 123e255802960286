#include "platform/gio_thread.h"

#include <cstdlib>
#include <future>
#include <string>
#include <sys/stat.h>

namespace brisat {

TGioThread::TGioThread()
    : m_context(g_main_context_new()), m_loop(g_main_loop_new(m_context, FALSE)),
      m_thread([this] { Run(); }) {}

TGioThread::~TGioThread() {
    Post([this] { g_main_loop_quit(m_loop); });
    m_thread.join();
    g_main_loop_unref(m_loop);
    g_main_context_unref(m_context);
}

void TGioThread::Post(std::function<void()> task) {
    std::lock_guard lock(m_mutex);
    m_tasks.push_back(std::move(task));
    if (m_tasks.size() == 1) g_main_context_invoke(m_context, Drain, this);
}

void TGioThread::Flush() {
    std::promise<void> done;
    Post([&done] { done.set_value(); });
    done.get_future().wait();
}

gboolean TGioThread::Drain(gpointer self) {
    auto& thread = *static_cast<TGioThread*>(self);
    for (;;) {
        std::function<void()> task;
        {
            std::lock_guard lock(thread.m_mutex);
            if (thread.m_tasks.empty()) return G_SOURCE_REMOVE;
            task = std::move(thread.m_tasks.front());
        }
        task();
        std::lock_guard lock(thread.m_mutex);
        thread.m_tasks.pop_front();
    }
}

void TGioThread::Run() {
    g_main_context_push_thread_default(m_context);
    g_main_loop_run(m_loop);
    g_main_context_pop_thread_default(m_context);
}

bool SessionBusFindable(const char* address, const char* runtimeFolder, bool launcherInstalled) {
    if (address && *address) return true;
    struct stat socket {};
    if (runtimeFolder && *runtimeFolder &&
        stat((std::string(runtimeFolder) + "/bus").c_str(), &socket) == 0 &&
        S_ISSOCK(socket.st_mode))
        return true;
    return launcherInstalled;
}

// Without a bus address GIO forks to run dbus-launch. When that program is missing the fork can
// only fail, and forking a large process stalls all its threads while its memory map is copied,
// so the search ends here.
GDBusConnection* ConnectSessionBus() {
    gchar* launcher = g_find_program_in_path("dbus-launch");
    const bool findable = SessionBusFindable(std::getenv("DBUS_SESSION_BUS_ADDRESS"),
                                             std::getenv("XDG_RUNTIME_DIR"), launcher != nullptr);
    g_free(launcher);
    if (!findable) return nullptr;
    gchar* address = g_dbus_address_get_for_bus_sync(G_BUS_TYPE_SESSION, nullptr, nullptr);
    if (!address) return nullptr;
    GDBusConnection* connection = g_dbus_connection_new_for_address_sync(
        address,
        GDBusConnectionFlags(G_DBUS_CONNECTION_FLAGS_AUTHENTICATION_CLIENT |
                             G_DBUS_CONNECTION_FLAGS_MESSAGE_BUS_CONNECTION),
        nullptr, nullptr, nullptr);
    g_free(address);
    return connection;
}

bool RequestBusName(GDBusConnection* connection, const std::string& name, int timeoutMs) {
    GVariant* reply = g_dbus_connection_call_sync(
        connection, "org.freedesktop.DBus", "/org/freedesktop/DBus", "org.freedesktop.DBus",
        "RequestName", g_variant_new("(su)", name.c_str(), 4u /* do not queue */),
        G_VARIANT_TYPE("(u)"), G_DBUS_CALL_FLAGS_NONE, timeoutMs, nullptr, nullptr);
    if (!reply) return false;
    uint32_t result = 0;
    g_variant_get(reply, "(u)", &result);
    g_variant_unref(reply);
    return result == 1 /* primary owner */;
}

} // namespace brisat
