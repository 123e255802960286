// The video window in a layout: its properties, colour controls, controller reference and events
// are read, and written back the same.
#include "framework/core/class_registry.h"
#include "framework/controls/form.h"
#include "framework/headless_fixture.h"
#include "framework/core/object_text_writer.h"
#include "media/filter_graph_classes.h"
#include "media/video_window.h"
#include "media/video_window_classes.h"

#include <gtest/gtest.h>

using namespace brisat;

namespace {

const char* const kLayout = R"(object Form1: TForm
  Left = 0
  Top = 0
  ClientHeight = 300
  ClientWidth = 500
  object DSVideoWindowEx1: TDSVideoWindowEx2
    Left = 25
    Top = 0
    Width = 452
    Height = 261
    Align = alClient
    Cursor = -21
    FilterGraph = FilterGraph1
    AspectRatio = rmCrop
    AutoHideCursor = 1000
    DigitalZoom = 10
    FullScreenTopMost = True
    NoScreenSaver = True
    ColorControl.Brightness = 2000
    ColorControl.Contrast = 12000
    ColorControl.Hue = -30
    ColorControl.Saturation = 9000
    ColorControl.Sharpness = 7
    ColorControl.Gamma = 3
    ColorControl.ColorEnable = False
    OnColorKeyChanged = VideoColorKeyChanged
    OnOverlayVisible = VideoOverlayVisible
    OnClick = VideoClick
  end
  object FilterGraph1: TFilterGraph
  end
end
)";

class VideoWindowClassesTest : public HeadlessTest {
protected:
    void SetUp() override {
        HeadlessTest::SetUp();
        RegisterVideoWindowClasses(TClassRegistry::Instance());
        RegisterFilterGraphClasses(TClassRegistry::Instance());
    }
    std::unique_ptr<TForm> NewForm() {
        auto form = std::make_unique<TForm>(nullptr);
        form->Methods().Add<TNotifyEvent>("VideoColorKeyChanged", [](TComponent&) {});
        form->Methods().Add<TDSVideoWindowEx2::TOverlayVisibleEvent>(
            "VideoOverlayVisible", [this](TComponent&, bool visible) { shown = visible; });
        form->Methods().Add<TNotifyEvent>("VideoClick", [](TComponent&) {});
        return form;
    }
    bool shown = false;
};

} // namespace

TEST_F(VideoWindowClassesTest, LayoutPropertiesReadAndWriteBack) {
    auto form = NewForm();
    form->LoadLayout(kLayout);
    auto* video = dynamic_cast<TDSVideoWindowEx2*>(form->FindComponentInTree("DSVideoWindowEx1"));
    ASSERT_NE(video, nullptr);
    EXPECT_EQ(video->FilterGraph(), form->FindComponentInTree("FilterGraph1"));
    EXPECT_EQ(video->AspectRatio(), TRatioModes::rmCrop);
    EXPECT_EQ(video->AutoHideCursor(), 1000);
    EXPECT_EQ(video->DigitalZoom(), 10);
    EXPECT_TRUE(video->FullScreenTopMost());
    EXPECT_TRUE(video->NoScreenSaver());
    EXPECT_EQ(video->Color(), clBlack);
    EXPECT_EQ(video->Cursor(), crHandPoint);
    const TColorControl& colour = video->ColorControl();
    EXPECT_EQ(colour.Brightness(), 2000);
    EXPECT_EQ(colour.Contrast(), 12000);
    EXPECT_EQ(colour.Hue(), -30);
    EXPECT_EQ(colour.Saturation(), 9000);
    EXPECT_EQ(colour.Sharpness(), 7);
    EXPECT_EQ(colour.Gamma(), 3);
    EXPECT_FALSE(colour.ColorEnable());
    ASSERT_TRUE(video->OnOverlayVisible);
    video->OnOverlayVisible(*video, true);
    EXPECT_TRUE(shown);
    EXPECT_TRUE(video->OnColorKeyChanged);
    EXPECT_TRUE(video->OnClick);

    const std::string written = ComponentToText(*form);
    EXPECT_NE(written.find("ColorControl.Gamma = 3"), std::string::npos);
    EXPECT_NE(written.find("FilterGraph = FilterGraph1"), std::string::npos);
    auto again = NewForm();
    again->LoadLayout(written);
    EXPECT_EQ(ComponentToText(*again), written);
}

TEST_F(VideoWindowClassesTest, OutOfRangeLayoutValuesAreRefused) {
    for (const char* bad :
         {"DigitalZoom = 100", "ColorControl.Hue = 181", "AspectRatio = rmZoom"}) {
        std::string text = kLayout;
        text.replace(text.find("AutoHideCursor = 1000"), 21, bad);
        auto form = NewForm();
        EXPECT_THROW(form->LoadLayout(text), Exception) << bad;
    }
}
