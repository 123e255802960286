// The bitmap record of skin files, and records that are damaged or hostile.
#include "framework/core/exceptions.h"
#include "framework/core/streams.h"
#include "skin/bitmap/bitmap.h"
#include "skin/bitmap_fixture.h"

#include <algorithm>
#include <climits>
#include <cstring>
#include <gtest/gtest.h>

using namespace brisat;
using namespace brisat::test;

namespace {

// A forward-only stream that cannot tell how much is left, like a decompressor.
class TForwardStream : public TStream {
public:
    explicit TForwardStream(std::vector<uint8_t> data) : m_data(std::move(data)) {}
    int64_t Read(void* buffer, int64_t count) override {
        int64_t n = std::clamp<int64_t>(count, 0, int64_t(m_data.size()) - m_position);
        if (n > 0) std::memcpy(buffer, m_data.data() + m_position, size_t(n));
        m_position += n;
        return n;
    }
    int64_t Write(const void*, int64_t) override { throw EStreamError("Invalid stream operation"); }
    int64_t Seek(int64_t, TSeekOrigin) override { throw EStreamError("Invalid stream operation"); }
    std::optional<int64_t> BytesLeft() override { return std::nullopt; }
    int64_t Consumed() const { return m_position; }

private:
    std::vector<uint8_t> m_data;
    int64_t m_position = 0;
};

// A record with the given header and Pixels pixel bytes 0, 1, 2, ...
std::vector<uint8_t> Record(const std::string& name, int32_t width, int32_t height,
                            size_t pixelBytes) {
    TMemoryStream stream;
    stream.WriteString32(name);
    stream.WriteInt32(width);
    stream.WriteInt32(height);
    std::vector<uint8_t> pixels(pixelBytes);
    for (size_t i = 0; i < pixelBytes; ++i)
        pixels[i] = uint8_t(i);
    stream.WriteBuffer(pixels.data(), int64_t(pixels.size()));
    return stream.Data();
}

} // namespace

TEST(KsBitmapStream, SavedRecordHasTheDocumentedBytesAndLoadsBack) {
    auto bitmap = MakeCoordBitmap(2, 1);
    bitmap->SetPixels(1, 0, 0x80402010);
    bitmap->SetName("Frame");
    TMemoryStream stream;
    bitmap->SaveToStream(stream);
    const std::vector<uint8_t> expected = {5,    0,    0,    0,    'F',  'r',  'a', 'm', 'e',
                                           2,    0,    0,    0,    1,    0,    0,   0,   0x00,
                                           0x00, 0x00, 0xFF, 0x10, 0x20, 0x40, 0x80};
    EXPECT_EQ(stream.Data(), expected);

    for (bool knownLength : {true, false}) {
        TMemoryStream memory(expected);
        TForwardStream forward(expected);
        TKsBitmap loaded;
        loaded.LoadFromStream(knownLength ? static_cast<TStream&>(memory) : forward);
        EXPECT_EQ(loaded.Name(), "Frame");
        EXPECT_EQ(PixelsOf(loaded), PixelsOf(*bitmap)) << "known length " << knownLength;
    }
}

TEST(KsBitmapStream, ZeroSizeRecordsReadNoPixelBlock) {
    for (auto [width, height] : {std::pair{0, 7}, std::pair{7, 0}}) {
        TMemoryStream stream(Record("x", width, height, 8));
        TKsBitmap bitmap;
        bitmap.LoadFromStream(stream);
        EXPECT_TRUE(bitmap.Empty());
        EXPECT_EQ(stream.Position(), 13);
    }
}

TEST(KsBitmapStream, NegativeSizesLoadAsTheirAbsoluteValues) {
    TMemoryStream stream(Record("n", -2, 3, 24));
    TKsBitmap bitmap;
    bitmap.LoadFromStream(stream);
    EXPECT_EQ(bitmap.Width(), 2);
    EXPECT_EQ(bitmap.Height(), 3);
    EXPECT_EQ(bitmap.Pixels(1, 2), 0x17161514u);
    EXPECT_EQ(*stream.BytesLeft(), 0);
}

TEST(KsBitmapStream, DamagedOrHostileRecordsRaiseBeforeAllocating) {
    const struct {
        const char* what;
        std::vector<uint8_t> data;
        bool overflow;
    } cases[] = {
        {"truncated pixels", Record("a", 2, 2, 15), false},
        {"size claims far more than the data", Record("a", 20000, 20000, 64), false},
        {"header cut short", std::vector<uint8_t>{1, 0, 0, 0, 'a', 2, 0}, false},
        {"name longer than the data", std::vector<uint8_t>{0xFF, 0xFF, 0xFF, 0x7F, 'a'}, false},
        {"negative name length", std::vector<uint8_t>{0xFF, 0xFF, 0xFF, 0xFF, 0, 0}, false},
        {"width INT_MIN", Record("", INT_MIN, 1, 16), true},
        {"byte count beyond 32 bits", Record("", 50000, 50000, 16), true},
    };
    for (const auto& c : cases) {
        for (bool knownLength : {true, false}) {
            TMemoryStream memory(c.data);
            TForwardStream forward(c.data);
            TStream& stream = knownLength ? static_cast<TStream&>(memory) : forward;
            TKsBitmap bitmap;
            bool allocated = false;
            bitmap.OnBeforeFree = [&](TKsBitmap&) { allocated = true; };
            if (c.overflow)
                EXPECT_THROW(bitmap.LoadFromStream(stream), EIntOverflow) << c.what;
            else
                EXPECT_THROW(bitmap.LoadFromStream(stream), EReadError) << c.what;
            // Known lengths are checked before SetSize; unknown ones are read first.
            EXPECT_FALSE(allocated) << c.what << " known length " << knownLength;
            EXPECT_TRUE(bitmap.Empty()) << c.what;
        }
    }
}

TEST(KsBitmapStream, LoadingIntoASizedBitmapReplacesItsPixels) {
    auto bitmap = MakeBitmap(5, 5, 0xFFFFFFFF);
    TMemoryStream stream(Record("b", 1, 1, 4));
    bitmap->LoadFromStream(stream);
    EXPECT_EQ(PixelsOf(*bitmap), std::vector<TKsPixel>{0x03020100});
}
