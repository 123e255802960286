// The player driven as the desktop drives media players, over a private session bus: a playing
// clip is paused, moved to a position (one for another track is ignored), played on, sent back
// to its start by an absurd seek, skipped to the next entry, its volume set, an unknown scheme
// refused and a missing file reported as the player reports any; Quit ends the program. Without
// a session bus the player plays all the same.
#include "platform/session_bus.h"
#include "player_test.h"

#include <cstdio>
#include <filesystem>
#include <gtest/gtest.h>
#include <limits>
#include <optional>

using namespace brisat;
using namespace brisat::test;

namespace {

constexpr const char* BusName = "org.mpris.MediaPlayer2.brisat";
constexpr const char* ObjectPath = "/org/mpris/MediaPlayer2";
constexpr const char* Player = "org.mpris.MediaPlayer2.Player";

// The position in seconds that the main window's caption shows ("a.avi  0:00:12 > 0:00:20"),
// -1 when the caption is not that of File.
int CaptionSeconds(TProgramDriver& driver, const std::string& file) {
    const std::optional<TDrivenWindow> main = driver.WindowStartingWith(file + "  ");
    unsigned h = 0, m = 0, s = 0;
    if (!main || std::sscanf(main->Title.c_str() + file.size() + 2, "%u:%u:%u", &h, &m, &s) != 3)
        return -1;
    return int(h * 3600 + m * 60 + s);
}

class MediaPlayerBus : public PlayerTest {
protected:
    void SetUp() override {
        PlayerTest::SetUp();
        if (!Bus.Failure().empty()) GTEST_SKIP() << Bus.Failure();
        Client = ConnectSessionBus();
        ASSERT_NE(Client, nullptr);
    }
    void TearDown() override {
        if (Client) g_object_unref(Client);
        PlayerTest::TearDown();
    }
    // "" when the call succeeded, else the error's D-Bus name.
    std::string Call(const char* method, GVariant* parameters = nullptr,
                     const char* interface = Player) {
        return CallForError(Client, BusName, ObjectPath, interface, method, parameters);
    }
    // The player's property Name printed ("'Playing'", "int64 1500000"), "" when unreadable.
    std::string Property(const char* name) {
        GVariant* reply = g_dbus_connection_call_sync(
            Client, BusName, ObjectPath, "org.freedesktop.DBus.Properties", "Get",
            g_variant_new("(ss)", Player, name), G_VARIANT_TYPE("(v)"), G_DBUS_CALL_FLAGS_NONE,
            5000, nullptr, nullptr);
        if (!reply) return {};
        GVariant* value = nullptr;
        g_variant_get(reply, "(v)", &value);
        gchar* printed = g_variant_print(value, TRUE);
        std::string text = printed;
        g_free(printed);
        g_variant_unref(value);
        g_variant_unref(reply);
        return text;
    }
    int64_t Position() {
        int64_t position = -1;
        std::sscanf(Property("Position").c_str(), "int64 %ld", &position);
        return position;
    }
    // The track id of the metadata, "" when there is none.
    std::string TrackId() {
        const std::string metadata = Property("Metadata");
        const std::string key = "'mpris:trackid': <objectpath '";
        const size_t at = metadata.find(key);
        if (at == std::string::npos) return {};
        const size_t start = at + key.size();
        return metadata.substr(start, metadata.find('\'', start) - start);
    }
    testing::AssertionResult WaitForProperty(const char* name, const std::string& value) {
        if (TProgramDriver::WaitUntil([&] { return Property(name) == value; }, 30s))
            return testing::AssertionSuccess();
        return testing::AssertionFailure() << name << " is " << Property(name) << ", not " << value;
    }

