// Halving pictures: each result sample is the rounded mean of its 2 × 2 block, odd sides repeat
// their last row or column, and NV12's interleaved chroma comes apart into I420 planes.
#include "platform/half_picture.h"

#include <gtest/gtest.h>

using namespace brisat;

TEST(HalfPicture, EachSampleIsTheRoundedMeanOfItsBlockAndOddSidesRepeatTheirEdge) {
    // 5 × 3 with a stride of 6: the last column and row stand alone.
    const uint8_t in[] = {
        0,  1,  10, 20, 200, 99, //
        2,  2,  30, 41, 100, 99, //
        50, 60, 70, 80, 90,  99, //
    };
    uint8_t out[6] = {};
    HalvePlane(in, 6, 1, 5, 3, out, 3, 2);
    // (0+1+2+2+2)/4, (10+20+30+41+2)/4, (200+100+1)/2 | (50+60+50+60+2)/4, ..., 90
    const uint8_t expected[] = {1, 25, 150, 55, 75, 90};
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(out[i], expected[i]) << i;
}

TEST(HalfPicture, Nv12ChromaIsSplitAndHalvedIntoPackedI420) {
    // 8 × 4: luma of 8-wide rows, chroma 4 × 2 pairs with U = 100 + x and V = 200 - x.
    std::vector<uint8_t> luma(32, 50), chroma(16);
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 4; ++x) {
            chroma[size_t(y * 8 + 2 * x)] = uint8_t(100 + x);
            chroma[size_t(y * 8 + 2 * x + 1)] = uint8_t(200 - x);
        }
    TVideoFrame frame;
    frame.Format = TVideoPixelFormat::NV12;
    frame.Width = 8;
    frame.Height = 4;
    frame.Planes[0] = luma.data();
    frame.Planes[1] = chroma.data();
    frame.Strides[0] = frame.Strides[1] = 8;
    std::vector<uint8_t> packed;
    const TVideoFrame half = HalveYuvFrame(frame, packed);
    ASSERT_EQ(half.Format, TVideoPixelFormat::I420);
    ASSERT_EQ(half.Width, 4);
    ASSERT_EQ(half.Height, 2);
    EXPECT_TRUE(IsContiguous(half));
    EXPECT_EQ(packed.size(), 8u + 2u + 2u);
    EXPECT_EQ(half.Planes[0][7], 50);
    // U pairs (100,101) and (102,103) → 101 (100.5 rounds up) and 103; V → 200, 198.
    EXPECT_EQ(half.Planes[1][0], 101);
    EXPECT_EQ(half.Planes[1][1], 103);
    EXPECT_EQ(half.Planes[2][0], 200);
    EXPECT_EQ(half.Planes[2][1], 198);
}
