#include "app/media_file_filter.h"

#include <gtest/gtest.h>

using namespace brisat;

namespace {

const std::string kFirst = "All supportet files|*.AVI;*.MPG;*.MPEG;*.ASF";

TEST(MediaFileFilter, KeepsTheFirstEntryThenKindsTypesAndAllFiles) {
    const std::vector<TPlayableType> types = {
        {"Matroska", true, {"mkv", "mka"}},
        {"MP3", false, {"mp3"}},
        {"Quicktime", true, {"mov", "mp4"}},
        {"WebM", true, {"webm", "mkv"}},
    };
    EXPECT_EQ(MediaFileFilter(kFirst, types), kFirst + "|Video files|*.mkv;*.mka;*.mov;*.mp4;*.webm"
                                                       "|Audio files|*.mp3"
                                                       "|Matroska (*.mkv;*.mka)|*.mkv;*.mka"
                                                       "|MP3 (*.mp3)|*.mp3"
                                                       "|Quicktime (*.mov;*.mp4)|*.mov;*.mp4"
                                                       "|WebM (*.webm;*.mkv)|*.webm;*.mkv"
                                                       "|All files|*");
}

TEST(MediaFileFilter, LeavesOutKindsWithoutTypes) {
    EXPECT_EQ(MediaFileFilter(kFirst, {}), kFirst + "|All files|*");
    EXPECT_EQ(MediaFileFilter(kFirst, {{"WAV", false, {"wav"}}}),
              kFirst + "|Audio files|*.wav|WAV (*.wav)|*.wav|All files|*");
}

} // namespace
