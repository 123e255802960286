// The skin tool's test window in the tray on a real X server with a StatusNotifierWatcher of the
// test's own on a private session bus: the window's tray button hides the window and the icon
// registers, showing the window's title; the panel's Activate call brings the window back and
// the icon leaves the bus.
#include "platform/session_bus.h"
#include "player_test.h"
#include "temp_folder.h"

#include <gtest/gtest.h>
#include <mutex>
#include <sstream>

using namespace brisat;
using namespace brisat::test;

namespace {

constexpr const char* WatcherIntrospection = R"(<node>
  <interface name="org.kde.StatusNotifierWatcher">
    <method name="RegisterStatusNotifierItem"><arg type="s" direction="in"/></method>
  </interface></node>)";

class TrayWindow : public TempFolderTest, public testing::WithParamInterface<TWindowManager> {
protected:
    void SetUp() override {
        TempFolderTest::SetUp();
        if (!Bus.Failure().empty()) GTEST_SKIP() << Bus.Failure();
        Client = ConnectSessionBus();
        ASSERT_NE(Client, nullptr);
        Watcher = std::make_unique<TTestService>(
            "org.kde.StatusNotifierWatcher", "/StatusNotifierWatcher", WatcherIntrospection,
            [this](const std::string&, const std::string&, GVariant* parameters) {
                const gchar* service = nullptr;
                g_variant_get(parameters, "(&s)", &service);
                std::lock_guard lock(Mutex);
                Services.emplace_back(service);
                return g_variant_new("()");
            });
        ASSERT_TRUE(Watcher->Ready());
    }
    void TearDown() override {
        if (Client) g_object_unref(Client);
        TempFolderTest::TearDown();
    }
    // The test window with the plain frame; what it reports goes to a file.
    TProgramDriver Start() {
        return TProgramDriver(
            "/bin/sh", {"-c", "exec \"$0\" window --plain > \"$1\"", BRISAT_SKIN_TOOL, LogPath()},
            {800, 600, GetParam()});
    }
    std::string LogPath() const { return PathOf("window.log"); }
    bool HasLine(const std::string& line) const {
        std::istringstream text(Get(LogPath()));
        for (std::string l; std::getline(text, l);)
            if (l == line) return true;
        return false;
    }
    testing::AssertionResult WaitForLine(const std::string& line) {
        if (TProgramDriver::WaitUntil([&] { return HasLine(line); }, 20s))
            return testing::AssertionSuccess();
        return testing::AssertionFailure() << "no \"" << line << "\" in:\n" << Get(LogPath());
    }
    // The last "at NAME X Y W H" place of Name, from the window's top-left corner.
    bool Place(const std::string& name, int32_t& x, int32_t& y, int32_t& w, int32_t& h) const {
        bool found = false;
        std::istringstream text(Get(LogPath()));
        for (std::string line; std::getline(text, line);) {
            std::istringstream words(line);
            std::string at, n;
            int32_t px, py, pw, ph;
            if (words >> at >> n >> px >> py >> pw >> ph && at == "at" && n == name) {
                x = px, y = py, w = pw, h = ph;
                found = true;
            }
        }
        return found;
    }
    std::vector<std::string> Registered() {
        std::lock_guard lock(Mutex);
        return Services;
    }
    bool NameOwned(const std::string& name) {
        GVariant* reply = g_dbus_connection_call_sync(
            Client, "org.freedesktop.DBus", "/org/freedesktop/DBus", "org.freedesktop.DBus",
            "NameHasOwner", g_variant_new("(s)", name.c_str()), G_VARIANT_TYPE("(b)"),
            G_DBUS_CALL_FLAGS_NONE, 5000, nullptr, nullptr);
        gboolean owned = FALSE;
        if (reply) {
            g_variant_get(reply, "(b)", &owned);
            g_variant_unref(reply);
        }
        return owned;
    }
    // The item's tip title, "" when it cannot be read.
    std::string TipOf(const std::string& service) {
        GVariant* reply = g_dbus_connection_call_sync(
            Client, service.c_str(), "/StatusNotifierItem", "org.freedesktop.DBus.Properties",
            "Get", g_variant_new("(ss)", "org.kde.StatusNotifierItem", "ToolTip"),
            G_VARIANT_TYPE("(v)"), G_DBUS_CALL_FLAGS_NONE, 5000, nullptr, nullptr);
        if (!reply) return {};
        GVariant* tip = nullptr;
        g_variant_get(reply, "(v)", &tip);
        const gchar* title = "";
        g_variant_get_child(tip, 2, "&s", &title);
        std::string result = title;
        g_variant_unref(tip);
        g_variant_unref(reply);
        return result;
    }
    bool Activate(const std::string& service) {
        GVariant* reply = g_dbus_connection_call_sync(
            Client, service.c_str(), "/StatusNotifierItem", "org.kde.StatusNotifierItem",
            "Activate", g_variant_new("(ii)", 0, 0), nullptr, G_DBUS_CALL_FLAGS_NONE, 5000, nullptr,
            nullptr);
        if (reply) g_variant_unref(reply);
        return reply != nullptr;
    }

    TPrivateSessionBus Bus;
    GDBusConnection* Client = nullptr;
    std::unique_ptr<TTestService> Watcher;
    std::mutex Mutex;
    std::vector<std::string> Services;
};
BRISAT_PLAYER_SUITE(TrayWindow);

TEST_P(TrayWindow, TheTrayButtonHidesTheWindowAndActivatingTheIconBringsItBack) {
    TProgramDriver driver = Start();
    const std::string title = "Brisat skin window";
    TDrivenWindow window = driver.WaitForWindow(title, 30s);
    int32_t x = 0, y = 0, w = 0, h = 0;
    ASSERT_TRUE(TProgramDriver::WaitUntil([&] { return Place("Tray", x, y, w, h); }));
    driver.Click(window, x + w / 2, y + h / 2);
    ASSERT_TRUE(WaitForLine("state 4"));
    EXPECT_TRUE(driver.WaitForWindowToGo(title));
    ASSERT_TRUE(TProgramDriver::WaitUntil([&] { return Registered().size() == 1; }));
    const std::string service = Registered()[0];
    EXPECT_EQ(TipOf(service), title);

    ASSERT_TRUE(Activate(service));
    ASSERT_TRUE(WaitForLine("state 0"));
    window = driver.WaitForWindow(title);
    EXPECT_TRUE(TProgramDriver::WaitUntil([&] { return !NameOwned(service); }));
    EXPECT_EQ(Registered().size(), 1u);
}

} // namespace
