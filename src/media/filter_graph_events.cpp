#include "media/filter_graph_events.h"

#include "media/filter_graph.h"
#include "media/filter_graph_dvd.h"
#include "media/platform/event_codes.h"

#include <algorithm>
#include <array>

namespace brisat {

namespace {

using THandler = void (*)(TFilterGraph& g, std::intptr_t p1, std::intptr_t p2);

struct TRoute {
    long Code;
    THandler Call;
};

std::int32_t Int(std::intptr_t value) {
    return static_cast<std::int32_t>(value);
}

template <class Event, class... Args> void Raise(TFilterGraph& g, const Event& event, Args&&... a) {
    if (event) event(g, std::forward<Args>(a)...);
}

// The handler of a plain notification event member, for the tables.
template <TNotifyEvent TFilterGraph::*Member>
void Notify(TFilterGraph& g, std::intptr_t, std::intptr_t) {
    Raise(g, g.*Member);
}

template <TOnDVDValue TFilterGraph::*Member>
void Value(TFilterGraph& g, std::intptr_t p1, std::intptr_t) {
    Raise(g, g.*Member, Int(p1));
}

template <TOnDVDPair TFilterGraph::*Member>
void Pair(TFilterGraph& g, std::intptr_t p1, std::intptr_t p2) {
    Raise(g, g.*Member, Int(p1), Int(p2));
}

template <TOnDSResultEvent TFilterGraph::*Member>
void Result(TFilterGraph& g, std::intptr_t p1, std::intptr_t) {
    Raise(g, g.*Member, HRESULT(p1));
}

template <TOnGraphStreamError TFilterGraph::*Member>
void StreamError(TFilterGraph& g, std::intptr_t p1, std::intptr_t p2) {
    Raise(g, g.*Member, HRESULT(p1), Int(p2));
}

template <TOnGraphStreamControl TFilterGraph::*Member>
void StreamControl(TFilterGraph& g, std::intptr_t, std::intptr_t p2) {
    Raise(g, g.*Member, TPin(), Int(p2));
}

template <TOnGraphSNDDevError TFilterGraph::*Member>
void SoundDeviceError(TFilterGraph& g, std::intptr_t p1, std::intptr_t p2) {
    Raise(g, g.*Member, Int(p1), Int(p2));
}

// Handlers chosen by param1 (1-based) from a list of notification members.
template <std::size_t N>
void ByParam(TFilterGraph& g, const std::array<TNotifyEvent TFilterGraph::*, N>& members,
             std::intptr_t p1) {
    if (p1 >= 1 && std::size_t(p1) <= N) Raise(g, g.*members[std::size_t(p1) - 1]);
}

constexpr std::array kDomains{&TFilterGraph::OnDVDDomainFirstPlay,
                              &TFilterGraph::OnDVDDomainVideoManagerMenu,
                              &TFilterGraph::OnDVDDomainVideoTitleSetMenu,
                              &TFilterGraph::OnDVDDomainTitle, &TFilterGraph::OnDVDDomainStop};

constexpr std::array kDvdErrors{&TFilterGraph::OnDVDErrorUnexpected,
                                &TFilterGraph::OnDVDErrorCopyProtectFail,
                                &TFilterGraph::OnDVDErrorInvalidDVD1_0Disc,
                                &TFilterGraph::OnDVDErrorInvalidDiscRegion,
                                &TFilterGraph::OnDVDErrorLowParentalLevel,
                                &TFilterGraph::OnDVDErrorMacrovisionFail,
                                &TFilterGraph::OnDVDErrorIncompatibleSystemAndDecoderRegions,
                                &TFilterGraph::OnDVDErrorIncompatibleDiscAndDecoderRegions};

constexpr std::array kDvdWarnings{&TFilterGraph::OnDVDWarningInvalidDVD1_0Disc,
                                  &TFilterGraph::OnDVDWarningFormatNotSupported,
                                  &TFilterGraph::OnDVDWarningIllegalNavCommand,
                                  &TFilterGraph::OnDVDWarningOpen,
                                  &TFilterGraph::OnDVDWarningSeek,
                                  &TFilterGraph::OnDVDWarningRead};

// The language of a DVD stream, asked only when the handler is assigned and the graph has DVD
// information. The audio query's failure raises; the subpicture query's is not examined.
enum class TDvdStream { Audio, Subpicture };

void StreamChange(TFilterGraph& g, const TOnDVDStreamChange& event, std::intptr_t p1,
                  TDvdStream stream) {
    if (!event) return;
    auto info = g.QueryInterface<TGraphInterface::IDvdInfo2>();
    if (!info) return;
    std::uint32_t lcid = 0;
    if (stream == TDvdStream::Audio)
        CheckMediaResult(info->GetAudioLanguage(std::uint32_t(p1), lcid));
    else
        info->GetSubpictureLanguage(std::uint32_t(p1), lcid);
    event(g, Int(p1), lcid, EnglishLanguageName(lcid));
}

const std::array kRoutes{
    // Graph events.
    TRoute{EC_COMPLETE, [](TFilterGraph& g, std::intptr_t p1,
                           std::intptr_t) { Raise(g, g.OnGraphComplete, HRESULT(p1), TFilter()); }},
    TRoute{EC_USERABORT, Notify<&TFilterGraph::OnGraphUserAbort>},
    TRoute{EC_ERRORABORT, Result<&TFilterGraph::OnGraphErrorAbort>},
    TRoute{EC_STREAM_ERROR_STOPPED, StreamError<&TFilterGraph::OnGraphStreamErrorStopped>},
    TRoute{EC_STREAM_ERROR_STILLPLAYING,
           StreamError<&TFilterGraph::OnGraphStreamErrorStillPlaying>},
    TRoute{EC_ERROR_STILLPLAYING, Result<&TFilterGraph::OnGraphErrorStillPlaying>},
    TRoute{EC_PALETTE_CHANGED, Notify<&TFilterGraph::OnGraphPaletteChanged>},
    TRoute{EC_VIDEO_SIZE_CHANGED,
           [](TFilterGraph& g, std::intptr_t p1, std::intptr_t) {
               Raise(g, g.OnGraphVideoSizeChanged, Int(p1 & 0xFFFF), Int((p1 >> 16) & 0xFFFF));
           }},
    TRoute{EC_QUALITY_CHANGE, Notify<&TFilterGraph::OnGraphQualityChange>},
    TRoute{EC_CLOCK_CHANGED, Notify<&TFilterGraph::OnGraphClockChanged>},
    TRoute{EC_PAUSED, Result<&TFilterGraph::OnGraphPaused>},
    TRoute{EC_OPENING_FILE, [](TFilterGraph& g, std::intptr_t p1,
                               std::intptr_t) { Raise(g, g.OnGraphOpeningFile, p1 == 1); }},
    TRoute{EC_BUFFERING_DATA, [](TFilterGraph& g, std::intptr_t p1,
                                 std::intptr_t) { Raise(g, g.OnGraphBufferingData, p1 == 1); }},
    TRoute{EC_FULLSCREEN_LOST, [](TFilterGraph& g, std::intptr_t,
                                  std::intptr_t) { Raise(g, g.OnGraphFullscreenLost, TFilter()); }},
    // Our queue carries no strings: the texts arrive empty.
    TRoute{EC_OLE_EVENT,
           [](TFilterGraph& g, std::intptr_t, std::intptr_t) {
               Raise(g, g.OnGraphOleEvent, std::string(), std::string());
           }},
    TRoute{EC_STREAM_CONTROL_STOPPED, StreamControl<&TFilterGraph::OnGraphStreamControlStopped>},
    TRoute{EC_STREAM_CONTROL_STARTED, StreamControl<&TFilterGraph::OnGraphStreamControlStarted>},
    TRoute{EC_END_OF_SEGMENT,
           [](TFilterGraph& g, std::intptr_t p1, std::intptr_t p2) {
               Raise(g, g.OnGraphEndOfSegment, std::int64_t(p1), Int(p2));
           }},
    TRoute{EC_DEVICE_LOST, [](TFilterGraph& g, std::intptr_t p1,
                              std::intptr_t p2) { Raise(g, g.OnGraphDeviceLost, p1, p2 == 0); }},
    TRoute{EC_STEP_COMPLETE, Notify<&TFilterGraph::OnGraphStepComplete>},
    TRoute{EC_TIMECODE_AVAILABLE,
           [](TFilterGraph& g, std::intptr_t, std::intptr_t p2) {
               Raise(g, g.OnGraphTimeCodeAvailable, TFilter(), Int(p2));
           }},
    TRoute{EC_EXTDEVICE_MODE_CHANGE,
           [](TFilterGraph& g, std::intptr_t p1, std::intptr_t p2) {
               Raise(g, g.OnGraphEXTDeviceModeChange, Int(p1), Int(p2));
           }},
    TRoute{EC_GRAPH_CHANGED, Notify<&TFilterGraph::OnGraphChanged>},
    TRoute{EC_CLOCK_UNSET, Notify<&TFilterGraph::OnGraphClockUnset>},
    TRoute{EC_VMR_RENDERDEVICE_SET,
           [](TFilterGraph& g, std::intptr_t p1, std::intptr_t) {
               Raise(g, g.OnGraphVMRRenderDevice, Int(p1));
           }},
    TRoute{EC_SNDDEV_IN_ERROR, SoundDeviceError<&TFilterGraph::OnGraphSNDDevInError>},
    TRoute{EC_SNDDEV_OUT_ERROR, SoundDeviceError<&TFilterGraph::OnGraphSNDDevOutError>},
    // DVD navigator events.
    TRoute{EC_DVD_DOMAIN_CHANGE,
          [](TFilterGraph& g, std::intptr_t p1, std::intptr_t) { ByParam(g, kDomains, p1); }},
    TRoute{EC_DVD_TITLE_CHANGE, Value<&TFilterGraph::OnDVDTitleChange>},
    TRoute{EC_DVD_CHAPTER_START, Value<&TFilterGraph::OnDVDChapterStart>},
    TRoute{EC_DVD_AUDIO_STREAM_CHANGE,
          [](TFilterGraph& g, std::intptr_t p1, std::intptr_t) {
              StreamChange(g, g.OnDVDAudioStreamChange, p1, TDvdStream::Audio);
          }},
    TRoute{EC_DVD_SUBPICTURE_STREAM_CHANGE,
          [](TFilterGraph& g, std::intptr_t p1, std::intptr_t) {
              StreamChange(g, g.OnDVDSubpictureStreamChange, p1, TDvdStream::Subpicture);
          }},
    TRoute{EC_DVD_ANGLE_CHANGE, Pair<&TFilterGraph::OnDVDAngleChange>},
    TRoute{EC_DVD_BUTTON_CHANGE, Pair<&TFilterGraph::OnDVDButtonChange>},
    TRoute{EC_DVD_VALID_UOPS_CHANGE, Value<&TFilterGraph::OnDVDValidUOPSChange>},
    TRoute{EC_DVD_STILL_ON, [](TFilterGraph& g, std::intptr_t p1,
                              std::intptr_t p2) { Raise(g, g.OnDVDStillOn, p1 == 1, Int(p2)); }},
    TRoute{EC_DVD_STILL_OFF, Notify<&TFilterGraph::OnDVDStillOff>},
    TRoute{EC_DVD_CURRENT_TIME,
          [](TFilterGraph& g, std::intptr_t p1, std::intptr_t) {
              DVD_TIMECODE t = DecodeDvdTimeCode(std::uint32_t(p1));
              Raise(g, g.OnDVDCurrentTime, t.Hours, t.Minutes, t.Seconds, t.Frames, t.FrameRate);
          }},
    TRoute{EC_DVD_ERROR,
          [](TFilterGraph& g, std::intptr_t p1, std::intptr_t) { ByParam(g, kDvdErrors, p1); }},
    TRoute{EC_DVD_WARNING,
          [](TFilterGraph& g, std::intptr_t p1, std::intptr_t) { ByParam(g, kDvdWarnings, p1); }},
    TRoute{EC_DVD_CHAPTER_AUTOSTOP, Notify<&TFilterGraph::OnDVDChapterAutoStop>},
    TRoute{EC_DVD_NO_FP_PGC, Notify<&TFilterGraph::OnDVDNoFP_PGC>},
    TRoute{EC_DVD_PLAYBACK_RATE_CHANGE,
          [](TFilterGraph& g, std::intptr_t p1, std::intptr_t) {
              Raise(g, g.OnDVDPlaybackRateChange, float(Int(p1)) / 10000.0f);
          }},
    TRoute{EC_DVD_PARENTAL_LEVEL_CHANGE, Value<&TFilterGraph::OnDVDParentalLevelChange>},
    TRoute{EC_DVD_PLAYBACK_STOPPED, Notify<&TFilterGraph::OnDVDPlaybackStopped>},
    TRoute{EC_DVD_ANGLES_AVAILABLE,
          [](TFilterGraph& g, std::intptr_t p1, std::intptr_t) {
              Raise(g, g.OnDVDAnglesAvailable, p1 == 1);
          }},
    TRoute{EC_DVD_PLAYPERIOD_AUTOSTOP, Notify<&TFilterGraph::OnDVDPlayPeriodAutoStop>},
    TRoute{EC_DVD_BUTTON_AUTO_ACTIVATED, Value<&TFilterGraph::OnDVDButtonAutoActivated>},
    TRoute{EC_DVD_CMD_START, Value<&TFilterGraph::OnDVDCMDStart>},
    TRoute{EC_DVD_CMD_END, Value<&TFilterGraph::OnDVDCMDEnd>},
    TRoute{EC_DVD_DISC_EJECTED, Notify<&TFilterGraph::OnDVDDiscEjected>},
    TRoute{EC_DVD_DISC_INSERTED, Notify<&TFilterGraph::OnDVDDiscInserted>},
    TRoute{EC_DVD_CURRENT_HMSF_TIME,
          [](TFilterGraph& g, std::intptr_t p1, std::intptr_t p2) {
              Raise(g, g.OnDVDCurrentHMSFTime, DecodeHmsfTimeCode(std::uint32_t(p1)),
                    DecodeDvdTimeCode(std::uint32_t(p2)));
          }},
    TRoute{EC_DVD_KARAOKE_MODE, [](TFilterGraph& g, std::intptr_t p1,
                                  std::intptr_t) { Raise(g, g.OnDVDKaraokeMode, p1 != 0); }},
};

std::int32_t Bcd(std::uint32_t packed, int shift, std::uint32_t tensMask = 0xF) {
    return std::int32_t(((packed >> (shift + 4)) & tensMask) * 10 + ((packed >> shift) & 0xF));
}

} // namespace

DVD_TIMECODE DecodeDvdTimeCode(std::uint32_t packed) {
    DVD_TIMECODE t;
    t.Hours = Bcd(packed, 0);
    t.Minutes = Bcd(packed, 8);
    t.Seconds = Bcd(packed, 16);
    t.Frames = Bcd(packed, 24, 0x3);
    switch (packed >> 30) {
    case 1:
        t.FrameRate = 25;
        break;
    case 3:
        t.FrameRate = 30;
        break;
    default:
        t.FrameRate = 0;
    }
    return t;
}

DVD_HMSF_TIMECODE DecodeHmsfTimeCode(std::uint32_t packed) {
    return DVD_HMSF_TIMECODE{std::uint8_t(packed), std::uint8_t(packed >> 8),
                             std::uint8_t(packed >> 16), std::uint8_t(packed >> 24)};
}

void DispatchTableEvent(TFilterGraph& graph, long code, std::intptr_t param1,
                        std::intptr_t param2) {
    auto route = std::find_if(kRoutes.begin(), kRoutes.end(),
                              [code](const TRoute& r) { return r.Code == code; });
    if (route != kRoutes.end()) route->Call(graph, param1, param2);
}

} // namespace brisat
