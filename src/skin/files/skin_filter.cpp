#include "skin/files/skin_filter.h"

#include "skin/files/error_context.h"
#include "skin/files/skin_source.h"
#include "skin/files/zlib_streams.h"

namespace brisat {
namespace {

constexpr char kCompressedHeader[4] = {'K', 'S', 'L', 'Z'};

void WriteCompressed(TStream& stream, const TSeSkinBody& body, int level) {
    stream.WriteBuffer(kCompressedHeader, sizeof kCompressedHeader);
    TCompressionStream deflated(stream, level);
    WriteSkinBody(deflated, body);
    deflated.Finish();
}

} // namespace

void TSeSkinFilter::LoadSource(TSeSkinBody (*read)(TStream&), TStream& stream) {
    m_source.Clear();
    try {
        m_source.LoadBody(read(stream));
    } catch (...) {
        m_source.Clear();
        throw;
    }
}

void TSeSkinFilterUncompressed::SaveToStream(TStream& stream) {
    WriteBody(stream, Source().Body());
}

TSeSkinBody TSeSkinFilterUncompressed::ReadBody(TStream& stream) {
    return ReadSkinBody(stream);
}

void TSeSkinFilterUncompressed::WriteBody(TStream& stream, const TSeSkinBody& body) {
    WriteSkinBody(stream, body);
}

void TSeSkinFilterCompressed::SaveToStream(TStream& stream) {
    WriteBody(stream, Source().Body());
}

TSeSkinBody TSeSkinFilterCompressed::ReadBody(TStream& stream) {
    char header[4];
    stream.ReadBuffer(header, sizeof header); // any four bytes are accepted
    TDecompressionStream inflated(stream);
    try {
        return ReadSkinBody(inflated);
    } catch (const EDecompressionError&) {
        RethrowWithContext("compressed data is corrupt");
    }
}

void TSeSkinFilterCompressed::WriteBody(TStream& stream, const TSeSkinBody& body) {
    WriteCompressed(stream, body, 1);
}

void TSeSkinFilterUltraCompressed::SaveToStream(TStream& stream) {
    WriteBody(stream, Source().Body());
}

void TSeSkinFilterUltraCompressed::WriteBody(TStream& stream, const TSeSkinBody& body) {
    WriteCompressed(stream, body, 9);
}

} // namespace brisat
