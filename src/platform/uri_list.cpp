#include "platform/uri_list.h"

#include <glib.h>

namespace brisat {
namespace {

std::string_view Trimmed(std::string_view line) {
    const size_t first = line.find_first_not_of(" \t\r");
    if (first == std::string_view::npos) return {};
    const size_t last = line.find_last_not_of(" \t\r");
    return line.substr(first, last - first + 1);
}

// The entry for one URI, "" when it is none the list may hold.
std::string Entry(const std::string& uri) {
    gchar* scheme = g_uri_parse_scheme(uri.c_str());
    if (!scheme) return {};
    const bool file = g_ascii_strcasecmp(scheme, "file") == 0;
    g_free(scheme);
    if (!file) return uri;
    gchar* host = nullptr;
    gchar* path = g_filename_from_uri(uri.c_str(), &host, nullptr);
    const bool local = !host || g_ascii_strcasecmp(host, "localhost") == 0;
    std::string result = path && local ? path : "";
    g_free(host);
    g_free(path);
    return result;
}

} // namespace

std::vector<std::string> ParseUriList(std::string_view text) {
    std::vector<std::string> entries;
    while (!text.empty()) {
        const size_t end = text.find('\n');
        const std::string_view line = Trimmed(text.substr(0, end));
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        if (line.empty() || line.front() == '#' || line.find('\0') != std::string_view::npos)
            continue;
        std::string entry = Entry(std::string(line));
        if (!entry.empty()) entries.push_back(std::move(entry));
    }
    return entries;
}

} // namespace brisat
