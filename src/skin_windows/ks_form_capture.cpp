// TKsCustomForm's view of the screen behind it: the captured background a shadow or a
// translucent frame is blended over, and the show animation.
#include "skin_windows/ks_form_runtime.h"

#include "framework/controls/win_control.h"
#include "framework/windowing/window_handle.h"
#include "platform/platform.h"

namespace brisat {

namespace {

// The screen under Rect (opaque pixels).
void CaptureInto(TKsBitmap& bitmap, const TRect& rect, const TRect& skip) {
    const std::vector<uint32_t> pixels =
        Platform().CaptureScreen({rect.Left, rect.Top, rect.Right, rect.Bottom});
    const int32_t w = rect.Width();
    if (pixels.size() < size_t(w) * size_t(rect.Height())) return;
    for (int32_t y = 0; y < rect.Height(); ++y) {
        TKsPixel* row = bitmap.Row(y);
        for (int32_t x = 0; x < w; ++x)
            if (!PtInRect(skip, {rect.Left + x, rect.Top + y}))
                row[x] = 0xFF000000 | (pixels[size_t(y) * size_t(w) + size_t(x)] & 0xFFFFFF);
    }
}

} // namespace

// The screen there shows the window itself where the new rectangle overlaps the old one: that
// part comes from the previous copy.
void TKsCustomForm::CaptureBackground() {
    const TRect rect = GetWindowRect(Hwnd());
    if (IsRectEmpty(rect)) return;
    TKsBitmap fresh;
    fresh.SetSize(rect.Width(), rect.Height());
    const TRect old = m_rt->BackgroundRect;
    const TRect overlap = m_rt->Background.Empty() || !IsWindowVisible(Hwnd())
                              ? TRect{}
                              : IntersectRect(rect, old);
    if (!IsRectEmpty(overlap))
        m_rt->Background.DrawRect(fresh, overlap.Left - rect.Left, overlap.Top - rect.Top,
                                  OffsetRect(overlap, -old.Left, -old.Top));
    CaptureInto(fresh, rect, overlap);
    m_rt->Background.SetSize(rect.Width(), rect.Height());
    fresh.DrawRect(m_rt->Background, 0, 0, fresh.BoundsRect());
    m_rt->BackgroundRect = rect;
}

} // namespace brisat
