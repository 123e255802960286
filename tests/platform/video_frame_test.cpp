// Frame geometry, validation of what a decoder hands over, and the decoder-to-GUI mailbox.
#include "platform/video_frame_mailbox.h"

#include <algorithm>
#include <atomic>
#include <gtest/gtest.h>
#include <thread>
#include <vector>

using namespace brisat;

TEST(VideoFrame, PlaneGeometryRoundsChromaUpForOddSizes) {
    struct TCase {
        TVideoPixelFormat Format;
        int32_t Width, Height;
        int32_t RowBytes[3], Rows[3];
        size_t Packed;
    };
    const TCase cases[] = {
        {TVideoPixelFormat::I420, 4, 2, {4, 2, 2}, {2, 1, 1}, 8 + 2 + 2},
        {TVideoPixelFormat::I420, 5, 3, {5, 3, 3}, {3, 2, 2}, 15 + 6 + 6},
        {TVideoPixelFormat::NV12, 5, 3, {5, 6, 0}, {3, 2, 0}, 15 + 12},
        {TVideoPixelFormat::BGRA, 5, 3, {20, 0, 0}, {3, 0, 0}, 60},
    };
    for (const TCase& c : cases) {
        const int planes = PlaneCount(c.Format);
        for (int p = 0; p < planes; ++p) {
            EXPECT_EQ(PlaneRowBytes(c.Format, c.Width, p), c.RowBytes[p]) << c.Width << " " << p;
            EXPECT_EQ(PlaneRows(c.Format, c.Height, p), c.Rows[p]) << c.Height << " " << p;
        }
        EXPECT_EQ(PackedFrameBytes(c.Format, c.Width, c.Height), c.Packed);
    }
}

TEST(VideoFrame, RefusesSizesPlanesAndStridesThatDoNotFit) {
    static const uint8_t bytes[64] = {};
    auto frame = [](int32_t w, int32_t h) {
        TVideoFrame f;
        f.Format = TVideoPixelFormat::I420;
        f.Width = w;
        f.Height = h;
        for (int p = 0; p < 3; ++p) {
            f.Planes[p] = bytes;
            f.Strides[p] = 8192;
        }
        return f;
    };
    EXPECT_TRUE(IsValidFrame(frame(4, 4)));
    EXPECT_TRUE(IsValidFrame(frame(MaxVideoSide, 4)));
    EXPECT_FALSE(IsValidFrame(frame(0, 4)));
    EXPECT_FALSE(IsValidFrame(frame(4, -2)));
    EXPECT_FALSE(IsValidFrame(frame(MaxVideoSide + 1, 4)));
    EXPECT_FALSE(IsValidFrame(frame(MaxVideoSide, MaxVideoSide)));
    TVideoFrame noPlane = frame(4, 4);
    noPlane.Planes[2] = nullptr;
    EXPECT_FALSE(IsValidFrame(noPlane));
    TVideoFrame shortStride = frame(5, 4);
    shortStride.Strides[1] = 2; // a chroma row of a 5-wide frame holds 3 bytes
    EXPECT_FALSE(IsValidFrame(shortStride));
    TVideoFrame badFormat = frame(4, 4);
    badFormat.Format = static_cast<TVideoPixelFormat>(7);
    EXPECT_FALSE(IsValidFrame(badFormat));
}

TEST(VideoFrameMailbox, PacksStridedPlanesAndHandsOverOnlyTheNewest) {
    // A 3 × 2 NV12 frame whose rows carry padding bytes (0xEE) past their ends.
    const uint8_t luma[] = {1, 2, 3, 0xEE, 4, 5, 6, 0xEE};
    const uint8_t chroma[] = {7, 8, 9, 10, 0xEE};
    TVideoFrame frame;
    frame.Format = TVideoPixelFormat::NV12;
    frame.Width = 3;
    frame.Height = 2;
    frame.Planes[0] = luma;
    frame.Strides[0] = 4;
    frame.Planes[1] = chroma;
    frame.Strides[1] = 5;

    TVideoFrameMailbox mailbox;
    EXPECT_FALSE(mailbox.TakeNewest());
    ASSERT_TRUE(mailbox.Submit(frame));
    const uint8_t newer[] = {11, 12, 13, 0, 14, 15, 16, 0};
    frame.Planes[0] = newer;
    ASSERT_TRUE(mailbox.Submit(frame));
    frame.Width = 0;
    EXPECT_FALSE(mailbox.Submit(frame));

    ASSERT_TRUE(mailbox.TakeNewest());
    const TStagedFrame& staged = mailbox.Current();
    EXPECT_EQ(staged.Bytes, (std::vector<uint8_t>{11, 12, 13, 14, 15, 16, 7, 8, 9, 10}));
    EXPECT_EQ(staged.Frame.Planes[1], staged.Bytes.data() + 6);
    EXPECT_EQ(staged.Frame.Strides[1], 4);
    EXPECT_TRUE(IsContiguous(staged.Frame));
    EXPECT_FALSE(IsContiguous(frame));
    EXPECT_FALSE(mailbox.TakeNewest());

    frame.Width = 3;
    ASSERT_TRUE(mailbox.Submit(frame));
    mailbox.DropPending();
    EXPECT_FALSE(mailbox.TakeNewest());
    EXPECT_EQ(mailbox.Current().Bytes[0], 11);
}

