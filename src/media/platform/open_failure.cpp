#include "media/platform/open_failure.h"

#include "media/platform/gst_ref.h"

#include <cctype>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <memory>
#include <netdb.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

namespace brisat {

namespace {

// strerror's text as part of a sentence: "Permission denied" → "permission denied".
std::string ErrnoText(int error) {
    std::string text = std::strerror(error);
    if (!text.empty()) text[0] = char(std::tolower(static_cast<unsigned char>(text[0])));
    return text;
}

struct TGUriDeleter {
    void operator()(GstUri* uri) const { gst_uri_unref(uri); }
};

int DefaultPort(const std::string& scheme) {
    if (scheme == "https") return 443;
    if (scheme == "rtsp") return 554;
    if (scheme == "mms" || scheme == "mmsh") return 1755;
    return 80;
}

struct TAddrInfoDeleter {
    void operator()(addrinfo* info) const { freeaddrinfo(info); }
};

// 0 when connected, else the errno of the failure (ETIMEDOUT when `timeout` passed).
int TryConnect(const addrinfo& address, std::chrono::milliseconds timeout) {
    int fd = socket(address.ai_family, address.ai_socktype | SOCK_NONBLOCK | SOCK_CLOEXEC,
                    address.ai_protocol);
    if (fd < 0) return errno;
    int error = 0;
    if (connect(fd, address.ai_addr, address.ai_addrlen) != 0) {
        error = errno;
        if (error == EINPROGRESS) {
            pollfd wait{fd, POLLOUT, 0};
            int ready = poll(&wait, 1, int(timeout.count()));
            socklen_t length = sizeof error;
            if (ready <= 0)
                error = ETIMEDOUT;
            else if (getsockopt(fd, SOL_SOCKET, SO_ERROR, &error, &length) != 0)
                error = errno;
        }
    }
    close(fd);
    return error;
}

} // namespace

TOpenProblem LocalFileProblem(const std::string& uri) {
    std::unique_ptr<gchar, TGFreeDeleter> path(g_filename_from_uri(uri.c_str(), nullptr, nullptr));
    if (!path) return {};
    struct stat status;
    if (stat(path.get(), &status) != 0) {
        HRESULT result = errno == ENOENT ? E_FILE_NOT_FOUND : VFW_E_CANNOT_LOAD_SOURCE_FILTER;
        return {result, errno == ENOENT ? "no such file or folder" : ErrnoText(errno)};
    }
    if (S_ISDIR(status.st_mode))
        return {VFW_E_CANNOT_LOAD_SOURCE_FILTER, "is a folder, not a media file"};
    // Opening a FIFO or reading a device may wait for another program for ever.
    if (!S_ISREG(status.st_mode)) return {VFW_E_CANNOT_LOAD_SOURCE_FILTER, "is not a regular file"};
    if (access(path.get(), R_OK) != 0) return {VFW_E_CANNOT_LOAD_SOURCE_FILTER, ErrnoText(errno)};
    return {};
}

std::string NetworkProblem(const std::string& uri, std::chrono::milliseconds timeout) {
    std::unique_ptr<GstUri, TGUriDeleter> parsed(gst_uri_from_string(uri.c_str()));
    const gchar* host = parsed ? gst_uri_get_host(parsed.get()) : nullptr;
    if (!host || !*host || !gst_uri_get_scheme(parsed.get())) return "";
    guint port = gst_uri_get_port(parsed.get());
    std::string service = std::to_string(
        port == GST_URI_NO_PORT ? DefaultPort(gst_uri_get_scheme(parsed.get())) : int(port));
    addrinfo hints{};
    hints.ai_socktype = SOCK_STREAM;
    addrinfo* found = nullptr;
    if (getaddrinfo(host, service.c_str(), &hints, &found) != 0 || !found)
        return std::string("unknown host ") + host;
    std::unique_ptr<addrinfo, TAddrInfoDeleter> addresses(found);
    int error = 0;
    for (const addrinfo* address = found; address; address = address->ai_next)
        if ((error = TryConnect(*address, timeout)) == 0) return "";
    if (error == ETIMEDOUT) return "timed out connecting to " + std::string(host);
    return ErrnoText(error);
}

} // namespace brisat
