// A media player on the session bus as desktop shells and media keys expect it (the MPRIS 2
// interfaces org.mpris.MediaPlayer2 and org.mpris.MediaPlayer2.Player on
// /org/mpris/MediaPlayer2, under the name org.mpris.MediaPlayer2.<Name>, or
// org.mpris.MediaPlayer2.<Name>.instance<pid> when another process has that one).
//
// The service speaks the protocol and nothing else: it answers properties from the last state
// the player gave it, tells clients what changed, checks the arguments of the calls and hands the
// player each call as a TMprisRequest. Whether a request makes sense now (a seek in a stream, an
// unknown track) is the player's to judge.
//
// Threads: the bus connection lives on a thread of the service's own (gio_thread.h); the
// requests and MimeTypes are called there. Update, Seeked and Flush may be called from any
// thread. Without a session bus (or with one that refuses the name) the service stays off the
// bus and everything else still works.
#pragma once

#include "platform/gio_thread.h"

#include <cstdint>
#include <functional>
#include <mutex>
#include <string>
#include <vector>

namespace brisat {

enum class TMprisStatus : uint8_t { Playing, Paused, Stopped };

// What the player shows; times in microseconds.
struct TMprisState {
    TMprisStatus Status = TMprisStatus::Stopped;
    // An object path naming the current track, "" when there is none (no metadata then).
    std::string TrackId{};
    std::string Title{};
    std::string Url{};
    int64_t Length = 0;   // 0: not known
    int64_t Position = 0; // when the state was taken; a playing track moves on from there
    double Volume = 1.0;  // 0 silent .. 1 full
    bool CanGoNext = false;
    bool CanGoPrevious = false;
    bool CanPlay = false;
    bool CanPause = false;
    bool CanSeek = false;
    friend bool operator==(const TMprisState&, const TMprisState&) = default;
};

enum class TMprisCommand : uint8_t {
    Raise,
    Quit,
    PlayPause,
    Play,
    Pause,
    Stop,
    Next,
    Previous,
    Seek,        // by Offset
    SetPosition, // TrackId to Offset
    OpenUri,     // Location
    SetVolume,   // to Volume, 0 .. 1
};

struct TMprisRequest {
    TMprisCommand Command = TMprisCommand::Play;
    int64_t Offset = 0; // microseconds
    std::string TrackId{};
    // A local path for a file: URI, else the URI itself.
    std::string Location{};
    double Volume = 0;
};

struct TMprisSetup {
    std::string Name;     // the bus name's last part, "brisat"
    std::string Identity; // "Brisat"
    // URI schemes OpenUri takes ("file", "http"); others are refused with an error.
    std::vector<std::string> UriSchemes;
    // The MIME types the player plays; asked once, on the service's thread, when a client first
    // wants them (it may take a while).
    std::function<std::vector<std::string>()> MimeTypes;
};

class TMprisService {
public:
    using TRequestHandler = std::function<void(const TMprisRequest& request)>;

    // Goes on the bus on the service's thread; returns at once.
    TMprisService(TMprisSetup setup, TRequestHandler handler);
    // Leaves the bus.
    ~TMprisService();
    TMprisService(const TMprisService&) = delete;
    TMprisService& operator=(const TMprisService&) = delete;

    // The player's new state; clients are told what changed (the position, which moves by
    // itself, only through Seeked).
    void Update(const TMprisState& state);
    // The position jumped (a seek) to Position microseconds.
    void Seeked(int64_t position);
    // Waits until what was asked so far was done.
    void Flush() { m_bus.Flush(); }
    // The name the service owns, "" while it owns none.
    std::string BusName() const;

private:
    void Start();
    bool OwnName();
    void Stop();
    void Apply(const TMprisState& state);
    int64_t PositionNow() const;
    GVariant* RootProperty(const std::string& name);
    GVariant* PlayerProperty(const std::string& name);
    GVariant* Metadata() const;
    void Call(const std::string& method, GVariant* parameters, GDBusMethodInvocation* invocation);
    bool OpenUriRequest(const char* uri, TMprisRequest& request, GDBusMethodInvocation* invocation);
    void SetProperty(const std::string& name, GVariant* value);
    static void OnMethod(GDBusConnection*, const gchar*, const gchar*, const gchar*,
                         const gchar* method, GVariant* parameters,
                         GDBusMethodInvocation* invocation, gpointer self);
    static GVariant* OnGet(GDBusConnection*, const gchar*, const gchar*, const gchar* interface,
                           const gchar* property, GError** error, gpointer self);
    static gboolean OnSet(GDBusConnection*, const gchar*, const gchar*, const gchar*,
                          const gchar* property, GVariant* value, GError** error, gpointer self);

    TMprisSetup m_setup;
    TRequestHandler m_handler;
    mutable std::mutex m_nameMutex;
    std::string m_busName;
    // Used on the service's thread only.
    GDBusConnection* m_connection = nullptr;
    std::vector<unsigned> m_registrations;
    TMprisState m_state;
    int64_t m_stateTime = 0; // g_get_monotonic_time() when m_state came
    bool m_mimeTypesAsked = false;
    std::vector<std::string> m_mimeTypes;
    TGioThread m_bus; // last: its thread ends before the members it uses go
};

} // namespace brisat
