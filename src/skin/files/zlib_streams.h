// Streams over zlib: a compressor writing one zlib-format stream (window 2^15, default memory
// level and strategy) into another stream, and a decompressor reading one back on demand. Neither
// moves: a seek other than the position query, a read on the compressor or a write on the
// decompressor raises "Invalid stream operation".
#pragma once

#include "framework/core/exceptions.h"
#include "framework/core/streams.h"

#include <memory>
#include <optional>
#include <vector>

namespace brisat {

class EZLibError : public Exception {
public:
    using Exception::Exception;
};
class ECompressionError : public EZLibError {
public:
    using EZLibError::EZLibError;
};
// Corrupt compressed data raises it with the message "error".
class EDecompressionError : public EZLibError {
public:
    using EZLibError::EZLibError;
};

inline constexpr const char* SInvalidStreamOperation = "Invalid stream operation";
inline constexpr const char* SZLibError = "error";

class TCompressionStream : public TStream {
public:
    // Level 0..9 (1 fastest, 9 best).
    TCompressionStream(TStream& dest, int level);
    ~TCompressionStream() override;
    TCompressionStream(const TCompressionStream&) = delete;
    TCompressionStream& operator=(const TCompressionStream&) = delete;

    int64_t Read(void* buffer, int64_t count) override;
    int64_t Write(const void* buffer, int64_t count) override;
    // Only Seek(0, soCurrent), the count of bytes written so far.
    int64_t Seek(int64_t offset, TSeekOrigin origin) override;
    // Ends the zlib stream and writes what is left; later writes raise.
    void Finish();

private:
    struct TState;
    void Deflate(int flush);

    TStream& m_dest;
    std::unique_ptr<TState> m_state;
    bool m_finished = false;
};

class TDecompressionStream : public TStream {
public:
    explicit TDecompressionStream(TStream& source);
    ~TDecompressionStream() override;
    TDecompressionStream(const TDecompressionStream&) = delete;
    TDecompressionStream& operator=(const TDecompressionStream&) = delete;

    // Inflates only as much as asked for; returns fewer bytes at the end of the zlib stream or of
    // the source, raises EDecompressionError "error" for corrupt data.
    int64_t Read(void* buffer, int64_t count) override;
    int64_t Write(const void* buffer, int64_t count) override;
    // Only Seek(0, soCurrent), the count of bytes read so far.
    int64_t Seek(int64_t offset, TSeekOrigin origin) override;
    // An upper bound: deflate expands at most 1032 times, so the compressed bytes left bound what
    // can still come out (nullopt when the source cannot tell). Lets readers refuse sizes the
    // input cannot hold before they allocate.
    std::optional<int64_t> BytesLeft() override;

private:
    struct TState;
    bool Refill();

    TStream& m_source;
    std::unique_ptr<TState> m_state;
    bool m_ended = false;
};

} // namespace brisat
