// The file GStreamer's debug log goes to while a graph is active: created anew (truncating an
// existing file), locked against other writers, closed with the object. GUI thread only.
#pragma once

#include <memory>
#include <string>

namespace brisat {

class TGraphLogFile {
public:
    // nullptr when the file cannot be created or another process holds its lock.
    static std::unique_ptr<TGraphLogFile> Create(const std::string& path);
    ~TGraphLogFile();
    TGraphLogFile(const TGraphLogFile&) = delete;
    TGraphLogFile& operator=(const TGraphLogFile&) = delete;

    // The open file's descriptor, for TMediaPipeline::SetLogFile.
    int Handle() const { return m_fd; }

    // Takes over an open descriptor; use Create.
    explicit TGraphLogFile(int fd) : m_fd(fd) {}

private:
    int m_fd;
};

} // namespace brisat
