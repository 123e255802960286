#include "platform/half_picture.h"

#include <algorithm>

namespace brisat {

namespace {

// The inner loop over whole 2 × 2 blocks is plain enough for the compiler to vectorise.
void HalveRowPair(const uint8_t* top, const uint8_t* bottom, int32_t step, uint8_t* out,
                  int32_t pairs) {
    for (int32_t x = 0; x < pairs; ++x) {
        const int32_t a = 2 * x * step, b = a + step;
        out[x] = uint8_t((top[a] + top[b] + bottom[a] + bottom[b] + 2) >> 2);
    }
}

} // namespace

void HalvePlane(const uint8_t* in, int32_t inStride, int32_t inStep, int32_t inWidth,
                int32_t inHeight, uint8_t* out, int32_t outWidth, int32_t outHeight) {
    const int32_t pairs = std::min(outWidth, inWidth / 2);
    for (int32_t y = 0; y < outHeight; ++y) {
        const uint8_t* top = in + size_t(std::min(2 * y, inHeight - 1)) * size_t(inStride);
        const uint8_t* bottom = in + size_t(std::min(2 * y + 1, inHeight - 1)) * size_t(inStride);
        uint8_t* row = out + size_t(y) * size_t(outWidth);
        if (inStep == 1)
            HalveRowPair(top, bottom, 1, row, pairs);
        else
            HalveRowPair(top, bottom, inStep, row, pairs);
        // An odd width leaves a last column of single samples.
        for (int32_t x = pairs; x < outWidth; ++x) {
            const int32_t a = std::min(2 * x, inWidth - 1) * inStep;
            row[x] = uint8_t((top[a] + bottom[a] + 1) >> 1);
        }
    }
}

TVideoFrame HalveYuvFrame(const TVideoFrame& frame, std::vector<uint8_t>& packed) {
    TVideoFrame half;
    half.Format = TVideoPixelFormat::I420;
    half.Width = std::max(frame.Width / 2, 1);
    half.Height = std::max(frame.Height / 2, 1);
    const int32_t chromaWidth = (half.Width + 1) / 2, chromaHeight = (half.Height + 1) / 2;
    const size_t luma = size_t(half.Width) * size_t(half.Height);
    const size_t chroma = size_t(chromaWidth) * size_t(chromaHeight);
    packed.resize(luma + 2 * chroma);
    uint8_t* planes[3] = {packed.data(), packed.data() + luma, packed.data() + luma + chroma};
    HalvePlane(frame.Planes[0], frame.Strides[0], 1, frame.Width, frame.Height, planes[0],
               half.Width, half.Height);
    const int32_t inChromaWidth = (frame.Width + 1) / 2, inChromaHeight = (frame.Height + 1) / 2;
    for (int c = 0; c < 2; ++c) {
        const bool nv12 = frame.Format == TVideoPixelFormat::NV12;
        const uint8_t* in = nv12 ? frame.Planes[1] + c : frame.Planes[1 + c];
        HalvePlane(in, frame.Strides[nv12 ? 1 : 1 + c], nv12 ? 2 : 1, inChromaWidth, inChromaHeight,
                   planes[1 + c], chromaWidth, chromaHeight);
    }
    half.Strides[0] = half.Width;
    half.Strides[1] = half.Strides[2] = chromaWidth;
    for (int p = 0; p < 3; ++p)
        half.Planes[p] = planes[p];
    return half;
}

} // namespace brisat
