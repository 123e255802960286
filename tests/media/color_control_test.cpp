// The colour controls of the video window: range checks, the values reaching videobalance and the
// picture, reading back from the overlay, the defaults, and the capability flags.
#include "media/color_control.h"
#include "video_window_fixture.h"

#include <gtest/gtest.h>
#include <numeric>

using namespace brisat;
using namespace brisat::test;

namespace {

double BalanceProperty(const TFilter& mixer, const char* name) {
    GstElement* balance = gst_bin_get_by_name(GST_BIN(mixer.Element()), "balance");
    gdouble value = -99;
    if (balance) g_object_get(balance, name, &value, nullptr);
    if (balance) gst_object_unref(balance);
    return value;
}

double MeanOf(const std::vector<uint8_t>& bytes, size_t from, size_t count) {
    return std::accumulate(bytes.begin() + from, bytes.begin() + from + count, 0.0) / count;
}

std::vector<bool> CapabilityFlags(TDSVideoWindowEx2Caps& caps) {
    return {caps.CanControlBrigtness(),   caps.CanControlContrast(),  caps.CanControlHue(),
            caps.CanControlSaturation(),  caps.CanControlSharpness(), caps.CanControlGamma(),
            caps.CanControlColorEnabled()};
}

class ColorControlTest : public VideoWindowTest {};

} // namespace

TEST_F(ColorControlTest, ColourValuesOutsideTheirRangeAreRefusedWithTheirMessage) {
    TColorControl& colour = Window->ColorControl();
    struct Case {
        void (TColorControl::*Set)(int32_t);
        int32_t (TColorControl::*Get)() const;
        int32_t Low, High;
        const char* Range;
    } cases[] = {
        {&TColorControl::SetBrightness, &TColorControl::Brightness, 0, 10000, "0 -> 10.000"},
        {&TColorControl::SetContrast, &TColorControl::Contrast, 0, 20000, "0 -> 20.000"},
        {&TColorControl::SetHue, &TColorControl::Hue, -180, 180, "-180 -> 180"},
        {&TColorControl::SetSaturation, &TColorControl::Saturation, 0, 20000, "0 -> 20.000"},
        {&TColorControl::SetSharpness, &TColorControl::Sharpness, 0, 10, "0 -> 10"},
        {&TColorControl::SetGamma, &TColorControl::Gamma, 1, 500, "1 -> 500"},
    };
    for (const Case& c : cases) {
        (colour.*c.Set)(c.High);
        EXPECT_EQ((colour.*c.Get)(), c.High);
        for (int32_t bad : {c.Low - 1, c.High + 1}) {
            try {
                (colour.*c.Set)(bad);
                ADD_FAILURE() << "accepted " << bad;
            } catch (const Exception& e) {
                EXPECT_EQ(e.Message(), "Value " + std::to_string(bad) +
                                           " out of range. Value must bee between " + c.Range);
            }
            EXPECT_EQ((colour.*c.Get)(), c.High);
        }
        (colour.*c.Set)(c.Low);
        EXPECT_EQ((colour.*c.Get)(), c.Low);
    }
}

TEST_F(ColorControlTest, CapabilitiesFollowWhatTheOverlayReports) {
    TDSVideoWindowEx2Caps& caps = Window->Capabilities();
    // Before any overlay reported: all seven, from the creation flags.
    EXPECT_FALSE(caps.CanOverlayGraphic());
    EXPECT_EQ(CapabilityFlags(caps), std::vector<bool>(7, true));
    Open("clip.avi");
    EXPECT_TRUE(caps.CanOverlayGraphic());
    // videobalance has no sharpness or gamma.
    EXPECT_EQ(CapabilityFlags(caps),
              (std::vector<bool>{true, true, true, true, false, false, true}));
    EXPECT_EQ(Window->ColorControl().Defaults().dwFlags, kSupportedColorControls);
}

TEST_F(ColorControlTest, ColourSetWhileInactiveIsAppliedWhenTheOverlayComesUp) {
    TColorControl& colour = Window->ColorControl();
    colour.SetBrightness(2750);
    colour.SetHue(90);
    EXPECT_EQ(colour.Brightness(), 2750); // stored only
    Open("clip.avi");
    ASSERT_TRUE(Window->OverlayActive());
    EXPECT_NEAR(BalanceProperty(Window->OverlayMixer(), "brightness"), 0.2, 1e-9);
    EXPECT_NEAR(BalanceProperty(Window->OverlayMixer(), "hue"), 0.5, 1e-9);
    // Live, a read asks the overlay: a change made there is what the control reports.
    DDCOLORCONTROL elsewhere;
    elsewhere.dwFlags = DDCOLOR_CONTRAST;
    elsewhere.lContrast = 5000;
    TMixerPinConfig(Window->OverlayMixer()).SetOverlaySurfaceColorControls(elsewhere);
    EXPECT_EQ(colour.Contrast(), 5000);
    EXPECT_EQ(colour.Brightness(), 2750);
    // Back to what the overlay had before the first change.
    colour.ResetToDefaults();
    EXPECT_EQ(colour.Brightness(), 750);
    EXPECT_EQ(colour.Hue(), 0);
    EXPECT_EQ(colour.Contrast(), 10000);
    EXPECT_NEAR(BalanceProperty(Window->OverlayMixer(), "brightness"), 0.0, 1e-9);
}

TEST_F(ColorControlTest, BrightnessAndColourSwitchChangeThePicture) {
    const size_t lumaBytes = 160 * 120, chromaBytes = 80 * 60;
    Open("clip.avi");
    PlayToEnd();
    std::vector<uint8_t> plain = Layer().LastFrame().Bytes;
    ASSERT_EQ(plain.size(), lumaBytes + 2 * chromaBytes);

    Open("clip.avi");
    Window->ColorControl().SetBrightness(5750); // half of full scale added to luma
    Window->ColorControl().SetColorEnable(false);
    PlayToEnd();
    std::vector<uint8_t> adjusted = Layer().LastFrame().Bytes;
    ASSERT_EQ(adjusted.size(), plain.size());
    EXPECT_GT(MeanOf(adjusted, 0, lumaBytes), MeanOf(plain, 0, lumaBytes) + 60);
    // Colour off: every chroma sample neutral.
    for (size_t i = lumaBytes; i < adjusted.size(); ++i)
        ASSERT_NEAR(adjusted[i], 128, 1) << "chroma sample " << i - lumaBytes;
    EXPECT_GT(std::count_if(plain.begin() + lumaBytes, plain.end(),
                            [](uint8_t c) { return c < 120 || c > 136; }),
              100);
}
