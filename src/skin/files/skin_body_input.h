// The stream a skin body is read through: each section of the body gets a byte budget (reading
// beyond it raises EReadError naming the section and its limit), and bytes just read can be
// handed back to be read again, so a record's sizes can be checked before its reader allocates.
#pragma once

#include "framework/core/streams.h"

#include <optional>
#include <string>

namespace brisat {

class TSkinBodyInput : public TStream {
public:
    explicit TSkinBodyInput(TStream& source) : m_source(source) {}

    // From now on at most Budget bytes may be read for the section named What (a plural:
    // "object records").
    void Limit(int64_t budget, std::string what);
    // Bytes to be read again before the source's next ones.
    void Unread(std::string bytes);

    int64_t Read(void* buffer, int64_t count) override;
    // Raises EStreamError: a body is only read.
    int64_t Write(const void* buffer, int64_t count) override;
    // Only Seek(0, soCurrent): the bytes read so far.
    int64_t Seek(int64_t offset, TSeekOrigin origin) override;
    std::optional<int64_t> BytesLeft() override;

private:
    TStream& m_source;
    std::string m_unread;
    int64_t m_budget = 0;
    int64_t m_limit = 0;
    std::string m_section;
    int64_t m_position = 0;
};

} // namespace brisat
