// GStreamer's debug log copied into a file while an instance lives. Threads: the log function runs
// on every GStreamer thread; it writes through stdio, which locks the stream per call.
#pragma once

#include <cstdio>

namespace brisat {

class TDebugLogFile {
public:
    // Writes to a duplicate of `fd`; Valid() is false when it cannot be duplicated.
    explicit TDebugLogFile(int fd);
    ~TDebugLogFile();
    TDebugLogFile(const TDebugLogFile&) = delete;
    TDebugLogFile& operator=(const TDebugLogFile&) = delete;

    bool Valid() const { return m_file != nullptr; }

private:
    std::FILE* m_file = nullptr;
};

} // namespace brisat
