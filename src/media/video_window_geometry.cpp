#include "media/video_window_geometry.h"

#include <algorithm>

namespace brisat {

TRect FitRectToAspect(const TRect& dest, const TRect& aspect) {
    const int32_t w = dest.Width(), h = dest.Height();
    const int32_t aw = aspect.Width(), ah = aspect.Height();
    if (aw <= 0 || ah <= 0) return dest;
    int32_t width = w, height = h;
    if (double(h) / ah > double(w) / aw)
        height = MulDiv(ah, w, aw);
    else
        width = MulDiv(aw, h, ah);
    return Bounds(dest.Left + (w - width) / 2, dest.Top + (h - height) / 2, width, height);
}

TSourceRect ZoomSourceRect(long width, long height, int zoom) {
    if (width <= 0 || height <= 0) return {};
    const double ratio = double(height) / double(width);
    const double newWidth = double(width) - double(long(zoom) * width) / 100.0;
    const double newHeight = newWidth * ratio;
    return {long((width - newWidth) / 2), long((height - newHeight) / 2), long(newWidth),
            long(newHeight)};
}

TSourceRect CropSourceRect(const TSourceRect& source, long width, long height, long aspectX,
                           long aspectY, int32_t destWidth, int32_t destHeight) {
    if (width <= 0 || height <= 0 || aspectX <= 0 || aspectY <= 0 || destWidth <= 0 ||
        destHeight <= 0 || source.Width <= 0 || source.Height <= 0)
        return source;
    // Display width of one source pixel relative to its height.
    const double pixelAspect = (double(aspectX) * height) / (double(aspectY) * width);
    const double shown = source.Width * pixelAspect / source.Height;
    const double wanted = double(destWidth) / destHeight;
    TSourceRect crop = source;
    if (shown > wanted)
        crop.Width = std::max(1L, long(source.Height * wanted / pixelAspect + 0.5));
    else
        crop.Height = std::max(1L, long(source.Width * pixelAspect / wanted + 0.5));
    crop.Left += (source.Width - crop.Width) / 2;
    crop.Top += (source.Height - crop.Height) / 2;
    return crop;
}

} // namespace brisat
