// A private D-Bus session bus for tests: a dbus-daemon of its own, named by
// DBUS_SESSION_BUS_ADDRESS while the object lives, and a connection for the test's own services.
#pragma once

#include "platform/gio_thread.h"

#include <functional>
#include <gio/gio.h>
#include <string>
#include <sys/types.h>

namespace brisat::test {

class TPrivateSessionBus {
public:
    TPrivateSessionBus();
    ~TPrivateSessionBus();
    TPrivateSessionBus(const TPrivateSessionBus&) = delete;
    TPrivateSessionBus& operator=(const TPrivateSessionBus&) = delete;

    // Empty when the bus runs, else why not.
    const std::string& Failure() const { return m_failure; }
    const std::string& Address() const { return m_address; }

private:
    pid_t m_daemon = 0;
    std::string m_address;
    std::string m_failure;
    std::string m_previous;
    bool m_hadPrevious = false;
};

// Calls Method of Interface at Path on Bus; "" when it succeeded, else the error's D-Bus name (or
// its message when it has none). Takes Parameters when floating.
std::string CallForError(GDBusConnection* client, const char* bus, const char* path,
                         const char* interface, const char* method, GVariant* parameters);

// Sets DBUS_SESSION_BUS_ADDRESS to a socket nobody listens on while it lives.
class TNoSessionBus {
public:
    TNoSessionBus();
    ~TNoSessionBus();

private:
    std::string m_previous;
    bool m_hadPrevious = false;
};

// A service on the current session bus owning Name and answering the calls to one object, on a
// thread of its own.
class TTestService {
public:
    // Returns the reply's body (a tuple, floating) or nullptr to answer with an error.
    using THandler = std::function<GVariant*(const std::string& sender, const std::string& method,
                                             GVariant* parameters)>;

    TTestService(const char* name, const char* path, const char* introspection, THandler handler);
    ~TTestService();
    TTestService(const TTestService&) = delete;
    TTestService& operator=(const TTestService&) = delete;

    bool Ready() const { return m_registration != 0; }
    // Emits a signal to Destination from the service's connection.
    void Emit(const std::string& destination, const std::string& path, const char* interface,
              const char* signal, GVariant* parameters);

private:
    static void OnCall(GDBusConnection*, const gchar* sender, const gchar*, const gchar*,
                       const gchar* method, GVariant* parameters, GDBusMethodInvocation* invocation,
                       gpointer self);

    THandler m_handler;
    GDBusConnection* m_connection = nullptr;
    unsigned m_registration = 0;
    TGioThread m_thread;
};

} // namespace brisat::test
