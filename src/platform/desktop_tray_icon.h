// The desktop's tray icon: a StatusNotifierItem (sni_tray_item.h) when a StatusNotifierWatcher
// runs on the session bus, else an icon docked in an XEmbed system tray (xembed_tray_icon.h).
// When the watcher or the tray goes while the icon is shown, or there is neither when it is
// shown, the icon reports TrayLost, so its window never stays hidden without a way back; a
// watcher that comes back gets the shown item again. All of it runs on a thread of the icon's
// own; the GUI thread only posts requests and receives the events through Post.
#pragma once

#include "platform/gio_thread.h"
#include "platform/platform.h"
#include "platform/tray_icon.h"

#include <functional>
#include <memory>
#include <mutex>

namespace brisat {

class TSniTrayItem;
class TXEmbedTrayIcon;

class TDesktopTrayIcon : public ITrayIcon {
public:
    // Receives the icon's events, Window set to Id; called on the icon's thread.
    using TPost = std::function<void(const TPlatformEvent& event)>;

    TDesktopTrayIcon(uint32_t id, TPost post);
    // Takes the icon away; the item's bus name is released.
    ~TDesktopTrayIcon() override;

    void Show(const std::vector<TPixelImage>& images, const std::string& tip) override;
    void Hide() override;

    // Waits until the requests made so far were carried out.
    void Flush() { m_bus.Flush(); }
    // The item's bus name while it is a StatusNotifierItem, else "". Any thread.
    std::string Service() const;

private:
    void ShowOnBus(const std::vector<TPixelImage>& images, const std::string& tip);
    void HideOnBus();
    void Place();
    bool PlaceOnBus();
    void WatchWatcher();
    static void OnWatcherAppeared(GDBusConnection*, const gchar*, const gchar* owner,
                                  gpointer self);
    static void OnWatcherVanished(GDBusConnection*, const gchar*, gpointer self);
    void Notify(TPlatformEventKind kind, int32_t x, int32_t y);
    void SetService(const std::string& service);

    uint32_t m_id;
    TPost m_post;
    mutable std::mutex m_serviceMutex;
    std::string m_service;
    // Used on the bus thread only.
    bool m_shown = false;
    std::vector<TPixelImage> m_images;
    std::string m_tip;
    GDBusConnection* m_connection = nullptr;
    bool m_connectTried = false;
    unsigned m_watch = 0;
    std::string m_registeredWith; // the watcher that has the item, "" none
    std::unique_ptr<TSniTrayItem> m_item;
    std::unique_ptr<TXEmbedTrayIcon> m_xembed;
    TGioThread m_bus; // last: its thread ends before the members it uses go
};

} // namespace brisat
