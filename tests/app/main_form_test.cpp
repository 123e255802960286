// The main window on the headless platform: its layout reads with every handler bound, the
// creation sequence sets up the window for a first run, the time label leaves the colour button
// free, and the volume handler draws the bar on the video in proportion to the volume.
#include "app/main_form.h"
#include "effects/gradient_label.h"
#include "framework/widgets/panel.h"
#include "framework/widgets/speed_button.h"
#include "framework/windowing/window_handle.h"
#include "media/video_window.h"
#include "skin_controls/se_skin_combo_box.h"
#include "skin_controls/se_skin_track_bar.h"
#include "player_window_fixture.h"

#include <gtest/gtest.h>
#include <vector>

using namespace brisat;

namespace {

class MainFormTest : public PlayerWindowTest {
protected:
    void SetUp() override {
        PlayerWindowTest::SetUp();
        Main = &App->CreateForm<TfrmMain>(Settings());
    }

    // One row of the presented volume-bar area, 27 + 19 pixels above the video's bottom edge.
    std::vector<uint32_t> BarRow() {
        auto& video = *Main->Parts().DSVideoWindowEx1;
        const TRect form = GetWindowRect(Main->Handle());
        const TPoint origin = video.ClientOrigin();
        const int32_t y = origin.Y - form.Top + video.Height() - 46;
        std::vector<uint32_t> row;
        for (int32_t x = 10; x < 218; ++x)
            row.push_back(PixelAt(Main->Handle(), origin.X - form.Left + x, y));
        return row;
    }

    TfrmMain* Main = nullptr;
};

TEST_F(MainFormTest, FirstRunShowsTheDefaultWindow) {
    EXPECT_EQ(Main->Caption(), "Brisat 1.0b");
    EXPECT_FALSE(Main->Parts().Panel2->Visible()); // no settings file: time panel off
    EXPECT_FALSE(Main->Parts().Panel1->Visible()); // and zoom panel off
    TSeSkinComboBox& monitors = *Main->Parts().ComboBox1;
    ASSERT_EQ(monitors.Items().Count(), 1); // one monitor here
    EXPECT_EQ(monitors.Items()[0], "Текущий Монитор");
    EXPECT_FALSE(monitors.Enabled());
    EXPECT_EQ(monitors.ItemIndex(), 0);
}

// The gradient time label grows with its text; whatever time it shows, it ends before the colour
// button beside it.
TEST_F(MainFormTest, TheTimeLabelKeepsClearOfTheColourButton) {
    auto& label = *Main->Parts().ZeltLiquidLabel1;
    const TRect button = Main->Parts().SpeedButton5->BoundsRect();
    for (const char* caption : {"0.00.00", "0:00:00", "9:59:59"}) {
        label.SetCaption(caption);
        EXPECT_LT(label.BoundsRect().Right, button.Left) << caption;
    }
}

TEST_F(MainFormTest, VolumeBarFillsInProportionToTheVolume) {
    Main->Show();
    Pump();
    TSeSkinTrackBar& level = *Main->Parts().SoundLevel;
    level.SetPosition(10000);
    const std::vector<uint32_t> full = BarRow();
    level.SetPosition(0);
    const std::vector<uint32_t> empty = BarRow();
    level.SetPosition(5000); // 52 of the image's 104 pixels, drawn twice as wide
    const std::vector<uint32_t> half = BarRow();
    EXPECT_NE(full, empty);
    for (size_t x = 0; x < full.size(); ++x)
        EXPECT_EQ(half[x], x < 104 ? full[x] : empty[x]) << x;
}

} // namespace
