// The skin tool's skinned window on a real X server, bare and under openbox: its frame shows the
// skin's pixels in every shipped skin (and the plain frame without one), its caption buttons
// maximise, restore, roll up and close it, a drag of its caption near the work area's edge
// snaps it onto the edge, and its skinned popup menus open inside the screen and show the window
// through them when translucent.
#include "player_test.h"
#include "painted_window.h"
#include "reported_lines.h"
#include "skin_windows/pixel_mix.h"
#include "temp_folder.h"

#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <map>
#include <optional>
#include <sstream>
#include <thread>

using namespace brisat;
using namespace brisat::test;

namespace {

const std::string kCaption = "Brisat skin window";
constexpr int32_t kScreenWidth = 800, kScreenHeight = 600;

class SkinWindow : public TempFolderTest, public testing::WithParamInterface<TWindowManager> {
protected:
    // The window with Skin (a shipped skin's file name, or "" for the plain frame); stdout goes
    // to a file.
    TProgramDriver Start(const std::string& skin) {
        const std::string argument =
            skin.empty() ? "--plain" : std::string(BRISAT_SKINS_DIR) + "/" + skin;
        return TProgramDriver(
            "/bin/sh",
            {"-c", "exec \"$0\" window \"$1\" > \"$2\"", BRISAT_SKIN_TOOL, argument, LogPath()},
            {kScreenWidth, kScreenHeight, GetParam()});
    }
    std::string LogPath() const { return PathOf("window.log"); }
    std::vector<std::string> Lines() const { return SplitLines(Get(LogPath())); }
    size_t LineCount() const { return Lines().size(); }
    // Waits for Line among the lines from the From-th on; fails with what the window printed.
    testing::AssertionResult WaitForLine(const std::string& line, size_t from = 0) {
        if (TProgramDriver::WaitUntil(
                [&] {
                    const std::vector<std::string> lines = Lines();
                    return std::find(lines.begin() + long(std::min(from, lines.size())),
                                     lines.end(), line) != lines.end();
                },
                20s))
            return testing::AssertionSuccess();
        return testing::AssertionFailure() << "no \"" << line << "\" in:\n" << Get(LogPath());
    }
    // The last "at NAME X Y W H" line of each name, from the From-th line on.
    std::map<std::string, TPlace> Places(size_t from = 0) const {
        return ReportedPlaces(Lines(), from);
    }
    // Waits for the window's places to be reported and for the window to show.
    TDrivenWindow Open(TProgramDriver& driver) {
        const TDrivenWindow window = driver.WaitForWindow(kCaption, 30s);
        EXPECT_TRUE(TProgramDriver::WaitUntil([&] { return Places().count("client") > 0; }));
        return window;
    }
    // Waits until the window reported the bounds the screen shows and its places after them.
    bool Settled(TProgramDriver& driver, const TDrivenWindow& window) {
        return TProgramDriver::WaitUntil([&] {
            const std::vector<std::string> lines = Lines();
            const std::optional<TScreenRect> shown = driver.BoundsOf(window);
            if (!shown || lines.empty() || lines.back().rfind("at client ", 0) != 0) return false;
            std::ostringstream expected;
            expected << "bounds " << shown->Left << " " << shown->Top << " "
                     << shown->Right - shown->Left << " " << shown->Bottom - shown->Top;
            for (auto line = lines.rbegin(); line != lines.rend(); ++line)
                if (line->rfind("bounds ", 0) == 0) return *line == expected.str();
            return false;
        });
    }
    // The screen once the window has painted: two readings a moment apart that agree, with
    // the screen point X, Y showing something other than the bare root's black.
    static TPixelImage PaintedScreen(TProgramDriver& driver, int32_t x, int32_t y) {
        TPixelImage shot = driver.Screenshot();
        TProgramDriver::WaitUntil([&] {
            std::this_thread::sleep_for(100ms);
            TPixelImage next = driver.Screenshot();
            const bool same = next.Pixels == shot.Pixels;
            shot = std::move(next);
            return same && (shot.At(x, y) & 0xFFFFFF) != 0;
        });
        return shot;
    }
    // Opens the tool's menu (the translucent one with Ctrl held) by a right click at X, Y of
    // Window; where it opened once it reports its place.
    std::optional<TPlace> OpenMenu(TProgramDriver& driver, const TDrivenWindow& window,
                                   int32_t x, int32_t y, bool translucent);
    // Keeps a screenshot for a person to look at when BRISAT_E2E_SHOTS names a folder.
    static void Keep(const TPixelImage& image, const std::string& name) {
        if (const char* folder = std::getenv("BRISAT_E2E_SHOTS"))
            TProgramDriver::SavePng(image, std::string(folder) + "/" + name + ".png");
    }
};
BRISAT_PLAYER_SUITE(SkinWindow);

struct TPixel {
    int32_t X = 0, Y = 0;
    uint32_t Rgb = 0;
};

// The "pixel X Y RRGGBB" lines after the last "bounds" line: where the skin's active frame has
// which colour at the window's size now (a window manager may size the window when it maps it).
std::vector<TPixel> FramePixels(const std::vector<std::string>& lines) {
    std::vector<TPixel> pixels;
    for (const std::string& line : lines) {
        if (line.rfind("bounds ", 0) == 0) pixels.clear();
        std::istringstream words(line);
        std::string word, hex;
        TPixel p;
        if (words >> word >> p.X >> p.Y >> hex && word == "pixel") {
            p.Rgb = uint32_t(std::stoul(hex, nullptr, 16));
            pixels.push_back(p);
        }
    }
    return pixels;
}

// The last "bounds X Y W H" line.
std::optional<TPlace> LastBounds(const std::vector<std::string>& lines) {
    std::optional<TPlace> bounds;
    for (const std::string& line : lines) {
        std::istringstream words(line);
        std::string word;
        TPlace p;
        if (words >> word >> p.X >> p.Y >> p.Width >> p.Height && word == "bounds") bounds = p;
    }
    return bounds;
}

// The last "popup X Y W H" line (screen coordinates) from the From-th line on.
std::optional<TPlace> LastPopup(const std::vector<std::string>& lines, size_t from) {
    std::optional<TPlace> popup;
    for (size_t i = from; i < lines.size(); ++i) {
        std::istringstream words(lines[i]);
        std::string word;
        TPlace p;
        if (words >> word >> p.X >> p.Y >> p.Width >> p.Height && word == "popup") popup = p;
    }
    return popup;
}

std::optional<TPlace> SkinWindow::OpenMenu(TProgramDriver& driver, const TDrivenWindow& window,
                                            int32_t x, int32_t y, bool translucent) {
    const size_t from = LineCount();
    if (translucent) driver.KeyDown("Control_L");
    driver.Click(window, x, y, 3);
    if (translucent) driver.KeyUp("Control_L");
    TProgramDriver::WaitUntil([&] { return LastPopup(Lines(), from).has_value(); });
    return LastPopup(Lines(), from);
}

bool Bluish(uint32_t rgb) {
    return (rgb & 0xFF) > ((rgb >> 16) & 0xFF) + 0x20;
}

TEST_P(SkinWindow, TheFrameShowsEachShippedSkinAndThePlainLook) {
    for (const std::string skin : {"", "alien.xskn", "cell_shaded.xskn", "jezz.xskn", "pencil.xskn",
                                   "preluna.xskn", "steel.xskn", "xp_blue.xskn", "xp_stead.xskn"}) {
        SCOPED_TRACE(skin.empty() ? "plain" : skin);
        std::filesystem::remove(LogPath());
        TProgramDriver driver = Start(skin);
        const TDrivenWindow window = Open(driver);
        const std::map<std::string, TPlace> at = Places();
        ASSERT_TRUE(at.count("Close") && at.count("caption")) << Get(LogPath());
        // A click in the client makes the window active, so the frame shows its active look.
        const TPlace client = at.at("client");
        driver.Click(window, client.X + client.Width - 20, client.Y + client.Height - 20);
        TPixelImage shot;
        ASSERT_TRUE(Settled(driver, window)) << Get(LogPath());
        if (skin.empty()) {
            const TPlace caption = at.at("caption");
            EXPECT_TRUE(TProgramDriver::WaitUntil([&] {
                shot = driver.Screenshot(window);
                return Bluish(shot.At(caption.MidX(), caption.MidY()));
            }));
        } else {
            const std::vector<TPixel> pixels = FramePixels(Lines());
            ASSERT_GE(pixels.size(), 4u);
            const bool shown = TProgramDriver::WaitUntil([&] {
                shot = driver.Screenshot(window);
                for (const TPixel& p : pixels)
                    if (shot.At(p.X, p.Y) != p.Rgb) return false;
                return true;
            });
            EXPECT_TRUE(shown);
            if (!shown)
                for (const TPixel& p : pixels)
                    ADD_FAILURE() << "at " << p.X << "," << p.Y << std::hex << " expected " << p.Rgb
                                  << " shown " << shot.At(p.X, p.Y);
        }
        Keep(shot, "window-" +
                       (skin.empty() ? std::string("plain") : skin.substr(0, skin.find('.'))) +
                       "-" + WindowManagerName(GetParam()));
        EXPECT_TRUE(driver.Running());
    }
}

TEST_P(SkinWindow, CaptionButtonsMaximizeRestoreRollUpAndClose) {
    for (const std::string skin : {"steel.xskn", ""}) {
        SCOPED_TRACE(skin.empty() ? "plain" : skin);
        std::filesystem::remove(LogPath());
        TProgramDriver driver = Start(skin);
        const TDrivenWindow window = Open(driver);
        const std::optional<TScreenRect> normal = driver.BoundsOf(window);
        ASSERT_TRUE(normal.has_value());
        // Presses the caption button Name where the window reports it now and waits for State.
        // A window that just moved learns its new place from the server's notice a moment
        // after the server shows it there; a press in between misses, so it is pressed again.
        auto press = [&](const std::string& name, int state) {
            ASSERT_TRUE(Settled(driver, window)) << Get(LogPath());
            const size_t from = LineCount();
            const std::map<std::string, TPlace> at = Places();
            ASSERT_TRUE(at.count(name)) << name << " not reported:\n" << Get(LogPath());
            const std::optional<TScreenRect> now = driver.BoundsOf(window);
            ASSERT_TRUE(now.has_value());
            const std::string line = "state " + std::to_string(state);
            bool reached = false;
            for (int attempt = 0; attempt < 3 && !reached; ++attempt) {
                driver.Click(at.at(name).MidX() + now->Left, at.at(name).MidY() + now->Top);
                reached = TProgramDriver::WaitUntil(
                    [&] {
                        const std::vector<std::string> lines = Lines();
                        return std::find(lines.begin() + long(from), lines.end(), line) !=
                               lines.end();
                    },
                    3s);
            }
            ASSERT_TRUE(reached) << "no \"" << line << "\" in:\n" << Get(LogPath());
        };
        press("Maximize", 1);
        EXPECT_TRUE(TProgramDriver::WaitUntil([&] {
            const std::optional<TScreenRect> b = driver.BoundsOf(window);
            return b && b->Right - b->Left >= kScreenWidth && b->Bottom - b->Top >= kScreenHeight;
        }));
        press(skin.empty() ? "Maximize" : "Restore", 0);
        EXPECT_TRUE(TProgramDriver::WaitUntil([&] {
            const std::optional<TScreenRect> b = driver.BoundsOf(window);
            return b && b->Right - b->Left == normal->Right - normal->Left &&
                   b->Bottom - b->Top == normal->Bottom - normal->Top;
        }));
        press("RollUp", 3);
        EXPECT_TRUE(TProgramDriver::WaitUntil([&] {
            const std::optional<TScreenRect> b = driver.BoundsOf(window);
            return b && b->Bottom - b->Top < 60;
        }));
        press(skin.empty() ? "RollUp" : "RollDown", 0);
        EXPECT_TRUE(TProgramDriver::WaitUntil([&] {
            const std::optional<TScreenRect> b = driver.BoundsOf(window);
            return b && b->Bottom - b->Top == normal->Bottom - normal->Top;
        }));
        press("Minimize", 2);
        // Closing is the last press: the window is the program's main window.
        std::filesystem::remove(LogPath());
        TProgramDriver again = Start(skin);
        const TDrivenWindow second = Open(again);
        const TPlace close = Places().at("Close");
        again.Click(second, close.MidX(), close.MidY());
        EXPECT_EQ(again.WaitForExitCode(), 0);
    }
}

TEST_P(SkinWindow, ACaptionDragNearTheWorkAreaEdgeSnapsOntoIt) {
    TProgramDriver driver = Start("steel.xskn");
    const TDrivenWindow window = Open(driver);
    const TPlace caption = Places().at("caption");
    ASSERT_TRUE(TProgramDriver::WaitUntil([&] { return LastBounds(Lines()).has_value(); }));
    // Drags by the caption so the window's left edge would land at Left, the top 60 lower.
    auto dragTo = [&](int32_t left) {
        const TPlace from = *LastBounds(Lines());
        const int32_t x = caption.X + 10, y = caption.MidY();
        const size_t lines = LineCount();
        // From where the window is now, not where it was first found.
        TDrivenWindow now = window;
        now.Bounds = driver.BoundsOf(window).value_or(window.Bounds);
        driver.Drag(now, x, y, x + left - from.X, y + 60);
        EXPECT_TRUE(TProgramDriver::WaitUntil([&] { return LineCount() > lines; }));
        // The drag's last move is reported last.
        TProgramDriver::WaitUntil([&] {
            const std::optional<TPlace> b = LastBounds(Lines());
            return b && b->Y == from.Y + 60;
        });
        return *LastBounds(Lines());
    };
    EXPECT_EQ(dragTo(30).X, 30) << "20 pixels or more from the edge: no snap";
    EXPECT_EQ(dragTo(12).X, 0) << Get(LogPath());
    const std::optional<TScreenRect> shown = driver.BoundsOf(window);
    ASSERT_TRUE(shown.has_value());
    EXPECT_EQ(shown->Left, 0);
}

// A right click in the client opens the skinned popup menu; the keys move through it and choose;
// opened again, a click outside closes it and still presses the button beneath.
TEST_P(SkinWindow, APopupFollowsTheKeysAndAClickOutsideReachesTheWindowBeneath) {
    TProgramDriver driver = Start("steel.xskn");
    const TDrivenWindow window = Open(driver);
    ASSERT_TRUE(Settled(driver, window)) << Get(LogPath());
    const TPlace client = Places().at("client");
    const int32_t x = client.X + 200, y = client.Y + 90;
    // Opens the menu at (x, y) and waits until it shows over the client there.
    const auto open = [&]() -> testing::AssertionResult {
        const uint32_t before =
            PaintedScreen(driver, window.Bounds.Left + x + 30, window.Bounds.Top + y + 12)
                .At(window.Bounds.Left + x + 30, window.Bounds.Top + y + 12);
        const size_t from = LineCount();
        driver.Click(window, x, y, 3);
        if (!TProgramDriver::WaitUntil([&] { return LastPopup(Lines(), from).has_value(); }))
            return testing::AssertionFailure() << "no popup reported:\n" << Get(LogPath());
        if (!TProgramDriver::WaitUntil(
                [&] { return driver.Screenshot(window).At(x + 30, y + 12) != before; }))
            return testing::AssertionFailure() << "the popup does not show";
        return testing::AssertionSuccess();
    };
    ASSERT_TRUE(open());
    for (const char* key : {"Down", "Down", "Return"})
        driver.PressKey(key);
    EXPECT_TRUE(WaitForLine("click Save"));

    const size_t from = LineCount();
    ASSERT_TRUE(open());
    // The button lies at (12, 12, 100, 26) in the client, outside the menu.
    driver.Click(window, client.X + 62, client.Y + 25);
    EXPECT_TRUE(WaitForLine("pressed button", from));
    EXPECT_TRUE(driver.Running());
}

// Maximized, the window's client reaches into the screen's bottom-right corner; a popup opened
// there lies above and left of the point, inside the screen, where it says it is.
TEST_P(SkinWindow, APopupAtTheScreensBottomRightCornerOpensUpAndToTheLeft) {
    TProgramDriver driver = Start("steel.xskn");
    const TDrivenWindow window = Open(driver);
    ASSERT_TRUE(Settled(driver, window)) << Get(LogPath());
    const TPlace maximize = Places().at("Maximize");
    const std::optional<TScreenRect> normal = driver.BoundsOf(window);
    ASSERT_TRUE(normal.has_value());
    driver.Click(normal->Left + maximize.MidX(), normal->Top + maximize.MidY());
    ASSERT_TRUE(WaitForLine("state 1"));
    ASSERT_TRUE(Settled(driver, window)) << Get(LogPath());
    const std::optional<TPlace> bounds = LastBounds(Lines());
    ASSERT_TRUE(bounds.has_value());
    const TPlace client = Places().at("client");
    const int32_t x = bounds->X + client.X + client.Width - 1;
    const int32_t y = bounds->Y + client.Y + client.Height - 1;
    ASSERT_GE(x, kScreenWidth - 20);
    ASSERT_GE(y, kScreenHeight - 20);

    const TPixelImage before = driver.Screenshot();
    const size_t from = LineCount();
    driver.Click(x, y, 3);
    ASSERT_TRUE(TProgramDriver::WaitUntil([&] { return LastPopup(Lines(), from).has_value(); }))
        << Get(LogPath());
    const TPlace popup = *LastPopup(Lines(), from);
    EXPECT_EQ(popup.X + popup.Width, x);
    EXPECT_EQ(popup.Y + popup.Height, y);
    EXPECT_GE(popup.X, 0);
    EXPECT_GE(popup.Y, 0);
    EXPECT_GT(popup.Width, 40);
    EXPECT_GT(popup.Height, 40);
    // The server shows a window there, and the screen shows the popup over the client.
    bool listed = false;
    for (const TDrivenWindow& w : driver.Windows())
        listed = listed || (w.Viewable && w.Bounds.Left == popup.X && w.Bounds.Top == popup.Y &&
                            w.Bounds.Right == x && w.Bounds.Bottom == y);
    EXPECT_TRUE(listed);
    TPixelImage shot;
    EXPECT_TRUE(TProgramDriver::WaitUntil([&] {
        shot = driver.Screenshot();
        return shot.At(popup.MidX(), popup.Y + 1) != before.At(popup.MidX(), popup.Y + 1) &&
               shot.At(popup.X + 1, popup.MidY()) != before.At(popup.X + 1, popup.MidY());
    }));
    Keep(shot, "popup-corner-" + WindowManagerName(GetParam()));
    driver.PressKey("Escape");
    EXPECT_TRUE(driver.Running());
}

// The translucent twin of the popup, opened where the opaque one was, shows each pixel as a mix
// of the opaque popup's and the window's beneath.
TEST_P(SkinWindow, ATranslucentPopupShowsTheWindowBeneathThroughIt) {
    constexpr int kBlendValue = 150; // the tool's translucent menu
    TProgramDriver driver = Start("steel.xskn");
    const TDrivenWindow window = Open(driver);
    ASSERT_TRUE(Settled(driver, window)) << Get(LogPath());
    const TPlace client = Places().at("client");
    const int32_t x = client.X + 120, y = client.Y + 40;
    const TPixelImage before = PaintedScreen(driver, window.Bounds.Left + x, window.Bounds.Top + y);
    const std::optional<TPlace> opaque = OpenMenu(driver, window, x, y, false);
    ASSERT_TRUE(opaque.has_value()) << Get(LogPath());
    // Right in the middle row, clear of the captions.
    const int32_t sx = opaque->X + opaque->Width - 12, sy = opaque->MidY();
    const uint32_t beneath = before.At(sx, sy);
    uint32_t own = beneath;
    ASSERT_TRUE(TProgramDriver::WaitUntil([&] {
        own = driver.Screenshot().At(sx, sy);
        return own != beneath;
    }));
    ASSERT_GE(ChannelDistance(own, beneath), 16) << "too alike to tell a mix apart";
    driver.PressKey("Escape");
    ASSERT_TRUE(
        TProgramDriver::WaitUntil([&] { return driver.Screenshot().At(sx, sy) == beneath; }));

    const std::optional<TPlace> translucent = OpenMenu(driver, window, x, y, true);
    ASSERT_TRUE(translucent.has_value()) << Get(LogPath());
    EXPECT_EQ(translucent->X, opaque->X);
    EXPECT_EQ(translucent->Y, opaque->Y);
    const uint32_t expected = Mix(own, beneath, kBlendValue);
    TPixelImage shot;
    uint32_t shown = 0;
    EXPECT_TRUE(TProgramDriver::WaitUntil([&] {
        shot = driver.Screenshot();
        shown = shot.At(sx, sy);
        return ChannelDistance(shown, expected) <= 3;
    })) << std::hex
        << "shown " << shown << ", popup " << own << " over " << beneath;
    Keep(shot, "popup-translucent-" + WindowManagerName(GetParam()));
    driver.PressKey("Escape");
    EXPECT_TRUE(driver.Running());
}

// Under a compositing manager the translucent popup is blended live: a window beneath it that
// changes while the popup is open shows through in its new colour, which a copy of the screen
// read before the popup opened could not show. The opaque popup stays opaque there.
TEST_P(SkinWindow, UnderACompositorATranslucentPopupShowsChangesBeneathItLive) {
    constexpr int kBlendValue = 150; // the tool's translucent menu
    constexpr uint32_t kBefore = 0x00B000, kAfter = 0xD02020;
    TProgramDriver driver = Start("steel.xskn");
    const TDrivenWindow window = Open(driver);
    ASSERT_TRUE(Settled(driver, window)) << Get(LogPath());
    driver.StartCompositor();
    const std::optional<TScreenRect> shown = driver.BoundsOf(window);
    ASSERT_TRUE(shown.has_value());
    // The test's window lies right of the skin window (a window manager may raise that on a
    // click), the menu opens near the client's right edge and reaches over it.
    const TPlace client = Places().at("client");
    const int32_t x = client.X + client.Width - 15, y = client.Y + 40;
    const int32_t left = shown->Right + 1;
    TPaintedWindow beneath(driver.DisplayName(), {left, 0, kScreenWidth, kScreenHeight}, kBefore);
    ASSERT_TRUE(TProgramDriver::WaitUntil(
        [&] { return (driver.Screenshot().At(left + 5, shown->Top + y) & 0xFFFFFF) == kBefore; }));

    const std::optional<TPlace> opaque = OpenMenu(driver, window, x, y, false);
    ASSERT_TRUE(opaque.has_value()) << Get(LogPath());
    // Right in the middle row, clear of the captions, over the test's window.
    const int32_t sx = opaque->X + opaque->Width - 12, sy = opaque->MidY();
    ASSERT_GT(sx, left) << "the menu opened leftward";
    uint32_t own = kBefore;
    ASSERT_TRUE(TProgramDriver::WaitUntil([&] {
        own = driver.Screenshot().At(sx, sy) & 0xFFFFFF;
        return own != kBefore;
    }));
    for (const uint32_t colour : {kBefore, kAfter})
        ASSERT_GE(ChannelDistance(own, colour), 16) << "too alike to tell a mix apart";
    // Once the screen beside the popup shows the change, the popup still shows itself alone.
    beneath.Fill(kAfter);
    const int32_t besideX = opaque->X + opaque->Width + 4;
    ASSERT_TRUE(TProgramDriver::WaitUntil(
        [&] { return (driver.Screenshot().At(besideX, sy) & 0xFFFFFF) == kAfter; }));
    EXPECT_EQ(driver.Screenshot().At(sx, sy) & 0xFFFFFF, own);
    driver.PressKey("Escape");
    beneath.Fill(kBefore);
    ASSERT_TRUE(TProgramDriver::WaitUntil(
        [&] { return (driver.Screenshot().At(sx, sy) & 0xFFFFFF) == kBefore; }));

    const std::optional<TPlace> translucent = OpenMenu(driver, window, x, y, true);
    ASSERT_TRUE(translucent.has_value()) << Get(LogPath());
    EXPECT_EQ(translucent->X, opaque->X);
    EXPECT_EQ(translucent->Y, opaque->Y);
    // Shows the mix over the colour beneath, now and once that colour changed.
    for (const uint32_t colour : {kBefore, kAfter}) {
        beneath.Fill(colour);
        const uint32_t expected = Mix(own, colour, kBlendValue);
        TPixelImage shot;
        uint32_t shown = 0;
        EXPECT_TRUE(TProgramDriver::WaitUntil([&] {
            shot = driver.Screenshot();
            shown = shot.At(sx, sy) & 0xFFFFFF;
            return ChannelDistance(shown, expected) <= 3;
        })) << std::hex
            << "shown " << shown << ", popup " << own << " over " << colour;
        Keep(shot, "popup-composited-" + WindowManagerName(GetParam()));
    }
    driver.PressKey("Escape");
    EXPECT_TRUE(driver.Running());
}

} // namespace
