// The headless platform: the framework with no display. Windows keep their presented pixels in
// memory for tests to read; input is injected; the clock is fake and moves only when a test
// advances it or the event source waits (a wait with a time limit jumps the clock to its end, so
// timers fire at once and deterministically). Monitors are configurable. GUI thread only, except
// Wake.
#pragma once

#include "platform/headless_tray_icon.h"
#include "platform/platform.h"
#include "platform/video_layer.h"

#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <vector>

namespace brisat {

// Keeps the last submitted frame, packed, for tests to read.
class THeadlessVideoLayer : public TVideoLayerPlacement {
public:
    bool SubmitFrame(const TVideoFrame& frame) override;
    void ReleaseFrames() override;

    // Thread-safe views of what was submitted.
    int32_t FrameCount() const;
    // The last frame with its planes packed (PackedFrameBytes); Width 0 before the first.
    struct TFrameCopy {
        TVideoPixelFormat Format = TVideoPixelFormat::I420;
        int32_t Width = 0;
        int32_t Height = 0;
        std::vector<uint8_t> Bytes;
    };
    TFrameCopy LastFrame() const;

private:
    mutable std::mutex m_mutex;
    TFrameCopy m_last;
    int32_t m_frames = 0;
};

class THeadlessWindow : public IPlatformWindow {
public:
    void SetBounds(const TScreenRect& bounds) override { m_bounds = bounds; }
    void Show(TActivation activation) override;
    void Hide() override;
    void SetTitle(const std::string& title) override { m_title = title; }
    void SetTopMost(bool topMost) override { m_topMost = topMost; }
    void SetSizeLimits(const std::optional<TSizeLimits>& limits) override { m_sizeLimits = limits; }
    void SetShape(const std::vector<TScreenRect>& rects) override { m_shape = rects; }
    void Present(const uint32_t* pixels, int32_t width, int32_t height, int32_t stride,
                 const std::vector<TScreenRect>& dirty) override;
    IVideoLayer& VideoLayer() override;
    void SetIcon(const uint32_t* pixels, int32_t width, int32_t height) override;
    // The presented pixels at the window's size; raises std::runtime_error while hidden.
    TCapturedPixels Capture() override;
    void SetDesktopLayer(bool onDesktop) override { m_onDesktop = onDesktop; }
    void SetAcceptDrops(bool accept) override { m_acceptDrops = accept; }
    // Made translucent while the platform's compositing manager ran, and it still runs.
    bool Composited() override { return m_alphaVisual && *m_compositor; }

    // What the window was made as.
    TPlatformWindowKind Kind() const { return m_kind; }
    bool Popup() const { return m_popup; }
    bool OnDesktop() const { return m_onDesktop; }
    bool AcceptsDrops() const { return m_acceptDrops; }
    // The video layer when one was asked for, else nullptr.
    THeadlessVideoLayer* VideoLayerIfAny() const { return m_videoLayer.get(); }
    const TScreenRect& Bounds() const { return m_bounds; }
    bool Visible() const { return m_visible; }
    bool Activated() const { return m_activated; }
    const std::string& Title() const { return m_title; }
    bool TopMost() const { return m_topMost; }
    const std::optional<TSizeLimits>& SizeLimits() const { return m_sizeLimits; }
    const std::vector<TScreenRect>& Shape() const { return m_shape; }
    // The last icon set (Width 0 before any).
    const TCapturedPixels& Icon() const { return m_icon; }
    // Whether window pixel X, Y is inside the shape.
    bool InShape(int32_t x, int32_t y) const;
    // The pixels presented so far (0xAARRGGBB), Width × Height of the last present; 0 outside.
    uint32_t Pixel(int32_t x, int32_t y) const;
    int32_t PresentCount() const { return m_presents; }
    // The dirty rectangles of the last present.
    const std::vector<TScreenRect>& LastDirty() const { return m_lastDirty; }

private:
    friend class THeadlessPlatform;
    TScreenRect m_bounds;
    TPlatformWindowKind m_kind = TPlatformWindowKind::Normal;
    bool m_popup = false;
    bool m_alphaVisual = false;
    const bool* m_compositor = nullptr; // the platform's
    bool m_onDesktop = false;
    bool m_acceptDrops = false;
    bool m_visible = false;
    bool m_activated = false;
    std::string m_title;
    bool m_topMost = false;
    std::optional<TSizeLimits> m_sizeLimits;
    std::vector<TScreenRect> m_shape;
    std::vector<uint32_t> m_pixels;
    int32_t m_width = 0;
    int32_t m_height = 0;
    int32_t m_presents = 0;
    std::vector<TScreenRect> m_lastDirty;
    TCapturedPixels m_icon;
    std::unique_ptr<THeadlessVideoLayer> m_videoLayer;
};

class THeadlessPlatform : public IPlatform {
public:
    // One 1024 × 768 monitor whose work area leaves a 32-pixel panel at the bottom.
    THeadlessPlatform();

    std::unique_ptr<IPlatformWindow> CreateWindow(uint32_t id,
                                                  const TPlatformWindowParams& params) override;
    // Takes the next injected event. With none, a zero wait returns false at once; otherwise it
    // runs OnIdleWait once (it may inject events or advance the clock); then a limited wait moves
    // the clock to its end and returns false, and an unlimited one raises std::runtime_error, since
    // nothing could ever end it.
    bool WaitEvent(TPlatformEvent& event, int32_t timeoutMs) override;
    void Wake() override;
    uint32_t TickCount() override { return m_now; }

