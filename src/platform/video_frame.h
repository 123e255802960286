// Video frames as a decoder hands them over: a pixel format, a size and up to three planes. The
// planes are borrowed; TVideoFrameMailbox copies them so the decoder may reuse its buffers at once,
// unless the frame comes with a keeper that holds them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

namespace brisat {

enum class TVideoPixelFormat : uint8_t {
    I420, // Y plane, then U and V planes at half width and height (rounded up)
    NV12, // Y plane, then one plane of interleaved U,V pairs at half width and height
    BGRA, // one plane of 32-bit pixels, bytes B, G, R, A (0xAARRGGBB values, as back buffers)
};

// Frames larger than this on either side, or of more pixels in all, are refused: it bounds what
// a damaged stream can make us allocate (three staging slots of the frame's size).
inline constexpr int32_t MaxVideoSide = 8192;
inline constexpr int64_t MaxVideoPixels = int64_t(8192) * 4352;

struct TVideoFrame {
    TVideoPixelFormat Format = TVideoPixelFormat::I420;
    int32_t Width = 0;
    int32_t Height = 0;
    // Planes in the format's order and the bytes from one row to the next in each.
    const uint8_t* Planes[3] = {};
    int32_t Strides[3] = {};
    // Optional. While it is held the planes stay valid and unchanged, so they are kept instead
    // of copied; releasing it hands them back to the decoder.
    std::shared_ptr<const void> Keeper;
};

// The number of planes of Format (3, 2 or 1).
int PlaneCount(TVideoPixelFormat format);
// Bytes in one row, and rows, of plane Plane of a Width × Height frame of Format.
int32_t PlaneRowBytes(TVideoPixelFormat format, int32_t width, int plane);
int32_t PlaneRows(TVideoPixelFormat format, int32_t height, int plane);
// Bytes of all planes packed without padding.
size_t PackedFrameBytes(TVideoPixelFormat format, int32_t width, int32_t height);
// True when Frame's planes lie one after another, each row as long as the first plane's row
// allows and nothing between planes: the layout of planar YUV that SDL_ConvertPixels reads.
bool IsContiguous(const TVideoFrame& frame);
// True when Frame has a size within limits and every plane a pointer and a stride that covers
// its row.
bool IsValidFrame(const TVideoFrame& frame);

} // namespace brisat
