// Frames from our renderer reach a window's video layer in their own layout and size.
#include "media/platform/event_codes.h"
#include "media/renderer_to_layer.h"
#include "media_clips.h"
#include "platform/headless_platform.h"

#include <gtest/gtest.h>

using namespace brisat;
using namespace brisat::test;

TEST(RendererToLayer, PassesPlanesThroughWithoutConverting) {
    const uint8_t y[4 * 2] = {}, u[2] = {}, v[2] = {};
    TDecodedFrame frame;
    frame.Format = TDecodedPixelFormat::I420;
    frame.Width = 4;
    frame.Height = 2;
    frame.PlaneCount = 3;
    frame.Planes[0] = y;
    frame.Planes[1] = u;
    frame.Planes[2] = v;
    frame.Strides[0] = 4;
    frame.Strides[1] = frame.Strides[2] = 2;
    TVideoFrame layerFrame;
    ASSERT_TRUE(ToLayerFrame(frame, layerFrame));
    EXPECT_EQ(layerFrame.Format, TVideoPixelFormat::I420);
    EXPECT_EQ(layerFrame.Planes[1], u);
    EXPECT_EQ(layerFrame.Strides[2], 2);

    frame.Format = TDecodedPixelFormat::BGRA; // three planes do not make a BGRA picture
    EXPECT_FALSE(ToLayerFrame(frame, layerFrame));

    // Without a layer frames are dropped; with one they arrive.
    THeadlessVideoLayer layer;
    TRendererToLayer path;
    frame.Format = TDecodedPixelFormat::I420;
    path.ReceiveFrame(frame);
    path.SetLayer(&layer);
    path.ReceiveFrame(frame);
    path.SetLayer(nullptr);
    path.ReceiveFrame(frame);
    EXPECT_EQ(layer.FrameCount(), 1);
    EXPECT_EQ(path.FramesSubmitted(), 1u);
}

TEST(RendererToLayer, ClipFramesReachTheLayerInTheirOwnFormatAndSize) {
    GraphHarness h;
    THeadlessVideoLayer layer;
    auto path = std::make_shared<TRendererToLayer>();
    path->SetLayer(&layer);
    ASSERT_EQ(TBasicVideo(h.Renderer).SetFrameConsumer(path), S_OK);
    ASSERT_EQ(h.Graph.RenderFile(Clip("clip.mp4")), S_OK);
    h.Graph.Run();
    EXPECT_EQ(h.WaitForEnd().back(), EC_COMPLETE);
    EXPECT_GE(layer.FrameCount(), kMostOfASecond);
    THeadlessVideoLayer::TFrameCopy last = layer.LastFrame();
    EXPECT_EQ(last.Format, TVideoPixelFormat::I420);
    EXPECT_EQ(last.Width, 160);
    EXPECT_EQ(last.Height, 120);
    EXPECT_EQ(last.Bytes.size(), PackedFrameBytes(TVideoPixelFormat::I420, 160, 120));
}