    std::vector<TMonitorInfo> Monitors() override { return m_monitors; }
    int32_t CursorX() override { return m_cursorX; }
    int32_t CursorY() override { return m_cursorY; }
    void SetCapture(uint32_t window) override { m_capture = window; }
    void SetCursor(int32_t cursor) override { m_cursor = cursor; }
    std::string ClipboardText() override { return m_clipboard; }
    void SetClipboardText(const std::string& text) override { m_clipboard = text; }
    // The visible windows' presented pixels, windows in the desktop layer under the others,
    // later-created windows over earlier ones, shapes cut out; black elsewhere.
    std::vector<uint32_t> CaptureScreen(const TScreenRect& rect) override;
    // Changes the desktop kept by Wallpaper and DesktopColor.
    std::unique_ptr<IDesktopBackground> PaintDesktop(uint32_t rgb) override;
    std::unique_ptr<ITrayIcon> CreateTrayIcon(uint32_t id) override {
        return std::make_unique<THeadlessTrayIcon>(m_trayIcons, id);
    }

    // --- Test controls ------------------------------------------------------------------------
    void Advance(uint32_t ms) { m_now += ms; }
    // Whether a compositing manager runs (none at first): translucent windows made while one
    // runs are Composited as long as it does.
    void SetCompositor(bool runs) { m_compositor = runs; }
    void SetMonitors(std::vector<TMonitorInfo> monitors) { m_monitors = std::move(monitors); }
    // The window created with Id; nullptr once destroyed.
    THeadlessWindow* Window(uint32_t id) const;
    // The tray icons that live, by the id they were created with.
    const THeadlessTrayIcon::TRegistry& TrayIcons() const { return m_trayIcons; }
    uint32_t Capture() const { return m_capture; }
    // The desktop's wallpaper file ("" none) and background colour (0x00RRGGBB).
    const std::string& Wallpaper() const { return m_wallpaper; }
    uint32_t DesktopColor() const { return m_desktopColor; }
    void SetDesktop(std::string wallpaper, uint32_t color) {
        m_wallpaper = std::move(wallpaper);
        m_desktopColor = color;
    }
    int32_t Cursor() const { return m_cursor; }
    size_t PendingEvents() const { return m_events.size(); }
    // How many waits found no event (the loop slept instead of spinning).
    int32_t IdleWaits() const { return m_idleWaits; }

    void Inject(TPlatformEvent event);
    // Mouse events at coordinates of the window where it is now; they also move the cursor.
    void MouseMove(uint32_t window, int32_t x, int32_t y, uint32_t modifiers = 0);
    void MouseDown(uint32_t window, int32_t x, int32_t y,
                   TPlatformButton button = TPlatformButton::Left, uint32_t modifiers = 0);
    void MouseUp(uint32_t window, int32_t x, int32_t y,
                 TPlatformButton button = TPlatformButton::Left, uint32_t modifiers = 0);
    // A wheel turn by Delta (multiples of 120) with the pointer at X, Y.
    void Wheel(uint32_t window, int32_t x, int32_t y, int32_t delta);
    // Down then up at the same point.
    void Click(uint32_t window, int32_t x, int32_t y,
               TPlatformButton button = TPlatformButton::Left);
    void KeyDown(uint32_t window, uint32_t key, uint32_t modifiers = 0);
    void KeyUp(uint32_t window, uint32_t key, uint32_t modifiers = 0);
    // Key down, the typed text (when any), key up.
    void TypeKey(uint32_t window, uint32_t key, const std::string& text = {});
    void CloseRequest(uint32_t window);

    // Runs when a wait finds no event, before the clock moves; tests script input with it.
    std::function<void(int32_t timeoutMs)> OnIdleWait;
    // Runs when a zero wait (a poll) finds no event; what it injects is taken at once, as input
    // reaches a real program between any two looks at its queue.
    std::function<void()> OnPoll;

private:
    friend class THeadlessWindowEntry;
    void Forget(uint32_t id) { m_windows.erase(id); }
    void KeyEvent(TPlatformEventKind kind, uint32_t window, uint32_t key, uint32_t modifiers);
    void MouseEvent(TPlatformEventKind kind, uint32_t window, int32_t x, int32_t y,
                    TPlatformButton button, uint32_t modifiers);

    uint32_t m_now = 1000;
    bool m_compositor = false;
    std::string m_wallpaper;
    uint32_t m_desktopColor = 0x3A6EA5;
    std::vector<TMonitorInfo> m_monitors;
    std::map<uint32_t, THeadlessWindow*> m_windows;
    THeadlessTrayIcon::TRegistry m_trayIcons;
    std::deque<TPlatformEvent> m_events;
    std::mutex m_wakeMutex;
    bool m_woken = false;
    int32_t m_cursorX = 0;
    int32_t m_cursorY = 0;
    uint32_t m_capture = 0;
    int32_t m_cursor = 0;
    std::string m_clipboard;
    int32_t m_idleWaits = 0;
};

} // namespace brisat
