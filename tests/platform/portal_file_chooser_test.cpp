// The desktop's file chooser asked through the portal: without a bus or a portal the request
// ends at once as unavailable; against a portal of the test's own on a private session bus the
// request carries the dialog's settings and the answer's file addresses become paths.
#include "platform/portal_file_chooser.h"
#include "session_bus.h"

#include <atomic>
#include <chrono>
#include <gtest/gtest.h>
#include <thread>

using namespace brisat;

namespace {

constexpr const char* Introspection = R"(<node>
  <interface name="org.freedesktop.portal.FileChooser">
    <method name="OpenFile"><arg type="s" direction="in"/><arg type="s" direction="in"/>
      <arg type="a{sv}" direction="in"/><arg type="o" direction="out"/></method>
  </interface></node>)";

// Waits (the test's own loop) until the chooser leaves Pending or ten seconds pass.
TPortalStatus Settle(const TPortalFileChooser& chooser) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (chooser.Status() == TPortalStatus::Pending && std::chrono::steady_clock::now() < end)
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    return chooser.Status();
}

TPortalOpenRequest VideoRequest() {
    TPortalOpenRequest request;
    request.Title = "Open";
    request.Filters = {{"Video", {"*.AVI", "*.mpg"}}, {"All", {"*"}}};
    request.CurrentFilter = 0;
    request.Multiple = true;
    request.CurrentFolder = "/media/clips";
    return request;
}

// Long enough that only an immediate failure ends the request within Settle's ten seconds.
constexpr int SlowTimeoutMs = 60000;

TEST(PortalFileChooserTest, WithoutASessionBusTheRequestIsUnavailableAtOnce) {
    test::TNoSessionBus noBus;
    std::atomic<int> wakes = 0;
    TPortalFileChooser chooser([&] { ++wakes; }, SlowTimeoutMs);
    chooser.Open(VideoRequest());
    EXPECT_EQ(Settle(chooser), TPortalStatus::Unavailable);
    EXPECT_EQ(chooser.Error(), "No session bus");
    EXPECT_EQ(wakes, 1);
    EXPECT_TRUE(chooser.Paths().empty());
}

class PortalTest : public testing::Test {
protected:
    void SetUp() override {
        if (!Bus.Failure().empty()) GTEST_SKIP() << Bus.Failure();
    }
    // A portal that records each OpenFile call and answers with the request path asked for.
    void StartPortal() {
        Portal = std::make_unique<test::TTestService>(
            "org.freedesktop.portal.Desktop", "/org/freedesktop/portal/desktop", Introspection,
            [this](const std::string& sender, const std::string&, GVariant* parameters) {
                const gchar *parent, *title;
                GVariant* options = nullptr;
                g_variant_get(parameters, "(&s&s@a{sv})", &parent, &title, &options);
                const gchar* token = "";
                g_variant_lookup(options, "handle_token", "&s", &token);
                std::string caller = sender.substr(1);
                for (char& c : caller)
                    if (c == '.') c = '_';
                Handle = "/org/freedesktop/portal/desktop/request/" + caller + "/" + token;
                gchar* printed = g_variant_print(options, FALSE);
                Options = printed;
                g_free(printed);
                Title = title;
                Caller = sender;
                g_variant_unref(options);
                ++Calls;
                return g_variant_new("(o)", Handle.c_str());
            });
        ASSERT_TRUE(Portal->Ready());
    }
    void WaitForCall() {
        const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(10);
        while (Calls == 0 && std::chrono::steady_clock::now() < end)
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        ASSERT_EQ(Calls, 1);
    }
    void Respond(uint32_t code, GVariant* results) {
        Portal->Emit(Caller, Handle, "org.freedesktop.portal.Request", "Response",
                     g_variant_new("(u@a{sv})", code, results));
    }

    test::TPrivateSessionBus Bus;
    std::unique_ptr<test::TTestService> Portal;
    std::atomic<int> Calls = 0;
    std::string Handle, Title, Options, Caller; // written before Calls counts the call
};

TEST_F(PortalTest, WithoutAPortalOnTheBusTheRequestIsUnavailableAtOnce) {
    TPortalFileChooser chooser({}, SlowTimeoutMs);
    chooser.Open(VideoRequest());
    EXPECT_EQ(Settle(chooser), TPortalStatus::Unavailable);
    EXPECT_NE(chooser.Error(), "");
}

TEST_F(PortalTest, TheRequestCarriesTheSettingsAndTheAnswerBecomesPaths) {
    StartPortal();
    std::atomic<int> wakes = 0;
    TPortalFileChooser chooser([&] { ++wakes; });
    chooser.Open(VideoRequest());
    WaitForCall();
    EXPECT_EQ(Title, "Open");
    EXPECT_NE(Options.find("'multiple': <true>"), std::string::npos) << Options;
    EXPECT_NE(Options.find("[('Video', [(uint32 0, '*.[aA][vV][iI]'), (0, '*.[mM][pP][gG]')]), "
                           "('All', [(0, '*')])]"),
              std::string::npos)
        << Options;
    EXPECT_NE(Options.find("'current_filter': <('Video',"), std::string::npos) << Options;
    EXPECT_NE(Options.find("'current_folder': <b'/media/clips'>"), std::string::npos) << Options;
    EXPECT_EQ(chooser.Status(), TPortalStatus::Pending);

    GVariantBuilder results;
    g_variant_builder_init(&results, G_VARIANT_TYPE_VARDICT);
    const gchar* uris[] = {"file:///media/clips/a%20b.avi", "https://example.org/remote.avi",
                           "file:///media/clips/%D0%BA.mpg", nullptr};
    g_variant_builder_add(&results, "{sv}", "uris", g_variant_new_strv(uris, -1));
    g_variant_builder_add(&results, "{sv}", "current_filter",
                          g_variant_new_parsed("('All', [(uint32 0, '*')])"));
    Respond(0, g_variant_builder_end(&results));
    EXPECT_EQ(Settle(chooser), TPortalStatus::Chosen);
    EXPECT_EQ(chooser.Paths(),
              (std::vector<std::string>{"/media/clips/a b.avi", "/media/clips/\xD0\xBA.mpg"}));
    EXPECT_EQ(chooser.ChosenFilter(), 1);
    EXPECT_EQ(wakes, 1);
}

TEST_F(PortalTest, CancelledByTheUserOrByUs) {
    StartPortal();
    TPortalFileChooser byUser({});
    byUser.Open(VideoRequest());
    WaitForCall();
    Respond(1, g_variant_new_parsed("@a{sv} {}"));
    EXPECT_EQ(Settle(byUser), TPortalStatus::Cancelled);
    EXPECT_TRUE(byUser.Paths().empty());

    TPortalFileChooser byUs({});
    byUs.Open(VideoRequest());
    byUs.Cancel();
    EXPECT_EQ(byUs.Status(), TPortalStatus::Cancelled);
    byUs.Cancel();
}

} // namespace
