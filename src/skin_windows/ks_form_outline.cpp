#include "skin_windows/ks_form_outline.h"

#include "framework/core/colors.h"
#include "framework/graphics/device_context.h"
#include "framework/windowing/window_handle.h"

namespace brisat {

namespace {

LRESULT OutlineProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_ERASEBKGND) {
        if (wParam) WParamToDC(wParam)->FillRect(GetClientRect(hwnd), clWhite);
        return 1;
    }
    if (msg == WM_NCHITTEST) return HTTRANSPARENT;
    return DefWindowProc(hwnd, msg, wParam, lParam);
}

// A ring PenWidth wide inside a W × H rectangle.
TRegion Ring(int32_t w, int32_t h) {
    TRegion ring(TRect{0, 0, w, h});
    const int32_t p = TKsDragOutline::PenWidth;
    if (w > 2 * p && h > 2 * p) ring.Subtract(TRegion(TRect{p, p, w - p, h - p}));
    return ring;
}

} // namespace

TKsDragOutline::~TKsDragOutline() {
    if (m_window) DestroyWindow(m_window);
}

void TKsDragOutline::Show(const TRect& rect) {
    if (IsRectEmpty(rect)) return Hide();
    if (!m_window || !IsWindow(m_window)) {
        TCreateWindowParams params;
        params.Style = WS_POPUP;
        params.ExStyle = WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE | WS_EX_TOPMOST;
        params.Bounds = rect;
        params.WndProc = OutlineProc;
        m_window = CreateWindowEx(params);
        if (!m_window) return;
    }
    const bool resized = rect.Width() != m_rect.Width() || rect.Height() != m_rect.Height();
    m_rect = rect;
    SetWindowPos(m_window, HWND_TOPMOST, rect.Left, rect.Top, rect.Width(), rect.Height(),
                 SWP_NOACTIVATE | SWP_SHOWWINDOW);
    if (resized) SetWindowRgn(m_window, Ring(rect.Width(), rect.Height()), true);
    UpdateWindow(m_window);
}

void TKsDragOutline::Hide() {
    m_rect = {};
    if (m_window) ShowWindow(m_window, SW_HIDE);
}

} // namespace brisat
