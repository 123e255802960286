// Keeps the screen saver and monitor power saving away while video plays. Two services are
// asked: the desktop's (org.freedesktop.ScreenSaver on the session bus, which GNOME, KDE, Xfce
// and the others provide) and the X server's own (the screen-saver extension's suspension, which
// also holds the DPMS timers, with DPMS switched off besides). The bus is spoken to on a thread
// of this object's own, so the GUI thread never waits for it; a missing bus, service or
// extension is passed over quietly.
//
// The desktop drops an inhibition when its caller's connection closes, and the X server when
// this object's connection closes, so even a crash leaves the screen saver working. GUI thread
// only.
#pragma once

#include "platform/gio_thread.h"

#include <atomic>
#include <cstdint>
#include <memory>
#include <string>

namespace brisat {

class TScreenSaverInhibitor {
public:
    explicit TScreenSaverInhibitor(std::string application = "Brisat");
    // Releases an inhibition still held.
    ~TScreenSaverInhibitor();
    TScreenSaverInhibitor(const TScreenSaverInhibitor&) = delete;
    TScreenSaverInhibitor& operator=(const TScreenSaverInhibitor&) = delete;

    // Does nothing while already inhibited.
    void Inhibit(const std::string& reason = "Playing video");
    // Does nothing unless inhibited.
    void Release();
    bool Inhibited() const { return m_inhibited; }

    // Whether the desktop's service accepted the inhibition (false until its answer came).
    bool DesktopInhibited() const { return m_desktopHeld; }
    // Waits until the desktop's service answered the requests made so far.
    void WaitForDesktop() { m_bus.Flush(); }

private:
    struct TX11;
    void DesktopInhibit(const std::string& reason);
    void DesktopRelease();

    std::string m_application;
    bool m_inhibited = false;
    std::unique_ptr<TX11> m_x11;
    // Used on the bus thread only.
    GDBusConnection* m_connection = nullptr;
    bool m_connectTried = false;
    uint32_t m_cookie = 0;
    std::atomic<bool> m_desktopHeld = false;
    TGioThread m_bus; // last: its thread ends before the members it uses go
};

} // namespace brisat
