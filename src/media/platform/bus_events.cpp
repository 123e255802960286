#include "media/platform/bus_events.h"

#include "media/platform/event_codes.h"
#include "media/platform/gst_ref.h"
#include "media/platform/result_codes.h"
#include "media/platform/video_renderer.h"

#include <array>
#include <memory>

namespace brisat {

namespace {

using TTranslator = TEventPosting (*)(GstMessage*, const TBusContext&, TMediaEvent&);

TEventPosting Simple(TMediaEvent& event, long code, std::intptr_t param1 = 0) {
    event.Code = code;
    event.Param1 = param1;
    return TEventPosting::Post;
}

std::string ErrorDetail(const GError* error) {
    return error && error->message ? error->message : "";
}

// EC_COMPLETE: Param1 the completion status; Param2 (the renderer) is 0 because the pipeline
// reports one end of stream for all its sinks together.
TEventPosting FromEos(GstMessage*, const TBusContext&, TMediaEvent& event) {
    return Simple(event, EC_COMPLETE, S_OK);
}

// A source element that stops with a bare flow error (an http source whose server cannot be
// reached does) could not read its address at all.
bool SourceCouldNotRead(GstMessage* message, const GError* error) {
    GstObject* source = GST_MESSAGE_SRC(message);
    return source && GST_IS_URI_HANDLER(source) && GST_IS_ELEMENT(source) &&
           gst_element_get_factory(GST_ELEMENT(source)) && error &&
           g_error_matches(error, GST_STREAM_ERROR, GST_STREAM_ERROR_FAILED) &&
           gst_uri_handler_get_uri_type(GST_URI_HANDLER(source)) == GST_URI_SRC;
}

// An http source's failure with the server's status: a redirect reaches us only once the source
// gave up following them.
std::string HttpStatusDetail(GstMessage* message, const GError* error) {
    const GstStructure* details = nullptr;
    gst_message_parse_error_details(message, &details);
    guint status = 0;
    if (!details || !gst_structure_get_uint(details, "http-status-code", &status) || status == 0)
        return "";
    std::string answer = "HTTP " + std::to_string(status);
    if (error && error->message && *error->message) answer += std::string(" ") + error->message;
    if (status >= 300 && status < 400)
        return "The server redirects again and again (" + answer + ").";
    return "The server answered " + answer + ".";
}

TEventPosting FromError(GstMessage* message, const TBusContext&, TMediaEvent& event) {
    GError* raw = nullptr;
    gst_message_parse_error(message, &raw, nullptr);
    std::unique_ptr<GError, TGErrorDeleter> error(raw);
    if (SourceCouldNotRead(message, error.get())) {
        event.Detail = "The address cannot be reached or sent nothing readable.";
        return Simple(event, EC_ERRORABORT, VFW_E_CANNOT_LOAD_SOURCE_FILTER);
    }
    event.Detail = HttpStatusDetail(message, error.get());
    if (event.Detail.empty()) event.Detail = ErrorDetail(error.get());
    return Simple(event, EC_ERRORABORT, ResultFromGstError(error.get()));
}

TEventPosting FromWarning(GstMessage* message, const TBusContext&, TMediaEvent& event) {
    GError* raw = nullptr;
    gst_message_parse_warning(message, &raw, nullptr);
    std::unique_ptr<GError, TGErrorDeleter> error(raw);
    event.Detail = ErrorDetail(error.get());
    return Simple(event, EC_ERROR_STILLPLAYING, ResultFromGstError(error.get()));
}

TEventPosting FromNewClock(GstMessage*, const TBusContext&, TMediaEvent& event) {
    return Simple(event, EC_CLOCK_CHANGED);
}

TEventPosting FromClockLost(GstMessage*, const TBusContext&, TMediaEvent& event) {
    return Simple(event, EC_CLOCK_UNSET);
}

// EC_BUFFERING_DATA: Param1 1 when buffering starts, 0 when it ends; sent on changes only.
TEventPosting FromBuffering(GstMessage* message, const TBusContext& context, TMediaEvent& event) {
    gint percent = 100;
    gst_message_parse_buffering(message, &percent);
    int buffering = percent < 100 ? 1 : 0;
    if (context.Buffering) {
        if (*context.Buffering == buffering || (*context.Buffering < 0 && !buffering))
            return TEventPosting::None;
        *context.Buffering = buffering;
    }
    return Simple(event, EC_BUFFERING_DATA, buffering);
}

// EC_PAUSED: a requested pause has completed (the pipeline itself reached PAUSED).
TEventPosting FromStateChanged(GstMessage* message, const TBusContext& context,
                               TMediaEvent& event) {
    if (GST_MESSAGE_SRC(message) != GST_OBJECT(context.Pipeline) || !context.PauseRequested)
        return TEventPosting::None;
    GstState now = GST_STATE_NULL, pending = GST_STATE_NULL;
    gst_message_parse_state_changed(message, nullptr, &now, &pending);
    if (now != GST_STATE_PAUSED || pending != GST_STATE_VOID_PENDING) return TEventPosting::None;
    return Simple(event, EC_PAUSED, S_OK);
}

TEventPosting FromStepDone(GstMessage*, const TBusContext&, TMediaEvent& event) {
    return Simple(event, EC_STEP_COMPLETE);
}

// EC_DEVICE_LOST: Param2 0 = the device was removed.
TEventPosting FromDeviceRemoved(GstMessage*, const TBusContext&, TMediaEvent& event) {
    return Simple(event, EC_DEVICE_LOST);
}

TEventPosting FromSegmentDone(GstMessage*, const TBusContext&, TMediaEvent& event) {
    return Simple(event, EC_END_OF_SEGMENT);
}

// EC_QUALITY_CHANGE: a sink dropped or is late with frames; one waiting event is enough.
TEventPosting FromQos(GstMessage*, const TBusContext&, TMediaEvent& event) {
    Simple(event, EC_QUALITY_CHANGE);
    return TEventPosting::Coalesce;
}

// EC_VIDEO_SIZE_CHANGED: Param1 = width in the low 16 bits, height in the high 16 bits.
TEventPosting FromElement(GstMessage* message, const TBusContext&, TMediaEvent& event) {
    const GstStructure* s = gst_message_get_structure(message);
    if (!s || !gst_structure_has_name(s, kVideoSizeMessage)) return TEventPosting::None;
    gint width = 0, height = 0;
    gst_structure_get_int(s, "width", &width);
    gst_structure_get_int(s, "height", &height);
    return Simple(event, EC_VIDEO_SIZE_CHANGED,
                  std::intptr_t(width & 0xFFFF) | (std::intptr_t(height & 0xFFFF) << 16));
}

struct TRow {
    GstMessageType Type;
    TTranslator Translate;
};

constexpr std::array kTable{
    TRow{GST_MESSAGE_EOS, FromEos},
    TRow{GST_MESSAGE_ERROR, FromError},
    TRow{GST_MESSAGE_WARNING, FromWarning},
    TRow{GST_MESSAGE_NEW_CLOCK, FromNewClock},
    TRow{GST_MESSAGE_CLOCK_LOST, FromClockLost},
    TRow{GST_MESSAGE_BUFFERING, FromBuffering},
    TRow{GST_MESSAGE_STATE_CHANGED, FromStateChanged},
    TRow{GST_MESSAGE_STEP_DONE, FromStepDone},
    TRow{GST_MESSAGE_DEVICE_REMOVED, FromDeviceRemoved},
    TRow{GST_MESSAGE_SEGMENT_DONE, FromSegmentDone},
    TRow{GST_MESSAGE_QOS, FromQos},
    TRow{GST_MESSAGE_ELEMENT, FromElement},
};

} // namespace

TEventPosting TranslateBusMessage(GstMessage* message, const TBusContext& context,
                                  TMediaEvent& event) {
    for (const TRow& row : kTable)
        if (GST_MESSAGE_TYPE(message) == row.Type) return row.Translate(message, context, event);
    return TEventPosting::None;
}

} // namespace brisat
