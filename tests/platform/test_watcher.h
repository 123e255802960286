// A StatusNotifierWatcher for tests on the current (private) session bus, recording the items
// registered with it, and the looks at an item a panel would take.
#pragma once

#include "session_bus.h"

#include <memory>
#include <mutex>
#include <string>
#include <vector>

namespace brisat::test {

class TTestWatcher {
public:
    TTestWatcher();
    bool Ready() const { return m_service->Ready(); }
    // The services registered so far, in order.
    std::vector<std::string> Registered();

private:
    std::mutex m_mutex;
    std::vector<std::string> m_registered;
    std::unique_ptr<TTestService> m_service; // last: its thread uses the members above
};

// Whether Name has an owner on Connection's bus.
bool NameOwned(GDBusConnection* connection, const std::string& name);
// The property Name of the item Service (nullptr when refused); the caller unrefs.
GVariant* ItemProperty(GDBusConnection* connection, const std::string& service, const char* name);
// Calls Method of the item Service; false when refused.
bool CallItem(GDBusConnection* connection, const std::string& service, const char* method,
              GVariant* parameters);

} // namespace brisat::test
