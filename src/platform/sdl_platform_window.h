// A top-level window of the desktop platform: a borderless SDL window (native_window.h) made
// hidden, with the window kind's task-bar and stacking treatment, an X11 shape, and a video layer
// whose frames wake the platform's event wait to be shown. A translucent window made while a
// compositing manager runs gets a visual with alpha, so it shows whatever lies beneath, live. GUI thread only, except what the
// video layer says of itself.
#pragma once

#include "platform/native_window.h"
#include "platform/platform.h"
#include "platform/x11_desktop_window.h"

#include <atomic>
#include <cstdint>
#include <deque>
#include <optional>

namespace brisat {

class TSdlPlatform;

class TSdlPlatformWindow : public IPlatformWindow {
public:
    // Raises std::runtime_error with SDL's reason when the window cannot be made.
    TSdlPlatformWindow(TSdlPlatform& platform, uint32_t id, const TPlatformWindowParams& params);
    ~TSdlPlatformWindow() override;

    void SetBounds(const TScreenRect& bounds) override;
    // Popups are never activated by showing.
    void Show(TActivation activation) override;
    void Hide() override;
    void SetTitle(const std::string& title) override;
    void SetTopMost(bool topMost) override;
    void SetSizeLimits(const std::optional<TSizeLimits>& limits) override;
    void SetShape(const std::vector<TScreenRect>& rects) override;
    // A back buffer of another size than the window resizes the window to it first.
    void Present(const uint32_t* pixels, int32_t width, int32_t height, int32_t stride,
                 const std::vector<TScreenRect>& dirty) override;
    IVideoLayer& VideoLayer() override;
    void SetIcon(const uint32_t* pixels, int32_t width, int32_t height) override;
    TCapturedPixels Capture() override;
    bool Composited() override;
    void SetDesktopLayer(bool onDesktop) override;
    void SetAcceptDrops(bool accept) override;

    // --- For the platform ----------------------------------------------------------------------
    uint32_t Id() const { return m_id; }
    uint32_t SdlId() const;
    // The X window id.
    unsigned long XWindow() const { return m_xWindow; }
    SDL_Window* SdlWindow() const { return m_native.SdlWindow(); }
    bool Visible() const { return m_visible; }
    // Made with a visual with alpha (a translucent window made under a compositing manager).
    bool HasAlphaVisual() const { return m_alphaVisual != 0; }
    bool TopMost() const { return m_topMost; }
    // Menus, drop-downs and tooltips: stacked above every other window.
    bool Transient() const;
    // Neither a popup nor transient: showing may activate it, a click focuses it.
    bool Focusable() const { return !m_popup && !Transient() && !m_hintsBeforeDesktop; }
    // Kept below every other window (SetDesktopLayer).
    bool OnDesktop() const { return m_hintsBeforeDesktop.has_value(); }
    // Shows the newest video frame over the last presented back buffer.
    void ShowVideoFrame();
    // Presents again what was last presented (its pixels were lost).
    void Recompose() { m_native.Recompose(); }
    // Where the window lies on the screen, as last learnt from the X server.
    const TScreenRect& ScreenBounds() const { return m_screenBounds; }
    // Takes the window's place as the X server reported it, or reads it from the server
    // (nullopt).
    void UpdateScreenBounds(const std::optional<TScreenRect>& reported);
    // Whether Reported, a place the server reported, answers a move or resize of ours not yet
    // answered (or repeats the last place reported); otherwise someone else placed the window.
    bool AnswersRequest(const TScreenRect& reported);
    // Whether a window manager has put the window into a frame of its own.
    bool Framed() const { return m_framed; }
    void SetFramed(bool framed) { m_framed = framed; }

private:
    void Resize(int32_t width, int32_t height);
    // Remembers a move or resize just asked for, at the last position sent.
    void NoteRequest(int32_t width, int32_t height);

    TSdlPlatform& m_platform;
    uint32_t m_id;
    TPlatformWindowKind m_kind;
    bool m_popup;
    unsigned long m_alphaVisual; // the window's visual when it has alpha, else 0
    TNativeWindow m_native;
    unsigned long m_xWindow = 0;
    bool m_visible = false;
    bool m_topMost = false;
    bool m_videoHooked = false;
    bool m_acceptDrops = false;
    // Set while in the desktop layer: what the window was before.
    std::optional<TX11WindowHints> m_hintsBeforeDesktop;
    std::optional<TSizeLimits> m_sizeLimits;
    TScreenRect m_screenBounds;
    TScreenRect m_sentPosition;          // where SetBounds last sent the window (its size unused)
    std::deque<TScreenRect> m_requested; // places asked for and not yet reported, oldest first
    TScreenRect m_lastReported;
    bool m_framed = false;
    // Set from the decoder's thread when a frame waits to be shown, so one wake-up is queued
    // per shown frame however fast frames come.
    std::atomic<bool> m_framePending{false};
};

} // namespace brisat
