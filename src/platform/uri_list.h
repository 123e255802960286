// The text/uri-list format that drag sources put on a drop (RFC 2483): one URI a line, lines
// ending in CR LF (a bare LF is taken too), "#" starting a comment.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace brisat {

// The list's entries in order: a file: URI of this machine as its local path, any other URI as
// it stands. Comments, blank lines and lines that are no URI (no scheme, a file on another host,
// a NUL inside) are left out.
std::vector<std::string> ParseUriList(std::string_view text);

} // namespace brisat
