#include "media/platform/result_codes.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace brisat {

namespace {

struct TResultText {
    HRESULT Code;
    const char* Text;
};

constexpr std::array kTexts{
    TResultText{S_OK, "The operation completed successfully."},
    TResultText{S_FALSE, "The operation is still under way or had nothing to do."},
    TResultText{VFW_S_DUPLICATE_NAME, "The filter was added under a modified name because its name "
                                      "was taken."},
    TResultText{VFW_S_PARTIAL_RENDER, "Some of the streams in this movie are in an unsupported "
                                      "format."},
    TResultText{VFW_S_VIDEO_NOT_RENDERED, "The video stream could not be played back."},
    TResultText{VFW_S_AUDIO_NOT_RENDERED, "The audio stream could not be played back."},
    TResultText{E_NOTIMPL, "Not implemented."},
    TResultText{E_NOINTERFACE, "No such interface supported."},
    TResultText{E_POINTER, "Invalid pointer."},
    TResultText{E_ABORT, "Operation aborted."},
    TResultText{E_FAIL, "Unspecified error."},
    TResultText{E_UNEXPECTED, "Catastrophic failure."},
    TResultText{E_FILE_NOT_FOUND, "The system cannot find the file specified."},
    TResultText{E_ACCESSDENIED, "Access is denied."},
    TResultText{E_OUTOFMEMORY, "Not enough storage is available to complete this operation."},
    TResultText{E_INVALIDARG, "The parameter is incorrect."},
    TResultText{VFW_E_INVALIDMEDIATYPE, "The specified media type is invalid."},
    TResultText{VFW_E_ALREADY_CONNECTED, "The pin is already connected."},
    TResultText{VFW_E_NO_ACCEPTABLE_TYPES, "There is no common media type between these pins."},
    TResultText{VFW_E_NOT_CONNECTED, "The operation cannot be performed because the pins are not "
                                     "connected."},
    TResultText{VFW_E_NOT_FOUND, "An object or name was not found."},
    TResultText{VFW_E_CANNOT_CONNECT, "No combination of intermediate filters could be found to "
                                      "make the connection."},
    TResultText{VFW_E_CANNOT_RENDER, "No combination of filters could be found to render the "
                                     "stream."},
    TResultText{VFW_E_WRONG_STATE, "The operation could not be performed because the filter is in "
                                   "the wrong state."},
    TResultText{VFW_E_TIMEOUT, "A time-out has expired."},
    TResultText{VFW_E_INVALID_FILE_FORMAT, "The file format is invalid."},
    TResultText{VFW_E_UNKNOWN_FILE_TYPE, "The media type of this file is not recognized."},
    TResultText{VFW_E_CANNOT_LOAD_SOURCE_FILTER, "The source filter for this file could not be "
                                                 "loaded."},
    TResultText{VFW_E_FILE_TOO_SHORT, "A file appeared to be incomplete."},
    TResultText{VFW_E_NO_AUDIO_HARDWARE, "Cannot play back the audio stream: no audio hardware is "
                                         "available, or the hardware is not responding."},
    TResultText{VFW_E_UNSUPPORTED_STREAM, "Cannot play back the file. The format is not "
                                          "supported."},
    TResultText{VFW_E_DVD_GRAPHNOTREADY, "The DVD graph is not ready: no DVD volume has been "
                                         "rendered."},
    TResultText{VFW_E_DVD_RENDERFAIL, "The DVD volume could not be rendered: no DVD video was "
                                      "found there, or the DVD source is not installed."},
    TResultText{VFW_E_NO_CAPTURE_HARDWARE, "Cannot capture: no capture device is available."},
};

// One row per GStreamer error: domain, code, our result. Unlisted codes of a known domain fall
// back to the row with code -1 of that domain.
struct TGstErrorRow {
    GQuark (*Domain)();
    int Code;
    HRESULT Result;
};

const std::array kGstErrors{
    TGstErrorRow{gst_core_error_quark, GST_CORE_ERROR_MISSING_PLUGIN, VFW_E_CANNOT_RENDER},
    TGstErrorRow{gst_core_error_quark, GST_CORE_ERROR_NEGOTIATION, VFW_E_CANNOT_CONNECT},
    TGstErrorRow{gst_core_error_quark, GST_CORE_ERROR_STATE_CHANGE, VFW_E_WRONG_STATE},
    TGstErrorRow{gst_core_error_quark, GST_CORE_ERROR_NOT_IMPLEMENTED, E_NOTIMPL},
    TGstErrorRow{gst_core_error_quark, GST_CORE_ERROR_PAD, VFW_E_NOT_CONNECTED},
    TGstErrorRow{gst_core_error_quark, -1, E_FAIL},
    TGstErrorRow{gst_library_error_quark, -1, E_FAIL},
    TGstErrorRow{gst_resource_error_quark, GST_RESOURCE_ERROR_NOT_FOUND, E_FILE_NOT_FOUND},
    TGstErrorRow{gst_resource_error_quark, GST_RESOURCE_ERROR_OPEN_READ,
                 VFW_E_CANNOT_LOAD_SOURCE_FILTER},
    TGstErrorRow{gst_resource_error_quark, GST_RESOURCE_ERROR_OPEN_READ_WRITE,
                 VFW_E_CANNOT_LOAD_SOURCE_FILTER},
    TGstErrorRow{gst_resource_error_quark, GST_RESOURCE_ERROR_READ, VFW_E_FILE_TOO_SHORT},
    TGstErrorRow{gst_resource_error_quark, GST_RESOURCE_ERROR_NOT_AUTHORIZED, E_ACCESSDENIED},
    TGstErrorRow{gst_resource_error_quark, GST_RESOURCE_ERROR_NO_SPACE_LEFT, E_OUTOFMEMORY},
    TGstErrorRow{gst_resource_error_quark, GST_RESOURCE_ERROR_BUSY, VFW_E_NO_AUDIO_HARDWARE},
    TGstErrorRow{gst_resource_error_quark, -1, E_FAIL},
    TGstErrorRow{gst_stream_error_quark, GST_STREAM_ERROR_TYPE_NOT_FOUND, VFW_E_UNKNOWN_FILE_TYPE},
    TGstErrorRow{gst_stream_error_quark, GST_STREAM_ERROR_WRONG_TYPE, VFW_E_UNSUPPORTED_STREAM},
    TGstErrorRow{gst_stream_error_quark, GST_STREAM_ERROR_CODEC_NOT_FOUND, VFW_E_CANNOT_RENDER},
    TGstErrorRow{gst_stream_error_quark, GST_STREAM_ERROR_DECODE, VFW_E_INVALID_FILE_FORMAT},
    TGstErrorRow{gst_stream_error_quark, GST_STREAM_ERROR_DEMUX, VFW_E_INVALID_FILE_FORMAT},
    TGstErrorRow{gst_stream_error_quark, GST_STREAM_ERROR_FORMAT, VFW_E_INVALIDMEDIATYPE},
    TGstErrorRow{gst_stream_error_quark, GST_STREAM_ERROR_DECRYPT, E_ACCESSDENIED},
    TGstErrorRow{gst_stream_error_quark, GST_STREAM_ERROR_DECRYPT_NOKEY, E_ACCESSDENIED},
    TGstErrorRow{gst_stream_error_quark, GST_STREAM_ERROR_NOT_IMPLEMENTED, E_NOTIMPL},
    TGstErrorRow{gst_stream_error_quark, -1, VFW_E_INVALID_FILE_FORMAT},
};

const char* FindText(HRESULT code) {
    auto row = std::find_if(kTexts.begin(), kTexts.end(),
                            [code](const TResultText& r) { return r.Code == code; });
    return row == kTexts.end() ? nullptr : row->Text;
}

} // namespace

