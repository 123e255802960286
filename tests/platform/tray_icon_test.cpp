// The desktop's tray icon against a StatusNotifierWatcher of the test's own on a private session
// bus (the item registers, its properties read back, the panel's calls become events, hiding
// takes the name off the bus, a watcher that goes gives TrayLost and one that comes back gets the
// item again), and against an XEmbed tray of the test's own on Xvfb when no watcher runs.
#include "platform/desktop_tray_icon.h"
#include "test_watcher.h"
#include "xvfb_display.h"

#include <chrono>
#include <condition_variable>
#include <gtest/gtest.h>
#include <mutex>
#include <thread>

using namespace brisat;

namespace {

constexpr auto Patience = std::chrono::seconds(10);

// Waits (the test's own loop) until Done holds or ten seconds pass; returns Done().
template <class TDone> bool WaitFor(TDone done) {
    const auto end = std::chrono::steady_clock::now() + Patience;
    while (!done() && std::chrono::steady_clock::now() < end)
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    return done();
}

// The icon's events as the platform would queue them.
class TEventLog {
public:
    void Add(const TPlatformEvent& event) {
        std::lock_guard lock(m_mutex);
        m_events.push_back(event);
    }
    // The event number Index once it came (Kind Moved when it did not within the patience).
    TPlatformEvent At(size_t index) {
        WaitFor([&] { return Count() > index; });
        std::lock_guard lock(m_mutex);
        return index < m_events.size() ? m_events[index] : TPlatformEvent{};
    }
    size_t Count() {
        std::lock_guard lock(m_mutex);
        return m_events.size();
    }

private:
    std::mutex m_mutex;
    std::vector<TPlatformEvent> m_events;
};

TPixelImage Plain(int32_t size, uint32_t argb) {
    return {size, size, std::vector<uint32_t>(size_t(size * size), argb)};
}

constexpr uint32_t IconId = 7;

class SniTrayTest : public testing::Test {
protected:
    void SetUp() override {
        if (!Bus.Failure().empty()) GTEST_SKIP() << Bus.Failure();
        Client = ConnectSessionBus();
        ASSERT_NE(Client, nullptr);
        StartWatcher();
    }
    void TearDown() override {
        if (Client) g_object_unref(Client);
    }

    void StartWatcher() {
        Watcher = std::make_unique<test::TTestWatcher>();
        ASSERT_TRUE(Watcher->Ready());
    }
    size_t Registrations() { return Watcher->Registered().size(); }
    std::string LastRegistered() {
        const std::vector<std::string> services = Watcher->Registered();
        return services.empty() ? "" : services.back();
    }
    bool NameOwned(const std::string& name) { return test::NameOwned(Client, name); }
    GVariant* ItemProperty(const std::string& service, const char* name) {
        return test::ItemProperty(Client, service, name);
    }
    bool CallItem(const std::string& service, const char* method, GVariant* parameters) {
        return test::CallItem(Client, service, method, parameters);
    }
    // A shown icon, registered with the watcher.
    std::unique_ptr<TDesktopTrayIcon> ShownIcon(const std::vector<TPixelImage>& images,
                                                const std::string& tip) {
        auto icon = std::make_unique<TDesktopTrayIcon>(
            IconId, [this](const TPlatformEvent& e) { Events.Add(e); });
        icon->Show(images, tip);
        icon->Flush();
        return icon;
    }

