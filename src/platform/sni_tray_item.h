// A tray icon as a StatusNotifierItem on the session bus: an object of its own under a bus name
// of its own, registered with the desktop's StatusNotifierWatcher, which hands it to the panels
// that show notification icons. The panels read the picture and the tip from the object's
// properties and call Activate or ContextMenu on it. Used on one GIO thread only (gio_thread.h):
// the connection's method calls arrive there.
#pragma once

#include "platform/platform.h"
#include "platform/tray_icon.h"

#include <functional>
#include <gio/gio.h>
#include <string>

namespace brisat {

class TSniTrayItem {
public:
    // Called for the panel's Activate (TrayActivate) and ContextMenu (TrayContextMenu) calls
    // with the screen point the panel gave.
    using TNotify = std::function<void(TPlatformEventKind kind, int32_t x, int32_t y)>;

    // Connection is held (a reference is taken) while the item lives.
    TSniTrayItem(GDBusConnection* connection, TNotify notify);
    // Takes the item off the bus.
    ~TSniTrayItem();
    TSniTrayItem(const TSniTrayItem&) = delete;
    TSniTrayItem& operator=(const TSniTrayItem&) = delete;

    // Puts the object on the bus under a new name; false when the bus refused.
    bool Export();
    // Asks the watcher to show the item; false when it refused or did not answer.
    bool Register();
    // New picture and tip; the panels are told by NewIcon, NewToolTip and NewTitle.
    void Update(const std::vector<TPixelImage>& images, const std::string& tip);
    // The item's bus name ("" before Export).
    const std::string& Service() const { return m_service; }

private:
    static void OnMethod(GDBusConnection*, const gchar*, const gchar*, const gchar*,
                         const gchar* method, GVariant* parameters,
                         GDBusMethodInvocation* invocation, gpointer self);
    static GVariant* OnProperty(GDBusConnection*, const gchar*, const gchar*, const gchar*,
                                const gchar* property, GError** error, gpointer self);
    GVariant* Property(const std::string& name) const;
    void Emit(const char* signal, GVariant* parameters);

    GDBusConnection* m_connection;
    TNotify m_notify;
    std::string m_service;
    unsigned m_registration = 0;
    std::vector<TPixelImage> m_images;
    std::string m_tip;
};

} // namespace brisat
