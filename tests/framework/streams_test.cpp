#include "framework/core/exceptions.h"
#include "framework/core/streams.h"

#include <gtest/gtest.h>

using namespace brisat;

TEST(Streams, IntegersAndStringsRoundTripLittleEndian) {
    TMemoryStream stream;
    stream.WriteInt32(-2);
    stream.WriteString32("Frame");
    EXPECT_EQ(stream.Data()[0], 0xFE);
    EXPECT_EQ(stream.Data()[3], 0xFF);
    EXPECT_EQ(stream.Data()[4], 5);
    stream.SetPosition(0);
    EXPECT_EQ(stream.ReadInt32(), -2);
    EXPECT_EQ(stream.ReadString32(), "Frame");
    EXPECT_EQ(stream.BytesLeft(), 0);
    EXPECT_THROW(stream.ReadInt32(), EReadError);
}

// A stream that hides its size, as a decompressor does, and counts how much it was asked for.
class UnsizedStream : public TMemoryStream {
public:
    using TMemoryStream::TMemoryStream;
    std::optional<int64_t> BytesLeft() override { return std::nullopt; }
};

TEST(Streams, HostileLengthsFailWithoutLargeAllocations) {
    struct Case {
        int32_t claimed;
        int32_t present;
    } cases[] = {{0x7FFFFFFF, 3}, {-1, 0}, {10, 9}, {100000, 70000}};
    for (const Case& c : cases) {
        std::vector<uint8_t> bytes(4 + size_t(c.present), 'x');
        for (int i = 0; i < 4; ++i)
            bytes[size_t(i)] = uint8_t(uint32_t(c.claimed) >> (8 * i));
        TMemoryStream sized(bytes);
        EXPECT_THROW(sized.ReadString32(), EReadError) << c.claimed;
        UnsizedStream unsized(bytes);
        EXPECT_THROW(unsized.ReadString32(), EReadError) << c.claimed;
    }
}

TEST(Streams, FileStreamReportsMissingFileByName) {
    try {
        TFileStream stream("/nonexistent/brisat.bin", TFileStream::Mode::fmOpenRead);
        FAIL();
    } catch (const EFOpenError& e) {
        EXPECT_NE(std::string(e.what()).find("/nonexistent/brisat.bin"), std::string::npos);
    }
}
