// A thread running a GLib main context of its own, for conversations over D-Bus that must not
// hold up the GUI thread: blocking calls wait there, and the signals a task subscribes to arrive
// there. Tasks run one after another in the order they were posted.
#pragma once

#include <deque>
#include <functional>
#include <gio/gio.h>
#include <mutex>
#include <string>
#include <thread>

namespace brisat {

class TGioThread {
public:
    TGioThread();
    // Runs the tasks posted so far, then ends the thread.
    ~TGioThread();
    TGioThread(const TGioThread&) = delete;
    TGioThread& operator=(const TGioThread&) = delete;

    // Runs Task on the thread after the tasks posted before it. Any thread.
    void Post(std::function<void()> task);
    // Waits until the tasks posted so far have run. Not from the thread's own tasks.
    void Flush();

private:
    static gboolean Drain(gpointer self);
    void Run();

    GMainContext* m_context;
    GMainLoop* m_loop;
    std::mutex m_mutex;
    std::deque<std::function<void()>> m_tasks;
    std::thread m_thread;
};

// Whether a session bus can be found from this environment: Address is $DBUS_SESSION_BUS_ADDRESS,
// RuntimeFolder $XDG_RUNTIME_DIR (a bus listens on its "bus" socket), LauncherInstalled whether
// dbus-launch, which starts or finds the bus of an X session, is on the path.
bool SessionBusFindable(const char* address, const char* runtimeFolder, bool launcherInstalled);

// A private connection to the session bus, made on the calling thread (whose thread-default
// main context then receives its signals); nullptr when there is no session bus. The caller
// unrefs it.
GDBusConnection* ConnectSessionBus();
// Asks the bus for Name without queueing behind its owner, waiting up to TimeoutMs for the
// answer; true when the connection now owns it. On the connection's thread.
bool RequestBusName(GDBusConnection* connection, const std::string& name, int timeoutMs);

} // namespace brisat
