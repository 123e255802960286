// A tray icon docked in an XEmbed system tray (the freedesktop system-tray protocol): a small X
// window of its own, handed to the owner of the _NET_SYSTEM_TRAY_S<screen> selection, painted
// with the picture. A double click with the left button activates it, releasing the right button
// asks for its menu. Runs on one GIO thread only (gio_thread.h): the X connection is its own and
// is read from that thread's main context, so the GUI thread never waits for the tray.
#pragma once

#include "platform/platform.h"

#include <functional>
#include <glib.h>

namespace brisat {

class TXEmbedTrayIcon {
public:
    // Kind is TrayActivate, TrayContextMenu (at the screen point) or TrayLost (the tray went).
    using TNotify = std::function<void(TPlatformEventKind kind, int32_t x, int32_t y)>;

    explicit TXEmbedTrayIcon(TNotify notify);
    // Takes the window out of the tray.
    ~TXEmbedTrayIcon();
    TXEmbedTrayIcon(const TXEmbedTrayIcon&) = delete;
    TXEmbedTrayIcon& operator=(const TXEmbedTrayIcon&) = delete;

    // Asks the tray of the default screen to take the icon; false when there is no X display or
    // no tray.
    bool Dock(const std::vector<TPixelImage>& images);
    // A new picture.
    void Update(const std::vector<TPixelImage>& images);

private:
    struct TX11;
    static gboolean OnReadable(gint, GIOCondition, gpointer self);
    void ReadEvents();
    void Paint();
    void Lost();

    TNotify m_notify;
    std::vector<TPixelImage> m_images;
    std::unique_ptr<TX11> m_x;
    GSource* m_source = nullptr;
};

// Lets the tray's X connections fail quietly (a tray may go between two requests) while other
// connections keep their error handling. Call on the GUI thread, outside any X error trap,
// before the first Dock.
void PrepareXEmbedErrors();

} // namespace brisat
