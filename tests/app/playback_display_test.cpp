#include "app/playback_display.h"

#include <gtest/gtest.h>

using namespace brisat;

TEST(PlaybackDisplay, ElapsedTimeIsTruncatedToWholeSeconds) {
    const struct {
        int64_t Position;
        const char* Text;
    } cases[] = {
        {0, "0:00:00"},
        {3725LL * 10'000'000, "1:02:05"},
        {599'000'000, "0:00:59"}, // 59.9 s
        {-5'000'000'000LL, "0:00:00"},
        {360'000LL * 10'000'000, "100:00:00"},
        {INT64_MAX, "256204778:48:05"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ElapsedTimeText(c.Position), c.Text) << c.Position;
}

TEST(PlaybackDisplay, CaptionShowsNameThenPositionAndDurationAsTimesOfDay) {
    EXPECT_EQ(PlayingCaption("100%s.avi", 65'432, 3'725'000), "100%s.avi  0:01:05 > 1:02:05");
    EXPECT_EQ(LongTimeText(86'400'000u + 1000u), "0:00:01");
    EXPECT_EQ(LongTimeText(UINT32_MAX), "17:02:47"); // 49 days and 61,367 s
}

TEST(PlaybackDisplay, VolumeBarFillsInProportion) {
    const struct {
        int32_t Volume, Width;
    } cases[] = {{10000, 104}, {5000, 52}, {96, 0}, {97, 1}, {1250, 13}, {0, 0}, {-7, 0}, {20000, 104}};
    for (const auto& c : cases)
        EXPECT_EQ(VolumeBarFill(c.Volume), c.Width) << c.Volume;
}
