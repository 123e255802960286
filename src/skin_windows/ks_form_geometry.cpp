// TKsCustomForm's geometry: the client rectangle inside the frame, the tracking sizes, the
// rectangles of the window states, the non-client calculation and magnetic snapping.
#include "skin_windows/ks_form_runtime.h"

#include "framework/controls/form.h"
#include "framework/windowing/monitors.h"
#include "framework/controls/win_control.h"
#include "framework/windowing/window_handle.h"

#include <algorithm>

namespace brisat {

namespace {

// The plain frame's minimum tracking size.
constexpr TPoint kMinTrack{150, 40};

// A constraint value: 0 (or nonsense below it) is no limit; the rest stays within what a
// window can be.
int32_t Limit(int32_t value) {
    return std::clamp(value, 0, MaxWindowExtent);
}

} // namespace

int32_t TKsCustomForm::BorderWidth() const {
    if (m_borderStyle == TKsBorderStyle::kbsNone) return 0;
    return GetSystemMetrics(SM_CXFRAME);
}

int32_t TKsCustomForm::CaptionHeight() const {
    switch (m_borderStyle) {
    case TKsBorderStyle::kbsStandard:
        return GetSystemMetrics(SM_CYCAPTION);
    case TKsBorderStyle::kbsToolWindow:
        return GetSystemMetrics(SM_CYSMCAPTION);
    default:
        return 0;
    }
}

int32_t TKsCustomForm::ShadowExtent() const {
    if (!m_dropShadow || m_windowState == TKsWindowState::kwsMaximized) return 0;
    return m_shadowWidth;
}

void TKsCustomForm::GetClientRect(TRect& rect) {
    const int32_t w = m_size.cx, h = m_size.cy;
    rect = {0, 0, w, h};
    if (m_borderStyle == TKsBorderStyle::kbsNone) return;
    const int32_t b = BorderWidth();
    rect = {b, b + CaptionHeight(), w - b, h - b};
    // A window smaller than its frame keeps an empty client area inside it.
    rect.Right = std::max(rect.Right, rect.Left);
    rect.Bottom = std::max(rect.Bottom, rect.Top);
}

TRect TKsCustomForm::CaptionBand() {
    TRect client;
    GetClientRect(client);
    return {client.Left, client.Top - CaptionHeight(), client.Right, client.Top - 1};
}

TPoint TKsCustomForm::GetMinTrackSize() {
    TPoint size = kMinTrack;
    if (const int32_t w = Limit(m_constraints.MinWidth)) size.X = w;
    if (const int32_t h = Limit(m_constraints.MinHeight)) size.Y = h;
    return size;
}

TPoint TKsCustomForm::GetMaxTrackSize() {
    const TRect max = GetMaximizedRect();
    TPoint size{max.Width(), max.Height()};
    if (const int32_t w = Limit(m_constraints.MaxWidth)) size.X = w;
    if (const int32_t h = Limit(m_constraints.MaxHeight)) size.Y = h;
    // Limits that contradict each other leave the window its minimum size.
    const TPoint min = GetMinTrackSize();
    return {std::max(size.X, min.X), std::max(size.Y, min.Y)};
}

TRect TKsCustomForm::GetMaximizedRect() {
    const TMonitor monitor = MonitorFromWindow(Hwnd());
    TRect area = IntersectRect(monitor.WorkareaRect(), monitor.BoundsRect());
    // The plain frame's border goes off the screen.
    TRect client;
    GetClientRect(client);
    const int32_t b = client.Left;
    return {area.Left - b, area.Top - b, area.Right + b, area.Bottom + b};
}

TRect TKsCustomForm::GetRollupRect() {
    TRect client;
    GetClientRect(client);
    const TRect w = GetWindowRect(Hwnd());
    const int32_t height = client.Top + (m_size.cy - client.Bottom);
    return Bounds(w.Left, w.Top, m_size.cx, height);
}

TRect TKsCustomForm::GetMinimizedRect() {
    const TRect rollup = GetRollupRect();
    const TRect area = MonitorFromWindow(Hwnd()).WorkareaRect();
    const int32_t width = kMinTrack.X;
    return Bounds(0, area.Bottom - rollup.Height(), width, rollup.Height());
}

// The proposed window rectangle shrinks to the client area; the shadow is non-client.
void TKsCustomForm::CalcNonClient(TRect& rect) {
    StoreSizes({rect.Width(), rect.Height()});
    TRect client;
    GetClientRect(client);
    const int32_t fw = m_fullSize.cx, fh = m_fullSize.cy;
    const TRect r = rect;
    rect = {r.Left + client.Left, r.Top + client.Top, r.Right - (fw - client.Right),
            r.Bottom - (fh - client.Bottom)};
    rect.Right = std::max(rect.Right, rect.Left);
    rect.Bottom = std::max(rect.Bottom, rect.Top);
}

void TKsCustomForm::StoreSizes(TSize full) {
    m_fullSize = full;
    const int32_t s = ShadowExtent();
    m_size = {std::max(full.cx - s, 0), std::max(full.cy - s, 0)};
}

// The new size keeps within the tracking sizes (a rolled-up or minimized window may be lower).
void TKsCustomForm::KeepTrackSize(TWindowPos& pos) {
    if (pos.flags & SWP_NOSIZE) return;
    const int32_t s = ShadowExtent();
    const TPoint max = GetMaxTrackSize(), min = GetMinTrackSize();
    pos.cx = std::min(pos.cx, max.X + s);
    pos.cy = std::min(pos.cy, max.Y + s);
    if (m_windowState != TKsWindowState::kwsRollup &&
        m_windowState != TKsWindowState::kwsMinimized) {
        pos.cx = std::max(pos.cx, min.X + s);
        pos.cy = std::max(pos.cy, min.Y + s);
    }
}

void TKsCustomForm::FillMinMaxInfo(TMinMaxInfo& info) {
    const int32_t s = ShadowExtent();
    const TPoint max = GetMaxTrackSize();
    info.ptMaxTrackSize = {max.X + s, max.Y + s};
    // A rolled-up or minimized window is lower than any minimum.
    if (m_windowState == TKsWindowState::kwsRollup ||
        m_windowState == TKsWindowState::kwsMinimized)
        info.ptMinTrackSize = {1, 1};
    else {
        const TPoint min = GetMinTrackSize();
        info.ptMinTrackSize = {min.X + s, min.Y + s};
    }
}

// After a move or size: a new size re-shapes the window; a translucent or shadowed frame needs
// the screen behind its new place.
void TKsCustomForm::PositionChanged(TMessage& message) {
    const auto* pos = reinterpret_cast<const TWindowPos*>(message.LParam);
    const TRect w = GetWindowRect(Hwnd());
    const TSize full{w.Width(), w.Height()};
    // The non-client calculation may have stored the new size already: the shape is compared
    // with the size it was made for.
    StoreSizes(full);
    if (full != m_rt->RegionSize || (pos && (pos->flags & SWP_FRAMECHANGED))) UpdateRegion();
    if (m_blend || m_dropShadow) CaptureBackground();
}

// The window takes Rect (without shadow; screen coordinates) and the shadow grows it again.
void TKsCustomForm::TakeBounds(const TRect& rect) {
    const int32_t s = ShadowExtent();
    SetWindowPos(Hwnd(), 0, rect.Left, rect.Top, rect.Width() + s, rect.Height() + s,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

TRect TKsCustomForm::SnapRect(const TRect& proposed) {
    if (!m_magnetic) return proposed;
    const TRect area = MonitorFromRect(proposed).WorkareaRect();
    const int32_t m = m_magneticValue;
    TRect r = proposed;
    if (std::abs(r.Left - area.Left) < m)
        r = OffsetRect(r, area.Left - r.Left, 0);
    else if (std::abs(r.Right - area.Right) < m)
        r = OffsetRect(r, area.Right - r.Right, 0);
    if (std::abs(r.Top - area.Top) < m)
        r = OffsetRect(r, 0, area.Top - r.Top);
    else if (std::abs(r.Bottom - area.Bottom) < m)
        r = OffsetRect(r, 0, area.Bottom - r.Bottom);
    return r;
}

} // namespace brisat
