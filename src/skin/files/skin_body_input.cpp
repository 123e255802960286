#include "skin/files/skin_body_input.h"

#include "framework/core/exceptions.h"

#include <algorithm>
#include <cstring>

namespace brisat {

void TSkinBodyInput::Limit(int64_t budget, std::string what) {
    m_budget = m_limit = budget;
    m_section = std::move(what);
}

void TSkinBodyInput::Unread(std::string bytes) {
    m_budget += int64_t(bytes.size());
    m_position -= int64_t(bytes.size());
    m_unread.insert(0, bytes);
}

int64_t TSkinBodyInput::Read(void* buffer, int64_t count) {
    if (count <= 0) return 0;
    if (count > m_budget)
        throw EReadError(m_section + " exceed the limit of " + std::to_string(m_limit) +
                         " bytes");
    auto* out = static_cast<char*>(buffer);
    const int64_t replayed = std::min<int64_t>(count, int64_t(m_unread.size()));
    std::memcpy(out, m_unread.data(), size_t(replayed));
    m_unread.erase(0, size_t(replayed));
    const int64_t done = replayed + m_source.Read(out + replayed, count - replayed);
    m_budget -= done;
    m_position += done;
    return done;
}

int64_t TSkinBodyInput::Write(const void*, int64_t) {
    throw EStreamError("A skin body is read only");
}

int64_t TSkinBodyInput::Seek(int64_t offset, TSeekOrigin origin) {
    if (offset != 0 || origin != TSeekOrigin::soCurrent)
        throw EStreamError("A skin body is read in order");
    return m_position;
}

std::optional<int64_t> TSkinBodyInput::BytesLeft() {
    const std::optional<int64_t> left = m_source.BytesLeft();
    if (!left) return std::nullopt;
    return *left + int64_t(m_unread.size());
}

} // namespace brisat
