// Why a file or an address could not be opened, in a few words the user can act on. The graph
// builder asks these before and after it tries GStreamer, whose own words ("Internal data stream
// error") seldom say what went wrong.
#pragma once

#include "media/platform/result_codes.h"

#include <chrono>
#include <string>

namespace brisat {

struct TOpenProblem {
    HRESULT Result = S_OK;
    std::string Cause; // "" when there is no problem
};

// What keeps a local file from being read at all: a missing file (E_FILE_NOT_FOUND), a folder,
// a file without read permission, a FIFO or a device (VFW_E_CANNOT_LOAD_SOURCE_FILTER). No
// problem for a readable regular file or for an address that names no local file. `uri` is a
// URI; only file: URIs name local files.
TOpenProblem LocalFileProblem(const std::string& uri);

// Why a network address cannot be reached: tries a TCP connection to its host and port for at
// most `timeout` and names the failure ("connection refused", "timed out connecting to …",
// "unknown host …"). "" when the connection works or the address names no host.
std::string NetworkProblem(const std::string& uri, std::chrono::milliseconds timeout);

} // namespace brisat
