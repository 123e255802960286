#include "media/graph_log_file.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace brisat {

std::unique_ptr<TGraphLogFile> TGraphLogFile::Create(const std::string& path) {
    if (path.empty()) return nullptr;
    // Locked before truncating, so a log another player is writing is not cut short.
    int fd = open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOCTTY, 0644);
    if (fd < 0) return nullptr;
    if (flock(fd, LOCK_EX | LOCK_NB) != 0 || ftruncate(fd, 0) != 0) {
        close(fd);
        return nullptr;
    }
    return std::make_unique<TGraphLogFile>(fd);
}

TGraphLogFile::~TGraphLogFile() {
    close(m_fd);
}

} // namespace brisat
