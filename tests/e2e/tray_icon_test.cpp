// The skin tool's test window in the tray on a real X server with a StatusNotifierWatcher of the
// test's own on a private session bus: the window's tray button hides the window and the icon
// registers, showing the window's title; the panel's Activate call brings the window back and
// the icon leaves the bus.
#include "platform/test_watcher.h"
#include "player_test.h"
#include "temp_folder.h"

#include <gtest/gtest.h>
#include <sstream>

using namespace brisat;
using namespace brisat::test;

namespace {

class TrayWindow : public TempFolderTest, public testing::WithParamInterface<TWindowManager> {
protected:
    void SetUp() override {
        TempFolderTest::SetUp();
        if (!Bus.Failure().empty()) GTEST_SKIP() << Bus.Failure();
        Client = ConnectSessionBus();
        ASSERT_NE(Client, nullptr);
        Watcher = std::make_unique<TTestWatcher>();
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
    std::vector<std::string> Registered() { return Watcher->Registered(); }
    // The item's tip title, "" when it cannot be read.
    std::string TipOf(const std::string& service) {
        GVariant* tip = ItemProperty(Client, service, "ToolTip");
        if (!tip) return {};
        const gchar* title = "";
        g_variant_get_child(tip, 2, "&s", &title);
        std::string result = title;
        g_variant_unref(tip);
        return result;
    }

    TPrivateSessionBus Bus;
    GDBusConnection* Client = nullptr;
    std::unique_ptr<TTestWatcher> Watcher;
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

    ASSERT_TRUE(CallItem(Client, service, "Activate", g_variant_new("(ii)", 0, 0)));
    ASSERT_TRUE(WaitForLine("state 0"));
    window = driver.WaitForWindow(title);
    EXPECT_TRUE(TProgramDriver::WaitUntil([&] { return !NameOwned(Client, service); }));
    EXPECT_EQ(Registered().size(), 1u);
}

} // namespace
