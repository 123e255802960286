#include "session_bus.h"

#include <csignal>
#include <cstdlib>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

namespace brisat::test {
namespace {

constexpr const char* AddressVariable = "DBUS_SESSION_BUS_ADDRESS";

void SetAddress(const std::string& address, std::string& previous, bool& hadPrevious) {
    if (const char* old = std::getenv(AddressVariable)) {
        previous = old;
        hadPrevious = true;
    }
    setenv(AddressVariable, address.c_str(), 1);
}

void PutAddressBack(const std::string& previous, bool hadPrevious) {
    if (hadPrevious)
        setenv(AddressVariable, previous.c_str(), 1);
    else
        unsetenv(AddressVariable);
}

} // namespace

TPrivateSessionBus::TPrivateSessionBus() {
    int fds[2];
    if (pipe(fds) != 0) {
        m_failure = "cannot make a pipe";
        return;
    }
    const pid_t pid = fork();
    if (pid == 0) {
        close(fds[0]);
        const std::string fd = "--print-address=" + std::to_string(fds[1]);
        execlp("dbus-daemon", "dbus-daemon", "--session", "--nofork", "--nopidfile", fd.c_str(),
               static_cast<char*>(nullptr));
        _exit(127);
    }
    close(fds[1]);
    pollfd wait{fds[0], POLLIN, 0};
    char c = 0;
    while (poll(&wait, 1, 10000) == 1 && read(fds[0], &c, 1) == 1 && c != '\n')
        m_address += c;
    close(fds[0]);
    if (pid < 0 || m_address.empty()) {
        if (pid > 0) {
            kill(pid, SIGTERM);
            waitpid(pid, nullptr, 0);
        }
        m_failure = "dbus-daemon did not start (is the dbus-daemon package installed?)";
        return;
    }
    m_daemon = pid;
    SetAddress(m_address, m_previous, m_hadPrevious);
}

TPrivateSessionBus::~TPrivateSessionBus() {
    if (!m_daemon) return;
    PutAddressBack(m_previous, m_hadPrevious);
    kill(m_daemon, SIGTERM);
    waitpid(m_daemon, nullptr, 0);
}

TNoSessionBus::TNoSessionBus() {
    SetAddress("unix:path=/nonexistent/brisat-test-bus", m_previous, m_hadPrevious);
}

TNoSessionBus::~TNoSessionBus() {
    PutAddressBack(m_previous, m_hadPrevious);
}

TTestService::TTestService(const char* name, const char* path, const char* introspection,
                           THandler handler)
    : m_handler(std::move(handler)) {
    m_thread.Post([this, name, path, introspection] {
        m_connection = ConnectSessionBus();
        if (!m_connection) return;
        GDBusNodeInfo* node = g_dbus_node_info_new_for_xml(introspection, nullptr);
        static const GDBusInterfaceVTable vtable{OnCall, nullptr, nullptr, {}};
        const unsigned id = g_dbus_connection_register_object(
            m_connection, path, node->interfaces[0], &vtable, this, nullptr, nullptr);
        g_dbus_node_info_unref(node);
        GVariant* reply = g_dbus_connection_call_sync(
            m_connection, "org.freedesktop.DBus", "/org/freedesktop/DBus", "org.freedesktop.DBus",
            "RequestName", g_variant_new("(su)", name, 4u /* do not queue */),
            G_VARIANT_TYPE("(u)"), G_DBUS_CALL_FLAGS_NONE, 5000, nullptr, nullptr);
        if (reply) {
            g_variant_unref(reply);
            m_registration = id;
        }
    });
    m_thread.Flush();
}

TTestService::~TTestService() {
    m_thread.Post([this] {
        if (!m_connection) return;
        g_dbus_connection_close_sync(m_connection, nullptr, nullptr);
        g_object_unref(m_connection);
    });
    m_thread.Flush();
}

void TTestService::Emit(const std::string& destination, const std::string& path,
                        const char* interface, const char* signal, GVariant* parameters) {
    g_variant_ref_sink(parameters);
    m_thread.Post([=, this] {
        g_dbus_connection_emit_signal(m_connection, destination.c_str(), path.c_str(), interface,
                                      signal, parameters, nullptr);
        g_dbus_connection_flush_sync(m_connection, nullptr, nullptr);
        g_variant_unref(parameters);
    });
    m_thread.Flush();
}

void TTestService::OnCall(GDBusConnection*, const gchar* sender, const gchar*, const gchar*,
                          const gchar* method, GVariant* parameters,
                          GDBusMethodInvocation* invocation, gpointer self) {
    GVariant* reply = static_cast<TTestService*>(self)->m_handler(sender, method, parameters);
    if (reply)
        g_dbus_method_invocation_return_value(invocation, reply);
    else
        g_dbus_method_invocation_return_dbus_error(invocation, "org.freedesktop.DBus.Error.Failed",
                                                   "refused");
}

std::string CallForError(GDBusConnection* client, const char* bus, const char* path,
                         const char* interface, const char* method, GVariant* parameters) {
    GError* error = nullptr;
    GVariant* reply =
        g_dbus_connection_call_sync(client, bus, path, interface, method, parameters, nullptr,
                                    G_DBUS_CALL_FLAGS_NONE, 5000, nullptr, &error);
    if (reply) {
        g_variant_unref(reply);
        return {};
    }
    gchar* name = g_dbus_error_get_remote_error(error);
    std::string result = name ? name : error->message;
    g_free(name);
    g_error_free(error);
    return result;
}

} // namespace brisat::test
