#include "framework/core/streams.h"

#include <algorithm>
#include <cstring>

#include "framework/core/exceptions.h"

namespace brisat {

int64_t TStream::Size() {
    int64_t position = Seek(0, TSeekOrigin::soCurrent);
    int64_t size = Seek(0, TSeekOrigin::soEnd);
    Seek(position, TSeekOrigin::soBeginning);
    return size;
}

std::optional<int64_t> TStream::BytesLeft() {
    int64_t position = Position();
    return std::max<int64_t>(0, Size() - position);
}

void TStream::ReadBuffer(void* buffer, int64_t count) {
    if (count != 0 && Read(buffer, count) != count) throw EReadError(SReadError);
}

void TStream::WriteBuffer(const void* buffer, int64_t count) {
    if (count != 0 && Write(buffer, count) != count) throw EWriteError(SWriteError);
}

int32_t TStream::ReadInt32() {
    uint8_t bytes[4];
    ReadBuffer(bytes, 4);
    return int32_t(uint32_t(bytes[0]) | uint32_t(bytes[1]) << 8 | uint32_t(bytes[2]) << 16 |
                   uint32_t(bytes[3]) << 24);
}

void TStream::WriteInt32(int32_t value) {
    uint32_t v = uint32_t(value);
    uint8_t bytes[4] = {uint8_t(v), uint8_t(v >> 8), uint8_t(v >> 16), uint8_t(v >> 24)};
    WriteBuffer(bytes, 4);
}

std::string TStream::ReadBytes(int64_t count) {
    if (count < 0) throw EReadError(SReadError);
    if (auto left = BytesLeft(); left && *left < count) throw EReadError(SReadError);
    std::string text;
    constexpr int64_t kChunk = 64 * 1024;
    while (int64_t(text.size()) < count) {
        int64_t piece = std::min(kChunk, count - int64_t(text.size()));
        size_t at = text.size();
        text.resize(at + size_t(piece));
        ReadBuffer(text.data() + at, piece);
    }
    return text;
}

std::string TStream::ReadString32() { return ReadBytes(ReadInt32()); }

void TStream::WriteString32(const std::string& text) {
    WriteInt32(int32_t(text.size()));
    WriteBuffer(text.data(), int64_t(text.size()));
}

// --- TMemoryStream --------------------------------------------------------------------------

int64_t TMemoryStream::Read(void* buffer, int64_t count) {
    int64_t available = std::max<int64_t>(0, Size() - m_position);
    int64_t n = std::clamp<int64_t>(count, 0, available);
    if (n > 0) std::memcpy(buffer, m_data.data() + m_position, size_t(n));
    m_position += n;
    return n;
}

int64_t TMemoryStream::Write(const void* buffer, int64_t count) {
    if (count <= 0) return 0;
    size_t end = size_t(m_position + count);
    if (end > m_data.size()) m_data.resize(end);
    std::memcpy(m_data.data() + m_position, buffer, size_t(count));
    m_position += count;
    return count;
}

int64_t TMemoryStream::Seek(int64_t offset, TSeekOrigin origin) {
    int64_t base = origin == TSeekOrigin::soBeginning ? 0
                   : origin == TSeekOrigin::soCurrent ? m_position
                                                      : Size();
    m_position = std::max<int64_t>(0, base + offset);
    return m_position;
}

void TMemoryStream::Clear() {
    m_data.clear();
    m_position = 0;
}

// --- TFileStream ----------------------------------------------------------------------------

TFileStream::TFileStream(const std::string& fileName, Mode mode) {
    m_file = std::fopen(fileName.c_str(), mode == Mode::fmCreate ? "w+b" : "rb");
    if (!m_file) {
        std::string reason = std::strerror(errno);
        if (mode == Mode::fmCreate)
            throw EFCreateError("Cannot create file \"" + fileName + "\". " + reason);
        throw EFOpenError("Cannot open file \"" + fileName + "\". " + reason);
    }
}

TFileStream::~TFileStream() {
    if (m_file) std::fclose(m_file);
}

int64_t TFileStream::Read(void* buffer, int64_t count) {
    if (count <= 0) return 0;
    return int64_t(std::fread(buffer, 1, size_t(count), m_file));
}

int64_t TFileStream::Write(const void* buffer, int64_t count) {
    if (count <= 0) return 0;
    return int64_t(std::fwrite(buffer, 1, size_t(count), m_file));
}

int64_t TFileStream::Seek(int64_t offset, TSeekOrigin origin) {
    int whence = origin == TSeekOrigin::soBeginning ? SEEK_SET
                 : origin == TSeekOrigin::soCurrent ? SEEK_CUR
                                                    : SEEK_END;
    if (std::fseek(m_file, long(offset), whence) != 0) throw EStreamError("Stream seek error");
    return int64_t(std::ftell(m_file));
}

} // namespace brisat
