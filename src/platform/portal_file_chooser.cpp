#include "platform/portal_file_chooser.h"

#include <atomic>
#include <cctype>

namespace brisat {
namespace {

constexpr const char* PortalName = "org.freedesktop.portal.Desktop";
constexpr const char* PortalPath = "/org/freedesktop/portal/desktop";
constexpr const char* ChooserInterface = "org.freedesktop.portal.FileChooser";
constexpr const char* RequestInterface = "org.freedesktop.portal.Request";
// Response codes of the Request interface.
constexpr uint32_t ResponseSuccess = 0, ResponseCancelled = 1;
// Pattern kind of a portal filter entry.
constexpr uint32_t GlobPattern = 0;

std::atomic<unsigned> g_nextToken = 0;

// Portals match globs with case; each letter becomes a class of both cases.
std::string CaselessGlob(const std::string& pattern) {
    std::string glob;
    for (char c : pattern) {
        const unsigned char u = static_cast<unsigned char>(c);
        if (u < 0x80 && std::isalpha(u))
            glob += {'[', char(std::tolower(u)), char(std::toupper(u)), ']'};
        else
            glob += c;
    }
    return glob;
}

// One filter as the portal takes it: (name, [(0, glob), ...]).
GVariant* FilterVariant(const TPortalFilter& filter) {
    GVariantBuilder patterns;
    g_variant_builder_init(&patterns, G_VARIANT_TYPE("a(us)"));
    for (const std::string& pattern : filter.Patterns)
        g_variant_builder_add(&patterns, "(us)", GlobPattern, CaselessGlob(pattern).c_str());
    return g_variant_new("(sa(us))", filter.Name.c_str(), &patterns);
}

GVariant* OptionsVariant(const TPortalOpenRequest& request, const std::string& token) {
    GVariantBuilder options;
    g_variant_builder_init(&options, G_VARIANT_TYPE_VARDICT);
    g_variant_builder_add(&options, "{sv}", "handle_token", g_variant_new_string(token.c_str()));
    g_variant_builder_add(&options, "{sv}", "modal", g_variant_new_boolean(TRUE));
    g_variant_builder_add(&options, "{sv}", "multiple", g_variant_new_boolean(request.Multiple));
    if (!request.Filters.empty()) {
        GVariantBuilder filters;
        g_variant_builder_init(&filters, G_VARIANT_TYPE("a(sa(us))"));
        for (const TPortalFilter& filter : request.Filters)
            g_variant_builder_add_value(&filters, FilterVariant(filter));
        g_variant_builder_add(&options, "{sv}", "filters", g_variant_builder_end(&filters));
    }
    if (request.CurrentFilter >= 0 && size_t(request.CurrentFilter) < request.Filters.size())
        g_variant_builder_add(&options, "{sv}", "current_filter",
                              FilterVariant(request.Filters[size_t(request.CurrentFilter)]));
    if (!request.CurrentFolder.empty())
        g_variant_builder_add(&options, "{sv}", "current_folder",
                              g_variant_new_bytestring(request.CurrentFolder.c_str()));
    return g_variant_builder_end(&options);
}

// The request object's path the portal will use for our token: the unique name without its
// ":" and with "." as "_".
std::string RequestPath(GDBusConnection* connection, const std::string& token) {
    std::string sender = g_dbus_connection_get_unique_name(connection);
    if (!sender.empty() && sender[0] == ':') sender.erase(0, 1);
    for (char& c : sender)
        if (c == '.') c = '_';
    return std::string(PortalPath) + "/request/" + sender + "/" + token;
}

} // namespace

TPortalFileChooser::TPortalFileChooser(TWake wake, int answerTimeoutMs)
    : m_wake(std::move(wake)), m_timeoutMs(answerTimeoutMs) {}

TPortalFileChooser::~TPortalFileChooser() {
    Cancel();
    m_bus.Post([this] {
        if (!m_connection) return;
        if (m_subscription) g_dbus_connection_signal_unsubscribe(m_connection, m_subscription);
        g_object_unref(m_connection);
    });
    m_bus.Flush();
}

void TPortalFileChooser::Open(const TPortalOpenRequest& request) {
    {
        std::lock_guard lock(m_mutex);
        if (m_status != TPortalStatus::Idle) return;
        m_status = TPortalStatus::Pending;
        m_filters = request.Filters;
    }
    m_bus.Post([this, request] { Start(request); });
}

void TPortalFileChooser::Cancel() {
    if (Status() != TPortalStatus::Pending) return;
    m_bus.Post([this] {
        if (!m_connection || m_handle.empty()) return;
        g_dbus_connection_call(m_connection, PortalName, m_handle.c_str(), RequestInterface,
                               "Close", nullptr, nullptr, G_DBUS_CALL_FLAGS_NONE, m_timeoutMs,
                               nullptr, nullptr, nullptr);
    });
    Finish(TPortalStatus::Cancelled, {}, -1, {});
}

TPortalStatus TPortalFileChooser::Status() const {
    std::lock_guard lock(m_mutex);
    return m_status;
}

std::vector<std::string> TPortalFileChooser::Paths() const {
    std::lock_guard lock(m_mutex);
    return m_paths;
}

int TPortalFileChooser::ChosenFilter() const {
    std::lock_guard lock(m_mutex);
    return m_chosenFilter;
}

std::string TPortalFileChooser::Error() const {
    std::lock_guard lock(m_mutex);
    return m_error;
}

void TPortalFileChooser::Start(const TPortalOpenRequest& request) {
    m_connection = ConnectSessionBus();
    if (!m_connection) return Finish(TPortalStatus::Unavailable, {}, -1, "No session bus");
    const std::string token = "brisat" + std::to_string(g_nextToken++);
    // Subscribed before asking, so an answer cannot come before we listen.
    m_handle = RequestPath(m_connection, token);
    m_subscription = g_dbus_connection_signal_subscribe(
        m_connection, PortalName, RequestInterface, "Response", m_handle.c_str(), nullptr,
        G_DBUS_SIGNAL_FLAGS_NONE, OnSignal, this, nullptr);
    GError* error = nullptr;
    GVariant* reply = g_dbus_connection_call_sync(
        m_connection, PortalName, PortalPath, ChooserInterface, "OpenFile",
        g_variant_new("(ss@a{sv})", request.ParentWindow.c_str(), request.Title.c_str(),
                      OptionsVariant(request, token)),
        G_VARIANT_TYPE("(o)"), G_DBUS_CALL_FLAGS_NONE, m_timeoutMs, nullptr, &error);
    if (!reply) {
        std::string message = error->message;
        g_error_free(error);
        return Finish(TPortalStatus::Unavailable, {}, -1, message);
    }
    const gchar* handle = nullptr;
    g_variant_get(reply, "(&o)", &handle);
    if (m_handle != handle) { // portals before version 0.9 chose the path themselves
        g_dbus_connection_signal_unsubscribe(m_connection, m_subscription);
        m_handle = handle;
        m_subscription = g_dbus_connection_signal_subscribe(
            m_connection, PortalName, RequestInterface, "Response", m_handle.c_str(), nullptr,
            G_DBUS_SIGNAL_FLAGS_NONE, OnSignal, this, nullptr);
    }
    g_variant_unref(reply);
}

void TPortalFileChooser::OnSignal(GDBusConnection*, const gchar*, const gchar*, const gchar*,
                                  const gchar*, GVariant* parameters, gpointer self) {
    static_cast<TPortalFileChooser*>(self)->OnResponse(parameters);
}

void TPortalFileChooser::OnResponse(GVariant* parameters) {
    if (!g_variant_is_of_type(parameters, G_VARIANT_TYPE("(ua{sv})"))) return;
    uint32_t response = 0;
    GVariant* results = nullptr;
    g_variant_get(parameters, "(u@a{sv})", &response, &results);
    std::vector<std::string> paths;
    if (GVariant* uris = g_variant_lookup_value(results, "uris", G_VARIANT_TYPE_STRING_ARRAY)) {
        gsize count = 0;
        const gchar** list = g_variant_get_strv(uris, &count);
        for (gsize i = 0; i < count; ++i)
            if (gchar* path = g_filename_from_uri(list[i], nullptr, nullptr)) {
                paths.emplace_back(path);
                g_free(path);
            }
        g_free(list);
        g_variant_unref(uris);
    }
    int filter = -1;
    const gchar* name = nullptr;
    if (GVariant* current =
            g_variant_lookup_value(results, "current_filter", G_VARIANT_TYPE("(sa(us))"))) {
        g_variant_get(current, "(&s@a(us))", &name, nullptr);
        for (size_t i = 0; i < m_filters.size(); ++i)
            if (m_filters[i].Name == name) filter = int(i);
        g_variant_unref(current);
    }
    g_variant_unref(results);
    if (response == ResponseSuccess && !paths.empty())
        Finish(TPortalStatus::Chosen, std::move(paths), filter, {});
    else if (response == ResponseSuccess || response == ResponseCancelled)
        Finish(TPortalStatus::Cancelled, {}, -1, {});
    else
        Finish(TPortalStatus::Unavailable, {}, -1, "The desktop's file chooser failed");
}

void TPortalFileChooser::Finish(TPortalStatus status, std::vector<std::string> paths, int filter,
                                std::string error) {
    {
        std::lock_guard lock(m_mutex);
        if (m_status != TPortalStatus::Pending) return;
        m_status = status;
        m_paths = std::move(paths);
        m_chosenFilter = filter;
        m_error = std::move(error);
    }
    if (m_wake) m_wake();
}

} // namespace brisat
