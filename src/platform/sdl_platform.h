// The desktop platform: windows, input, monitors, cursor and clipboard on SDL2 over X11, with
// the X11 calls SDL lacks (x11_window_hints.h). Pointer input is read from the X events
// themselves, so a capture works for windows that never take the focus (menus) and screen
// coordinates are exact. GUI thread only, except Wake and the video layers' frame hand-over.
#pragma once

#include "platform/platform.h"

#include <array>
#include <atomic>
#include <deque>
#include <memory>
#include <mutex>
#include <optional>
#include <vector>

union SDL_Event;
struct SDL_MouseMotionEvent;
struct SDL_Window;
struct SDL_Cursor;
struct _XDisplay;
union _XEvent;

namespace brisat {

class TSdlPlatformWindow;
class TX11DropTarget;
struct TPointerFields;

// The desktop platform on the display named by $DISPLAY. Raises std::runtime_error with the
// reason when there is no X display or SDL cannot use it.
std::unique_ptr<IPlatform> CreateDesktopPlatform();

class TSdlPlatform : public IPlatform {
public:
    TSdlPlatform();
    ~TSdlPlatform() override;
    TSdlPlatform(const TSdlPlatform&) = delete;
    TSdlPlatform& operator=(const TSdlPlatform&) = delete;

    std::unique_ptr<IPlatformWindow> CreateWindow(uint32_t id,
                                                  const TPlatformWindowParams& params) override;
    bool WaitEvent(TPlatformEvent& event, int32_t timeoutMs) override;
    void Wake() override;
    uint32_t TickCount() override;

    std::vector<TMonitorInfo> Monitors() override;
    int32_t CursorX() override;
    int32_t CursorY() override;
    void SetCapture(uint32_t window) override;
    void SetCursor(int32_t cursor) override;
    std::string ClipboardText() override;
    void SetClipboardText(const std::string& text) override;
    std::vector<uint32_t> CaptureScreen(const TScreenRect& rect) override;
    // The X root window and the desktop environment's wallpaper setting.
    std::unique_ptr<IDesktopBackground> PaintDesktop(uint32_t rgb) override;
    // A StatusNotifierItem, else an XEmbed tray icon (desktop_tray_icon.h).
    std::unique_ptr<ITrayIcon> CreateTrayIcon(uint32_t id) override;

    // --- For the windows -----------------------------------------------------------------------
    void Register(TSdlPlatformWindow& window);
    // Drops on Window arrive as Drop events from now on, or no more.
    void AcceptDrops(const TSdlPlatformWindow& window, bool accept);
    void Unregister(TSdlPlatformWindow& window);
    // Thread-safe: asks the event wait to show Window's newest video frame. False when the
    // event queue is full.
    bool PostVideoFrame(uint32_t window);
    // Keeps top-most windows above the others and transient ones above all, as the desktop
    // would: after a window was shown or made top-most.
    void Restack();
    // The lowest visible window that must stay above Window, nullptr when none.
    SDL_Window* Ceiling(const TSdlPlatformWindow& window) const;
    // Whether a compositing manager runs now (asked of the server each time: one may start or
    // end at any moment).
    bool CompositorRunning();
    // The X visual with alpha for windows a compositing manager blends; 0 when the screen has
    // none.
    unsigned long AlphaVisual();
    // From the first window made with that visual on (Window, of SDL's connection), a compositing
    // manager starting or ending makes every shown window with it draw itself again (Exposed).
    void WatchCompositor(SDL_Window* window);

private:
    static bool KeptAbove(const TSdlPlatformWindow& w);
    enum class TTranslation { Event, Woken, Nothing };
    TTranslation Translate(const SDL_Event& in, TPlatformEvent& out);
    TTranslation TranslatePointer(const _XEvent& x, TPlatformEvent& out);
    TTranslation TranslateConfigure(const _XEvent& x, TPlatformEvent& out);
    TTranslation CompositorChanged(TPlatformEvent& out);
    TTranslation TranslateMotion(const SDL_MouseMotionEvent& in, TPlatformEvent& out);
    // Thread-safe: Event is handed out by a coming wait, which it wakes.
    void PostEvent(const TPlatformEvent& event);
    bool TakePosted(TPlatformEvent& event);
    void RoutePointer(const TSdlPlatformWindow& source, const TPointerFields& f,
                      TPlatformEvent& out);
    TTranslation TranslateWindowEvent(const SDL_Event& in, TPlatformEvent& out);
    TSdlPlatformWindow* FindById(uint32_t id) const;
    TSdlPlatformWindow* FindBySdlId(uint32_t sdlId) const;
    TSdlPlatformWindow* FindByXWindow(unsigned long xWindow) const;
    // Reads the pointer's place and buttons from the server; returns the buttons (X masks).
    unsigned QueryPointer();
    // During a capture: the release of each button held down by our count but not in Held (the
    // server's buttons), at X, Y, the first in Out and the others queued; false when none.
    bool TakeLostReleases(unsigned held, int32_t x, int32_t y, TPlatformEvent& out);
    // When the held buttons were read: with the move, or afterwards from the server.
    enum class THeldRead : uint8_t { AtMove, Later };
    TTranslation Deliver(const TPlatformEvent& move, unsigned held, THeldRead heldRead,
                         TPlatformEvent& out);

    std::unique_ptr<_XDisplay, int (*)(_XDisplay*)> m_display;
    std::vector<TSdlPlatformWindow*> m_windows; // in creation order
    std::optional<unsigned long> m_alphaVisual;  // looked up on first use
    std::optional<int> m_compositorEvent;        // the X event type of a change, 0: none come
    uint32_t m_wakeEvent = 0;
    uint32_t m_frameEvent = 0;
    uint32_t m_postedEvent = 0;
    std::mutex m_postedMutex;
    std::deque<TPlatformEvent> m_posted; // from other threads
    std::unique_ptr<TX11DropTarget> m_dropTarget; // made for the first window taking drops
    std::atomic<bool> m_wakePending{false};
    uint32_t m_capture = 0;
    int32_t m_cursor = 0;
    std::array<SDL_Cursor*, 12> m_cursors{}; // one per SDL system cursor, made on first use
    uint32_t m_keyModifiers = 0;             // of the last key event
    unsigned m_buttonsDown = 0;              // X button masks pressed and not yet released
    int32_t m_lastScreenX = 0;               // the last pointer event's place
    int32_t m_lastScreenY = 0;
    std::deque<TPlatformEvent> m_pending;    // made here, handed out before SDL's
    int32_t m_cursorX = 0;
    int32_t m_cursorY = 0;
};

} // namespace brisat
