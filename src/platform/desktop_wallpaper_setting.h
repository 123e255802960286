// The desktop environment's own wallpaper setting, kept in GSettings by GNOME (and the desktops
// built on its schema), Cinnamon and MATE. Their desktops draw the wallpaper in a window of their
// own over the root window, so a plain desktop needs this setting changed as well.
//
// The object remembers each key's user value (or that the key held its default) when it is made
// and Restore puts exactly that back. GUI thread only.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace brisat {

class TDesktopWallpaperSetting {
public:
    // Looks up the schema of the running desktop (XDG_CURRENT_DESKTOP) and saves its keys.
    // Found() is false when the desktop is not one of those or its schema is not installed.
    TDesktopWallpaperSetting();
    ~TDesktopWallpaperSetting();
    TDesktopWallpaperSetting(const TDesktopWallpaperSetting&) = delete;
    TDesktopWallpaperSetting& operator=(const TDesktopWallpaperSetting&) = delete;

    bool Found() const { return m_keys != nullptr; }
    // The schema in use, "" when none.
    std::string SchemaId() const;
    // The wallpaper as the setting names it now (a file URI or path), "" when none.
    std::string Wallpaper() const;
    // Shows no picture and a solid Color (0x00RRGGBB).
    void SetPlainColor(uint32_t color);
    // Writes back the saved value of every key, or resets a key that held its default.
    void Restore();

    // The saved keys as text, kept in a file while the plain colour shows, so that a program
    // ended before Restore puts the user's wallpaper back at its next start (RestoreJournal).
    std::string Journal() const;
    // Puts back the keys a journal names. Only the keys this class changes, of the schemas it
    // knows, with values of their type and range, are written; damaged text changes nothing
    // else. False when nothing could be restored.
    static bool RestoreJournal(std::string_view text);

private:
    struct TKeys;
    std::unique_ptr<TKeys> m_keys;
};

} // namespace brisat
