// The media player's MPRIS service on a private session bus, read and driven by a client of the
// test's own: the name and the root properties, each call handed over as its request, OpenUri's
// checks, the player's state as properties and PropertiesChanged, volume writes kept in range,
// a second player under an instance name, and no bus at all.
#include "platform/mpris_service.h"
#include "session_bus.h"

#include <chrono>
#include <cmath>
#include <gtest/gtest.h>
#include <mutex>
#include <thread>

using namespace brisat;
using namespace brisat::test;

namespace {

constexpr const char* Path = "/org/mpris/MediaPlayer2";
constexpr const char* Player = "org.mpris.MediaPlayer2.Player";

template <class TDone> bool WaitFor(TDone done) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (!done() && std::chrono::steady_clock::now() < end) {
        // Signals to the test's connection arrive through the default main context.
        while (g_main_context_iteration(nullptr, FALSE)) {
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return done();
}

TMprisSetup TestSetup() {
    return {.Name = "brisattest",
            .Identity = "Brisat",
            .UriSchemes = {"file", "http"},
            .MimeTypes = [] { return std::vector<std::string>{"video/x-msvideo"}; }};
}

class MprisServiceTest : public testing::Test {
protected:
    void SetUp() override {
        if (!Bus.Failure().empty()) GTEST_SKIP() << Bus.Failure();
        Client = ConnectSessionBus();
        ASSERT_NE(Client, nullptr);
        Service = std::make_unique<TMprisService>(TestSetup(), [this](const TMprisRequest& r) {
            std::lock_guard lock(Mutex);
            Requests.push_back(r);
        });
        ASSERT_TRUE(WaitFor([&] { return !Service->BusName().empty(); }));
    }
    void TearDown() override {
        Service.reset();
        if (Client) g_object_unref(Client);
    }
    // Calls Method; "" when it succeeded, else the error's D-Bus name.
    std::string Call(const char* interface, const char* method, GVariant* parameters = nullptr) {
        return CallForError(Client, Service->BusName().c_str(), Path, interface, method,
                            parameters);
    }
    GVariant* Get(const char* interface, const char* name) {
        GVariant* reply = g_dbus_connection_call_sync(
            Client, Service->BusName().c_str(), Path, "org.freedesktop.DBus.Properties", "Get",
            g_variant_new("(ss)", interface, name), G_VARIANT_TYPE("(v)"), G_DBUS_CALL_FLAGS_NONE,
            5000, nullptr, nullptr);
        if (!reply) return nullptr;
        GVariant* value = nullptr;
        g_variant_get(reply, "(v)", &value);
        g_variant_unref(reply);
        return value;
    }
    std::string GetString(const char* interface, const char* name) {
        GVariant* value = Get(interface, name);
        if (!value) return "(none)";
        std::string text;
        if (g_variant_is_of_type(value, G_VARIANT_TYPE_STRING)) {
            text = g_variant_get_string(value, nullptr);
        } else {
            gchar* printed = g_variant_print(value, FALSE);
            text = printed;
            g_free(printed);
        }
        g_variant_unref(value);
        return text;
    }
    bool SetVolume(double volume) {
        GVariant* reply = g_dbus_connection_call_sync(
            Client, Service->BusName().c_str(), Path, "org.freedesktop.DBus.Properties", "Set",
            g_variant_new("(ssv)", Player, "Volume", g_variant_new_double(volume)), nullptr,
            G_DBUS_CALL_FLAGS_NONE, 5000, nullptr, nullptr);
        if (reply) g_variant_unref(reply);
        return reply != nullptr;
    }
    std::vector<TMprisRequest> Taken() {
        Service->Flush();
        std::lock_guard lock(Mutex);
        return std::exchange(Requests, {});
    }

    TPrivateSessionBus Bus;
    GDBusConnection* Client = nullptr;
    std::unique_ptr<TMprisService> Service;
    std::mutex Mutex;
    std::vector<TMprisRequest> Requests;
};

TEST_F(MprisServiceTest, OwnsItsNameAndDescribesThePlayer) {
    EXPECT_EQ(Service->BusName(), "org.mpris.MediaPlayer2.brisattest");
    const char* root = "org.mpris.MediaPlayer2";
    EXPECT_EQ(GetString(root, "Identity"), "Brisat");
    EXPECT_EQ(GetString(root, "CanQuit"), "true");
    EXPECT_EQ(GetString(root, "CanRaise"), "true");
    EXPECT_EQ(GetString(root, "HasTrackList"), "false");
    EXPECT_EQ(GetString(root, "SupportedUriSchemes"), "['file', 'http']");
    EXPECT_EQ(GetString(root, "SupportedMimeTypes"), "['video/x-msvideo']");
    EXPECT_EQ(GetString(Player, "CanControl"), "true");
    EXPECT_EQ(GetString(Player, "Rate"), "1.0");
    EXPECT_EQ(GetString(Player, "PlaybackStatus"), "Stopped");
    EXPECT_EQ(GetString(Player, "Metadata"), "{}");
}

TEST_F(MprisServiceTest, EachCallIsHandedToThePlayer) {
    struct TCase {
        const char* Interface;
        const char* Method;
        GVariant* Parameters;
        TMprisCommand Command;
        int64_t Offset;
        std::string TrackId;
    };
    const TCase cases[] = {
        {"org.mpris.MediaPlayer2", "Raise", nullptr, TMprisCommand::Raise, 0, ""},
        {"org.mpris.MediaPlayer2", "Quit", nullptr, TMprisCommand::Quit, 0, ""},
        {Player, "PlayPause", nullptr, TMprisCommand::PlayPause, 0, ""},
        {Player, "Play", nullptr, TMprisCommand::Play, 0, ""},
        {Player, "Pause", nullptr, TMprisCommand::Pause, 0, ""},
        {Player, "Stop", nullptr, TMprisCommand::Stop, 0, ""},
        {Player, "Next", nullptr, TMprisCommand::Next, 0, ""},
        {Player, "Previous", nullptr, TMprisCommand::Previous, 0, ""},
        {Player, "Seek", g_variant_new("(x)", INT64_MIN), TMprisCommand::Seek, INT64_MIN, ""},
        {Player, "SetPosition", g_variant_new("(ox)", "/org/brisat/track/3", int64_t(2500000)),
         TMprisCommand::SetPosition, 2500000, "/org/brisat/track/3"},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Method);
        EXPECT_EQ(Call(c.Interface, c.Method, c.Parameters), "");
        const std::vector<TMprisRequest> taken = Taken();
        ASSERT_EQ(taken.size(), 1u);
        EXPECT_EQ(taken[0].Command, c.Command);
        EXPECT_EQ(taken[0].Offset, c.Offset);
        EXPECT_EQ(taken[0].TrackId, c.TrackId);
    }
}

TEST_F(MprisServiceTest, OpenUriTakesOnlyTheSchemesThePlayerPlays) {
    struct TCase {
        const char* Uri;
        std::string Error;
        std::string Location;
    };
    const TCase cases[] = {
        {"file:///films/a%20b.avi", "", "/films/a b.avi"},
        {"FILE:///films/c.avi", "", "/films/c.avi"},
        {"http://example.org/d.avi", "", "http://example.org/d.avi"},
        {"ftp://example.org/e.avi", "org.freedesktop.DBus.Error.NotSupported", ""},
        {"javascript:alert(1)", "org.freedesktop.DBus.Error.NotSupported", ""},
        {"/films/f.avi", "org.freedesktop.DBus.Error.InvalidArgs", ""},
        {"", "org.freedesktop.DBus.Error.InvalidArgs", ""},
        {"file://otherhost/films/g.avi", "org.freedesktop.DBus.Error.InvalidArgs", ""},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Uri);
        EXPECT_EQ(Call(Player, "OpenUri", g_variant_new("(s)", c.Uri)), c.Error);
        const std::vector<TMprisRequest> taken = Taken();
        if (!c.Error.empty()) {
            EXPECT_TRUE(taken.empty());
            continue;
        }
        ASSERT_EQ(taken.size(), 1u);
        EXPECT_EQ(taken[0].Command, TMprisCommand::OpenUri);
        EXPECT_EQ(taken[0].Location, c.Location);
    }
}

