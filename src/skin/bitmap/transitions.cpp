#include "skin/bitmap/transitions.h"

#include "skin/bitmap/counter.h"

#include <algorithm>
#include <cmath>
#include <functional>

namespace brisat {

namespace {

int32_t Nearest(double x) {
    return int32_t(std::nearbyint(x));
}

// Sets AlphaBlend on a bitmap for one drawing call and restores it afterwards.
class TAlphaBlendScope {
public:
    explicit TAlphaBlendScope(TKsBitmap& bitmap)
        : m_bitmap(bitmap), m_previous(bitmap.AlphaBlend()) {
        bitmap.SetAlphaBlend(true);
    }
    ~TAlphaBlendScope() { m_bitmap.SetAlphaBlend(m_previous); }
    TAlphaBlendScope(const TAlphaBlendScope&) = delete;
    TAlphaBlendScope& operator=(const TAlphaBlendScope&) = delete;

private:
    TKsBitmap& m_bitmap;
    bool m_previous;
};

// The loop shared by the effects: make the image's key colour transparent, allocate the frame,
// render and show frames until the clock reaches Duration.
void RunTransition(TDeviceContext& target, TSize size, int32_t duration, TPoint position,
                   TKsBitmap& image, int32_t firstT,
                   const std::function<void(TKsBitmap&, int32_t)>& render) {
    if (duration <= 0) return;
    image.MakeTransparent(ksKeyPixel);
    TKsBitmap frame;
    frame.SetSize(size.cx, size.cy);
    if (frame.Empty()) return;
    TKsCounter counter;
    for (int64_t t = firstT; t < duration;) {
        counter.Start();
        render(frame, int32_t(t));
        frame.DrawToDC(target, position.X, position.Y);
        t += Nearest(counter.Stop() * 1000) + 1;
    }
}

// Where the image's top-left lies when sliding in from Direction, at fraction X of the way.
TPoint SlideOffset(int32_t direction, double x, int32_t w, int32_t h) {
    const int32_t a = Nearest(x * w), b = Nearest(x * h);
    switch (direction) {
    case 0:
        return {w - a, 0};
    case 1:
        return {0, h - b};
    case 2:
        return {a - w, 0};
    case 3:
        return {0, b - h};
    case 4:
        return {a - w, b - h};
    case 5:
        return {w - a, b - h};
    case 6:
        return {a - w, h - b};
    case 7:
        return {w - a, h - b};
    default:
        return {0, 0};
    }
}

// The visible part of the image for reveal Kind at fraction X of the way.
TRect RevealRect(int32_t kind, double x, int32_t w, int32_t h) {
    const int32_t a = Nearest(x * w), b = Nearest(x * h);
    const int32_t cx = w / 2, cy = h / 2;
    switch (kind) {
    case 0: {
        const int32_t dx = Nearest(x * cx), dy = Nearest(x * cy);
        return {cx - dx, cy - dy, cx + dx, cy + dy};
    }
    case 1:
        return {0, 0, a, b};
    case 2:
        return {w - a, 0, w, b};
    case 3:
        return {0, h - b, a, h};
    case 4:
        return {w - a, h - b, w, h};
    default:
        return {0, 0, w, h};
    }
}

// Frame pixels whose image counterpart has the key colour become the key pixel.
void KeyFromImage(TKsBitmap& frame, const TKsBitmap& image) {
    const int32_t width = std::min(frame.Width(), image.Width());
    const int32_t height = std::min(frame.Height(), image.Height());
    for (int32_t y = 0; y < height; ++y) {
        const TKsPixel* in = image.Row(y);
        TKsPixel* out = frame.Row(y);
        for (int32_t x = 0; x < width; ++x)
            if (IsKeyColor(in[x])) out[x] = ksKeyPixel;
    }
}

} // namespace

void RenderFadeFrame(TKsBitmap& frame, const TKsBitmap& background, TKsBitmap& image, int32_t t,
                     int32_t duration) {
    {
        TAlphaBlendScope blend(image);
        image.Draw(frame, 0, 0);
    }
    frame.SetAlpha(uint8_t(Nearest(double(t) / duration * 240) + 15));
    KeyFromImage(frame, image);
    frame.MergeUnder(background, 0, 0, frame.BoundsRect());
}

void RenderSlideFrame(TKsBitmap& frame, const TKsBitmap& background, TKsBitmap& image, int32_t t,
                      int32_t duration, int32_t direction) {
    background.DrawToDC(frame.DC(), 0, 0);
    const TPoint offset =
        SlideOffset(direction, double(t) / duration, frame.Width(), frame.Height());
    TAlphaBlendScope blend(image);
    image.Draw(frame, offset.X, offset.Y);
}

void RenderRevealFrame(TKsBitmap& frame, const TKsBitmap& background, TKsBitmap& image, int32_t t,
                       int32_t duration, int32_t kind) {
    background.DrawToDC(frame.DC(), 0, 0);
    const TRect r = RevealRect(kind, double(t) / duration, frame.Width(), frame.Height());
    TAlphaBlendScope blend(image);
    image.DrawRect(frame, r.Left, r.Top, r);
}

void FadeIn(TDeviceContext& target, const TKsBitmap& background, TSize size, int32_t duration,
            TPoint position, TKsBitmap& image) {
    RunTransition(target, size, duration, position, image, 0, [&](TKsBitmap& frame, int32_t t) {
        RenderFadeFrame(frame, background, image, t, duration);
    });
}

void SlideIn(TDeviceContext& target, const TKsBitmap& background, TSize size, int32_t duration,
             TPoint position, TKsBitmap& image, int32_t direction) {
    RunTransition(target, size, duration, position, image, 0, [&](TKsBitmap& frame, int32_t t) {
        RenderSlideFrame(frame, background, image, t, duration, direction);
    });
}

void RectReveal(TDeviceContext& target, const TKsBitmap& background, TSize size, int32_t duration,
                TPoint position, TKsBitmap& image, int32_t kind) {
    RunTransition(target, size, duration, position, image, 5, [&](TKsBitmap& frame, int32_t t) {
        RenderRevealFrame(frame, background, image, t, duration, kind);
    });
}

} // namespace brisat
