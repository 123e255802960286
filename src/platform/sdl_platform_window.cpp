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
      m_native(TNativeWindowParams{params.Title, params.Bounds, false, SdlFlags(params), {}}),
      m_xWindow(XWindowOf(m_native.SdlWindow())), m_topMost(params.TopMost) {
    if (const char* type = TransientType(m_kind)) MarkX11Transient(m_native.SdlWindow(), type);
    m_platform.Register(*this);
}

TSdlPlatformWindow::~TSdlPlatformWindow() {
    m_platform.Unregister(*this);
}

uint32_t TSdlPlatformWindow::SdlId() const {
    return SDL_GetWindowID(m_native.SdlWindow());
}

bool TSdlPlatformWindow::Transient() const {
    return IsTransient(m_kind);
}

void TSdlPlatformWindow::SetBounds(const TScreenRect& bounds) {
    m_native.SetBounds(bounds);
}

void TSdlPlatformWindow::Show(bool visible, bool activate) {
    if (!visible) {
        if (m_visible) HideX11Window(m_native.SdlWindow());
        m_visible = false;
        return;
    }
    const bool takesFocus = activate && Focusable();
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

void TSdlPlatformWindow::SetShape(const std::vector<TScreenRect>& rects) {
    SetX11WindowShape(m_native.SdlWindow(), rects);
}

void TSdlPlatformWindow::Present(const uint32_t* pixels, int32_t width, int32_t height,
                                 int32_t stride, const std::vector<TScreenRect>& dirty) {
    if (!pixels || width <= 0 || height <= 0 || stride < width) return;
    // The window shows the top-left part of a buffer larger than a window may be.
    const int32_t shownWidth = TNativeWindow::ClampSide(width);
    const int32_t shownHeight = TNativeWindow::ClampSide(height);
    if (shownWidth != m_native.Width() || shownHeight != m_native.Height()) {
        int x = 0, y = 0;
        SDL_GetWindowPosition(m_native.SdlWindow(), &x, &y);
        m_native.SetBounds({x, y, x + shownWidth, y + shownHeight});
    }
    m_native.Present(pixels, stride, dirty);
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
        int x = 0, y = 0;
        SDL_GetWindowPosition(m_native.SdlWindow(), &x, &y);
        m_hintsBeforeDesktop = MakeDesktopWindow(
            m_native.SdlWindow(), {x, y, x + m_native.Width(), y + m_native.Height()});
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
