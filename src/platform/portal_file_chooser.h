// The desktop's own file chooser, asked through the xdg-desktop-portal FileChooser interface on
// the session bus. The conversation runs on a thread of the object's own: Open returns at once,
// the object's state follows the portal's answers, and Wake is called (on that thread) whenever
// the state changes so the GUI thread can look while its message loop keeps running.
#pragma once

#include "platform/gio_thread.h"

#include <functional>
#include <mutex>
#include <string>
#include <vector>

namespace brisat {

struct TPortalFilter {
    std::string Name;
    std::vector<std::string> Patterns; // globs; matched ignoring ASCII case
};

struct TPortalOpenRequest {
    std::string Title;
    std::vector<TPortalFilter> Filters;
    int CurrentFilter = -1; // index into Filters, -1 for the portal's choice
    bool Multiple = false;
    std::string CurrentFolder; // "" for the portal's choice
    std::string ParentWindow;  // "x11:<hex id>" or ""
};

enum class TPortalStatus { Idle, Pending, Chosen, Cancelled, Unavailable };

class TPortalFileChooser {
public:
    using TWake = std::function<void()>;

    // AnswerTimeoutMs bounds the wait for the portal to take the request (not for the user).
    explicit TPortalFileChooser(TWake wake, int answerTimeoutMs = 5000);
    // Closes a dialog still open.
    ~TPortalFileChooser();
    TPortalFileChooser(const TPortalFileChooser&) = delete;
    TPortalFileChooser& operator=(const TPortalFileChooser&) = delete;

    // Starts a request; Status is Pending until it ends. Only one request per object.
    void Open(const TPortalOpenRequest& request);
    // Closes the portal's dialog; Status becomes Cancelled.
    void Cancel();

    TPortalStatus Status() const;
    // Chosen: the local paths in the portal's order (addresses that are not local files are
    // left out), and the filter left selected (-1 when the portal did not say).
    std::vector<std::string> Paths() const;
    int ChosenFilter() const;
    // Unavailable: why.
    std::string Error() const;

private:
    void Start(const TPortalOpenRequest& request);
    void Finish(TPortalStatus status, std::vector<std::string> paths, int filter,
                std::string error);
    void OnResponse(GVariant* parameters);
    static void OnSignal(GDBusConnection*, const gchar*, const gchar*, const gchar*, const gchar*,
                         GVariant* parameters, gpointer self);

    TWake m_wake;
    int m_timeoutMs;
    mutable std::mutex m_mutex;
    TPortalStatus m_status = TPortalStatus::Idle;
    std::vector<std::string> m_paths;
    int m_chosenFilter = -1;
    std::string m_error;
    std::vector<TPortalFilter> m_filters; // to tell which one the portal reports as chosen
    // Used on the bus thread only.
    GDBusConnection* m_connection = nullptr;
    unsigned m_subscription = 0;
    std::string m_handle;
    TGioThread m_bus; // last: its thread ends before the members it uses go
};

} // namespace brisat
