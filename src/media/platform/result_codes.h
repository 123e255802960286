// Result codes of the media layer: 32-bit values shaped like COM HRESULTs (negative = failure,
// 0 = S_OK, 1 = S_FALSE, other non-negative values = success with a remark). Every code this layer
// produces has a text (AMGetErrorTextA). GStreamer errors become codes through one table,
// ResultFromGstError.
#pragma once

#include <cstdint>
#include <gst/gst.h>
#include <string>

namespace brisat {

using HRESULT = std::int32_t;

constexpr HRESULT MakeResult(std::uint32_t bits) {
    return static_cast<HRESULT>(bits);
}

constexpr HRESULT S_OK = 0;
constexpr HRESULT S_FALSE = 1;
constexpr HRESULT VFW_S_DUPLICATE_NAME = MakeResult(0x0004022D);
constexpr HRESULT VFW_S_PARTIAL_RENDER = MakeResult(0x00040242);
constexpr HRESULT VFW_S_VIDEO_NOT_RENDERED = MakeResult(0x00040257);
constexpr HRESULT VFW_S_AUDIO_NOT_RENDERED = MakeResult(0x00040258);

constexpr HRESULT E_NOTIMPL = MakeResult(0x80004001);
constexpr HRESULT E_NOINTERFACE = MakeResult(0x80004002);
constexpr HRESULT E_POINTER = MakeResult(0x80004003);
constexpr HRESULT E_ABORT = MakeResult(0x80004004);
constexpr HRESULT E_FAIL = MakeResult(0x80004005);
constexpr HRESULT E_UNEXPECTED = MakeResult(0x8000FFFF);
constexpr HRESULT E_FILE_NOT_FOUND = MakeResult(0x80070002); // from Win32 ERROR_FILE_NOT_FOUND
constexpr HRESULT E_ACCESSDENIED = MakeResult(0x80070005);
constexpr HRESULT E_OUTOFMEMORY = MakeResult(0x8007000E);
constexpr HRESULT E_INVALIDARG = MakeResult(0x80070057);

constexpr HRESULT VFW_E_INVALIDMEDIATYPE = MakeResult(0x80040200);
constexpr HRESULT VFW_E_ALREADY_CONNECTED = MakeResult(0x80040204);
constexpr HRESULT VFW_E_NO_ACCEPTABLE_TYPES = MakeResult(0x80040207);
constexpr HRESULT VFW_E_NOT_CONNECTED = MakeResult(0x80040209);
constexpr HRESULT VFW_E_NOT_FOUND = MakeResult(0x80040216);
constexpr HRESULT VFW_E_CANNOT_CONNECT = MakeResult(0x80040217);
constexpr HRESULT VFW_E_CANNOT_RENDER = MakeResult(0x80040218);
constexpr HRESULT VFW_E_WRONG_STATE = MakeResult(0x80040227);
constexpr HRESULT VFW_E_TIMEOUT = MakeResult(0x8004022E);
constexpr HRESULT VFW_E_INVALID_FILE_FORMAT = MakeResult(0x8004022F);
constexpr HRESULT VFW_E_UNKNOWN_FILE_TYPE = MakeResult(0x80040240);
constexpr HRESULT VFW_E_CANNOT_LOAD_SOURCE_FILTER = MakeResult(0x80040241);
constexpr HRESULT VFW_E_FILE_TOO_SHORT = MakeResult(0x80040243);
constexpr HRESULT VFW_E_NO_AUDIO_HARDWARE = MakeResult(0x80040256);
constexpr HRESULT VFW_E_UNSUPPORTED_STREAM = MakeResult(0x80040265);
constexpr HRESULT VFW_E_DVD_GRAPHNOTREADY = MakeResult(0x80040279);
constexpr HRESULT VFW_E_DVD_RENDERFAIL = MakeResult(0x8004027A);
constexpr HRESULT VFW_E_NO_CAPTURE_HARDWARE = MakeResult(0x8004027E);

constexpr bool Succeeded(HRESULT hr) {
    return hr >= 0;
}
constexpr bool Failed(HRESULT hr) {
    return hr < 0;
}

// Writes the text of `code` into `buffer` (at most maxLength characters including the NUL) and
// returns the number of characters written without the NUL; 0 for an unknown code or no buffer.
std::uint32_t AMGetErrorTextA(HRESULT code, char* buffer, std::uint32_t maxLength);

// The text of `code`, or an empty string for a code this layer never produces.
std::string MediaResultText(HRESULT code);

// The code for a GStreamer error (domain and code of the GError); E_FAIL for null.
HRESULT ResultFromGstError(const GError* error);

// The code for a failed pad link.
HRESULT ResultFromPadLink(GstPadLinkReturn link);

} // namespace brisat