    TPrivateSessionBus Bus;
    GDBusConnection* Client = nullptr;
};
BRISAT_PLAYER_SUITE(MediaPlayerBus);

TEST_P(MediaPlayerBus, PausesSeeksSkipsAndQuitsAPlayingClip) {
    const std::string first = MakeClip("first.avi", "pattern=red", 20);
    const std::string second = MakeClip("second.avi", "pattern=blue", 3);
    TProgramDriver driver = Start({first, second});
    ASSERT_TRUE(WaitForProperty("PlaybackStatus", "'Playing'"));
    ASSERT_TRUE(
        TProgramDriver::WaitUntil([&] { return CaptionSeconds(driver, "first.avi") >= 0; }, 30s));
    EXPECT_EQ(Property("CanGoNext"), "true");
    EXPECT_EQ(Property("CanSeek"), "true");
    const std::string track = TrackId();
    ASSERT_FALSE(track.empty()) << Property("Metadata");
    EXPECT_NE(Property("Metadata").find("'xesam:title': <'first.avi'>"), std::string::npos);

    // Paused, it stays at the position it was moved to; one for another track is ignored.
    ASSERT_EQ(Call("Pause"), "");
    ASSERT_TRUE(WaitForProperty("PlaybackStatus", "'Paused'"));
    ASSERT_EQ(Call("SetPosition", g_variant_new("(ox)", track.c_str(), int64_t(12'000'000))), "");
    ASSERT_TRUE(TProgramDriver::WaitUntil([&] { return Position() >= 12'000'000; }, 30s))
        << Position();
    ASSERT_EQ(Call("SetPosition", g_variant_new("(ox)", "/org/brisat/track/999", int64_t(0))), "");
    ASSERT_EQ(Call("SetPosition", g_variant_new("(ox)", track.c_str(), int64_t(-1))), "");
    ASSERT_EQ(Call("PlayPause"), "");
    ASSERT_TRUE(WaitForProperty("PlaybackStatus", "'Playing'"));
    ASSERT_TRUE(
        TProgramDriver::WaitUntil([&] { return CaptionSeconds(driver, "first.avi") >= 13; }, 30s));

    // An offset no clip is long enough for lands at the start.
    ASSERT_EQ(Call("Seek", g_variant_new("(x)", std::numeric_limits<int64_t>::min())), "");
    EXPECT_TRUE(TProgramDriver::WaitUntil(
        [&] {
            const int seconds = CaptionSeconds(driver, "first.avi");
            return seconds >= 0 && seconds < 12;
        },
        30s));

    ASSERT_EQ(Call("Next"), "");
    ASSERT_TRUE(TProgramDriver::WaitUntil(
        [&] { return driver.WindowStartingWith("second.avi  ").has_value(); }, 30s));
    EXPECT_TRUE(WaitForProperty("CanGoPrevious", "true"));
    EXPECT_NE(TrackId(), track);

    GVariant* reply = g_dbus_connection_call_sync(
        Client, BusName, ObjectPath, "org.freedesktop.DBus.Properties", "Set",
        g_variant_new("(ssv)", Player, "Volume", g_variant_new_double(0.25)), nullptr,
        G_DBUS_CALL_FLAGS_NONE, 5000, nullptr, nullptr);
    ASSERT_NE(reply, nullptr);
    g_variant_unref(reply);
    EXPECT_TRUE(WaitForProperty("Volume", "0.25"));

    EXPECT_EQ(Call("OpenUri", g_variant_new("(s)", "gopher://example.org/clip.avi")),
              "org.freedesktop.DBus.Error.NotSupported");
    const std::string missing = "file://" + PathOf("missing.avi");
    ASSERT_EQ(Call("OpenUri", g_variant_new("(s)", missing.c_str())), "");
    driver.PressKey(driver.WaitForWindow("Brisat", 30s), "Return");
    ASSERT_TRUE(driver.WaitForWindowToGo("Brisat"));

    ASSERT_EQ(Call("Quit", nullptr, "org.mpris.MediaPlayer2"), "");
    EXPECT_EQ(driver.WaitForExitCode(), 0);
}

// Once the last clip is over the desktop sees playback stopped; an address opened through the
// open-URL dialog (which does not join the playlist) is the track it names then.
TEST_P(MediaPlayerBus, StopsAfterTheLastClipAndNamesAnAddressOpenedThroughTheDialog) {
    const std::string first = MakeClip("first.avi", "pattern=red", 2);
    const std::string last = MakeClip("last.avi", "pattern=blue", 2);
    const TTypeableLink stream(MakeClip("stream.avi", "pattern=green", 20));
    TProgramDriver driver = Start({first, last});
    std::optional<TDrivenWindow> main;
    ASSERT_TRUE(TProgramDriver::WaitUntil(
        [&] { return (main = driver.WindowStartingWith("last.avi  ")).has_value(); }, 30s));
    EXPECT_NE(Property("Metadata").find("'xesam:title': <'last.avi'>"), std::string::npos);
    ASSERT_TRUE(WaitForProperty("PlaybackStatus", "'Stopped'"));

    ASSERT_TRUE(OpenThroughUrlDialog(driver, *main, stream.Path()));
    ASSERT_TRUE(WaitForProperty("PlaybackStatus", "'Playing'"));
    const std::string title = "'xesam:title': <'" + std::filesystem::path(stream.Path())
                                                         .filename().string() + "'>";
    EXPECT_TRUE(TProgramDriver::WaitUntil(
        [&] { return Property("Metadata").find(title) != std::string::npos; }, 30s))
        << Property("Metadata");
    EXPECT_NE(Property("Metadata").find("'xesam:url': <'file://" + stream.Path() + "'>"),
              std::string::npos);
    ASSERT_EQ(Call("Quit", nullptr, "org.mpris.MediaPlayer2"), "");
    EXPECT_EQ(driver.WaitForExitCode(), 0);
}

TEST_P(MediaPlayerBus, WithoutASessionBusThePlayerPlaysAllTheSame) {
    const std::string clip = MakeClip("alone.avi", "pattern=green", 5);
    TNoSessionBus none;
    TProgramDriver driver = Start({clip});
    EXPECT_TRUE(
        TProgramDriver::WaitUntil([&] { return CaptionSeconds(driver, "alone.avi") >= 1; }, 30s));
    EXPECT_TRUE(driver.Running());
}

} // namespace
