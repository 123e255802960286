// TKsCustomForm's view of the screen behind it: whether a compositing manager blends the window
// live, else the captured background a shadow or a translucent frame is blended over (also the
// show animation's).
#include "skin_windows/ks_form_runtime.h"

#include "framework/controls/win_control.h"
#include "framework/windowing/window_handle.h"
#include "platform/platform.h"

namespace brisat {

namespace {

// The screen under Part (opaque pixels), into Bitmap, which shows the screen from Origin on.
void CaptureInto(TKsBitmap& bitmap, TPoint origin, const TRect& part) {
    if (IsRectEmpty(part)) return;
    const std::vector<uint32_t> pixels =
        Platform().CaptureScreen({part.Left, part.Top, part.Right, part.Bottom});
    const int32_t w = part.Width();
    if (pixels.size() < size_t(w) * size_t(part.Height())) return;
    for (int32_t y = 0; y < part.Height(); ++y) {
        TKsPixel* row = bitmap.Row(part.Top - origin.Y + y) + (part.Left - origin.X);
        const uint32_t* from = pixels.data() + size_t(y) * size_t(w);
        for (int32_t x = 0; x < w; ++x)
            row[x] = 0xFF000000 | (from[x] & 0xFFFFFF);
    }
}

} // namespace

bool TKsCustomForm::Composited() const {
    if (!Control() || !Control()->HandleAllocated()) return false;
    IPlatformWindow* native = GetNativeWindow(Hwnd());
    return native && native->Composited();
}

// The screen there shows the window itself where the new rectangle overlaps the old one: that
// part comes from the previous copy.
void TKsCustomForm::CaptureBackground() {
    const TRect rect = GetWindowRect(Hwnd());
    if (IsRectEmpty(rect)) return;
    TKsBitmap& fresh = m_rt->Capture;
    fresh.SetSize(rect.Width(), rect.Height());
    const TRect old = m_rt->BackgroundRect;
    const TRect overlap = m_rt->Background.Empty() || !IsWindowVisible(Hwnd())
                              ? TRect{}
                              : IntersectRect(rect, old);
    if (IsRectEmpty(overlap)) {
        CaptureInto(fresh, rect.TopLeft(), rect);
    } else {
        // The overlap from the previous copy; only the bands around it from the screen.
        m_rt->Background.DrawRect(fresh, overlap.Left - rect.Left, overlap.Top - rect.Top,
                                  OffsetRect(overlap, -old.Left, -old.Top));
        const TRect bands[] = {{rect.Left, rect.Top, rect.Right, overlap.Top},
                               {rect.Left, overlap.Bottom, rect.Right, rect.Bottom},
                               {rect.Left, overlap.Top, overlap.Left, overlap.Bottom},
                               {overlap.Right, overlap.Top, rect.Right, overlap.Bottom}};
        for (const TRect& band : bands)
            CaptureInto(fresh, rect.TopLeft(), band);
    }
    m_rt->Background.SetSize(rect.Width(), rect.Height());
    fresh.DrawRect(m_rt->Background, 0, 0, fresh.BoundsRect());
    m_rt->BackgroundRect = rect;
}

} // namespace brisat
