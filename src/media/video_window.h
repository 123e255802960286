// TDSVideoWindowEx2: the windowed control that shows the video of the graphs an attached
// TFilterGraph builds. It brings its own video renderer into every graph, splices our overlay
// mixer in front of it (InsertOverlayMixer, undone connection by connection when a step fails),
// and paints the colour key where the picture goes: the top-level window's video layer shows the
// frames wherever the back buffer holds that key, so whatever the program draws on the control
// afterwards (the volume bar, in OnPaint) covers the video. Aspect-ratio modes, digital zoom (the
// renderer's and the layer's source rectangle) and the colour controls (ColorControl) complete it.
//
// Threads: frames go from the renderer's streaming thread straight to the layer
// (renderer_to_layer.h). The mixer's callback (TOverlayCallback) runs on GStreamer's threads and
// only posts WM_OVERLAYCOLORKEY / WM_OVERLAYSIZE to the control; everything else runs on the GUI
// thread.
#pragma once

#include "framework/controls/form.h"
#include "framework/controls/win_control.h"
#include "media/color_control.h"
#include "media/filter_graph.h"
#include "media/platform/overlay_mixer.h"
#include "media/renderer_to_layer.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace brisat {

class IDesktopBackground;
class IVideoLayer;
class TMonitor;
class TScreenSaverInhibitor;

// The mixer's aspect-ratio modes (the numbers are AM_ASPECT_RATIO_MODE's).
enum class TRatioModes { rmStretched, rmLetterBox, rmCrop };

// System commands the control refuses while NoScreenSaver is set.
inline constexpr WPARAM SC_SCREENSAVE = 0xF140, SC_MONITORPOWER = 0xF170;

// Posted by the overlay callback: WParam the new key (0x00BBGGRR); the picture size changed.
inline constexpr UINT WM_OVERLAYCOLORKEY = WM_USER + 0x3A0;
inline constexpr UINT WM_OVERLAYSIZE = WM_USER + 0x3A1;

class TDSVideoWindowEx2;

// The mixer's callback for one video window: it hands the news to the control's window, whose
// handle it is told of as the control creates and destroys it.
class TOverlayCallback : public IDDrawExclModeVideoCallback {
public:
    void SetWindow(HWND window);
    HRESULT OnUpdateColorKey(const COLORKEY& key, COLORREF colour) override;
    HRESULT OnUpdateSize(long width, long height, long aspectX, long aspectY) override;

private:
    std::mutex m_lock;
    HWND m_window = 0;
};

