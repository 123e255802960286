#include "media/graph_event_text.h"

#include <gtest/gtest.h>
#include <set>

using namespace brisat;

TEST(GraphEventText, QuotedEntriesAreExact) {
    const std::pair<long, const char*> cases[] = {
        {0x01, "EC_COMPLETE - All data from a particular stream has been rendered."},
        {0x04, "EC_TIME - The requested reference time occurred (currently not used)."},
        {0x0A, "EC_VIDEO_SIZE_CHANGED - The native video size has changed."},
        {0x0D, "EC_CLOCK_CHANGED - The reference clock has changed."},
        {0x30, "EC_TIMECODE_AVAILABLE- Sent by filter supporting timecode."},
        {0x101, "EC_DVD_DOMAIN_CHANGE - Indicates the DVD Navigator's new domain."},
        {0x201, "EC_SNDDEV_OUT_ERROR - An audio device error has occurred on an output pin."},
    };
    for (auto [code, text] : cases)
        EXPECT_EQ(GraphEventText(code), text) << code;
}

TEST(GraphEventText, CodesOutsideTheTableGiveTheFallbackInUpperHex) {
    const std::pair<long, const char*> cases[] = {
        {0x0F, "Unknow Graph Event ($F)"},      {0x1E, "Unknow Graph Event ($1E)"},
        {0x20, "Unknow Graph Event ($20)"},     {0x100, "Unknow Graph Event ($100)"},
        {0, "Unknow Graph Event ($0)"},         {0xABCDEF, "Unknow Graph Event ($ABCDEF)"},
        {-1, "Unknow Graph Event ($FFFFFFFF)"},
    };
    for (auto [code, text] : cases)
        EXPECT_EQ(GraphEventText(code), text) << code;
}

// Every listed code has its own line: the name, " - " (except timecode), one sentence.
TEST(GraphEventText, TableHoldsSixtyFourDistinctWellFormedLines) {
    const long ranges[][2] = {{0x01, 0x0E}, {0x10, 0x1D},   {0x1F, 0x1F},
                              {0x24, 0x24}, {0x30, 0x31},   {0x50, 0x51},
                              {0x53, 0x53}, {0x101, 0x11B}, {0x200, 0x201}};
    std::set<std::string> texts;
    for (auto [first, last] : ranges) {
        for (long code = first; code <= last; ++code) {
            std::string text = GraphEventText(code);
            EXPECT_EQ(text.rfind("EC_", 0), 0u) << code;
            EXPECT_EQ(text.back(), '.') << code;
            if (code != 0x30) {
                EXPECT_NE(text.find(" - "), std::string::npos) << code;
            }
            texts.insert(text);
        }
    }
    EXPECT_EQ(texts.size(), 64u);
}
