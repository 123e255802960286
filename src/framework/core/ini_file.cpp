#include "framework/core/ini_file.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace brisat {

namespace {

class TFileDescriptor {
public:
    explicit TFileDescriptor(int fd) : m_fd(fd) {}
    ~TFileDescriptor() {
        if (m_fd >= 0) close(m_fd);
    }
    TFileDescriptor(const TFileDescriptor&) = delete;
    TFileDescriptor& operator=(const TFileDescriptor&) = delete;

    int Get() const { return m_fd; }
    // Closes now, reporting whether the data reached the file system.
    bool Close() {
        int fd = m_fd;
        m_fd = -1;
        return close(fd) == 0;
    }

private:
    int m_fd;
};

enum class TReadResult { Read, Missing, Failed };

// Reads a regular file of at most MaxIniFileSize bytes. Opening without blocking keeps a FIFO in
// the file's place from hanging the program.
TReadResult ReadWholeFile(const std::string& path, std::string& text) {
    TFileDescriptor file(open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK));
    if (file.Get() < 0)
        return errno == ENOENT || errno == ENOTDIR ? TReadResult::Missing : TReadResult::Failed;
    struct stat status;
    if (fstat(file.Get(), &status) != 0 || !S_ISREG(status.st_mode) ||
        uint64_t(status.st_size) > MaxIniFileSize)
        return TReadResult::Failed;
    text.clear();
    char chunk[16384];
    while (true) {
        ssize_t count = read(file.Get(), chunk, sizeof chunk);
        if (count == 0) return TReadResult::Read;
        if (count < 0) {
            if (errno == EINTR) continue;
            return TReadResult::Failed;
        }
        if (text.size() + size_t(count) > MaxIniFileSize) return TReadResult::Failed;
        text.append(chunk, size_t(count));
    }
}

bool WriteAll(int fd, std::string_view text) {
    while (!text.empty()) {
        ssize_t count = write(fd, text.data(), text.size());
        if (count < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        text.remove_prefix(size_t(count));
    }
    return true;
}

// A symbolic link is followed, so a linked configuration file stays linked.
std::string ReplacementTarget(const std::string& path) {
    struct stat status;
    if (lstat(path.c_str(), &status) == 0 && S_ISLNK(status.st_mode)) {
        char resolved[PATH_MAX];
        if (realpath(path.c_str(), resolved)) return resolved;
    }
    return path;
}

// Writes text to a temporary file beside the target, flushes it and renames it over the target.
bool ReplaceFile(const std::string& path, std::string_view text) {
    std::string target = ReplacementTarget(path);
    size_t slash = target.rfind('/');
    std::string prefix = slash == std::string::npos ? "" : target.substr(0, slash + 1);
    std::string folder = prefix.empty() ? "." : prefix;
    std::string temporary = prefix + "." + target.substr(prefix.size()) + ".XXXXXX";
    struct stat status;
    bool replacing = stat(target.c_str(), &status) == 0;
    mode_t mode = replacing ? status.st_mode & 07777 : 0644;

    TFileDescriptor file(mkostemp(temporary.data(), O_CLOEXEC));
    if (file.Get() < 0) return false;
    if (replacing) {
        // Best effort: the new file keeps the old one's owner where we may set it (run as root).
        [[maybe_unused]] int kept = fchown(file.Get(), status.st_uid, status.st_gid);
    }
    bool written =
        WriteAll(file.Get(), text) && fchmod(file.Get(), mode) == 0 && fsync(file.Get()) == 0;
    written = file.Close() && written;
    if (!written || rename(temporary.c_str(), target.c_str()) != 0) {
        unlink(temporary.c_str());
        return false;
    }
    // The rename itself reaches the disk with the folder; failing that is not worth an error.
    TFileDescriptor dir(open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.Get() >= 0) fsync(dir.Get());
    return true;
}

} // namespace

TIniDocument TIniFile::Load() const {
    std::string text;
    if (ReadWholeFile(m_fileName, text) != TReadResult::Read) return {};
    return TIniDocument(std::move(text));
}

std::string TIniFile::ReadString(std::string_view section, std::string_view ident,
                                 std::string_view defaultValue) const {
    return Load().ReadString(section, ident, defaultValue);
}

int32_t TIniFile::ReadInteger(std::string_view section, std::string_view ident,
                              int32_t defaultValue) const {
    return Load().ReadInteger(section, ident, defaultValue);
}

void TIniFile::Update(const std::function<void(TIniDocument&)>& edit) {
    std::string text;
    if (ReadWholeFile(m_fileName, text) == TReadResult::Failed) WriteFailed();
    TIniDocument document(std::move(text));
    edit(document);
    if (!ReplaceFile(m_fileName, document.Text())) WriteFailed();
}

void TIniFile::WriteString(std::string_view section, std::string_view ident,
                           std::string_view value) {
    Update([&](TIniDocument& document) { document.WriteString(section, ident, value); });
}

void TIniFile::WriteInteger(std::string_view section, std::string_view ident, int32_t value) {
    Update([&](TIniDocument& document) { document.WriteInteger(section, ident, value); });
}

void TIniFile::WriteFailed() const {
    throw EIniFileError("Unable to write to " + m_fileName);
}

} // namespace brisat
