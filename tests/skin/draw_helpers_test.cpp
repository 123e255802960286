// Rectangle helpers, point-in-polygon and keyboard auto-repeat timings.
#include "framework/core/exceptions.h"
#include "platform/keyboard_settings.h"
#include "skin/bitmap/draw_helpers.h"

#include <climits>
#include <gtest/gtest.h>

using namespace brisat;

TEST(DrawHelpers, CentringOffsetsTruncateTowardZero) {
    const struct {
        TRect inner, outer, both, vertical;
    } cases[] = {
        {Rect(0, 0, 3, 3), Rect(10, 10, 20, 20), Rect(13, 13, 16, 16), Rect(0, 13, 3, 16)},
        // Inner larger than outer: (4 − 7) div 2 = −1, not −2.
        {Rect(5, 5, 12, 12), Rect(0, 0, 4, 4), Rect(-1, -1, 6, 6), Rect(5, -1, 12, 6)},
        {Rect(0, 0, 2, 0), Rect(-3, -3, 3, 3), Rect(-1, 0, 1, 0), Rect(0, 0, 2, 0)},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(CenterRect(c.inner, c.outer), c.both);
        EXPECT_EQ(CenterRectVertically(c.inner, c.outer), c.vertical);
    }
}

TEST(DrawHelpers, RectangleArithmeticThatOverflowsRaises) {
    EXPECT_EQ(GrowRect(Rect(2, 2, 4, 4), 3), Rect(-1, -1, 7, 7));
    EXPECT_EQ(GrowRect(Rect(2, 2, 4, 4), -1), Rect(3, 3, 3, 3));
    EXPECT_THROW(GrowRect(Rect(0, 0, INT_MAX, 1), 1), EIntOverflow);
    EXPECT_THROW(RectWidth(Rect(INT_MIN, 0, 1, 0)), EIntOverflow);
    EXPECT_THROW(CenterRect(Rect(0, 0, 1, 1), Rect(INT_MIN, 0, INT_MAX, 1)), EIntOverflow);
}

TEST(DrawHelpers, PointInPolygonUsesTheEvenOddRule) {
    const std::vector<TPoint> ell = {{0, 0}, {2, 0}, {2, 4}, {6, 4}, {6, 6}, {0, 6}};
    // A square with a square hole traced as one outline.
    const std::vector<TPoint> frame = {{0, 0}, {9, 0}, {9, 9}, {0, 9}, {0, 0},
                                       {3, 3}, {3, 6}, {6, 6}, {6, 3}, {3, 3}};
    const struct {
        const std::vector<TPoint>* polygon;
        TPoint point;
        bool inside;
    } cases[] = {
        {&ell, {1, 1}, true},    {&ell, {4, 1}, false},  {&ell, {4, 5}, true},
        {&ell, {7, 5}, false},   {&ell, {-1, 5}, false}, {&frame, {1, 1}, true},
        {&frame, {4, 4}, false}, {&frame, {7, 8}, true},
    };
    for (const auto& c : cases)
        EXPECT_EQ(PointInPolygon(c.point, *c.polygon), c.inside) << c.point.X << "," << c.point.Y;
    EXPECT_FALSE(PointInPolygon({0, 0}, {}));
    const TPoint far[] = {{INT_MIN, INT_MIN}, {INT_MAX, INT_MIN}, {0, INT_MAX}};
    EXPECT_TRUE(PointInPolygon({0, 0}, far));
}

TEST(DrawHelpers, KeyboardRepeatTimingsFromTheSettings) {
    const int32_t delays[] = {200, 400, 600, 800};
    for (int32_t setting = 0; setting < 4; ++setting)
        EXPECT_EQ(KeyboardRepeatDelay(setting), delays[setting]);
    EXPECT_EQ(KeyboardRepeatInterval(0), 435); // 434.78
    EXPECT_EQ(KeyboardRepeatInterval(31), 14); // 13.59
    EXPECT_EQ(KeyboardRepeatInterval(9), 43);  // 43.48

    const TKeyboardSettings& settings = GetKeyboardSettings();
    EXPECT_GE(settings.Delay, 0);
    EXPECT_LE(settings.Delay, 3);
    EXPECT_EQ(KeyboardRepeatDelay(), KeyboardRepeatDelay(settings.Delay));
    EXPECT_EQ(KeyboardRepeatInterval(), KeyboardRepeatInterval(settings.Speed));
}

TEST(DrawHelpers, ServerAutoRepeatMapsOntoTheNearestSettings) {
    const struct {
        uint32_t delayMs, intervalMs;
        TKeyboardSettings settings;
    } cases[] = {
        {660, 40, {2, 10}},   // the X server's defaults: 600 ms and 43 ms are nearest
        {250, 33, {0, 12}},   //
        {5000, 1, {3, 31}},   // beyond the scales: clamped
        {0, 0, {0, 31}},      // no repeat interval: fastest
        {1000, 1000, {3, 0}}, //
    };
    for (const auto& c : cases) {
        const TKeyboardSettings s = KeyboardSettingsFromAutoRepeat(c.delayMs, c.intervalMs);
        EXPECT_EQ(s, c.settings) << c.delayMs << " " << c.intervalMs;
    }
}
