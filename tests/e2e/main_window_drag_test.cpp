// Thumbs of the main window's track bars dragged with the mouse land where the button is
// released, also when a window manager has put the window into a frame and placed it itself:
// the seek bar plays on from the spot released, the volume and zoom thumbs stay there.
#include "player_test.h"

#include <gtest/gtest.h>

using namespace brisat;
using namespace brisat::test;

namespace {

class MainWindowDrag : public PlayerTest {};
BRISAT_PLAYER_SUITE(MainWindowDrag);

// Places in the main window, from its top-left corner and its width W and height H: the frame
// is 4 pixels wide, the client area holds the video above three bottom panels (seek 28, transport
// 32, view 32 pixels high, each 4 pixels inside its border).
struct TMainWindow {
    int32_t W = 0, H = 0;
    // The seek bar's thumb centre for a value of 0..Max: the track starts 19 pixels in and runs
    // the bar's width less its insets and the thumb.
    int32_t SeekX(int32_t value, int32_t max) const { return 19 + value * (W - 39) / max; }
    int32_t SeekY() const { return H - 86; }
    int32_t ButtonY() const { return H - 51; }             // the transport panel's buttons
    static constexpr int32_t PauseX = 79, PlayX = 55;
    int32_t VolumeX(int32_t value) const { return W - 204 + value * 50 / 10000; }
    static constexpr int32_t ZoomButtonX = 47;              // in the view panel
    int32_t ZoomButtonY() const { return H - 19; }
    // The zoom bar along the video's left: its channel's column, one through its thumb only, and
    // the columns it covers.
    static constexpr int32_t ZoomX = 16, ZoomThumbX = 12, ZoomTop = 41, ZoomLeft = 4, ZoomRight = 29;
    static int32_t ZoomY(int32_t pixels) { return ZoomTop + 13 + pixels; }
};

TMainWindow Measure(const TDrivenWindow& w) {
    return {w.Bounds.Right - w.Bounds.Left, w.Bounds.Bottom - w.Bounds.Top};
}

// The main window once the clip has played a second, nullopt when it does not.
std::optional<TDrivenWindow> PlayingWindow(TProgramDriver& driver) {
    std::optional<TDrivenWindow> main;
    TProgramDriver::WaitUntil(
        [&] { return (main = driver.WindowStartingWith("clip.avi  0:00:01 >")).has_value(); },
        30s);
    return main;
}

// The playing position in seconds as the caption shows it ("name  0:00:12 > 0:00:20"), the
// duration in Total; -1 without such a caption.
int32_t CaptionSeconds(TProgramDriver& driver, const std::string& name, int32_t* total = nullptr) {
    const std::optional<TDrivenWindow> w = driver.WindowStartingWith(name + "  ");
    int h = 0, m = 0, s = 0, th = 0, tm = 0, ts = 0;
    if (!w || std::sscanf(w->Title.c_str() + name.size() + 2, "%d:%d:%d > %d:%d:%d", &h, &m, &s,
                          &th, &tm, &ts) != 6)
        return -1;
    if (total) *total = th * 3600 + tm * 60 + ts;
    return h * 3600 + m * 60 + s;
}

// The middle of what changed between two pictures of a bar (pixels From..To along it, inside the
// focus rectangle it gets) away from Old, the thumb's middle before; -1 when nothing changed.
template <typename TAt>
int32_t MovedThumb(int32_t from, int32_t to, int32_t old, const TAt& changedAt) {
    int64_t sum = 0, n = 0;
    for (int32_t i = from; i < to; ++i)
        if (std::abs(i - old) > 7 && changedAt(i)) sum += i, ++n;
    return n ? int32_t(sum / n) : -1;
}

TEST_P(MainWindowDrag, SeekThumbReleasedAtSixtyPercentPlaysOnFromThere) {
    TProgramDriver driver = Start({MakeClip("clip.avi", "pattern=smpte", 20)}, 1920, 1080);
    const std::optional<TDrivenWindow> main = PlayingWindow(driver);
    ASSERT_TRUE(main);
    const TMainWindow m = Measure(*main);
    driver.Click(*main, TMainWindow::PauseX, m.ButtonY());
    // Paused, the caption and the thumb stay where the last tick left them.
    int32_t shown = -1, total = 0;
    auto since = std::chrono::steady_clock::now();
    ASSERT_TRUE(TProgramDriver::WaitUntil([&] {
        const int32_t now = CaptionSeconds(driver, "clip.avi", &total);
        if (now != shown) shown = now, since = std::chrono::steady_clock::now();
        return std::chrono::steady_clock::now() - since > 1500ms;
    }));
    ASSERT_GT(total, 0);

    const int32_t target = total * 6 / 10;
    driver.Drag(*main, m.SeekX(shown, total), m.SeekY(), m.SeekX(target, total), m.SeekY());
    driver.Click(*main, TMainWindow::PlayX, m.ButtonY());
    int32_t playing = -1;
    ASSERT_TRUE(TProgramDriver::WaitUntil(
        [&] { return (playing = CaptionSeconds(driver, "clip.avi")) > shown + 2; }, 20s));
    EXPECT_GE(playing, target - 1);
    EXPECT_LE(playing, target + 2);
}

TEST_P(MainWindowDrag, VolumeAndZoomThumbsStayWhereReleased) {
    TProgramDriver driver = Start({MakeClip("clip.avi", "pattern=smpte", 20)}, 1920, 1080);
    const std::optional<TDrivenWindow> main = PlayingWindow(driver);
    ASSERT_TRUE(main);
    const TMainWindow m = Measure(*main);

    // Playing at full volume, the volume thumb sits at the bar's right end.
    const int32_t fromX = m.VolumeX(10000), toX = fromX - 30;
    TPixelImage before = driver.Screenshot(*main);
    driver.Drag(*main, fromX, m.ButtonY(), toX, m.ButtonY());
    int32_t landed = -1;
    // Drawn as the drag goes, the thumb may be seen on its way first.
    TProgramDriver::WaitUntil([&] {
        const TPixelImage after = driver.Screenshot(*main);
        landed = MovedThumb(m.VolumeX(0) - 8, m.VolumeX(10000) + 9, fromX, [&](int32_t x) {
            return before.At(x, m.ButtonY()) != after.At(x, m.ButtonY());
        });
        return std::abs(landed - toX) <= 3;
    });
    EXPECT_NEAR(landed, toX, 3);

    // The zoom bar shows with its button, its thumb at the top.
    driver.Click(*main, TMainWindow::ZoomButtonX, m.ZoomButtonY());
    ASSERT_TRUE(TProgramDriver::WaitUntil([&] {
        const TPixelImage now = driver.Screenshot(*main);
        for (int32_t x = TMainWindow::ZoomLeft; x < TMainWindow::ZoomRight; ++x)
            if (now.At(x, m.H / 2) != before.At(x, m.H / 2)) return true;
        return false;
    }));
    before = driver.Screenshot(*main);
    driver.Drag(*main, TMainWindow::ZoomX, TMainWindow::ZoomY(0), TMainWindow::ZoomX,
                TMainWindow::ZoomY(30));
    TProgramDriver::WaitUntil([&] {
        const TPixelImage after = driver.Screenshot(*main);
        landed = MovedThumb(TMainWindow::ZoomY(0) - 8, TMainWindow::ZoomY(60), TMainWindow::ZoomY(0),
                            [&](int32_t y) {
            const int32_t x = TMainWindow::ZoomThumbX;
            return before.At(x, y) != after.At(x, y);
        });
        return std::abs(landed - TMainWindow::ZoomY(30)) <= 3;
    });
    EXPECT_NEAR(landed, TMainWindow::ZoomY(30), 3);
}

} // namespace
