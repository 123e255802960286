// Where the player can take media from, as the desktop names it: the URI schemes GStreamer has a
// source element for, and the MIME types of the files it plays.
#pragma once

#include <string>
#include <vector>

namespace brisat {

// Of the schemes a player is asked about ("file", "http", "https", "rtsp", "rtmp", "mms",
// "mmsh"), those an installed source element reads.
std::vector<std::string> PlayableUriSchemes();
// The MIME types of PlayableMediaTypes' file extensions, sorted, without duplicates. Asks
// GStreamer's registry: not for the GUI thread.
std::vector<std::string> PlayableMimeTypes();

} // namespace brisat
