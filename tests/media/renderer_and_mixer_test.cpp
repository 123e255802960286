// Our renderer's source rectangle and our overlay mixer spliced in front of it, on a real clip.
#include "media/platform/event_codes.h"
#include "media/platform/overlay_mixer.h"
#include "media_clips.h"

#include <gtest/gtest.h>

using namespace brisat;
using namespace brisat::test;

namespace {

// Remembers the source rectangle frames arrive with (streaming thread).
class SourceProbe : public CountingConsumer {
public:
    void ReceiveFrame(const TDecodedFrame& frame) override {
        std::lock_guard lock(m_lock);
        m_last = frame.Source;
        CountingConsumer::ReceiveFrame(frame);
    }
    TSourceRect Last() {
        std::lock_guard lock(m_lock);
        return m_last;
    }

private:
    std::mutex m_lock;
    TSourceRect m_last;
};

double Property(GstElement* element, const char* name) {
    gdouble value = 0;
    g_object_get(element, name, &value, nullptr);
    return value;
}

GstElement* Balance(const TFilter& mixer) {
    return gst_bin_get_by_name(GST_BIN(mixer.Element()), "balance");
}

} // namespace

TEST(VideoRenderer, SourceRectangleIsCheckedAgainstThePictureAndReachesTheFrames) {
    GraphHarness h;
    auto probe = std::make_shared<SourceProbe>();
    TBasicVideo video(h.Renderer);
    ASSERT_EQ(video.SetFrameConsumer(probe), S_OK);
    long width = 0;
    EXPECT_EQ(video.get_SourceWidth(width), VFW_E_NOT_CONNECTED);
    EXPECT_EQ(TBasicVideo(CreateOverlayMixer()).SetDefaultSourcePosition(), E_NOINTERFACE);

    ASSERT_EQ(h.Graph.RenderFile(Clip("clip.mp4")), S_OK);
    // The zoom sequence of the video window: 25 % cut away, centred.
    ASSERT_EQ(video.SetDefaultSourcePosition(), S_OK);
    EXPECT_EQ(video.get_SourceWidth(width), S_OK);
    EXPECT_EQ(width, 160);
    EXPECT_EQ(video.put_SourceWidth(120), S_OK);
    EXPECT_EQ(video.put_SourceHeight(90), S_OK);
    EXPECT_EQ(video.put_SourceLeft(20), S_OK);
    EXPECT_EQ(video.put_SourceTop(15), S_OK);
    const TSourceRect zoomed{20, 15, 120, 90};

    const std::pair<HRESULT (TBasicVideo::*)(long), long> outside[] = {
        {&TBasicVideo::put_SourceLeft, 41},    {&TBasicVideo::put_SourceLeft, -1},
        {&TBasicVideo::put_SourceTop, 31},     {&TBasicVideo::put_SourceWidth, 0},
        {&TBasicVideo::put_SourceHeight, 106},
    };
    for (auto [put, value] : outside)
        EXPECT_EQ((video.*put)(value), E_INVALIDARG) << value;
    TSourceRect rect;
    EXPECT_EQ(video.GetSourcePosition(rect), S_OK);
    EXPECT_EQ(rect, zoomed);

    h.Graph.Run();
    EXPECT_EQ(h.WaitForEnd().back(), EC_COMPLETE);
    EXPECT_GT(probe->Frames, 0);
    EXPECT_EQ(probe->Last(), zoomed);
}

