// Damaged and hostile skin files: each load fails with an error naming the file and what is
// wrong, allocates nothing the data does not back, and leaves the source cleared.
#include "skin/files/skin_filter.h"
#include "skin/files/skin_source.h"
#include "skin/files/zlib_streams.h"
#include "skin/sample_skin.h"
#include "temp_folder.h"

#include <gtest/gtest.h>
#include <zlib.h>

using namespace brisat;
using namespace brisat::test;

namespace {

// A body written field by field.
class TBodyBytes {
public:
    TBodyBytes& Int(int32_t v) {
        m_stream.WriteInt32(v);
        return *this;
    }
    TBodyBytes& Str(const std::string& s) {
        m_stream.WriteString32(s);
        return *this;
    }
    TBodyBytes& Raw(const std::string& s) {
        m_stream.WriteBuffer(s.data(), int64_t(s.size()));
        return *this;
    }
    TBodyBytes& Header() { return Str("S").Str("1").Str("A").Str("").Str(""); }
    std::string Bytes() const { return std::string(m_stream.Data().begin(), m_stream.Data().end()); }

private:
    TMemoryStream m_stream;
};

std::string Compressed(const std::string& body, int level = 1) {
    TMemoryStream out;
    out.WriteBuffer("KSLZ", 4);
    TCompressionStream z(out, level);
    z.WriteBuffer(body.data(), int64_t(body.size()));
    z.Finish();
    return std::string(out.Data().begin(), out.Data().end());
}

std::string SampleBytes() {
    TMemoryStream stream;
    TSeSkinFilterUncompressed::WriteBody(stream, SampleSkin(6, 4));
    return std::string(stream.Data().begin(), stream.Data().end());
}

// A record whose text nests object blocks Depth levels deep.
std::string NestedObjects(int depth) {
    std::string text;
    for (int i = 0; i < depth; ++i)
        text += std::string(size_t(i) * 2, ' ') + "object TSeSkinObject\r\n";
    for (int i = depth - 1; i >= 0; --i)
        text += std::string(size_t(i) * 2, ' ') + "end\r\n";
    return TBodyBytes().Header().Int(0).Int(1).Str("TSeSkinObject").Str(text).Bytes();
}

class SkinFileHostile : public TempFolderTest {
protected:
    // Loads Bytes from a file of that extension into a source holding a skin, expecting an
    // error naming the file and Fragment and the source cleared.
    void ExpectRefused(const std::string& extension, const std::string& bytes,
                       const std::string& fragment) {
        const std::string file = PathOf("hostile." + extension);
        Put(file, bytes);
        TSeSkinSource source;
        source.LoadBody(SampleSkin(6, 4));
        try {
            source.LoadFromFile(file);
            ADD_FAILURE() << "loaded: " << fragment;
        } catch (const Exception& e) {
            const std::string message = e.what();
            EXPECT_NE(message.find("Skin file \"" + file + "\": "), std::string::npos) << message;
            EXPECT_NE(message.find(fragment), std::string::npos) << message;
        }
        EXPECT_EQ(source.Count(), 0) << fragment;
        EXPECT_EQ(source.Bitmaps().Count(), 0) << fragment;
    }
};

} // namespace