// Frames with a keeper are kept, not copied, and let go once no longer needed: only the newest
// and the shown one are held, the shown one until it is released.
TEST(VideoFrameMailbox, KeepsLentFramesOnlyWhileNeeded) {
    std::vector<uint8_t> pixels(4 * 2 * 4, 9);
    auto lend = [&](std::shared_ptr<const void> keeper) {
        TVideoFrame frame;
        frame.Format = TVideoPixelFormat::BGRA;
        frame.Width = 4;
        frame.Height = 2;
        frame.Planes[0] = pixels.data();
        frame.Strides[0] = 16;
        frame.Keeper = std::move(keeper);
        return frame;
    };
    auto a = std::make_shared<int>(1), b = std::make_shared<int>(2), c = std::make_shared<int>(3),
         d = std::make_shared<int>(4);
    std::weak_ptr<int> shownA = a, replacedB = b, shownC = c, droppedD = d;
    TVideoFrameMailbox mailbox;
    ASSERT_TRUE(mailbox.Submit(lend(std::move(a))));
    ASSERT_TRUE(mailbox.TakeNewest());
    EXPECT_EQ(mailbox.Current().Frame.Planes[0], pixels.data());
    EXPECT_TRUE(mailbox.Current().Bytes.empty());

    mailbox.Submit(lend(std::move(b)));
    mailbox.Submit(lend(std::move(c)));
    EXPECT_TRUE(replacedB.expired());
    EXPECT_FALSE(shownA.expired());
    ASSERT_TRUE(mailbox.TakeNewest());
    mailbox.Submit(lend(nullptr)); // copied; the frame shown before goes now
    EXPECT_TRUE(shownA.expired());
    EXPECT_FALSE(shownC.expired());

    mailbox.Submit(lend(std::move(d)));
    mailbox.DropPending();
    EXPECT_TRUE(droppedD.expired());
    EXPECT_FALSE(shownC.expired());
    mailbox.ReleaseCurrent(); // uploaded: it goes back at once
    EXPECT_TRUE(shownC.expired());
    EXPECT_EQ(mailbox.Current().Frame.Planes[0], nullptr);
}

// A decoder thread submits frames each filled with its own number while the GUI side takes
// them: every frame taken must be whole (never a mix of two) and the numbers must only grow.
TEST(VideoFrameMailbox, FramesTakenWhileAnotherThreadSubmitsAreNeverTorn) {
    constexpr int Frames = 250; // one byte holds each number
    TVideoFrameMailbox mailbox;
    std::atomic<bool> done = false;
    std::thread decoder([&] {
        std::vector<uint8_t> pixels(64 * 64 * 4);
        for (int n = 1; n <= Frames; ++n) {
            std::fill(pixels.begin(), pixels.end(), uint8_t(n));
            TVideoFrame frame;
            frame.Format = TVideoPixelFormat::BGRA;
            frame.Width = frame.Height = 64;
            frame.Planes[0] = pixels.data();
            frame.Strides[0] = 64 * 4;
            mailbox.Submit(frame);
        }
        done = true;
    });
    int last = 0, torn = 0, backwards = 0;
    bool finished = false;
    while (!finished) {
        finished = done; // read before taking, so the last frame is taken too
        if (!mailbox.TakeNewest()) continue;
        const std::vector<uint8_t>& bytes = mailbox.Current().Bytes;
        const int n = bytes.front();
        torn += std::count(bytes.begin(), bytes.end(), bytes.front()) != long(bytes.size());
        backwards += n <= last;
        last = n;
    }
    decoder.join();
    EXPECT_EQ(torn, 0);
    EXPECT_EQ(backwards, 0);
    EXPECT_EQ(last, Frames);
}
