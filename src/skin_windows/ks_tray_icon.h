// The skinned form's icon in the notification area while the window is in the tray. The record
// lives with the form: a hidden auxiliary window receives the icon's notifications as
// KM_TRAYCALLBACK, whose LParam says what happened: a double click (or the desktop's activation)
// restores the window, the right button opens the system menu at the cursor, and the loss of the
// notification area while the window is in the tray restores it too, so it is never left hidden
// without a way back. GUI thread only.
#pragma once

#include "framework/windowing/messages.h"
#include "platform/pixel_image.h"

#include <string>
#include <vector>

namespace brisat {

class TKsBitmap;
class TKsCustomForm;

class TKsTrayIcon {
public:
    // Makes the auxiliary window; no icon is shown yet.
    explicit TKsTrayIcon(TKsCustomForm& form);
    // Deletes the icon and the auxiliary window.
    ~TKsTrayIcon();
    TKsTrayIcon(const TKsTrayIcon&) = delete;
    TKsTrayIcon& operator=(const TKsTrayIcon&) = delete;

    // The picture the icon shows (nullptr: none); a shown icon changes at once.
    void SetIcon(const TKsBitmap* icon);
    // Shows the icon with the window's picture (a skinned form's window icon, else a plain
    // window figure); its tip is the application's title with MinimizeApplication, else the
    // window's caption, cut to 63 characters.
    void Add();
    // Takes the icon away; nothing when none is shown.
    void Delete();

    bool Shown() const { return m_shown; }
    const std::string& Tip() const { return m_tip; }
    HWND Window() const { return m_window; }

private:
    void TakeIcon();
    void WndProc(TMessage& message);
    void Notify(UINT operation, UINT flags);

    TKsCustomForm& m_form;
    HWND m_window = 0;
    bool m_shown = false;
    std::string m_tip;
    std::vector<TPixelImage> m_images;
};

} // namespace brisat
