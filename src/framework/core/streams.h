// Byte streams: TStream with the framework's read/write helpers, an in-memory stream and a file
// stream. ReadBuffer/WriteBuffer raise EReadError/EWriteError on a short transfer.
#pragma once

#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

namespace brisat {

enum class TSeekOrigin { soBeginning, soCurrent, soEnd };

class TStream {
public:
    virtual ~TStream() = default;

    // Transfer up to Count bytes; return how many moved.
    virtual int64_t Read(void* buffer, int64_t count) = 0;
    virtual int64_t Write(const void* buffer, int64_t count) = 0;
    // Returns the new position. Streams that cannot seek raise EStreamError.
    virtual int64_t Seek(int64_t offset, TSeekOrigin origin) = 0;

    int64_t Position() { return Seek(0, TSeekOrigin::soCurrent); }
    void SetPosition(int64_t position) { Seek(position, TSeekOrigin::soBeginning); }
    virtual int64_t Size();
    // Bytes that can still be read, when the stream knows it (not for decompressors). Readers of
    // untrusted data use it to refuse sizes the data cannot hold before allocating.
    virtual std::optional<int64_t> BytesLeft();

    void ReadBuffer(void* buffer, int64_t count);
    void WriteBuffer(const void* buffer, int64_t count);

    int32_t ReadInt32();
    void WriteInt32(int32_t value);
    // A 32-bit byte count followed by that many bytes. The string grows with the data actually
    // read, so a hostile count cannot make a large allocation; a negative count is refused.
    std::string ReadString32();
    void WriteString32(const std::string& text);
    // Reads exactly Count bytes into a string that grows with the data read.
    std::string ReadBytes(int64_t count);
};

class TMemoryStream : public TStream {
public:
    TMemoryStream() = default;
    explicit TMemoryStream(std::vector<uint8_t> data) : m_data(std::move(data)) {}

    int64_t Read(void* buffer, int64_t count) override;
    int64_t Write(const void* buffer, int64_t count) override;
    int64_t Seek(int64_t offset, TSeekOrigin origin) override;
    int64_t Size() override { return int64_t(m_data.size()); }

    const std::vector<uint8_t>& Data() const { return m_data; }
    void Clear();

private:
    std::vector<uint8_t> m_data;
    int64_t m_position = 0;
};

class TFileStream : public TStream {
public:
    enum class Mode { fmOpenRead, fmCreate };
    // Raises EFOpenError / EFCreateError naming the file when it cannot be opened.
    TFileStream(const std::string& fileName, Mode mode);
    ~TFileStream() override;
    TFileStream(const TFileStream&) = delete;
    TFileStream& operator=(const TFileStream&) = delete;

    int64_t Read(void* buffer, int64_t count) override;
    int64_t Write(const void* buffer, int64_t count) override;
    int64_t Seek(int64_t offset, TSeekOrigin origin) override;

private:
    std::FILE* m_file = nullptr;
};

} // namespace brisat
