#include "platform/sdl_platform_window.h"

#include "platform/sdl_platform.h"
#include "platform/x11_window_hints.h"

#include <SDL.h>
#include <SDL_syswm.h>
#include <algorithm>

namespace brisat {

namespace {

bool IsTransient(TPlatformWindowKind kind) {
    return kind == TPlatformWindowKind::PopupMenu || kind == TPlatformWindowKind::DropDown ||
           kind == TPlatformWindowKind::Tooltip;
}

// Borderless and unmapped; tool windows get SDL's utility type, and everything but a normal
// window skips the task bar. Menus, drop-downs and tooltips are typed by MarkX11Transient.
uint32_t SdlFlags(const TPlatformWindowParams& params) {
    uint32_t flags = SDL_WINDOW_HIDDEN | SDL_WINDOW_BORDERLESS;
    if (params.Popup || params.Kind != TPlatformWindowKind::Normal)
        flags |= SDL_WINDOW_SKIP_TASKBAR;
    if (params.TopMost) flags |= SDL_WINDOW_ALWAYS_ON_TOP;
    if (params.Kind == TPlatformWindowKind::Tool) flags |= SDL_WINDOW_UTILITY;
    return flags;
}

// The window type a transient kind announces; nullptr for the others.
const char* TransientType(TPlatformWindowKind kind) {
    switch (kind) {
    case TPlatformWindowKind::PopupMenu:
        return "_NET_WM_WINDOW_TYPE_POPUP_MENU";
    case TPlatformWindowKind::DropDown:
        return "_NET_WM_WINDOW_TYPE_DROPDOWN_MENU";
    case TPlatformWindowKind::Tooltip:
        return "_NET_WM_WINDOW_TYPE_TOOLTIP";
    default:
        return nullptr;
    }
}

// The visual a window is made with: one with alpha for a translucent window while a compositing
// manager runs, else the default (0).
unsigned long VisualFor(TSdlPlatform& platform, const TPlatformWindowParams& params) {
    return params.Translucent && platform.CompositorRunning() ? platform.AlphaVisual() : 0;
}

unsigned long XWindowOf(SDL_Window* window) {
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (!SDL_GetWindowWMInfo(window, &info) || info.subsystem != SDL_SYSWM_X11) return 0;
    return info.info.x11.window;
}

} // namespace

TSdlPlatformWindow::TSdlPlatformWindow(TSdlPlatform& platform, uint32_t id,
                                       const TPlatformWindowParams& params)
    : m_platform(platform), m_id(id), m_kind(params.Kind), m_popup(params.Popup),
      m_alphaVisual(VisualFor(platform, params)),
      m_native(TNativeWindowParams{.Title = params.Title,
                                   .Bounds = params.Bounds,
                                   .Centered = false,
                                   .SdlFlags = SdlFlags(params),
                                   .RenderDriver = {},
                                   .XVisual = m_alphaVisual}),
      m_xWindow(XWindowOf(m_native.SdlWindow())), m_topMost(params.TopMost),
      m_screenBounds{params.Bounds.Left, params.Bounds.Top, params.Bounds.Left + m_native.Width(),
                     params.Bounds.Top + m_native.Height()},
      m_sentPosition(m_screenBounds), m_lastReported(m_screenBounds) {
    if (const char* type = TransientType(m_kind)) MarkX11Transient(m_native.SdlWindow(), type);
    if (m_alphaVisual) m_platform.WatchCompositor(m_native.SdlWindow());
    m_platform.Register(*this);
}

TSdlPlatformWindow::~TSdlPlatformWindow() {
    SetAcceptDrops(false);
    m_platform.Unregister(*this);
}

void TSdlPlatformWindow::SetAcceptDrops(bool accept) {
    if (accept == m_acceptDrops) return;
    m_acceptDrops = accept;
    m_platform.AcceptDrops(*this, accept);
}

uint32_t TSdlPlatformWindow::SdlId() const {
    return SDL_GetWindowID(m_native.SdlWindow());
}

bool TSdlPlatformWindow::Transient() const {
    return IsTransient(m_kind);
}

// SDL waits for the window manager after a move, so a window already where it was last sent
// stays; one that went elsewhere, or was sent elsewhere since, is moved.
void TSdlPlatformWindow::SetBounds(const TScreenRect& bounds) {
    const bool there = bounds.Left == m_screenBounds.Left && bounds.Top == m_screenBounds.Top;
    const bool sent = bounds.Left == m_sentPosition.Left && bounds.Top == m_sentPosition.Top;
    m_sentPosition = bounds;
    if (!there || !sent) {
        m_native.Move(bounds.Left, bounds.Top);
        NoteRequest(m_native.Width(), m_native.Height());
    }
    Resize(bounds.Right - bounds.Left, bounds.Bottom - bounds.Top);
}

void TSdlPlatformWindow::Resize(int32_t width, int32_t height) {
    width = TNativeWindow::ClampSide(width);
    height = TNativeWindow::ClampSide(height);
    if (width == m_native.Width() && height == m_native.Height()) return;
    m_native.SetSize(width, height);
    NoteRequest(width, height);
}

void TSdlPlatformWindow::NoteRequest(int32_t width, int32_t height) {
    // Requests the server never answers (a window manager that drops them) must not pile up.
    if (m_requested.size() == 64) m_requested.pop_front();
    m_requested.push_back({m_sentPosition.Left, m_sentPosition.Top, m_sentPosition.Left + width,
                           m_sentPosition.Top + height});
}

bool TSdlPlatformWindow::AnswersRequest(const TScreenRect& reported) {
    const bool repeated = reported == m_lastReported;
    m_lastReported = reported;
    if (repeated) return true;
    const auto answered = std::find(m_requested.begin(), m_requested.end(), reported);
    if (answered == m_requested.end()) {
        m_requested.clear();
        return false;
    }
    m_requested.erase(m_requested.begin(), answered + 1);
    return true;
}

void TSdlPlatformWindow::Hide() {
    if (m_visible) HideX11Window(m_native.SdlWindow());
    m_visible = false;
}

void TSdlPlatformWindow::Show(TActivation activation) {
    const bool takesFocus = activation == TActivation::Activate && Focusable();
    if (m_visible && !takesFocus) return;
    if (OnDesktop()) {
        ShowX11Window(m_native.SdlWindow(), TX11Activation::Leave, nullptr);
        LowerX11Window(m_native.SdlWindow());
        m_visible = true;
        return;
    }
    // Shown straight under the windows kept above it, so none of them is uncovered and drawn
    // again; raised and restacked when that cannot be done.
    const bool placed = ShowX11Window(m_native.SdlWindow(),
                                      takesFocus ? TX11Activation::Activate : TX11Activation::Leave,
                                      m_platform.Ceiling(*this));
    m_visible = true;
    if (!placed) m_platform.Restack();
}

void TSdlPlatformWindow::SetTitle(const std::string& title) {
    SDL_SetWindowTitle(m_native.SdlWindow(), title.c_str());
}

void TSdlPlatformWindow::SetTopMost(bool topMost) {
    if (topMost == m_topMost) return;
    m_topMost = topMost;
    SDL_SetWindowAlwaysOnTop(m_native.SdlWindow(), topMost ? SDL_TRUE : SDL_FALSE);
    if (topMost && m_visible) m_platform.Restack();
}

// SDL tells the window manager the limits only for a resizable window; otherwise it pins the
// window's size to the one it has.
void TSdlPlatformWindow::SetSizeLimits(const std::optional<TSizeLimits>& limits) {
    if (limits == m_sizeLimits) return;
    m_sizeLimits = limits;
    SDL_Window* window = m_native.SdlWindow();
    if (!limits) {
        SDL_SetWindowResizable(window, SDL_FALSE);
        return;
    }
    const auto side = [](int32_t n) { return TNativeWindow::ClampSide(n); };
    const int minWidth = side(limits->MinWidth), minHeight = side(limits->MinHeight);
    const int maxWidth = std::max(minWidth, side(limits->MaxWidth));
    const int maxHeight = std::max(minHeight, side(limits->MaxHeight));
    // SDL refuses a minimum above the maximum it has and the other way round: the maximum is
    // set before and after the minimum, so one of the two calls takes.
    SDL_SetWindowMaximumSize(window, maxWidth, maxHeight);
    SDL_SetWindowMinimumSize(window, minWidth, minHeight);
    SDL_SetWindowMaximumSize(window, maxWidth, maxHeight);
    SDL_SetWindowResizable(window, SDL_TRUE);
}

void TSdlPlatformWindow::UpdateScreenBounds(const std::optional<TScreenRect>& reported) {
    const std::optional<TScreenRect> bounds =
        reported ? reported : X11WindowScreenBounds(m_native.SdlWindow());
    if (bounds) m_screenBounds = *bounds;
}

void TSdlPlatformWindow::SetShape(const std::vector<TScreenRect>& rects) {
    SetX11WindowShape(m_native.SdlWindow(), rects);
}

void TSdlPlatformWindow::Present(const uint32_t* pixels, int32_t width, int32_t height,
                                 int32_t stride, const std::vector<TScreenRect>& dirty) {
    if (!pixels || width <= 0 || height <= 0 || stride < width) return;
    // The window shows the top-left part of a buffer larger than a window may be.
    const int32_t shownWidth = TNativeWindow::ClampSide(width);
    const int32_t shownHeight = TNativeWindow::ClampSide(height);
    Resize(shownWidth, shownHeight);
    // A window manager that sized the window against its limits gets the window's size back.
    if (m_requested.empty() && (m_screenBounds.Right - m_screenBounds.Left != shownWidth ||
                                m_screenBounds.Bottom - m_screenBounds.Top != shownHeight)) {
        SDL_SetWindowSize(m_native.SdlWindow(), shownWidth, shownHeight);
        NoteRequest(shownWidth, shownHeight);
    }
    // Alpha matters only to a visual that has it, and only while a compositing manager blends.
    m_native.SetAlphaUpload(!m_alphaVisual  ? TAlphaUpload::Ignored
                            : Composited() ? TAlphaUpload::Premultiplied
                                           : TAlphaUpload::Opaque);
    m_native.Present(pixels, stride, dirty);
}

bool TSdlPlatformWindow::Composited() {
    return m_alphaVisual && m_platform.CompositorRunning();
}

IVideoLayer& TSdlPlatformWindow::VideoLayer() {
    TSdlVideoLayer& layer = m_native.VideoLayer();
    if (!m_videoHooked) {
        m_videoHooked = true;
        layer.OnFrameSubmitted = [this] {
            if (!m_framePending.exchange(true) && !m_platform.PostVideoFrame(m_id))
                m_framePending = false;
        };
    }
    return layer;
}

void TSdlPlatformWindow::ShowVideoFrame() {
    m_framePending = false;
    m_native.Recompose();
}

void TSdlPlatformWindow::SetIcon(const uint32_t* pixels, int32_t width, int32_t height) {
    // Desktops show icons of a few dozen pixels; anything past 1024 is a caller's mistake.
    if (!pixels || width <= 0 || height <= 0 || width > 1024 || height > 1024) return;
    SDL_Surface* icon = SDL_CreateRGBSurfaceWithFormatFrom(
        const_cast<uint32_t*>(pixels), width, height, 32, width * 4, SDL_PIXELFORMAT_ARGB8888);
    if (!icon) return;
    SDL_SetWindowIcon(m_native.SdlWindow(), icon);
    SDL_FreeSurface(icon);
}

void TSdlPlatformWindow::SetDesktopLayer(bool onDesktop) {
    if (onDesktop == OnDesktop()) return;
    if (onDesktop) {
        m_hintsBeforeDesktop = MakeDesktopWindow(m_native.SdlWindow(), m_screenBounds);
        return;
    }
    RestoreWindowHints(m_native.SdlWindow(), *m_hintsBeforeDesktop);
    m_hintsBeforeDesktop.reset();
    if (m_visible) m_platform.Restack();
}

TCapturedPixels TSdlPlatformWindow::Capture() {
    if (!m_visible) throw std::runtime_error("Cannot read a hidden window");
    return ReadX11WindowPixels(m_native.SdlWindow(), m_native.Width(), m_native.Height());
}

} // namespace brisat
