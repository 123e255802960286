// The dispatch tables: each event code reaches its handler with its parameters decoded.
#include "filter_graph_fixture.h"

#include <gtest/gtest.h>

using namespace brisat;
using namespace brisat::test;

namespace {

class FilterGraphEvents : public FilterGraphTest {
protected:
    // Connects every handler under test to the log, each writing its name and its arguments.
    void SetUp() override {
        FilterGraphTest::SetUp();
        auto note = [this](std::string entry) { Events.push_back(std::move(entry)); };
        auto named = [note](const char* name) { return [note, name](TComponent&) { note(name); }; };
        auto n = [](auto value) { return std::to_string(value); };
        TFilterGraph& g = *Graph;
        g.OnGraphComplete = [=](TComponent&, HRESULT r, TFilter) { note("Complete " + n(r)); };
        g.OnGraphErrorAbort = [=](TComponent&, HRESULT r) { note("ErrorAbort " + n(r)); };
        g.OnGraphVideoSizeChanged = [=](TComponent&, std::int32_t w, std::int32_t h) {
            note("VideoSize " + n(w) + "x" + n(h));
        };
        g.OnGraphBufferingData = [=](TComponent&, bool b) { note("Buffering " + n(b)); };
        g.OnGraphEndOfSegment = [=](TComponent&, std::int64_t t, std::int32_t s) {
            note("EndOfSegment " + n(t) + " " + n(s));
        };
        g.OnGraphDeviceLost = [=](TComponent&, std::intptr_t, bool removed) {
            note("DeviceLost " + n(removed));
        };
        g.OnGraphSNDDevOutError = [=](TComponent&, std::int32_t when, std::int32_t code) {
            note("SNDDevOutError " + n(when) + " " + n(code));
        };
        g.OnDVDDomainTitle = named("DomainTitle");
        g.OnDVDDomainStop = named("DomainStop");
        g.OnDVDErrorCopyProtectFail = named("ErrorCopyProtectFail");
        g.OnDVDErrorIncompatibleDiscAndDecoderRegions = named("ErrorIncompatibleDisc");
        g.OnDVDWarningRead = named("WarningRead");
        g.OnDVDAngleChange = [=](TComponent&, std::int32_t total, std::int32_t current) {
            note("AngleChange " + n(total) + " " + n(current));
        };
        g.OnDVDStillOn = [=](TComponent&, bool noButton, std::int32_t seconds) {
            note("StillOn " + n(noButton) + " " + n(seconds));
        };
        g.OnDVDPlaybackRateChange = [=](TComponent&, float rate) {
            note("PlaybackRate " + std::to_string(rate).substr(0, 4));
        };
        g.OnDVDKaraokeMode = [=](TComponent&, bool played) { note("Karaoke " + n(played)); };
        g.OnDVDCurrentTime = [=](TComponent&, std::int32_t h, std::int32_t m, std::int32_t s,
                                 std::int32_t f, std::int32_t rate) {
            note("CurrentTime " + n(h) + ":" + n(m) + ":" + n(s) + "." + n(f) + "@" + n(rate));
        };
        g.OnDVDCurrentHMSFTime = [=](TComponent&, DVD_HMSF_TIMECODE hmsf, DVD_TIMECODE t) {
            note("HMSF " + n(hmsf.bHours) + ":" + n(hmsf.bMinutes) + ":" + n(hmsf.bSeconds) + "." +
                 n(hmsf.bFrames) + " " + n(t.Hours) + ":" + n(t.Minutes));
        };
    }
};

} // namespace

TEST_F(FilterGraphEvents, EachCodeReachesItsHandlerWithDecodedArguments) {
    struct Case {
        long Code;
        std::intptr_t Param1, Param2;
        const char* Expected; // "" = no handler
    };
    const Case cases[] = {
        {EC_COMPLETE, S_OK, 0, "Complete 0"},
        {EC_ERRORABORT, E_FILE_NOT_FOUND, 0, "ErrorAbort -2147024894"},
        {EC_VIDEO_SIZE_CHANGED, 640 | (480 << 16), 0, "VideoSize 640x480"},
        {EC_BUFFERING_DATA, 1, 0, "Buffering 1"},
        {EC_BUFFERING_DATA, 2, 0, "Buffering 0"},
        {EC_END_OF_SEGMENT, 123456789012, 3, "EndOfSegment 123456789012 3"},
        {EC_DEVICE_LOST, 7, 0, "DeviceLost 1"},
        {EC_DEVICE_LOST, 7, 1, "DeviceLost 0"},
        {EC_SNDDEV_OUT_ERROR, 2, 5, "SNDDevOutError 2 5"},
        {EC_DVD_DOMAIN_CHANGE, 4, 0, "DomainTitle"},
        {EC_DVD_DOMAIN_CHANGE, 5, 0, "DomainStop"},
        {EC_DVD_DOMAIN_CHANGE, 6, 0, ""},
        {EC_DVD_DOMAIN_CHANGE, 0, 0, ""},
        {EC_DVD_ERROR, 2, 0, "ErrorCopyProtectFail"},
        {EC_DVD_ERROR, 8, 0, "ErrorIncompatibleDisc"},
        {EC_DVD_ERROR, 9, 0, ""},
        {EC_DVD_WARNING, 6, 0, "WarningRead"},
        {EC_DVD_WARNING, 7, 0, ""},
        {EC_DVD_ANGLE_CHANGE, 4, 2, "AngleChange 4 2"},
        {EC_DVD_STILL_ON, 1, 30, "StillOn 1 30"},
        {EC_DVD_PLAYBACK_RATE_CHANGE, 15000, 0, "PlaybackRate 1.50"},
        {EC_DVD_KARAOKE_MODE, 2, 0, "Karaoke 1"},
        // 01:23:45, frame 12 at 25 per second, packed from the low bits up.
        {EC_DVD_CURRENT_TIME, 0x52452301, 0, "CurrentTime 1:23:45.12@25"},
        {EC_DVD_CURRENT_HMSF_TIME, 0x0C2D1701, 0x12452301, "HMSF 1:23:45.12 1:23"},
        {0x0F, 1, 2, ""},
        {EC_CLOCK_CHANGED, 0, 0, ""}, // a handler that is not assigned
    };
    Graph->AttachEventListener(Client);
    for (const Case& c : cases) {
        Events.clear();
        Graph->DispatchGraphEvent(c.Code, c.Param1, c.Param2);
        Log expected{"VideoWindow event " + std::to_string(c.Code)};
        if (*c.Expected) expected.push_back(c.Expected);
        EXPECT_EQ(Events, expected) << std::hex << c.Code << " " << c.Param1;
    }
    Graph->DetachEventListener(Client);
}

TEST(DvdTimeCodes, DecodeEveryField) {
    DVD_TIMECODE t = DecodeDvdTimeCode(0xD9595923); // 23:59:59, frame 19 at 30 per second
    EXPECT_EQ(t.Hours, 23);
    EXPECT_EQ(t.Minutes, 59);
    EXPECT_EQ(t.Seconds, 59);
    EXPECT_EQ(t.Frames, 19);
    EXPECT_EQ(t.FrameRate, 30);
    EXPECT_EQ(DecodeDvdTimeCode(0).FrameRate, 0);
    DVD_HMSF_TIMECODE h = DecodeHmsfTimeCode(0x04030201);
    EXPECT_EQ(h.bHours, 1);
    EXPECT_EQ(h.bMinutes, 2);
    EXPECT_EQ(h.bSeconds, 3);
    EXPECT_EQ(h.bFrames, 4);
}
