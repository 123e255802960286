#include "platform/video_frame.h"

namespace brisat {

namespace {

int32_t HalfUp(int32_t n) {
    return n / 2 + n % 2;
}

} // namespace

int PlaneCount(TVideoPixelFormat format) {
    switch (format) {
    case TVideoPixelFormat::I420:
        return 3;
    case TVideoPixelFormat::NV12:
        return 2;
    case TVideoPixelFormat::BGRA:
        return 1;
    }
    return 0;
}

int32_t PlaneRowBytes(TVideoPixelFormat format, int32_t width, int plane) {
    switch (format) {
    case TVideoPixelFormat::I420:
        return plane == 0 ? width : HalfUp(width);
    case TVideoPixelFormat::NV12:
        return plane == 0 ? width : 2 * HalfUp(width);
    case TVideoPixelFormat::BGRA:
        return 4 * width;
    }
    return 0;
}

int32_t PlaneRows(TVideoPixelFormat format, int32_t height, int plane) {
    return plane == 0 || format == TVideoPixelFormat::BGRA ? height : HalfUp(height);
}

size_t PackedFrameBytes(TVideoPixelFormat format, int32_t width, int32_t height) {
    size_t bytes = 0;
    for (int plane = 0; plane < PlaneCount(format); ++plane)
        bytes +=
            size_t(PlaneRowBytes(format, width, plane)) * size_t(PlaneRows(format, height, plane));
    return bytes;
}

bool IsContiguous(const TVideoFrame& frame) {
    const int32_t pitch = frame.Strides[0];
    const uint8_t* next = frame.Planes[0];
    for (int plane = 0; plane < PlaneCount(frame.Format); ++plane) {
        const int32_t stride = plane == 0                                ? pitch
                               : frame.Format == TVideoPixelFormat::NV12 ? 2 * HalfUp(pitch)
                                                                         : HalfUp(pitch);
        if (frame.Planes[plane] != next || frame.Strides[plane] != stride) return false;
        next += size_t(stride) * size_t(PlaneRows(frame.Format, frame.Height, plane));
    }
    return true;
}

bool IsValidFrame(const TVideoFrame& frame) {
    if (frame.Width <= 0 || frame.Height <= 0 || frame.Width > MaxVideoSide ||
        frame.Height > MaxVideoSide || int64_t(frame.Width) * frame.Height > MaxVideoPixels)
        return false;
    const int planes = PlaneCount(frame.Format);
    if (planes == 0) return false;
    for (int plane = 0; plane < planes; ++plane)
        if (!frame.Planes[plane] ||
            frame.Strides[plane] < PlaneRowBytes(frame.Format, frame.Width, plane))
            return false;
    return true;
}

} // namespace brisat