    test::TPrivateSessionBus Bus;
    GDBusConnection* Client = nullptr;
    std::unique_ptr<test::TTestWatcher> Watcher;
    TEventLog Events;
};

TEST_F(SniTrayTest, TheItemRegistersAndItsPictureAndTipReadBack) {
    TPixelImage small = Plain(2, 0xFF000000);
    small.Pixels = {0x80FF2010, 0x00000000, 0xFF0000FF, 0x01020304};
    // 70 characters, the 63rd and 64th of two bytes each.
    const std::string tip = std::string(62, 'a') + "\xC3\xA9\xC3\xA9" + "bbbbbb";
    auto icon = ShownIcon({small, Plain(22, 0xFF00FF00)}, tip);
    ASSERT_TRUE(WaitFor([&] { return Registrations() == 1; }));
    const std::string service = LastRegistered();
    EXPECT_EQ(service, icon->Service());
    EXPECT_TRUE(service.starts_with("org.kde.StatusNotifierItem-")) << service;

    GVariant* pixmaps = ItemProperty(service, "IconPixmap");
    ASSERT_NE(pixmaps, nullptr);
    ASSERT_EQ(g_variant_n_children(pixmaps), 2u);
    int32_t width = 0, height = 0;
    GVariant* bytes = nullptr;
    g_variant_get_child(pixmaps, 0, "(ii@ay)", &width, &height, &bytes);
    EXPECT_EQ(width, 2);
    EXPECT_EQ(height, 2);
    gsize count = 0;
    const auto* data = static_cast<const uint8_t*>(g_variant_get_fixed_array(bytes, &count, 1));
    EXPECT_EQ(
        std::vector<uint8_t>(data, data + count),
        (std::vector<uint8_t>{0x80, 0xFF, 0x20, 0x10, 0, 0, 0, 0, 0xFF, 0, 0, 0xFF, 1, 2, 3, 4}));
    g_variant_unref(bytes);
    g_variant_get_child(pixmaps, 1, "(ii@ay)", &width, &height, &bytes);
    EXPECT_EQ(width, 22);
    EXPECT_EQ(g_variant_n_children(bytes), 22u * 22u * 4u);
    g_variant_unref(bytes);
    g_variant_unref(pixmaps);

    GVariant* toolTip = ItemProperty(service, "ToolTip");
    ASSERT_NE(toolTip, nullptr);
    const gchar* title = nullptr;
    g_variant_get_child(toolTip, 2, "&s", &title);
    EXPECT_EQ(std::string(title), std::string(62, 'a') + "\xC3\xA9");
    g_variant_unref(toolTip);
    GVariant* isMenu = ItemProperty(service, "ItemIsMenu");
    ASSERT_NE(isMenu, nullptr);
    EXPECT_FALSE(g_variant_get_boolean(isMenu));
    g_variant_unref(isMenu);

    // A changed tip is read back at once.
    icon->Show({small}, "Brisat");
    icon->Flush();
    GVariant* newTitle = ItemProperty(service, "Title");
    ASSERT_NE(newTitle, nullptr);
    EXPECT_STREQ(g_variant_get_string(newTitle, nullptr), "Brisat");
    g_variant_unref(newTitle);
    EXPECT_EQ(Registrations(), 1u);
}

TEST_F(SniTrayTest, ThePanelsCallsBecomeEventsOfTheIcon) {
    auto icon = ShownIcon({Plain(16, 0xFFFF0000)}, "Player");
    ASSERT_TRUE(WaitFor([&] { return Registrations() == 1; }));
    const std::string service = LastRegistered();
    struct TCase {
        const char* Method;
        GVariant* Parameters;
        bool Event;
        TPlatformEventKind Kind;
    };
    const TCase cases[] = {
        {"Activate", g_variant_new("(ii)", 10, 20), true, TPlatformEventKind::TrayActivate},
        {"SecondaryActivate", g_variant_new("(ii)", 1, 2), false, {}},
        {"Scroll", g_variant_new("(is)", 120, "vertical"), false, {}},
        {"ContextMenu", g_variant_new("(ii)", 300, 400), true, TPlatformEventKind::TrayContextMenu},
    };
    size_t expected = 0;
    for (const TCase& c : cases) {
        ASSERT_TRUE(CallItem(service, c.Method, c.Parameters)) << c.Method;
        if (!c.Event) continue;
        const TPlatformEvent e = Events.At(expected++);
        EXPECT_EQ(e.Kind, c.Kind) << c.Method;
        EXPECT_EQ(e.Window, IconId);
    }
    EXPECT_EQ(Events.Count(), 2u);
    const TPlatformEvent menu = Events.At(1);
    EXPECT_EQ(menu.ScreenX, 300);
    EXPECT_EQ(menu.ScreenY, 400);
}

TEST_F(SniTrayTest, HidingOrDestroyingTakesTheItemOffTheBus) {
    auto icon = ShownIcon({Plain(16, 0xFFFF0000)}, "Player");
    ASSERT_TRUE(WaitFor([&] { return Registrations() == 1; }));
    const std::string first = LastRegistered();
    EXPECT_TRUE(NameOwned(first));
    icon->Hide();
    icon->Flush();
    EXPECT_FALSE(NameOwned(first));
    EXPECT_EQ(icon->Service(), "");
    EXPECT_EQ(ItemProperty(first, "Title"), nullptr);

    icon->Show({Plain(16, 0xFFFF0000)}, "Player");
    ASSERT_TRUE(WaitFor([&] { return Registrations() == 2; }));
    const std::string second = LastRegistered();
    EXPECT_NE(second, first);
    EXPECT_TRUE(NameOwned(second));
    icon.reset();
    EXPECT_FALSE(NameOwned(second));
    EXPECT_EQ(Events.Count(), 0u);
}

TEST_F(SniTrayTest, AWatcherThatGoesGivesTrayLostAndOneThatComesBackGetsTheItemAgain) {
    auto icon = ShownIcon({Plain(16, 0xFFFF0000)}, "Player");
    ASSERT_TRUE(WaitFor([&] { return Registrations() == 1; }));
    const std::string service = LastRegistered();
    Watcher.reset();
    const TPlatformEvent lost = Events.At(0);
    EXPECT_EQ(lost.Kind, TPlatformEventKind::TrayLost);
    EXPECT_EQ(lost.Window, IconId);

    StartWatcher(); // a new watcher, knowing nothing of the item
    ASSERT_TRUE(WaitFor([&] { return Registrations() == 1; }));
    EXPECT_EQ(LastRegistered(), service);
    EXPECT_EQ(Events.Count(), 1u);
}

TEST_F(SniTrayTest, WithoutWatcherOrTrayTheIconIsLostAtOnce) {
    const std::string display = test::EnsureTestDisplay();
    if (!display.empty()) GTEST_SKIP() << display;
    Watcher.reset();
    auto icon = ShownIcon({Plain(16, 0xFFFF0000)}, "Player");
    EXPECT_EQ(Events.At(0).Kind, TPlatformEventKind::TrayLost);
    EXPECT_EQ(icon->Service(), "");
}

} // namespace
