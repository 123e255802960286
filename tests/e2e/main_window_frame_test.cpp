// The main window's own frame, with and without a window manager: the window starts within its
// size limits (507 × 486 to 1024 × 768) and tells the window manager the same limits, its edges
// size it within them, a double click on its caption maximises it as far as they allow and
// restores it, and the open-URL dialog opens centred on it.
#include "player_test.h"

#include <algorithm>
#include <gtest/gtest.h>

using namespace brisat;
using namespace brisat::test;

namespace {

class MainWindowFrame : public PlayerTest {};
BRISAT_PLAYER_SUITE(MainWindowFrame);

constexpr TSizeLimits kLimits{507, 486, 1024, 768};

TEST_P(MainWindowFrame, EdgesSizeTheWindowWithinItsLimitsWhichTheWindowManagerIsTold) {
    TProgramDriver driver = Start({}, 1920, 1080);
    const TDrivenWindow main = driver.WaitForWindow(kMainCaption);
    EXPECT_GE(Width(main.Bounds), kLimits.MinWidth);
    EXPECT_GE(Height(main.Bounds), kLimits.MinHeight);
    EXPECT_EQ(driver.SizeLimitsOf(main), kLimits);

    // Each drag takes the right or bottom edge By pixels further; the window follows within its
    // limits, and the button is released on the edge where it stopped.
    struct TEdgeDrag {
        bool Right;
        int32_t By;
    };
    const TEdgeDrag drags[] = {{true, 100},   {true, 1000},  {true, -2000},
                               {false, 60},   {false, 1000}, {false, -2000}};
    for (const TEdgeDrag& d : drags) {
        const TScreenRect before = *driver.BoundsOf(main);
        const int32_t old = d.Right ? Width(before) : Height(before);
        const int32_t expected = d.Right
                                     ? std::clamp(old + d.By, kLimits.MinWidth, kLimits.MaxWidth)
                                     : std::clamp(old + d.By, kLimits.MinHeight, kLimits.MaxHeight);
        // The edge's outer pixels, at the middle of the other side.
        const auto edge = [&](int32_t side) {
            return d.Right ? std::pair{before.Left + side - 2, before.Top + Height(before) / 2}
                           : std::pair{before.Left + Width(before) / 2, before.Top + side - 2};
        };
        driver.MoveTo(edge(old).first, edge(old).second);
        driver.ButtonDown();
        driver.MoveTo(edge(old + d.By).first, edge(old + d.By).second);
        TScreenRect now;
        const auto sized = [&] {
            now = *driver.BoundsOf(main);
            return (d.Right ? Width(now) : Height(now)) == expected;
        };
        EXPECT_TRUE(TProgramDriver::WaitUntil(sized))
            << (d.Right ? "width " : "height ") << old << " + " << d.By << " -> " << Width(now)
            << " x " << Height(now);
        driver.MoveTo(edge(expected).first, edge(expected).second);
        driver.ButtonUp();
        EXPECT_TRUE(TProgramDriver::WaitUntil(sized));
        EXPECT_EQ(now.Left, before.Left);
        EXPECT_EQ(now.Top, before.Top);
    }
}

TEST_P(MainWindowFrame, CaptionDoubleClickMaximisesWithinTheLimitsAndRestores) {
    TProgramDriver driver = Start({}, 1920, 1080);
    const TDrivenWindow main = driver.WaitForWindow(kMainCaption);
    ASSERT_TRUE(WaitUntilActive(driver, main));
    const TScreenRect normal = main.Bounds;
    driver.DoubleClick(main, Width(normal) / 2, 10);
    TScreenRect now;
    // The frame's border may go off the screen's top-left edges, as maximised frames do.
    EXPECT_TRUE(TProgramDriver::WaitUntil([&] {
        now = *driver.BoundsOf(main);
        return Width(now) == kLimits.MaxWidth && Height(now) == kLimits.MaxHeight &&
               now.Left <= 0 && now.Left > -8 && now.Top <= 0 && now.Top > -8;
    })) << now.Left << ", " << now.Top << ", " << Width(now) << " x " << Height(now);

    driver.DoubleClick({main.Id, "", now, true}, Width(now) / 2, 10);
    EXPECT_TRUE(TProgramDriver::WaitUntil([&] { return (now = *driver.BoundsOf(main)) == normal; }))
        << now.Left << ", " << now.Top << ", " << Width(now) << " x " << Height(now);
}

TEST_P(MainWindowFrame, OpenUrlDialogOpensCentredOnTheMainWindow) {
    TProgramDriver driver = Start({}, 1920, 1080);
    const TDrivenWindow main = driver.WaitForWindow(kMainCaption);
    ASSERT_TRUE(WaitUntilActive(driver, main));
    // "File" on the menu bar, then its second item, "Open URL".
    driver.Click(main, 20, 32);
    driver.Click(main, 40, 70);
    const TDrivenWindow dialog = driver.WaitForWindow("Открыть URL", 30s);
    const auto middle = [](const TScreenRect& r) {
        return std::pair{(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
    };
    const auto [x, y] = middle(dialog.Bounds);
    const auto [mainX, mainY] = middle(main.Bounds);
    EXPECT_NEAR(x, mainX, 1);
    EXPECT_NEAR(y, mainY, 1);
}

} // namespace
