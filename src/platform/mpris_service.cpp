#include "platform/mpris_service.h"

#include <algorithm>
#include <cmath>
#include <unistd.h>

namespace brisat {
namespace {

constexpr const char* ObjectPath = "/org/mpris/MediaPlayer2";
constexpr const char* RootInterface = "org.mpris.MediaPlayer2";
constexpr const char* PlayerInterface = "org.mpris.MediaPlayer2.Player";
constexpr int CallTimeoutMs = 3000;

constexpr const char* Introspection = R"xml(<node>
  <interface name="org.mpris.MediaPlayer2">
    <method name="Raise"/>
    <method name="Quit"/>
    <property name="CanQuit" type="b" access="read"/>
    <property name="CanRaise" type="b" access="read"/>
    <property name="HasTrackList" type="b" access="read"/>
    <property name="Identity" type="s" access="read"/>
    <property name="SupportedUriSchemes" type="as" access="read"/>
    <property name="SupportedMimeTypes" type="as" access="read"/>
  </interface>
  <interface name="org.mpris.MediaPlayer2.Player">
    <method name="Next"/>
    <method name="Previous"/>
    <method name="Pause"/>
    <method name="PlayPause"/>
    <method name="Stop"/>
    <method name="Play"/>
    <method name="Seek"><arg name="Offset" type="x" direction="in"/></method>
    <method name="SetPosition">
      <arg name="TrackId" type="o" direction="in"/>
      <arg name="Position" type="x" direction="in"/>
    </method>
    <method name="OpenUri"><arg name="Uri" type="s" direction="in"/></method>
    <signal name="Seeked"><arg name="Position" type="x"/></signal>
    <property name="PlaybackStatus" type="s" access="read"/>
    <property name="Rate" type="d" access="readwrite"/>
    <property name="Metadata" type="a{sv}" access="read"/>
    <property name="Volume" type="d" access="readwrite"/>
    <property name="Position" type="x" access="read"/>
    <property name="MinimumRate" type="d" access="read"/>
    <property name="MaximumRate" type="d" access="read"/>
    <property name="CanGoNext" type="b" access="read"/>
    <property name="CanGoPrevious" type="b" access="read"/>
    <property name="CanPlay" type="b" access="read"/>
    <property name="CanPause" type="b" access="read"/>
    <property name="CanSeek" type="b" access="read"/>
    <property name="CanControl" type="b" access="read"/>
  </interface></node>)xml";

const char* StatusText(TMprisStatus status) {
    switch (status) {
    case TMprisStatus::Playing: return "Playing";
    case TMprisStatus::Paused: return "Paused";
    case TMprisStatus::Stopped: break;
    }
    return "Stopped";
}

GVariant* StringArray(const std::vector<std::string>& strings) {
    GVariantBuilder array;
    g_variant_builder_init(&array, G_VARIANT_TYPE("as"));
    for (const std::string& s : strings) g_variant_builder_add(&array, "s", s.c_str());
    return g_variant_builder_end(&array);
}

void ReturnError(GDBusMethodInvocation* invocation, const char* name, const std::string& text) {
    g_dbus_method_invocation_return_dbus_error(invocation, name, text.c_str());
}

// The player's commands that take no arguments, by method name.
struct TPlainMethod {
    const char* Name;
    TMprisCommand Command;
};
constexpr TPlainMethod PlainMethods[] = {
    {"Raise", TMprisCommand::Raise}, {"Quit", TMprisCommand::Quit},
    {"Next", TMprisCommand::Next},   {"Previous", TMprisCommand::Previous},
    {"Pause", TMprisCommand::Pause}, {"PlayPause", TMprisCommand::PlayPause},
    {"Stop", TMprisCommand::Stop},   {"Play", TMprisCommand::Play},
};

} // namespace

TMprisService::TMprisService(TMprisSetup setup, TRequestHandler handler)
    : m_setup(std::move(setup)), m_handler(std::move(handler)) {
    m_bus.Post([this] { Start(); });
}

TMprisService::~TMprisService() {
    m_bus.Post([this] { Stop(); });
    m_bus.Flush();
}

void TMprisService::Start() {
    m_connection = ConnectSessionBus();
    if (!m_connection) return;
    GDBusNodeInfo* node = g_dbus_node_info_new_for_xml(Introspection, nullptr);
    static const GDBusInterfaceVTable vtable{OnMethod, OnGet, OnSet, {}};
    for (GDBusInterfaceInfo** interface = node->interfaces; *interface; ++interface)
        if (const unsigned id = g_dbus_connection_register_object(
                m_connection, ObjectPath, *interface, &vtable, this, nullptr, nullptr))
            m_registrations.push_back(id);
    g_dbus_node_info_unref(node);
    if (m_registrations.size() == 2 && OwnName()) return;
    Stop();
}

// The plain name, else one of this process's own as the protocol allows.
bool TMprisService::OwnName() {
    const std::string plain = std::string(RootInterface) + "." + m_setup.Name;
    for (const std::string& name : {plain, plain + ".instance" + std::to_string(getpid())})
        if (RequestBusName(m_connection, name, CallTimeoutMs)) {
            std::lock_guard lock(m_nameMutex);
            m_busName = name;
            return true;
        }
    return false;
}

