// The desktop behind every window, made plain for video played on the desktop and then put back.
//
// Making it saves the root window's background (the pixmap named by the _XROOTPMAP_ID and
// ESETROOT_PMAP_ID properties that wallpaper setters leave behind) and the desktop environment's
// wallpaper setting (desktop_wallpaper_setting.h), then paints the root of the default screen and
// the setting in one colour, the video's colour key. Restore, or destroying the object (also when
// an exception unwinds past it), puts back what was saved. X does not let a client read a
// window's background, so a root whose background was never recorded in those properties gets
// the server's default background back.
//
// While the colour shows, the saved wallpaper setting is also kept in a journal file; a program
// that ended without restoring (a crash, a kill) puts it back with RecoverDesktopBackground at
// its next start, and making the object does so first in any case. GUI thread only.
#pragma once

#include "platform/platform.h"

#include <cstdint>
#include <memory>
#include <string>

namespace brisat {

// $XDG_STATE_HOME/brisat/desktop-wallpaper (~/.local/state without XDG_STATE_HOME).
std::string DesktopBackgroundJournalPath();
// Puts back a wallpaper setting left in the journal by a program that did not restore it, and
// removes the journal. False when there was none (or nothing in it could be used).
bool RecoverDesktopBackground(const std::string& journalPath = DesktopBackgroundJournalPath());

class TX11DesktopBackground : public IDesktopBackground {
public:
    // Color is 0x00RRGGBB. Raises std::runtime_error when the X display cannot be opened;
    // nothing is changed then.
    explicit TX11DesktopBackground(uint32_t color,
                                   std::string journalPath = DesktopBackgroundJournalPath());
    ~TX11DesktopBackground() override;
    TX11DesktopBackground(const TX11DesktopBackground&) = delete;
    TX11DesktopBackground& operator=(const TX11DesktopBackground&) = delete;

    // The wallpaper the desktop environment showed before ("" when none or not known).
    const std::string& SavedWallpaper() const override { return m_savedWallpaper; }
    // Puts the saved background back; later calls do nothing.
    void Restore() override;

private:
    struct TRoot;
    std::unique_ptr<TRoot> m_root;
    std::string m_savedWallpaper;
    std::string m_journalPath;
};

} // namespace brisat
