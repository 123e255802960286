// The zlib streams under the compressed skin variants: what they refuse to do, and inflating
// only as far as asked.
#include "skin/files/zlib_streams.h"

#include <gtest/gtest.h>

using namespace brisat;

namespace {

std::vector<uint8_t> Deflated(const std::string& text) {
    TMemoryStream out;
    TCompressionStream z(out, 9);
    z.WriteBuffer(text.data(), int64_t(text.size()));
    EXPECT_EQ(z.Position(), int64_t(text.size()));
    z.Finish();
    return out.Data();
}

template <class F> std::string MessageOf(F f) {
    try {
        f();
    } catch (const EZLibError& e) {
        return e.what();
    }
    return "no error";
}

} // namespace

TEST(ZLibStreams, MisuseIsAnInvalidStreamOperation) {
    TMemoryStream sink;
    TCompressionStream compressor(sink, 1);
    TMemoryStream source(Deflated("abc"));
    TDecompressionStream decompressor(source);
    char byte = 0;
    EXPECT_EQ(MessageOf([&] { compressor.Read(&byte, 1); }), "Invalid stream operation");
    EXPECT_EQ(MessageOf([&] { compressor.Seek(1, TSeekOrigin::soBeginning); }),
              "Invalid stream operation");
    EXPECT_EQ(MessageOf([&] { decompressor.Write(&byte, 1); }), "Invalid stream operation");
    EXPECT_EQ(MessageOf([&] { decompressor.Seek(0, TSeekOrigin::soEnd); }),
              "Invalid stream operation");
    compressor.Finish();
    EXPECT_EQ(MessageOf([&] { compressor.Write(&byte, 1); }), "Invalid stream operation");
}

TEST(ZLibStreams, InflatesOnDemandAndStopsAtTheStreamEnd) {
    const std::string text(100000, 'a');
    std::vector<uint8_t> data = Deflated(text);
    data.push_back('!'); // bytes after the stream are left alone
    TMemoryStream source(data);
    TDecompressionStream z(source);
    // What can still come out is bounded by the compressed bytes left.
    ASSERT_TRUE(z.BytesLeft().has_value());
    EXPECT_GE(*z.BytesLeft(), int64_t(text.size()));
    EXPECT_LT(*z.BytesLeft(), int64_t(data.size()) * 1100);
    std::string head(10, '\0');
    z.ReadBuffer(head.data(), 10);
    EXPECT_EQ(z.Position(), 10);
    std::string rest(text.size(), '\0');
    EXPECT_EQ(z.Read(rest.data(), int64_t(rest.size())), int64_t(text.size()) - 10);
    EXPECT_EQ(head + rest.substr(0, text.size() - 10), text);
    EXPECT_EQ(z.BytesLeft(), 0);
    EXPECT_EQ(z.Read(rest.data(), 1), 0);
}

TEST(ZLibStreams, CorruptDataRaisesError) {
    std::vector<uint8_t> data = Deflated(std::string(5000, 'x') + "tail");
    data[data.size() - 2] ^= 0xFF; // the Adler-32 trailer no longer matches
    TMemoryStream source(data);
    TDecompressionStream z(source);
    std::string out(6000, '\0');
    try {
        z.Read(out.data(), int64_t(out.size()));
        FAIL();
    } catch (const EDecompressionError& e) {
        EXPECT_STREQ(e.what(), "error");
    }
}