TEST(OverlayMixer, SplicedInFrontOfTheRendererPassesColourControlsToTheBalance) {
    GraphHarness h;
    ASSERT_EQ(h.Graph.RenderFile(Clip("clip.avi")), S_OK);
    TFilter mixer = CreateOverlayMixer();
    ASSERT_EQ(h.Graph.AddFilter(mixer, "Overlay Mixer"), S_OK);

    // Decoder -> renderer becomes decoder -> mixer -> renderer.
    TPin rendererIn, decoderOut, mixerIn, mixerOut;
    h.Renderer.FindPin("sink", rendererIn);
    ASSERT_EQ(rendererIn.ConnectedTo(decoderOut), S_OK);
    ASSERT_EQ(rendererIn.Disconnect(), S_OK);
    ASSERT_EQ(mixer.FindPin("Input0", mixerIn), S_OK);
    ASSERT_EQ(mixer.FindPin("Output", mixerOut), S_OK);
    ASSERT_EQ(h.Graph.Connect(decoderOut, mixerIn), S_OK);
    ASSERT_EQ(h.Graph.Connect(mixerOut, rendererIn), S_OK);

    // The cued picture's format counts before the next picture carries it through the mixer.
    TMixerPinConfig config(mixer);
    long width = 0, height = 0, ax = 0, ay = 0;
    ASSERT_EQ(config.GetNativeVideoProps(width, height, ax, ay), S_OK);
    EXPECT_EQ(width, 160);
    EXPECT_EQ(ax, 4);
    EXPECT_EQ(ay, 3);

    DDCOLORCONTROL controls;
    ASSERT_EQ(config.GetOverlaySurfaceColorControls(controls), S_OK);
    EXPECT_EQ(controls.dwFlags, kSupportedColorControls);
    EXPECT_EQ(controls.lBrightness, 750);

    // What the colour dialog writes: all seven flags; sharpness and gamma are kept, not applied.
    DDCOLORCONTROL wanted;
    wanted.dwFlags = 0x7F;
    wanted.lBrightness = 2750;
    wanted.lContrast = 15000;
    wanted.lHue = 90;
    wanted.lSaturation = 5000;
    wanted.lSharpness = 8;
    wanted.lGamma = 200;
    ASSERT_EQ(config.SetOverlaySurfaceColorControls(wanted), S_OK);
    GstElement* balance = Balance(mixer);
    ASSERT_NE(balance, nullptr);
    EXPECT_NEAR(Property(balance, "brightness"), 0.2, 1e-9);
    EXPECT_NEAR(Property(balance, "contrast"), 1.5, 1e-9);
    EXPECT_NEAR(Property(balance, "hue"), 0.5, 1e-9);
    EXPECT_NEAR(Property(balance, "saturation"), 0.5, 1e-9);
    ASSERT_EQ(config.GetOverlaySurfaceColorControls(controls), S_OK);
    EXPECT_EQ(controls.lSharpness, 8);
    EXPECT_EQ(controls.lGamma, 200);

    DDCOLORCONTROL bad = wanted;
    bad.lHue = 181;
    EXPECT_EQ(config.SetOverlaySurfaceColorControls(bad), E_INVALIDARG);
    bad = wanted;
    bad.dwSize = 12;
    EXPECT_EQ(config.SetOverlaySurfaceColorControls(bad), E_INVALIDARG);
    EXPECT_NEAR(Property(balance, "hue"), 0.5, 1e-9); // unchanged

    DDCOLORCONTROL colourOff;
    colourOff.dwFlags = DDCOLOR_COLORENABLE;
    colourOff.lColorEnable = 0;
    ASSERT_EQ(config.SetOverlaySurfaceColorControls(colourOff), S_OK);
    EXPECT_EQ(Property(balance, "saturation"), 0.0);
    gst_object_unref(balance);

    h.Graph.Run();
    EXPECT_EQ(h.WaitForEnd().back(), EC_COMPLETE);
    EXPECT_GE(h.Consumer->Frames, kMostOfASecond);
    width = height = ax = ay = 0;
    ASSERT_EQ(config.GetNativeVideoProps(width, height, ax, ay), S_OK);
    EXPECT_EQ(width, 160);
    EXPECT_EQ(height, 120);
    EXPECT_EQ(ax, 4);
    EXPECT_EQ(ay, 3);
}

TEST(OverlayMixer, ColourKeyAndAspectModeKeepValidValuesOnly) {
    TMixerPinConfig config(CreateOverlayMixer());
    COLORKEY key;
    COLORREF colour = 0;
    ASSERT_EQ(config.GetColorKey(key, colour), S_OK);
    EXPECT_EQ(colour, kDefaultColorKey);
    EXPECT_EQ(key.HighColorValue, kDefaultColorKey);
    EXPECT_EQ(config.SetColorKey(COLORKEY{CK_RGB, 0, 0, 0xFF00FF}), S_OK);
    EXPECT_EQ(config.SetColorKey(COLORKEY{1, 3, 0, 0}), E_INVALIDARG);
    config.GetColorKey(key, colour);
    EXPECT_EQ(colour, 0xFF00FFu);

    AM_ASPECT_RATIO_MODE mode = AM_ARMODE_CROP;
    EXPECT_EQ(config.GetAspectRatioMode(mode), S_OK);
    EXPECT_EQ(mode, AM_ARMODE_LETTER_BOX);
    EXPECT_EQ(config.SetAspectRatioMode(AM_ARMODE_CROP), S_OK);
    EXPECT_EQ(config.SetAspectRatioMode(3), E_INVALIDARG);
    EXPECT_EQ(config.SetAspectRatioMode(-1), E_INVALIDARG);
    config.GetAspectRatioMode(mode);
    EXPECT_EQ(mode, AM_ARMODE_CROP);

    guint keyProperty = 0;
    gint modeProperty = -1;
    g_object_get(config.Mixer().Element(), "color-key", &keyProperty, "aspect-ratio-mode",
                 &modeProperty, nullptr);
    EXPECT_EQ(keyProperty, 0xFF00FFu);
    EXPECT_EQ(modeProperty, AM_ARMODE_CROP);

    long w, hgt, ax, ay;
    EXPECT_EQ(config.GetNativeVideoProps(w, hgt, ax, ay), VFW_E_NOT_CONNECTED);
    EXPECT_EQ(TMixerPinConfig(CreateVideoRenderer()).SetAspectRatioMode(0), E_NOINTERFACE);
}