TEST_F(MprisServiceTest, VolumeWritesAreKeptInRangeAndNonsenseIsIgnored) {
    const std::pair<double, double> cases[] = {{0.25, 0.25}, {-3.0, 0.0}, {7.5, 1.0}};
    for (const auto& [written, asked] : cases) {
        ASSERT_TRUE(SetVolume(written));
        const std::vector<TMprisRequest> taken = Taken();
        ASSERT_EQ(taken.size(), 1u);
        EXPECT_EQ(taken[0].Command, TMprisCommand::SetVolume);
        EXPECT_EQ(taken[0].Volume, asked);
    }
    ASSERT_TRUE(SetVolume(std::nan("")));
    EXPECT_TRUE(Taken().empty());
}

TEST_F(MprisServiceTest, TheStateReadsBackAndChangesAreAnnounced) {
    std::vector<std::string> announced;
    const unsigned subscription = g_dbus_connection_signal_subscribe(
        Client, nullptr, "org.freedesktop.DBus.Properties", "PropertiesChanged", Path, nullptr,
        G_DBUS_SIGNAL_FLAGS_NONE,
        [](GDBusConnection*, const gchar*, const gchar*, const gchar*, const gchar*,
           GVariant* parameters, gpointer list) {
            GVariant* changed = g_variant_get_child_value(parameters, 1);
            GVariantIter iter;
            g_variant_iter_init(&iter, changed);
            const gchar* key = nullptr;
            GVariant* value = nullptr;
            while (g_variant_iter_next(&iter, "{&sv}", &key, &value)) {
                static_cast<std::vector<std::string>*>(list)->push_back(key);
                g_variant_unref(value);
            }
            g_variant_unref(changed);
        },
        &announced, nullptr);

    TMprisState state{.Status = TMprisStatus::Paused,
                      .TrackId = "/org/brisat/track/1",
                      .Title = "clip.avi",
                      .Url = "file:///films/clip.avi",
                      .Length = 4000000,
                      .Position = 1500000,
                      .Volume = 0.5,
                      .CanGoNext = true,
                      .CanPlay = true,
                      .CanPause = true,
                      .CanSeek = true};
    Service->Update(state);
    ASSERT_TRUE(WaitFor([&] { return !announced.empty(); }));
    EXPECT_EQ(announced, (std::vector<std::string>{"PlaybackStatus", "Metadata", "Volume",
                                                   "CanGoNext", "CanPlay", "CanPause", "CanSeek"}));
    EXPECT_EQ(GetString(Player, "PlaybackStatus"), "Paused");
    EXPECT_EQ(GetString(Player, "Position"), "1500000");
    EXPECT_EQ(GetString(Player, "Volume"), "0.5");
    EXPECT_EQ(GetString(Player, "Metadata"),
              "{'mpris:trackid': <objectpath '/org/brisat/track/1'>, 'mpris:length': <int64 "
              "4000000>, 'xesam:title': <'clip.avi'>, 'xesam:url': <'file:///films/clip.avi'>}");

    // Only what changed is announced; a playing track's position moves on, never past its end.
    announced.clear();
    state.Status = TMprisStatus::Playing;
    state.Position = 3999000;
    Service->Update(state);
    ASSERT_TRUE(WaitFor([&] { return !announced.empty(); }));
    EXPECT_EQ(announced, std::vector<std::string>{"PlaybackStatus"});
    WaitFor([&] { return GetString(Player, "Position") == "4000000"; });
    EXPECT_EQ(GetString(Player, "Position"), "4000000");
    g_dbus_connection_signal_unsubscribe(Client, subscription);
}

TEST_F(MprisServiceTest, ASecondPlayerTakesAnInstanceName) {
    TMprisService second(TestSetup(), [](const TMprisRequest&) {});
    ASSERT_TRUE(WaitFor([&] { return !second.BusName().empty(); }));
    EXPECT_EQ(second.BusName(),
              "org.mpris.MediaPlayer2.brisattest.instance" + std::to_string(getpid()));
}

TEST(MprisServiceWithoutBus, StaysOffTheBusAndTakesUpdates) {
    TNoSessionBus none;
    TMprisService service(TestSetup(), [](const TMprisRequest&) {});
    service.Update({.Status = TMprisStatus::Playing});
    service.Seeked(5);
    service.Flush();
    EXPECT_EQ(service.BusName(), "");
}

} // namespace
