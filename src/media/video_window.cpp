#include "media/video_window.h"

#include "framework/controls/application.h"
#include "framework/core/store_if_changed.h"
#include "media/platform/event_codes.h"
#include "media/video_window_geometry.h"
#include "platform/platform.h"
#include "platform/screen_saver_inhibitor.h"
#include "platform/video_layer.h"

#include <cstdio>

namespace brisat {

namespace {

TScreenRect ToScreenRect(const TRect& r) {
    return {r.Left, r.Top, r.Right, r.Bottom};
}

} // namespace

TDSVideoWindowEx2::TDSVideoWindowEx2(TComponent* owner)
    : TCustomControl(owner), m_colorControl(std::make_unique<TColorControl>(*this)),
      m_capabilities(std::make_unique<TDSVideoWindowEx2Caps>(*this)) {
    ControlStyle() = {TControlStyleKind::csAcceptsControls, TControlStyleKind::csCaptureMouse,
                      TControlStyleKind::csClickEvents, TControlStyleKind::csDoubleClicks};
    InitColor(clBlack);
    SetBounds(Left(), Top(), 320, 240);
    SetTabStop(true);
    if (!Designing()) {
        m_fullScreenForm = std::make_unique<TForm>(nullptr);
        m_fullScreenForm->SetBorderStyle(TFormBorderStyle::bsNone);
        m_fullScreenForm->SetColor(Color());
        // The user cannot close the full-screen window on its own.
        m_fullScreenForm->OnCloseQuery = [this](TComponent&, bool& canClose) {
            canClose = Destroying();
        };
        if (Application) {
            m_idleTarget = std::make_shared<TDSVideoWindowEx2*>(this);
            Application->OnIdle = [target = std::weak_ptr(m_idleTarget)](TComponent&, bool& done) {
                if (auto window = target.lock()) (*window)->AutoHideCursorIdle(done);
            };
        }
    }
}

TDSVideoWindowEx2::~TDSVideoWindowEx2() {
    // The base marks the component only after this body: nothing paints or raises events now.
    m_destroying = true;
    if (m_desktopPlayback) NormalPlayback();
    // The full-screen form goes with this control; the control is not its child to destroy.
    if (m_fullScreenForm && Parent() == m_fullScreenForm.get()) SetParent(nullptr);
    if (m_exclusiveModeVideo) m_exclusiveModeVideo->SetCallbackInterface(nullptr, 0);
    if (m_overlayCallback) m_overlayCallback->SetWindow(0);
    // A controller that outlives the control must not call it any more.
    SetFilterGraph(nullptr);
    UnbindLayer();
}

bool TDSVideoWindowEx2::Designing() const {
    return ComponentState().Contains(TComponentStateFlag::csDesigning);
}

bool TDSVideoWindowEx2::Destroying() const {
    return m_destroying || ComponentState().Contains(TComponentStateFlag::csDestroying);
}

// --- properties ----------------------------------------------------------------------------------

void TDSVideoWindowEx2::SetFilterGraph(TFilterGraph* graph) {
    if (graph == m_filterGraph) return;
    if (m_filterGraph) {
        m_filterGraph->DetachFilterClient(*this);
        m_filterGraph->DetachEventListener(*this);
        RemoveFreeNotification(*m_filterGraph);
    }
    m_filterGraph = graph;
    if (graph) {
        FreeNotification(*graph);
        graph->AttachFilterClient(*this);
        graph->AttachEventListener(*this);
    }
}

void TDSVideoWindowEx2::Notification(TComponent& component, TOperation operation) {
    TCustomControl::Notification(component, operation);
    // The controller is going: it has taken its filters out already; only the reference goes.
    if (operation != TOperation::opRemove) return;
    if (&component == m_filterGraph) m_filterGraph = nullptr;
    if (&component == m_savedParent) m_savedParent = nullptr;
}

void TDSVideoWindowEx2::SetDigitalZoom(int32_t zoom) {
    if (zoom < 0 || zoom > 99) {
        char text[80];
        std::snprintf(text, sizeof text, "Value %d out of range. Value must bee between 0 -> 99",
                      zoom);
        throw Exception(text);
    }
    if (!Designing() && m_graphRenderer) {
        TBasicVideo video(m_graphRenderer);
        long width = 0, height = 0;
        if (video.SetDefaultSourcePosition() == S_OK && Succeeded(video.get_SourceWidth(width)) &&
            Succeeded(video.get_SourceHeight(height))) {
            TSourceRect zoomed = ZoomSourceRect(width, height, zoom);
            video.put_SourceWidth(zoomed.Width);
            video.put_SourceHeight(zoomed.Height);
            video.put_SourceLeft(zoomed.Left);
            video.put_SourceTop(zoomed.Top);
        }
    }
    m_digitalZoom = zoom;
    PlaceVideo();
}

void TDSVideoWindowEx2::SetAspectRatio(TRatioModes mode) {
    if (Designing() || !m_graphRenderer || !m_overlayMixer) {
        m_aspectRatio = mode;
        return;
    }
    if (Succeeded(TMixerPinConfig(m_overlayMixer).SetAspectRatioMode(long(mode))))
        m_aspectRatio = mode;
    if (m_overlayActive && !m_desktopPlayback) RefreshVideoWindow();
}

// --- filter client and event listener ------------------------------------------------------

void TDSVideoWindowEx2::NotifyFilterOperation(TFilterClientOperation operation, std::int32_t) {
    switch (operation) {
    case TFilterClientOperation::fcoAdding:
        m_overlayAttempted = false;
        m_ownRenderer = CreateVideoRenderer();
        break;
    case TFilterClientOperation::fcoAdded:
        m_rendererVideoWindow = std::make_shared<TRendererToLayer>();
        m_rendererVideoWindow->SetLayer(m_layer);
        TBasicVideo(m_ownRenderer).SetFrameConsumer(m_rendererVideoWindow);
        break;
    case TFilterClientOperation::fcoRemoving:
        ReleaseScreenSaver();
        if (m_overlayMixer) {
            m_colorControl->ResetToDefaults();
            gst_element_set_state(m_ownRenderer.Element(), GST_STATE_READY);
            for (TPin& pin : m_overlayMixer.EnumPins())
                pin.Disconnect();
        }
        if (m_ownRenderer) {
            gst_element_set_state(m_ownRenderer.Element(), GST_STATE_READY);
            for (TPin& pin : m_ownRenderer.EnumPins())
                pin.Disconnect();
        }
        if (m_exclusiveModeVideo) m_exclusiveModeVideo->SetCallbackInterface(nullptr, 0);
        m_overlayCallback.reset();
        break;
    case TFilterClientOperation::fcoRemoved:
        m_overlayAttempted = false;
        m_rendererWindowVisible = false;
        ReleaseOverlay();
        if (m_rendererVideoWindow) m_rendererVideoWindow->SetLayer(nullptr);
        TBasicVideo(m_ownRenderer).SetFrameConsumer(nullptr);
        m_rendererVideoWindow.reset();
        m_ownRenderer = TFilter();
        break;
    }
}

void TDSVideoWindowEx2::ReleaseOverlay() {
    m_exclusiveModeVideo.reset();
    m_overlayMixer = TFilter();
    m_graphRenderer = TFilter();
    m_overlayActive = false;
}

void TDSVideoWindowEx2::HandleControlEvent(TGraphControlEvent kind, std::int32_t) {
    switch (kind) {
    case TGraphControlEvent::gcePlay:
    case TGraphControlEvent::gcePause:
        if (kind == TGraphControlEvent::gcePlay)
            HoldScreenSaver();
        else
            ReleaseScreenSaver();
        if (!m_overlayAttempted) OverlaySetUp();
        SetRendererWindowVisible(true);
        if (m_overlayActive && !m_overlayVisible && !m_desktopPlayback) {
            m_overlayVisible = true;
            if (OnOverlayVisible) OnOverlayVisible(*this, true);
            RefreshVideoWindow();
        }
        break;
    case TGraphControlEvent::gceStop:
        ReleaseScreenSaver();
        if (!m_overlayAttempted) OverlaySetUp();
        SetRendererWindowVisible(false);
        if (m_overlayActive && m_overlayVisible) {
            m_overlayVisible = false;
            RefreshVideoWindow();
            if (OnOverlayVisible) OnOverlayVisible(*this, false);
        }
        break;
    case TGraphControlEvent::gceFileRendered:
        OverlaySetUp();
        break;
    default:
        break;
    }
}

void TDSVideoWindowEx2::HandleGraphEvent(long code, std::intptr_t, std::intptr_t) {
    if (code == EC_PALETTE_CHANGED) {
        AttachRendererWindow();
    } else if (code == EC_CLOCK_CHANGED) {
        // A new graph runs: zoom and aspect asked for before it existed apply now.
        if (m_overlayActive) RefreshColorKey();
        SetDigitalZoom(m_digitalZoom);
        SetAspectRatio(m_aspectRatio);
        if (m_overlayActive) RefreshVideoWindow();
    }
}

void TDSVideoWindowEx2::SetRendererWindowVisible(bool visible) {
    if (!StoreIfChanged(m_rendererWindowVisible, visible)) return;
    if (!m_overlayActive) RefreshVideoWindow();
}

void TDSVideoWindowEx2::OverlaySetUp() {
    m_overlayActive = Succeeded(InsertOverlayMixer());
    if (m_overlayActive) {
        m_colorControl->CaptureDefaults();
        m_colorControl->ApplyToOverlay();
        // The mixer reports key changes only; the key it starts with is read here.
        RefreshColorKey();
    }
    AttachRendererWindow();
}

// --- video placement ---------------------------------------------------------------------------

void TDSVideoWindowEx2::AttachRendererWindow() {
    if (!m_rendererVideoWindow) return;
    BindLayer();
}

void TDSVideoWindowEx2::RefreshColorKey() {
    if (!m_overlayActive) return;
    COLORKEY key;
    COLORREF colour = 0;
    if (Failed(TMixerPinConfig(m_overlayMixer).GetColorKey(key, colour))) return;
    m_colorKey = TColor(key.HighColorValue);
    PlaceVideo();
    if (OnColorKeyChanged) OnColorKeyChanged(*this);
}

HRESULT TDSVideoWindowEx2::UpdateVideoRect() {
    if (!m_rendererVideoWindow || !m_ownRenderer || !m_exclusiveModeVideo || !m_graphRenderer ||
        !m_overlayMixer)
        return E_FAIL;
    m_videoRect = ClientRect();
    long width = 0, height = 0, aspectX = 0, aspectY = 0;
    // Until a picture reached the mixer its proportions are unknown: the whole client area.
    if (m_aspectRatio == TRatioModes::rmLetterBox &&
        Succeeded(m_exclusiveModeVideo->GetNativeVideoProps(width, height, aspectX, aspectY)))
        m_videoRect = FitRectToAspect(ClientRect(), Rect(0, 0, aspectX, aspectY));
    return S_OK;
}

// Without the mixer the renderer shows the picture itself, stretched over the whole control,
// while the graph runs or is paused, as a renderer's own window would.
bool TDSVideoWindowEx2::RendererWindowShown() const {
    if (!m_rendererWindowVisible || m_overlayActive || !m_ownRenderer)
        return false;
    std::vector<TPin> pins = m_ownRenderer.EnumPins();
    TPin peer;
    return !pins.empty() && Succeeded(pins.front().ConnectedTo(peer));
}

// Where the key goes now: the picture's rectangle while the overlay shows, the whole control
// while the renderer shows the picture itself, none otherwise.
TRect TDSVideoWindowEx2::KeyRect() const {
    if ((m_overlayVisible || m_desktopPlayback) && m_overlayActive) return m_videoRect;
    return RendererWindowShown() ? ClientRect() : TRect{};
}

TColor TDSVideoWindowEx2::KeyColor() const {
    return m_overlayActive ? m_colorKey : TColor(kDefaultColorKey);
}

uint32_t TDSVideoWindowEx2::KeyPixel() const {
    return RGBToOpaquePixel(ColorToRGB(KeyColor())) & 0xFFFFFFu;
}

void TDSVideoWindowEx2::BindLayer() {
    IPlatformWindow* native = HandleAllocated() ? GetNativeWindow(Handle()) : nullptr;
    IVideoLayer* layer = native ? &native->VideoLayer() : nullptr;
    const bool moved = layer != m_layer;
    if (moved) UnbindLayer();
    m_layer = layer;
    if (m_rendererVideoWindow) m_rendererVideoWindow->SetLayer(m_layer);
    PlaceVideo();
    // A window the video moved to shows the current picture at once, paused or not.
    if (moved && m_layer && m_rendererVideoWindow) TBasicVideo(m_ownRenderer).RepaintLastFrame();
}

// The layer the video leaves (for the full-screen form, say) frees its pictures and texture: they
// are as large as the video, and a layer the video comes back to is repainted from the renderer.
void TDSVideoWindowEx2::UnbindLayer() {
    if (m_rendererVideoWindow) m_rendererVideoWindow->SetLayer(nullptr);
    if (m_layer) {
        m_layer->SetVisible(false);
        m_layer->ReleaseFrames();
    }
    m_layer = nullptr;
}

// Puts the picture where the key is painted: the layer's destination follows the control inside
// its top-level window, its source is the renderer's zoom rectangle (cut to fill in crop mode).
void TDSVideoWindowEx2::PlaceVideo() {
    if (!m_layer || !HandleAllocated()) return;
    const TRect key = KeyRect();
    const bool shown = Showing() && !IsRectEmpty(key);
    m_layer->SetVisible(shown);
    if (!shown) return;
    m_layer->SetColorKey(KeyPixel());
    const TPoint origin = ClientToScreen(TPoint{0, 0});
    const TRect top = GetWindowRect(GetTopLevelWindow(Handle()));
    m_layer->SetDestRect(ToScreenRect(OffsetRect(key, origin.X - top.Left, origin.Y - top.Top)));
    TSourceRect source;
    if (Failed(TBasicVideo(m_graphRenderer ? m_graphRenderer : m_ownRenderer)
                   .GetSourcePosition(source))) {
        m_layer->SetSourceRect({});
        return;
    }
    long width = 0, height = 0, aspectX = 0, aspectY = 0;
    if (m_aspectRatio == TRatioModes::rmCrop && m_exclusiveModeVideo &&
        Succeeded(m_exclusiveModeVideo->GetNativeVideoProps(width, height, aspectX, aspectY)))
        source = CropSourceRect(source, width, height, aspectX, aspectY, key.Width(), key.Height());
    m_layer->SetSourceRect({int32_t(source.Left), int32_t(source.Top),
                            int32_t(source.Left + source.Width),
                            int32_t(source.Top + source.Height)});
    // Grown past what the picture was reduced for, and perhaps paused: the picture again.
    if (m_layer->WantsFullerFrame() && m_rendererVideoWindow)
        TBasicVideo(m_ownRenderer).RepaintLastFrame();
}

// --- painting and messages -----------------------------------------------------------------------

void TDSVideoWindowEx2::RefreshVideoWindow() {
    if (Destroying() || !HandleAllocated()) return;
    Invalidate();
    Update();
}

void TDSVideoWindowEx2::Paint() {
    TCanvas& canvas = Canvas();
    canvas.Brush() = {Color(), TBrushStyle::bsSolid};
    canvas.FillRect(ClientRect());
    // On the desktop the picture shows in the desktop-layer form whatever OverlayVisible says.
    const bool keyShown = m_overlayVisible || m_desktopPlayback;
    if (!Designing() && (!keyShown || Succeeded(UpdateVideoRect()))) {
        canvas.Brush() = {KeyColor(), TBrushStyle::bsSolid};
        canvas.FillRect(KeyRect());
    }
    PlaceVideo();
    if (OnPaint) OnPaint(*this);
}

void TDSVideoWindowEx2::Resize() {
    TCustomControl::Resize();
    PlaceVideo();
}

void TDSVideoWindowEx2::CreateWnd() {
    TCustomControl::CreateWnd();
    if (m_overlayCallback) m_overlayCallback->SetWindow(Handle());
    BindLayer();
}

void TDSVideoWindowEx2::Loaded() {
    TCustomControl::Loaded();
    if (HandleAllocated()) {
        m_savedStyle = GetWindowStyle(Handle());
        m_savedExStyle = GetWindowExStyle(Handle());
    }
}

void TDSVideoWindowEx2::WndProc(TMessage& m) {
    if (Designing()) {
        TCustomControl::WndProc(m);
        return;
    }
    if (ModeMessage(m)) return;
    switch (m.Msg) {
    case WM_ERASEBKGND:
        if (m_overlayActive) {
            m.Result = -1;
            return;
        }
        break;
    case WM_OVERLAYCOLORKEY:
        m_colorKey = TColor(m.WParam);
        PlaceVideo();
        if (OnColorKeyChanged) OnColorKeyChanged(*this);
        return;
    case WM_OVERLAYSIZE:
        if (Succeeded(UpdateVideoRect())) RefreshVideoWindow();
        return;
    case WM_DESTROY:
        UnbindLayer();
        if (m_overlayCallback) m_overlayCallback->SetWindow(0);
        break;
    default:
        break;
    }
    TCustomControl::WndProc(m);
    if (m.Msg == WM_WINDOWPOSCHANGED || m.Msg == WM_SHOWWINDOW || m.Msg == CM_VISIBLECHANGED)
        PlaceVideo();
}

} // namespace brisat
