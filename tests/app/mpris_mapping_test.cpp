// The arithmetic between the desktop's media-player protocol and the player: volumes both ways,
// where relative seeks land (absurd offsets included) and which positions a track takes.
#include "app/mpris_mapping.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

using namespace brisat;

namespace {

constexpr int64_t Max = std::numeric_limits<int64_t>::max();
constexpr int64_t Min = std::numeric_limits<int64_t>::min();

TEST(MprisMapping, VolumesMapBothWaysWithinTheTrackBarsRange) {
    const std::pair<double, int32_t> cases[] = {
        {0.0, 0}, {0.5, 5000}, {1.0, 10000}, {-2.0, 0}, {9.0, 10000}, {0.00004, 0}, {std::nan(""), 0}};
    for (const auto& [volume, position] : cases) EXPECT_EQ(PlayerVolume(volume), position) << volume;
    EXPECT_EQ(MprisVolume(2500), 0.25);
    EXPECT_EQ(MprisVolume(-1), 0.0);
    EXPECT_EQ(MprisVolume(20000), 1.0);
}

TEST(MprisMapping, SeeksLandInsideTheTrackOrMoveOn) {
    struct TCase {
        int64_t Position, Offset, Length;
        std::optional<int64_t> Target;
    };
    const TCase cases[] = {
        {1000000, 500000, 4000000, 1500000},
        {1000000, -3000000, 4000000, 0},       // before the start: the start
        {1000000, 3000000, 4000000, 4000000},  // the very end is still inside
        {1000000, 3000001, 4000000, std::nullopt}, // past the end: the next track
        {1000000, Max, 4000000, std::nullopt}, // an offset that overflows
        {1000000, Min, 4000000, 0},
        {-5, Min, 4000000, 0},
        {1000000, 500000, 0, 1500000},         // length unknown
    };
    for (const TCase& c : cases)
        EXPECT_EQ(SeekTarget(c.Position, c.Offset, c.Length), c.Target)
            << c.Position << " + " << c.Offset << " in " << c.Length;
}

TEST(MprisMapping, APositionMustLieInATrackOfKnownLength) {
    EXPECT_TRUE(PositionInTrack(0, 10));
    EXPECT_TRUE(PositionInTrack(10, 10));
    EXPECT_FALSE(PositionInTrack(11, 10));
    EXPECT_FALSE(PositionInTrack(-1, 10));
    EXPECT_FALSE(PositionInTrack(Min, 10));
    EXPECT_FALSE(PositionInTrack(5, 0));
}

TEST(MprisMapping, TrackUrlsAreFileUrisForPathsAndAddressesAsTheyAre) {
    EXPECT_EQ(TrackUrl("/films/a b#1.avi"), "file:///films/a%20b%231.avi");
    EXPECT_EQ(TrackUrl("http://example.org/c.avi"), "http://example.org/c.avi");
}

TEST(MprisMapping, TrackTitlesAreTheLastPartOrTheWholeAddress) {
    const std::pair<const char*, const char*> cases[] = {
        {"/films/a b.avi", "a b.avi"},
        {"http://example.org/live/c.avi", "c.avi"},
        {"http://127.0.0.1:8080/", "http://127.0.0.1:8080/"},
        {"mms://example.org", "example.org"},
    };
    for (const auto& [path, title] : cases)
        EXPECT_EQ(TrackTitle(path), title) << path;
}

} // namespace
