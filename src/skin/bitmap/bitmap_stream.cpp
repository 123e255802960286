// TKsBitmap stream layout, little-endian: name length (int32), name bytes, width (int32), height
// (int32), then width × height pixels as bytes B, G, R, A, rows top to bottom. The pixel block is
// the in-memory layout of a little-endian machine, so it is read and written as it stands.
#include "framework/core/exceptions.h"
#include "framework/core/streams.h"
#include "skin/bitmap/bitmap.h"
#include "skin/bitmap/checked_math.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <vector>

namespace brisat {

static_assert(std::endian::native == std::endian::little,
              "pixel blocks are stored in memory order, which is little-endian B, G, R, A");

namespace {

// Streams that cannot tell their length (decompressors) are read in pieces of this many pixels,
// so a size the data does not back costs at most one piece more than the data read.
constexpr int64_t kPixelChunk = 256 * 1024;

// Reads Count pixels from a stream of unknown length into a buffer that grows with the data.
std::vector<TKsPixel> ReadPixelsInChunks(TStream& stream, int64_t count) {
    std::vector<TKsPixel> pixels;
    while (int64_t(pixels.size()) < count) {
        const int64_t piece = std::min(kPixelChunk, count - int64_t(pixels.size()));
        const size_t at = pixels.size();
        pixels.resize(at + size_t(piece));
        stream.ReadBuffer(pixels.data() + at, piece * 4);
    }
    return pixels;
}

} // namespace

void TKsBitmap::LoadFromStream(TStream& stream) {
    std::string name = stream.ReadString32();
    const int32_t storedWidth = stream.ReadInt32();
    const int32_t storedHeight = stream.ReadInt32();
    m_name = std::move(name);
    // Negative sizes count as their absolute values, as SetSize takes them.
    const int32_t width = CheckedAbs(storedWidth), height = CheckedAbs(storedHeight);
    if (width == 0 || height == 0) {
        SetSize(width, height); // leaves the bitmap as it was; no pixel block follows
        return;
    }
    const int64_t count = int64_t(width) * height;
    if (count > TSurface::MaxPixels) RaiseIntOverflow();
    const std::optional<int64_t> left = stream.BytesLeft();
    if (left) {
        // Refused before allocating: the stream cannot hold what the size claims.
        if (*left < count * 4) throw EReadError(SReadError);
        SetSize(width, height);
        if (Width() == width && Height() == height) stream.ReadBuffer(Bits(), count * 4);
        return;
    }
    const std::vector<TKsPixel> pixels = ReadPixelsInChunks(stream, count);
    SetSize(width, height);
    if (Width() == width && Height() == height) std::copy(pixels.begin(), pixels.end(), Bits());
}

void TKsBitmap::SaveToStream(TStream& stream) const {
    stream.WriteString32(m_name);
    stream.WriteInt32(Width());
    stream.WriteInt32(Height());
    if (!Empty()) stream.WriteBuffer(Bits(), int64_t(m_surface.PixelCount()) * 4);
}

} // namespace brisat
