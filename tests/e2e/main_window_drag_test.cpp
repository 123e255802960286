// Thumbs of the main window's track bars dragged with the mouse land where the button is
// released, in the plain look and in a skin, also when a window manager has put the window into a
// frame and placed it itself: the seek bar plays on from the spot released, the volume and zoom
// thumbs stay there.
#include "player_test.h"
#include "skin_frame.h"

#include <filesystem>
#include <gtest/gtest.h>

using namespace brisat;
using namespace brisat::test;

namespace {

// Places in the main window from its top-left corner, given the client area C inside its frame
// (the plain frame is 4 pixels wide under an 18-pixel caption; a skin's frame says its own). The
// client holds the menu bar (19 pixels) and the video above three bottom panels (seek 28,
// transport 32, view 32 pixels high, each 4 pixels inside its border).
struct TMainWindow {
    TRect C;
    // The seek bar's thumb centre for a value of 0..Max: the track starts 15 pixels in and runs
    // the bar's width less its insets and the thumb.
    int32_t SeekX(int32_t value, int32_t max) const {
        return C.Left + 15 + value * (C.Width() - 31) / max;
    }
    int32_t SeekY() const { return C.Bottom - 82; }
    int32_t ButtonY() const { return C.Bottom - 47; } // the transport panel's buttons
    int32_t PauseX() const { return C.Left + 75; }
    int32_t PlayX() const { return C.Left + 51; }
    int32_t VolumeX(int32_t value) const { return C.Right - 200 + value * 50 / 10000; }
    int32_t ZoomButtonX() const { return C.Left + 43; } // in the view panel
    int32_t ZoomButtonY() const { return C.Bottom - 15; }
    // The zoom bar along the video's left: its channel's column, one through its thumb only, and
    // the columns it covers.
    int32_t ZoomX() const { return C.Left + 12; }
    int32_t ZoomThumbX() const { return C.Left + 8; }
    int32_t ZoomLeft() const { return C.Left; }
    int32_t ZoomRight() const { return C.Left + 25; }
    int32_t ZoomY(int32_t pixels) const { return C.Top + 19 + 13 + pixels; }
    int32_t MiddleY() const { return (C.Top + C.Bottom) / 2; }
};

// The two looks the bars are tried in: the plain frame, and a skin whose frame differs from it.
const char* const kLooks[] = {"", "xp_blue.xskn"};

class MainWindowDrag : public PlayerTest {
protected:
    // The program in Look (a shipped skin's file, or "" for the plain look) on a clip.
    TProgramDriver StartIn(const std::string& look) {
        if (!look.empty()) {
            if (!std::filesystem::exists(PathOf("Skins")))
                std::filesystem::create_directory_symlink(BRISAT_SKINS_DIR, PathOf("Skins"));
            Put(IniPath(), "[Skin]\nXp Blue=1\n");
        }
        if (!std::filesystem::exists(PathOf("clip.avi"))) MakeClip("clip.avi", "pattern=smpte", 20);
        return Start({PathOf("clip.avi")}, 1920, 1080);
    }
    static TMainWindow Measure(const std::string& look, const TDrivenWindow& w) {
        const int32_t width = w.Bounds.Right - w.Bounds.Left,
                      height = w.Bounds.Bottom - w.Bounds.Top;
        if (look.empty()) return {{4, 22, width - 4, height - 4}};
        return {TSkinFrame(std::string(BRISAT_SKINS_DIR) + "/" + look, width, height).Client()};
    }
};
BRISAT_PLAYER_SUITE(MainWindowDrag);

// The main window once the clip has played a second, nullopt when it does not.
std::optional<TDrivenWindow> PlayingWindow(TProgramDriver& driver) {
    std::optional<TDrivenWindow> main;
    TProgramDriver::WaitUntil(
        [&] { return (main = driver.WindowStartingWith("clip.avi  0:00:01 >")).has_value(); }, 30s);
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
    for (const std::string look : kLooks) {
        SCOPED_TRACE(look.empty() ? "plain" : look);
        TProgramDriver driver = StartIn(look);
        const std::optional<TDrivenWindow> main = PlayingWindow(driver);
        ASSERT_TRUE(main);
        const TMainWindow m = Measure(look, *main);
        driver.Click(*main, m.PauseX(), m.ButtonY());
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
        driver.Click(*main, m.PlayX(), m.ButtonY());
        int32_t playing = -1;
        ASSERT_TRUE(TProgramDriver::WaitUntil(
            [&] { return (playing = CaptionSeconds(driver, "clip.avi")) > shown + 2; }, 20s));
        EXPECT_GE(playing, target - 1);
        EXPECT_LE(playing, target + 2);
    }
}

TEST_P(MainWindowDrag, VolumeAndZoomThumbsStayWhereReleased) {
    for (const std::string look : kLooks) {
        SCOPED_TRACE(look.empty() ? "plain" : look);
        TProgramDriver driver = StartIn(look);
        const std::optional<TDrivenWindow> main = PlayingWindow(driver);
        ASSERT_TRUE(main);
        const TMainWindow m = Measure(look, *main);

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
        driver.Click(*main, m.ZoomButtonX(), m.ZoomButtonY());
        ASSERT_TRUE(TProgramDriver::WaitUntil([&] {
            const TPixelImage now = driver.Screenshot(*main);
            for (int32_t x = m.ZoomLeft(); x < m.ZoomRight(); ++x)
                if (now.At(x, m.MiddleY()) != before.At(x, m.MiddleY())) return true;
            return false;
        }));
        before = driver.Screenshot(*main);
        driver.Drag(*main, m.ZoomX(), m.ZoomY(0), m.ZoomX(), m.ZoomY(30));
        TProgramDriver::WaitUntil([&] {
            const TPixelImage after = driver.Screenshot(*main);
            landed = MovedThumb(m.ZoomY(0) - 8, m.ZoomY(60), m.ZoomY(0), [&](int32_t y) {
                return before.At(m.ZoomThumbX(), y) != after.At(m.ZoomThumbX(), y);
            });
            return std::abs(landed - m.ZoomY(30)) <= 3;
        });
        EXPECT_NEAR(landed, m.ZoomY(30), 3);
    }
}

} // namespace
