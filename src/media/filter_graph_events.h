// The graph event handlers of TFilterGraph and the tables that route an event code to one of them.
// A handler's first argument is the controller as sender; the others are decoded from the event's
// two parameters. Our event queue carries plain values, never pointers: parameters that name a
// filter or a pin arrive as empty filters and pins, and EC_END_OF_SEGMENT carries its stream time
// itself. GUI thread only.
#pragma once

#include "framework/controls/control.h"
#include "media/platform/pins.h"
#include "media/platform/result_codes.h"

#include <cstdint>
#include <functional>
#include <string>

namespace brisat {

class TFilterGraph;

using TOnDSEvent =
    std::function<void(TComponent& sender, long Event, std::intptr_t Param1, std::intptr_t Param2)>;
using TOnDSResultEvent = std::function<void(TComponent& sender, HRESULT Result)>;
using TOnGraphComplete = std::function<void(TComponent& sender, HRESULT Result, TFilter Renderer)>;
using TOnGraphStreamError =
    std::function<void(TComponent& sender, HRESULT Operation, std::int32_t Value)>;
using TOnGraphVideoSizeChanged =
    std::function<void(TComponent& sender, std::int32_t Width, std::int32_t height)>;
using TOnGraphOpeningFile = std::function<void(TComponent& sender, bool opening)>;
using TOnGraphBufferingData = std::function<void(TComponent& sender, bool Buffering)>;
using TOnGraphFullscreenLost = std::function<void(TComponent& sender, TFilter Renderer)>;
using TOnGraphOleEvent =
    std::function<void(TComponent& sender, const std::string& String1, const std::string& String2)>;
using TOnGraphStreamControl =
    std::function<void(TComponent& sender, TPin PinSender, std::int32_t Cookie)>;
// StreamTime in 100-ns units.
using TOnGraphEndOfSegment =
    std::function<void(TComponent& sender, std::int64_t StreamTime, std::int32_t NumSegment)>;
using TOnGraphDeviceLost =
    std::function<void(TComponent& sender, std::intptr_t Device, bool Removed)>;
using TOnGraphTimeCodeAvailable =
    std::function<void(TComponent& sender, TFilter From, std::int32_t DeviceID)>;
using TOnGraphEXTDeviceModeChange =
    std::function<void(TComponent& sender, std::int32_t NewMode, std::int32_t DeviceID)>;
using TOnGraphVMRRenderDevice = std::function<void(TComponent& sender, std::int32_t RenderDevice)>;
using TOnGraphSNDDevError =
    std::function<void(TComponent& sender, std::int32_t OccurWhen, std::int32_t ErrorCode)>;

// DVD navigator events.
using TOnDVDValue = std::function<void(TComponent& sender, std::int32_t value)>;
using TOnDVDPair =
    std::function<void(TComponent& sender, std::int32_t total, std::int32_t current)>;
using TOnDVDFlag = std::function<void(TComponent& sender, bool value)>;
using TOnDVDStreamChange = std::function<void(TComponent& sender, std::int32_t stream,
                                              std::uint32_t lcid, const std::string& Lang)>;
using TOnDVDStillOn =
    std::function<void(TComponent& sender, bool NoButtonAvailable, std::int32_t seconds)>;
using TOnDVDPlaybackRateChange = std::function<void(TComponent& sender, float rate)>;
using TOnDVDCurrentTime =
    std::function<void(TComponent& sender, std::int32_t Hours, std::int32_t minutes,
                       std::int32_t seconds, std::int32_t frames, std::int32_t frate)>;

// A DVD time code of hours, minutes, seconds and frames (one byte each, binary).
struct DVD_HMSF_TIMECODE {
    std::uint8_t bHours = 0;
    std::uint8_t bMinutes = 0;
    std::uint8_t bSeconds = 0;
    std::uint8_t bFrames = 0;
};

// The packed DVD time code: binary-coded decimal digits from the low bits up (hour units, hour
// tens, minute units, minute tens, second units, second tens, frame units), then two bits of frame
// tens and the two top bits of frame rate code (1 = 25, 3 = 30 per second).
struct DVD_TIMECODE {
    std::int32_t Hours = 0;
    std::int32_t Minutes = 0;
    std::int32_t Seconds = 0;
    std::int32_t Frames = 0;
    std::int32_t FrameRate = 0; // 25, 30, or 0 when not given
};
DVD_TIMECODE DecodeDvdTimeCode(std::uint32_t packed);
// The HMSF time code as the event carries it: hours in the low byte, then minutes, seconds,
// frames.
DVD_HMSF_TIMECODE DecodeHmsfTimeCode(std::uint32_t packed);

using TOnDVDCurrentHMSFTime =
    std::function<void(TComponent& sender, DVD_HMSF_TIMECODE HMSFTimeCode, DVD_TIMECODE TimeCode)>;

// Calls the handler of TFilterGraph for `code` from the graph or DVD table, when there is one and
// it is assigned. Codes in neither table do nothing. EC_DVD_AUDIO_STREAM_CHANGE and
// EC_DVD_SUBPICTURE_STREAM_CHANGE ask the graph's DVD information for the stream's language.
void DispatchTableEvent(TFilterGraph& graph, long code, std::intptr_t param1, std::intptr_t param2);

} // namespace brisat