void TMprisService::Stop() {
    {
        std::lock_guard lock(m_nameMutex);
        m_busName.clear();
    }
    if (!m_connection) return;
    for (const unsigned id : m_registrations)
        g_dbus_connection_unregister_object(m_connection, id);
    m_registrations.clear();
    g_dbus_connection_close_sync(m_connection, nullptr, nullptr);
    g_object_unref(m_connection);
    m_connection = nullptr;
}

std::string TMprisService::BusName() const {
    std::lock_guard lock(m_nameMutex);
    return m_busName;
}

void TMprisService::Update(const TMprisState& state) {
    m_bus.Post([this, state, time = g_get_monotonic_time()] {
        const TMprisState before = m_state;
        m_state = state;
        m_stateTime = time;
        if (!m_registrations.empty()) Apply(before);
    });
}

void TMprisService::Seeked(int64_t position) {
    m_bus.Post([this, position] {
        if (m_registrations.empty()) return;
        g_dbus_connection_emit_signal(m_connection, nullptr, ObjectPath, PlayerInterface,
                                      "Seeked", g_variant_new("(x)", position), nullptr);
    });
}

// Tells the clients which of the player's properties differ from Before.
void TMprisService::Apply(const TMprisState& before) {
    std::vector<const char*> changed;
    const TMprisState& now = m_state;
    if (now.Status != before.Status) changed.push_back("PlaybackStatus");
    if (now.TrackId != before.TrackId || now.Title != before.Title || now.Url != before.Url ||
        now.Length != before.Length)
        changed.push_back("Metadata");
    if (now.Volume != before.Volume) changed.push_back("Volume");
    if (now.CanGoNext != before.CanGoNext) changed.push_back("CanGoNext");
    if (now.CanGoPrevious != before.CanGoPrevious) changed.push_back("CanGoPrevious");
    if (now.CanPlay != before.CanPlay) changed.push_back("CanPlay");
    if (now.CanPause != before.CanPause) changed.push_back("CanPause");
    if (now.CanSeek != before.CanSeek) changed.push_back("CanSeek");
    if (changed.empty()) return;
    GVariantBuilder values;
    g_variant_builder_init(&values, G_VARIANT_TYPE("a{sv}"));
    for (const char* name : changed) g_variant_builder_add(&values, "{sv}", name, PlayerProperty(name));
    const gchar* const invalidated[] = {nullptr};
    g_dbus_connection_emit_signal(
        m_connection, nullptr, ObjectPath, "org.freedesktop.DBus.Properties", "PropertiesChanged",
        g_variant_new("(sa{sv}^as)", PlayerInterface, &values, invalidated), nullptr);
}

// A playing track's position moves on from where the last state put it, up to its end.
int64_t TMprisService::PositionNow() const {
    int64_t position = m_state.Position;
    if (m_state.Status == TMprisStatus::Playing)
        position += g_get_monotonic_time() - m_stateTime;
    if (m_state.Length > 0) position = std::min(position, m_state.Length);
    return std::max<int64_t>(position, 0);
}

GVariant* TMprisService::RootProperty(const std::string& name) {
    if (name == "CanQuit" || name == "CanRaise") return g_variant_new_boolean(TRUE);
    if (name == "HasTrackList") return g_variant_new_boolean(FALSE);
    if (name == "Identity") return g_variant_new_string(m_setup.Identity.c_str());
    if (name == "SupportedUriSchemes") return StringArray(m_setup.UriSchemes);
    if (name == "SupportedMimeTypes") {
        if (!m_mimeTypesAsked && m_setup.MimeTypes) m_mimeTypes = m_setup.MimeTypes();
        m_mimeTypesAsked = true;
        return StringArray(m_mimeTypes);
    }
    return nullptr;
}

GVariant* TMprisService::PlayerProperty(const std::string& name) {
    const TMprisState& s = m_state;
    if (name == "PlaybackStatus") return g_variant_new_string(StatusText(s.Status));
    if (name == "Rate" || name == "MinimumRate" || name == "MaximumRate")
        return g_variant_new_double(1.0);
    if (name == "Metadata") return Metadata();
    if (name == "Volume") return g_variant_new_double(s.Volume);
    if (name == "Position") return g_variant_new_int64(PositionNow());
    const std::pair<const char*, bool> flags[] = {
        {"CanGoNext", s.CanGoNext}, {"CanGoPrevious", s.CanGoPrevious}, {"CanPlay", s.CanPlay},
        {"CanPause", s.CanPause},   {"CanSeek", s.CanSeek},             {"CanControl", true},
    };
    for (const auto& [flag, value] : flags)
        if (name == flag) return g_variant_new_boolean(value);
    return nullptr;
}