TEST_F(SkinFileHostile, DamagedBodiesAreRefusedWithAClearError) {
    const struct {
        const char* What;
        std::string Body;
        const char* Fragment;
    } cases[] = {
        {"empty file", "", "header: Stream read error"},
        {"string longer than the data", TBodyBytes().Int(0x7FFFFFFF).Bytes(), "header: "},
        {"negative string length", TBodyBytes().Int(-5).Bytes(), "header: "},
        {"header beyond its limit", TBodyBytes().Str(std::string(70000, 'x')).Bytes(),
         "header strings exceed the limit of 65536 bytes"},
        {"negative bitmap count", TBodyBytes().Header().Int(-1).Bytes(),
         "bitmaps: bitmap count -1 is outside 0..4096"},
        {"bitmap count beyond the limit", TBodyBytes().Header().Int(5000).Bytes(),
         "bitmap count 5000 is outside"},
        {"bitmap count beyond the data", TBodyBytes().Header().Int(4000).Bytes(),
         "bitmap count 4000 exceeds the data"},
        {"bitmap name too long", TBodyBytes().Header().Int(1).Int(100000).Bytes(),
         "bitmap 0: name length 100000 is outside 0..255"},
        {"bitmap too wide", TBodyBytes().Header().Int(1).Str("B").Int(16385).Int(1).Bytes(),
         "bitmap 0: size 16385 x 1 exceeds 16384 pixels a side"},
        {"most negative width",
         TBodyBytes().Header().Int(1).Str("B").Int(INT32_MIN).Int(1).Bytes(), "size -2147483648"},
        {"too many pixels in all",
         TBodyBytes().Header().Int(2).Str("A").Int(1).Int(1).Int(-1).Str("B").Int(8192)
             .Int(8192).Bytes(),
         "exceed 67108864 pixels in all"},
        {"pixels beyond the data",
         TBodyBytes().Header().Int(1).Str("B").Int(1000).Int(1000).Raw("abcd").Bytes(),
         "bitmap 0: Stream read error"},
        {"object count beyond the data", TBodyBytes().Header().Int(0).Int(0x10000000).Bytes(),
         "objects: Component record count"},
        {"object text cut short",
         TBodyBytes().Header().Int(0).Int(1).Str("TSeSkinObject").Int(500).Raw("object").Bytes(),
         "objects: "},
        {"unknown property",
         TBodyBytes().Header().Int(0).Int(1).Str("TSeSkinObject")
             .Str("object X: TSeSkinObject\r\n  Colour = 5\r\nend\r\n").Bytes(),
         "Colour"},
        {"value of the wrong kind",
         TBodyBytes().Header().Int(0).Int(1).Str("TSeSkinObject")
             .Str("object X: TSeSkinObject\r\n  Kind = skWhatever\r\nend\r\n").Bytes(),
         "skWhatever"},
        {"object records beyond their limit",
         TBodyBytes().Header().Int(0).Int(1).Str("TSeSkinObject").Int(20 << 20).Bytes() +
             std::string(20 << 20, 'x'),
         "object records exceed the limit of 16777216 bytes"},
        {"nesting without end", NestedObjects(200), "objects: "},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.What);
        ExpectRefused("uskn", c.Body, c.Fragment);
        ExpectRefused("kskn", Compressed(c.Body), c.Fragment);
    }
}

TEST_F(SkinFileHostile, EveryCutOfAFileIsRefused) {
    const std::string whole = SampleBytes();
    const std::string packed = Compressed(whole, 9);
    // The error is a read past the end, or a count the rest cannot hold.
    for (size_t length = 0; length < whole.size(); length += 7)
        ExpectRefused("uskn", whole.substr(0, length), "");
    for (size_t length = 0; length < packed.size(); ++length)
        ExpectRefused("xskn", packed.substr(0, length), "");
}

TEST_F(SkinFileHostile, CorruptOrInflatingCompressedDataIsRefused) {
    std::string badHeader = Compressed(SampleBytes());
    badHeader[4] = 0x12; // not a zlib header
    ExpectRefused("kskn", badHeader, "compressed data is corrupt: header: error");
    std::string badData = Compressed(SampleBytes(), 0); // stored blocks: flip a length byte
    badData[8] ^= 0x5A;
    ExpectRefused("kskn", badData, ": error");
    // A few kilobytes that would inflate to hundreds of megabytes: the object records stop at
    // their limit, a pixel block the rest cannot hold is refused before it is allocated.
    ExpectRefused("xskn",
                  Compressed(TBodyBytes().Header().Int(0).Int(1).Str("TSeSkinObject")
                                 .Int(20 << 20).Bytes() + std::string(64 << 20, ' '), 9),
                  "object records exceed the limit");
    ExpectRefused("xskn",
                  Compressed(TBodyBytes().Header().Int(1).Str("B").Int(8192).Int(8192).Bytes(), 9),
                  "bitmap 0: Stream read error");
}

TEST_F(SkinFileHostile, RecordsOfOtherClassesAreSkipped) {
    // A framework class that is no skin object (a form would open a window) is never created.
    const std::string body = TBodyBytes().Header().Int(0).Int(3)
                                 .Str("TForm").Str("object F: TForm\r\nend\r\n")
                                 .Str("TSeSkinObject").Str("object Kept: TSeSkinObject\r\nend\r\n")
                                 .Str("TNoSuchClass").Str("anything")
                                 .Bytes();
    const std::string file = PathOf("mixed.uskn");
    Put(file, body);
    TSeSkinSource source;
    source.LoadFromFile(file);
    ASSERT_EQ(source.Count(), 1);
    EXPECT_EQ(source.Objects(0)->Name(), "Kept");
}