class TDSVideoWindowEx2 : public TCustomControl,
                          public IGraphFilterClient,
                          public IGraphEventListener {
public:
    using TOverlayVisibleEvent = std::function<void(TComponent& Sender, bool Visible)>;
    using TCursorVisibleEvent = std::function<void(TComponent& Sender, bool Visible)>;

    // 320 × 240, black, taking child controls; creates the full-screen form outside a designer.
    explicit TDSVideoWindowEx2(TComponent* owner);
    // Leaves desktop playback, removes the mixer's callback and detaches from the controller.
    ~TDSVideoWindowEx2() override;

    std::string ClassName() const override { return "TDSVideoWindowEx2"; }

    // --- properties ----------------------------------------------------------------------------
    // Applied to the mixer when one is in place; a mode the mixer refuses leaves it unchanged.
    TRatioModes AspectRatio() const { return m_aspectRatio; }
    void SetAspectRatio(TRatioModes mode);
    // Milliseconds without mouse activity before the cursor hides over the video; 0 = never.
    int32_t AutoHideCursor() const { return m_autoHideCursor; }
    void SetAutoHideCursor(int32_t ms) { m_autoHideCursor = ms; }
    // Percentage (0..99) of the picture width cut away, centred. Out of range raises an Exception
    // and changes nothing.
    int32_t DigitalZoom() const { return m_digitalZoom; }
    void SetDigitalZoom(int32_t zoom);
    // The controller whose graphs this window shows; detaches from the old one, attaches to the
    // new one.
    TFilterGraph* FilterGraph() const { return m_filterGraph; }
    void SetFilterGraph(TFilterGraph* graph);
    bool FullScreenTopMost() const { return m_fullScreenTopMost; }
    void SetFullScreenTopMost(bool topMost) { m_fullScreenTopMost = topMost; }
    TColorControl& ColorControl() { return *m_colorControl; }
    const TColorControl& ColorControl() const { return *m_colorControl; }
    bool NoScreenSaver() const { return m_noScreenSaver; }
    void SetNoScreenSaver(bool on) { m_noScreenSaver = on; }

    TDSVideoWindowEx2Caps& Capabilities() { return *m_capabilities; }
    bool FullScreen() const { return m_fullScreen; }
    bool DesktopPlayback() const { return m_desktopPlayback; }
    bool OverlayVisible() const { return m_overlayVisible; }
    // The colour the mixer shows the video through (clNone until it reported one).
    TColor ColorKey() const { return m_colorKey; }
    bool OverlayActive() const { return m_overlayActive; }
    // Where the colour key goes, in client coordinates, as UpdateVideoRect last computed it.
    const TRect& VideoRect() const { return m_videoRect; }
    // The filters this window holds (empty when none).
    const TFilter& OwnRenderer() const { return m_ownRenderer; }
    const TFilter& OverlayMixer() const { return m_overlayMixer; }
    const TFilter& GraphRenderer() const { return m_graphRenderer; }

    // --- display modes (video_window_modes.cpp) ----------------------------------------------
    // Full screen on the monitor nearest the control (or on Monitor, a TScreen index; an index
    // that names no monitor means the nearest): the control moves into the borderless
    // full-screen form, keeping its alignment. Nothing when already full screen.
    void StartFullScreen();
    void StartFullScreen(int monitor);
    // The video as the desktop's background on the monitor nearest the control (or on Monitor):
    // the wallpaper goes, the desktop turns the colour key, and the control moves into the
    // full-screen form kept below every other window. Nothing when already there; an Exception,
    // changing nothing, when the desktop cannot be changed.
    void StartDesktopPlayback();
    void StartDesktopPlayback(int monitor);
    // Back to the parent the control came from, the desktop as it was; the key shows again
    // (OverlayVisible).
    void NormalPlayback();
    // The application's idle handler the control installs: hides the cursor over the video after
    // AutoHideCursor milliseconds without mouse activity.
    void AutoHideCursorIdle(bool& done);

    // --- operations ------------------------------------------------------------------------------
    // Repaints the background and the colour key now, then raises OnPaint.
    void RefreshVideoWindow();
    // Binds the renderer's frames to the video layer of the control's top-level window and
    // places the picture there.
    void AttachRendererWindow();
    // Reads the mixer's colour key (only with an active overlay) and raises OnColorKeyChanged.
    void RefreshColorKey();
    // E_FAIL (VideoRect unchanged) unless renderer and mixer are all in place.
    HRESULT UpdateVideoRect();
    // Splices the overlay mixer in front of the graph's renderer; a failed step undoes every
    // connection change made so far and takes the mixer out again.
    HRESULT InsertOverlayMixer();
    // The mixer's pin configuration while the controller is active and its graph holds a mixer
    // with an input pin (what the colour controls talk to).
    std::optional<TMixerPinConfig> FindOverlayPin() const;

    // --- filter client and event listener ----------------------------------------------------
    TFilter GetClientFilter() override { return m_ownRenderer; }
    std::string GetClientName() override { return Name(); }
    void NotifyFilterOperation(TFilterClientOperation operation, std::int32_t param) override;
    void HandleGraphEvent(long code, std::intptr_t param1, std::intptr_t param2) override;
    void HandleControlEvent(TGraphControlEvent kind, std::int32_t param) override;

    // --- events ----------------------------------------------------------------------------------
    TNotifyEvent OnColorKeyChanged;
    TOverlayVisibleEvent OnOverlayVisible;
    // After each repaint, with Canvas() still drawing on the control.
    TNotifyEvent OnPaint;
    TCursorVisibleEvent OnCursorShowHide;

protected:
    void CreateWnd() override;
    void WndProc(TMessage& message) override;
    void Paint() override;
    void Resize() override;
    void Loaded() override;
    void Notification(TComponent& component, TOperation operation) override;
    // Any mouse activity shows a hidden cursor again; in full screen the handlers get the
    // cursor's screen position.
    void MouseDown(TMouseButton button, TShiftState shift, int32_t x, int32_t y) override;
    void MouseMove(TShiftState shift, int32_t x, int32_t y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int32_t x, int32_t y) override;

private:
    bool Designing() const;
    bool Destroying() const;
    void OverlaySetUp();
    void ReleaseOverlay();
    void BindLayer();
    void UnbindLayer();
    void PlaceVideo();
    TRect KeyRect() const;
    TColor KeyColor() const;
    // KeyColor as the layer's and desktop's 0x00RRGGBB.
    uint32_t KeyPixel() const;
    bool RendererWindowShown() const;
    void SetRendererWindowVisible(bool visible);
    bool ModeMessage(TMessage& message);
    void ShowCursorAgain();
    TPoint EventPosition(int32_t x, int32_t y) const;
    void HoldScreenSaver();
    void ReleaseScreenSaver();
    TMonitor TargetMonitor(int monitor);
    void MoveIntoFullScreenForm(const TMonitor& monitor);
    void LeaveDesktop();
    HRESULT SpliceMixer(TMediaPipeline& graph, class TConnectionJournal& journal);

    // Internal state, in the order the control's design lists it.
    std::shared_ptr<TRendererToLayer> m_rendererVideoWindow; // frames to the layer
    TFilterGraph* m_filterGraph = nullptr;
    TFilter m_ownRenderer;
    TFilter m_overlayMixer;
    TFilter m_graphRenderer;
    std::optional<TMixerPinConfig> m_exclusiveModeVideo;
    bool m_fullScreen = false;
    bool m_fullScreenTopMost = false;
    TColor m_colorKey = clNone;
    uint32_t m_savedStyle = 0;
    uint32_t m_savedExStyle = 0;
    TRect m_videoRect;
    std::unique_ptr<TColorControl> m_colorControl;
    std::unique_ptr<TDSVideoWindowEx2Caps> m_capabilities;
    int32_t m_digitalZoom = 0;
    TRatioModes m_aspectRatio = TRatioModes::rmLetterBox;
    bool m_noScreenSaver = false;
    int32_t m_autoHideCursor = 0;
    std::unique_ptr<TForm> m_fullScreenForm;
    bool m_overlayAttempted = false;
    TWinControl* m_savedParent = nullptr;
    std::shared_ptr<TOverlayCallback> m_overlayCallback;
    bool m_overlayActive = false;
    TPoint m_lastMousePos;
    uint32_t m_lastMouseTick = 0;
    TCursor m_savedCursor = crDefault;
    int32_t m_rendererCursorHidden = 0; // OATRUE (-1) while the renderer's cursor is hidden
    bool m_overlayVisible = false;
    // While on the desktop: the background and wallpaper it replaced.
    std::unique_ptr<IDesktopBackground> m_savedDesktop;
    bool m_desktopPlayback = false;

    IVideoLayer* m_layer = nullptr;       // the top-level window's layer the renderer feeds
    bool m_rendererWindowVisible = false; // the graph runs or is paused: its picture shows
    bool m_destroying = false;
    // Lets the idle handler outlive the control harmlessly.
    std::shared_ptr<TDSVideoWindowEx2*> m_idleTarget;
    // While NoScreenSaver and playing: the desktop's screen saver is held off.
    std::unique_ptr<TScreenSaverInhibitor> m_screenSaver;
};

} // namespace brisat
