// Halves a YUV picture in both directions for a video shown at half its size or less: each
// sample of the result is the rounded mean of a 2 × 2 block of the source (for an odd side the
// last block repeats the last row or column). The result is packed I420, the layout
// SDL_ConvertPixels reads, so the picture is converted to RGB at a quarter of the pixels, and
// its texture takes a quarter of the memory.
#pragma once

#include "platform/video_frame.h"

#include <cstdint>
#include <vector>

namespace brisat {

// Halves plane In (InWidth × InHeight samples, InStep bytes from one sample to the next: 1 for
// a plane, 2 for one channel of NV12's interleaved U,V) into OutWidth × OutHeight bytes at Out
// with rows OutWidth apart. Out's size must be at most half In's, rounded up.
void HalvePlane(const uint8_t* in, int32_t inStride, int32_t inStep, int32_t inWidth,
                int32_t inHeight, uint8_t* out, int32_t outWidth, int32_t outHeight);

// Frame (I420 or NV12) halved into Packed, which is resized only when the size changes; the
// returned frame's planes point into Packed. Width and height of the result are half the
// frame's, rounded down, at least 1.
TVideoFrame HalveYuvFrame(const TVideoFrame& frame, std::vector<uint8_t>& packed);

} // namespace brisat
