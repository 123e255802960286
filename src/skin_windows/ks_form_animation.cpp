// TKsCustomForm's show animation: the window's picture brought onto the screen over what lies
// behind it by a fade, a slide or a growing rectangle, timed by the clock. The frames show in a
// plain top-level window of their own at the window's place, which goes before the window shows.
#include "skin_windows/ks_form_runtime.h"

#include "framework/controls/win_control.h"
#include "framework/windowing/window_handle.h"
#include "platform/platform.h"
#include "skin/bitmap/transitions.h"

#include <random>

namespace brisat {

namespace {

int32_t RandomBelow(int32_t n) {
    static std::minstd_rand engine{std::random_device{}()};
    return std::uniform_int_distribution<int32_t>(0, n - 1)(engine);
}

void RenderFrame(TKsAnimation kind, int32_t variant, TKsBitmap& frame,
                 const TKsBitmap& background, TKsBitmap& image, int32_t t, int32_t duration) {
    switch (kind) {
    case TKsAnimation::kaSlide:
        return RenderSlideFrame(frame, background, image, t, duration, variant);
    case TKsAnimation::kaRect:
        return RenderRevealFrame(frame, background, image, t, duration, variant);
    default:
        return RenderFadeFrame(frame, background, image, t, duration);
    }
}

// Shows Frame's pixels in a borderless window at Rect until the animation ends.
class TAnimationWindow {
public:
    TAnimationWindow(const TRect& rect, const TKsBitmap& frame) {
        TCreateWindowParams params;
        params.Style = WS_POPUP;
        params.ExStyle = WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE;
        params.Bounds = rect;
        params.WndProc = [&frame](HWND h, UINT msg, WPARAM w, LPARAM l) -> LRESULT {
            if (msg != WM_ERASEBKGND) return DefWindowProc(h, msg, w, l);
            if (w) frame.DrawToDC(*WParamToDC(w), 0, 0);
            return 1;
        };
        m_window = CreateWindowEx(params);
        if (m_window) ShowWindow(m_window, SW_SHOWNA);
    }
    ~TAnimationWindow() {
        if (m_window) DestroyWindow(m_window);
    }
    TAnimationWindow(const TAnimationWindow&) = delete;
    TAnimationWindow& operator=(const TAnimationWindow&) = delete;
    void Present() {
        if (!m_window) return;
        InvalidateRect(m_window, nullptr, true);
        UpdateWindow(m_window);
    }

private:
    HWND m_window = 0;
};

} // namespace

// Once mapped, the screen there shows the window itself.
void TKsCustomForm::BeforeShow() {
    if (m_blend || m_dropShadow || m_showAnimation != TKsAnimation::kaNone) CaptureBackground();
    RunShowAnimation();
}

void TKsCustomForm::RunShowAnimation() {
    if (m_showAnimation == TKsAnimation::kaNone || m_blend || m_rt->Showing || !Control()) return;
    const HWND hwnd = Hwnd();
    const TRect rect = GetWindowRect(hwnd);
    if (IsWindowVisible(hwnd) || IsRectEmpty(rect) || m_showAnimationTime <= 0) return;
    m_rt->Showing = true;
    TKsBitmap image;
    image.SetSize(rect.Width(), rect.Height());
    const bool active = m_windowActive;
    m_windowActive = true;
    PrintWindow(hwnd, image.DC());
    m_windowActive = active;
    image.SetAlpha(255);
    // Pixels outside the window's shape show what is behind.
    if (const std::optional<TRegion> shape = GetWindowRgn(hwnd))
        for (int32_t y = 0; y < image.Height(); ++y)
            for (int32_t x = 0; x < image.Width(); ++x)
                if (!shape->Contains(x, y)) image.SetPixels(x, y, ksKeyPixel);
    image.MakeTransparent(ksKeyPixel);
    TKsAnimation kind = m_showAnimation;
    if (kind == TKsAnimation::kaRandom)
        kind = TKsAnimation(int(TKsAnimation::kaFade) + RandomBelow(3));
    const int32_t variant = kind == TKsAnimation::kaSlide  ? RandomBelow(8)
                            : kind == TKsAnimation::kaRect ? RandomBelow(5)
                                                           : 0;
    TKsBitmap frame;
    frame.SetSize(rect.Width(), rect.Height());
    {
        TAnimationWindow window(rect, frame);
        const int32_t duration = m_showAnimationTime;
        const uint32_t start = Platform().TickCount();
        // Clock time decides the frame; a clock that stands still still moves on by 1 ms.
        for (int32_t t = 0; t < duration;) {
            RenderFrame(kind, variant, frame, m_rt->Background, image, t, duration);
            window.Present();
            t = std::max(int32_t(Platform().TickCount() - start), t + 1);
        }
    }
    m_rt->Showing = false;
}

} // namespace brisat