GVariant* TMprisService::Metadata() const {
    GVariantBuilder values;
    g_variant_builder_init(&values, G_VARIANT_TYPE("a{sv}"));
    const TMprisState& s = m_state;
    if (!s.TrackId.empty() && g_variant_is_object_path(s.TrackId.c_str())) {
        g_variant_builder_add(&values, "{sv}", "mpris:trackid",
                              g_variant_new_object_path(s.TrackId.c_str()));
        if (s.Length > 0)
            g_variant_builder_add(&values, "{sv}", "mpris:length", g_variant_new_int64(s.Length));
        // Texts that are not UTF-8 (a file name in another encoding) are left out: a GVariant
        // string must be valid UTF-8.
        if (g_utf8_validate(s.Title.c_str(), -1, nullptr))
            g_variant_builder_add(&values, "{sv}", "xesam:title",
                                  g_variant_new_string(s.Title.c_str()));
        if (!s.Url.empty() && g_utf8_validate(s.Url.c_str(), -1, nullptr))
            g_variant_builder_add(&values, "{sv}", "xesam:url", g_variant_new_string(s.Url.c_str()));
    }
    return g_variant_builder_end(&values);
}

void TMprisService::Call(const std::string& method, GVariant* parameters,
                         GDBusMethodInvocation* invocation) {
    TMprisRequest request;
    const auto plain = std::find_if(std::begin(PlainMethods), std::end(PlainMethods),
                                    [&](const TPlainMethod& m) { return method == m.Name; });
    if (plain != std::end(PlainMethods)) {
        request.Command = plain->Command;
    } else if (method == "Seek") {
        request.Command = TMprisCommand::Seek;
        g_variant_get(parameters, "(x)", &request.Offset);
    } else if (method == "SetPosition") {
        request.Command = TMprisCommand::SetPosition;
        const gchar* track = nullptr;
        g_variant_get(parameters, "(&ox)", &track, &request.Offset);
        request.TrackId = track;
    } else if (method == "OpenUri") {
        const gchar* uri = nullptr;
        g_variant_get(parameters, "(&s)", &uri);
        if (!OpenUriRequest(uri, request, invocation)) return;
    } else {
        ReturnError(invocation, "org.freedesktop.DBus.Error.UnknownMethod", "No method " + method);
        return;
    }
    m_handler(request);
    g_dbus_method_invocation_return_value(invocation, nullptr);
}

// A URI of a scheme the player takes; a file: URI becomes its local path. Answers the call with
// an error and returns false otherwise.
bool TMprisService::OpenUriRequest(const char* uri, TMprisRequest& request,
                                   GDBusMethodInvocation* invocation) {
    gchar* scheme = g_uri_parse_scheme(uri);
    if (!scheme) {
        ReturnError(invocation, "org.freedesktop.DBus.Error.InvalidArgs",
                    std::string("Not a URI: ") + uri);
        return false;
    }
    gchar* lowered = g_ascii_strdown(scheme, -1);
    const std::string lower = lowered;
    g_free(lowered);
    g_free(scheme);
    const auto& schemes = m_setup.UriSchemes;
    if (std::find(schemes.begin(), schemes.end(), lower) == schemes.end()) {
        ReturnError(invocation, "org.freedesktop.DBus.Error.NotSupported",
                    "The scheme " + lower + ": is not supported");
        return false;
    }
    request.Command = TMprisCommand::OpenUri;
    request.Location = uri;
    if (lower == "file") {
        // A file on another host is not one this machine can open.
        gchar* host = nullptr;
        gchar* path = g_filename_from_uri(uri, &host, nullptr);
        const bool local = !host || g_ascii_strcasecmp(host, "localhost") == 0;
        g_free(host);
        if (!path || !local) {
            g_free(path);
            ReturnError(invocation, "org.freedesktop.DBus.Error.InvalidArgs",
                        std::string("Not a local file: ") + uri);
            return false;
        }
        request.Location = path;
        g_free(path);
    }
    return true;
}

void TMprisService::SetProperty(const std::string& name, GVariant* value) {
    // The rate is always 1; a request for another is ignored, as the protocol allows.
    if (name != "Volume") return;
    const double volume = g_variant_get_double(value);
    if (std::isnan(volume)) return;
    m_handler({.Command = TMprisCommand::SetVolume, .Volume = std::clamp(volume, 0.0, 1.0)});
}

void TMprisService::OnMethod(GDBusConnection*, const gchar*, const gchar*, const gchar*,
                             const gchar* method, GVariant* parameters,
                             GDBusMethodInvocation* invocation, gpointer self) {
    static_cast<TMprisService*>(self)->Call(method, parameters, invocation);
}

GVariant* TMprisService::OnGet(GDBusConnection*, const gchar*, const gchar*,
                               const gchar* interface, const gchar* property, GError** error,
                               gpointer self) {
    auto& service = *static_cast<TMprisService*>(self);
    GVariant* value = std::string(interface) == RootInterface ? service.RootProperty(property)
                                                              : service.PlayerProperty(property);
    if (!value)
        g_set_error(error, G_DBUS_ERROR, G_DBUS_ERROR_UNKNOWN_PROPERTY, "No property %s", property);
    return value;
}

gboolean TMprisService::OnSet(GDBusConnection*, const gchar*, const gchar*, const gchar*,
                              const gchar* property, GVariant* value, GError**, gpointer self) {
    static_cast<TMprisService*>(self)->SetProperty(property, value);
    return TRUE;
}

} // namespace brisat
