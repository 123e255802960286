#include "skin/files/zlib_streams.h"

#include <algorithm>
#include <limits>
#include <zlib.h>

namespace brisat {
namespace {

constexpr size_t kBufferSize = 64 * 1024;
// The largest expansion deflate data can have.
constexpr int64_t kMaxInflateRatio = 1032;
constexpr int kWindowBits = 15;
constexpr int kDefaultMemLevel = 8;

// zlib counts in unsigned int; larger requests are served in pieces.
uInt Piece(int64_t count) {
    return uInt(std::min<int64_t>(count, std::numeric_limits<uInt>::max()));
}

} // namespace

// --- TCompressionStream ---------------------------------------------------------------------

struct TCompressionStream::TState {
    z_stream Z{};
    std::vector<uint8_t> Out = std::vector<uint8_t>(kBufferSize);
    int64_t Written = 0;
};

TCompressionStream::TCompressionStream(TStream& dest, int level)
    : m_dest(dest), m_state(std::make_unique<TState>()) {
    if (deflateInit2(&m_state->Z, level, Z_DEFLATED, kWindowBits, kDefaultMemLevel,
                     Z_DEFAULT_STRATEGY) != Z_OK)
        throw ECompressionError(SZLibError);
}

TCompressionStream::~TCompressionStream() {
    deflateEnd(&m_state->Z);
}

int64_t TCompressionStream::Read(void*, int64_t) {
    throw ECompressionError(SInvalidStreamOperation);
}

int64_t TCompressionStream::Write(const void* buffer, int64_t count) {
    if (m_finished) throw ECompressionError(SInvalidStreamOperation);
    const auto* bytes = static_cast<const uint8_t*>(buffer);
    for (int64_t done = 0; done < count;) {
        const uInt piece = Piece(count - done);
        m_state->Z.next_in = const_cast<Bytef*>(bytes + done);
        m_state->Z.avail_in = piece;
        Deflate(Z_NO_FLUSH);
        done += piece;
    }
    m_state->Written += std::max<int64_t>(count, 0);
    return std::max<int64_t>(count, 0);
}

int64_t TCompressionStream::Seek(int64_t offset, TSeekOrigin origin) {
    if (offset != 0 || origin != TSeekOrigin::soCurrent)
        throw ECompressionError(SInvalidStreamOperation);
    return m_state->Written;
}

void TCompressionStream::Finish() {
    if (m_finished) return;
    m_state->Z.next_in = nullptr;
    m_state->Z.avail_in = 0;
    Deflate(Z_FINISH);
    m_finished = true;
}

// Runs deflate until the input is used up (and, when finishing, the stream is ended), writing
// each full output buffer to the destination.
void TCompressionStream::Deflate(int flush) {
    z_stream& z = m_state->Z;
    for (;;) {
        z.next_out = m_state->Out.data();
        z.avail_out = uInt(m_state->Out.size());
        const int result = deflate(&z, flush);
        if (result == Z_STREAM_ERROR) throw ECompressionError(SZLibError);
        m_dest.WriteBuffer(m_state->Out.data(), int64_t(m_state->Out.size() - z.avail_out));
        if (flush == Z_FINISH ? result == Z_STREAM_END : z.avail_in == 0 && z.avail_out != 0)
            return;
    }
}

// --- TDecompressionStream -------------------------------------------------------------------

struct TDecompressionStream::TState {
    z_stream Z{};
    std::vector<uint8_t> In = std::vector<uint8_t>(kBufferSize);
    int64_t Read = 0;
};

TDecompressionStream::TDecompressionStream(TStream& source)
    : m_source(source), m_state(std::make_unique<TState>()) {
    if (inflateInit2(&m_state->Z, kWindowBits) != Z_OK) throw EDecompressionError(SZLibError);
}

TDecompressionStream::~TDecompressionStream() {
    inflateEnd(&m_state->Z);
}

// Takes more compressed bytes from the source; false when it has none.
bool TDecompressionStream::Refill() {
    const int64_t got = m_source.Read(m_state->In.data(), int64_t(m_state->In.size()));
    m_state->Z.next_in = m_state->In.data();
    m_state->Z.avail_in = uInt(got);
    return got > 0;
}

int64_t TDecompressionStream::Read(void* buffer, int64_t count) {
    z_stream& z = m_state->Z;
    auto* out = static_cast<uint8_t*>(buffer);
    int64_t done = 0;
    while (done < count && !m_ended) {
        if (z.avail_in == 0 && !Refill()) break;
        z.next_out = out + done;
        z.avail_out = Piece(count - done);
        const uInt before = z.avail_out;
        const int result = inflate(&z, Z_NO_FLUSH);
        done += before - z.avail_out;
        if (result == Z_STREAM_END)
            m_ended = true;
        else if (result != Z_OK && result != Z_BUF_ERROR)
            throw EDecompressionError(SZLibError);
    }
    m_state->Read += done;
    return done;
}

int64_t TDecompressionStream::Write(const void*, int64_t) {
    throw EDecompressionError(SInvalidStreamOperation);
}

int64_t TDecompressionStream::Seek(int64_t offset, TSeekOrigin origin) {
    if (offset != 0 || origin != TSeekOrigin::soCurrent)
        throw EDecompressionError(SInvalidStreamOperation);
    return m_state->Read;
}

std::optional<int64_t> TDecompressionStream::BytesLeft() {
    if (m_ended) return 0;
    const std::optional<int64_t> sourceLeft = m_source.BytesLeft();
    if (!sourceLeft) return std::nullopt;
    // A match cut by the end of the last output buffer may still be pending inside inflate.
    constexpr int64_t kPendingMatch = 258;
    const int64_t compressed = std::min(*sourceLeft + int64_t(m_state->Z.avail_in),
                                        std::numeric_limits<int64_t>::max() / kMaxInflateRatio - 1);
    return compressed * kMaxInflateRatio + kPendingMatch;
}

} // namespace brisat