std::uint32_t AMGetErrorTextA(HRESULT code, char* buffer, std::uint32_t maxLength) {
    const char* text = FindText(code);
    if (!buffer || maxLength == 0) return 0;
    buffer[0] = '\0';
    if (!text) return 0;
    std::size_t length = std::min<std::size_t>(std::strlen(text), maxLength - 1);
    std::memcpy(buffer, text, length);
    buffer[length] = '\0';
    return static_cast<std::uint32_t>(length);
}

std::string MediaResultText(HRESULT code) {
    const char* text = FindText(code);
    return text ? text : "";
}

HRESULT ResultFromGstError(const GError* error) {
    if (!error) return E_FAIL;
    const TGstErrorRow* fallback = nullptr;
    for (const TGstErrorRow& row : kGstErrors) {
        if (row.Domain() != error->domain) continue;
        if (row.Code == error->code) return row.Result;
        if (row.Code == -1) fallback = &row;
    }
    return fallback ? fallback->Result : E_FAIL;
}

HRESULT ResultFromPadLink(GstPadLinkReturn link) {
    switch (link) {
    case GST_PAD_LINK_OK:
        return S_OK;
    case GST_PAD_LINK_WAS_LINKED:
        return VFW_E_ALREADY_CONNECTED;
    case GST_PAD_LINK_WRONG_DIRECTION:
        return E_INVALIDARG;
    case GST_PAD_LINK_NOFORMAT:
        return VFW_E_NO_ACCEPTABLE_TYPES;
    case GST_PAD_LINK_WRONG_HIERARCHY:
        return VFW_E_NOT_FOUND;
    default:
        return VFW_E_CANNOT_CONNECT;
    }
}

} // namespace brisat
