// Skin files: the three storage variants written and read back, the filter registry, the source's
// loading (key pixels, character sets, links), the file lookup and the hue.
#include "framework/core/object_text_reader.h"
#include "platform/program_folder.h"
#include "skin/files/skin_filter_registry.h"
#include "skin/files/skin_source.h"
#include "skin/objects/skin_object_text.h"
#include "skin/sample_skin.h"
#include "temp_folder.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <zlib.h>

using namespace brisat;
using namespace brisat::test;

namespace {

template <class F> std::vector<uint8_t> Written(const TSeSkinBody& body) {
    TMemoryStream stream;
    F::WriteBody(stream, body);
    return stream.Data();
}

std::vector<uint8_t> Inflate(const std::vector<uint8_t>& data, size_t from) {
    std::vector<uint8_t> out(1 << 22);
    uLongf size = uLongf(out.size());
    EXPECT_EQ(uncompress(out.data(), &size, data.data() + from, uLong(data.size() - from)), Z_OK);
    out.resize(size);
    return out;
}

std::vector<TKsPixel> Pixels(const TKsBitmap& bitmap) {
    return bitmap.Empty() ? std::vector<TKsPixel>()
                          : std::vector<TKsPixel>(bitmap.Bits(),
                                                  bitmap.Bits() + bitmap.Width() * bitmap.Height());
}

void ExpectSameBody(const TSeSkinBody& read, const TSeSkinBody& written) {
    EXPECT_EQ(read.SkinName, written.SkinName);
    EXPECT_EQ(read.SkinVersion, written.SkinVersion);
    EXPECT_EQ(read.Author, written.Author);
    EXPECT_EQ(read.AuthorEMail, written.AuthorEMail);
    EXPECT_EQ(read.AuthorURL, written.AuthorURL);
    ASSERT_EQ(read.Bitmaps.Count(), written.Bitmaps.Count());
    for (int32_t i = 0; i < read.Bitmaps.Count(); ++i) {
        EXPECT_EQ(read.Bitmaps[i]->Name(), written.Bitmaps[i]->Name());
        EXPECT_EQ(read.Bitmaps[i]->Width(), written.Bitmaps[i]->Width());
        EXPECT_EQ(read.Bitmaps[i]->Height(), written.Bitmaps[i]->Height());
        EXPECT_EQ(Pixels(*read.Bitmaps[i]), Pixels(*written.Bitmaps[i])) << "bitmap " << i;
    }
    ASSERT_EQ(read.Objects.size(), written.Objects.size());
    for (size_t i = 0; i < read.Objects.size(); ++i)
        EXPECT_EQ(SkinObjectText(*read.Objects[i], TSkinTextForm::tsfFile),
                  SkinObjectText(*written.Objects[i], TSkinTextForm::tsfFile));
}

struct TVariant {
    const TSeSkinFilterClass& Filter;
    // The zlib header's second byte tells the level: 0x01 fastest, 0xDA best; 0 for no zlib.
    uint8_t LevelByte;
};

} // namespace

TEST(SkinFile, EachVariantReadsBackWhatWasWritten) {
    const TSeSkinBody sample = SampleSkin();
    const std::vector<uint8_t> plain = Written<TSeSkinFilterUncompressed>(sample);
    // The body starts with SkinName as a counted string.
    ASSERT_GT(plain.size(), 10u);
    EXPECT_EQ(std::string(plain.begin(), plain.begin() + 10), std::string("\6\0\0\0Sample", 10));
    const TVariant variants[] = {
        {SkinFilterClassOf<TSeSkinFilterUncompressed>(), 0},
        {SkinFilterClassOf<TSeSkinFilterCompressed>(), 0x01},
        {SkinFilterClassOf<TSeSkinFilterUltraCompressed>(), 0xDA},
    };
    for (const TVariant& v : variants) {
        SCOPED_TRACE(v.Filter.GetExtension());
        TMemoryStream stream;
        v.Filter.WriteBody(stream, sample);
        const std::vector<uint8_t>& bytes = stream.Data();
        if (v.LevelByte == 0) {
            EXPECT_EQ(bytes, plain);
        } else {
            ASSERT_GT(bytes.size(), 6u);
            EXPECT_EQ(std::string(bytes.begin(), bytes.begin() + 4), "KSLZ");
            EXPECT_EQ(bytes[4], 0x78); // deflate, window 2^15
            EXPECT_EQ(bytes[5], v.LevelByte);
            EXPECT_EQ(Inflate(bytes, 4), plain); // one zlib stream of the body
        }
        stream.SetPosition(0);
        ExpectSameBody(v.Filter.ReadBody(stream), sample);
    }
}

TEST(SkinFile, FiltersAreFoundByExtensionIgnoringCase) {
    const struct {
        const char* Name;
        const TSeSkinFilterClass* Filter;
    } cases[] = {
        {"steel.XSKN", &SkinFilterClassOf<TSeSkinFilterUltraCompressed>()},
        {"\\Skins\\steel.xskn", &SkinFilterClassOf<TSeSkinFilterUltraCompressed>()},
        {"/a/b.Kskn", &SkinFilterClassOf<TSeSkinFilterCompressed>()},
        {"C:x.uskn", &SkinFilterClassOf<TSeSkinFilterUncompressed>()},
        {"skin.bmp", nullptr},
        {"skin.xskn.bak", nullptr},
        {"folder.xskn/skin", nullptr},
        {"xskn", nullptr},
        {"", nullptr},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FindSkinFilter(c.Name), c.Filter) << c.Name;
    EXPECT_EQ(SkinFilterString(),
              "All (*.uskn;*.kskn;*.xskn)|*.uskn;*.kskn;*.xskn|Uncompressed Skin (*.uskn)|*.uskn|"
              "Compressed Skin (*.kskn)|*.kskn|Ultra Compressed Skin (*.xskn)|*.xskn");
}

TEST(SkinFile, RegistryOrderFollowsRegistration) {
    const TSeSkinFilterClass& compressed = SkinFilterClassOf<TSeSkinFilterCompressed>();
    const TSeSkinFilterClass& ultra = SkinFilterClassOf<TSeSkinFilterUltraCompressed>();
    UnregisterSkinFilter(compressed);
    EXPECT_EQ(FindSkinFilter("a.kskn"), nullptr);
    RegisterSkinFilter(compressed);
    RegisterSkinFilter(compressed); // once only
    EXPECT_EQ(SkinFilterString(),
              "All (*.uskn;*.xskn;*.kskn)|*.uskn;*.xskn;*.kskn|Uncompressed Skin (*.uskn)|*.uskn|"
              "Ultra Compressed Skin (*.xskn)|*.xskn|Compressed Skin (*.kskn)|*.kskn");
    UnregisterSkinFilter(ultra);
    RegisterSkinFilter(ultra);
    EXPECT_EQ(FindSkinFilter("a.kskn"), &compressed);
}

class SkinSourceFile : public TempFolderTest {};

TEST_F(SkinSourceFile, LoadingPreparesTheSkinForDrawing) {
    const std::string file = PathOf("sample.xskn");
    {
        TFileStream out(file, TFileStream::Mode::fmCreate);
        TSeSkinFilterUltraCompressed::WriteBody(out, SampleSkin());
    }
    TSeSkinSource source;
    source.LoadFromFile(file);
    ASSERT_EQ(source.Count(), 2);
    EXPECT_EQ(source.SkinName(), "Sample");
    TKsBitmap& frame = *source.Bitmaps()[0];
    EXPECT_EQ(frame.Pixels(0, 0), ksKeyPixel); // opaque magenta cut out
    EXPECT_EQ(frame.Pixels(1, 0), ksKeyPixel); // the key stays the key
    EXPECT_EQ(frame.Pixels(2, 0), SampleSkin().Bitmaps[0]->Pixels(2, 0));
    EXPECT_TRUE(source.Bitmaps()[2]->Empty());

    auto& form = dynamic_cast<TSeFormBitmapSkinObject&>(*source.Objects(0));
    EXPECT_EQ(form.Font().Charset(), DEFAULT_CHARSET);
    EXPECT_EQ(form.FindObject("Title")->Font().Charset(), DEFAULT_CHARSET);
    EXPECT_EQ(form.Bitmaps(), &source.Bitmaps());
    EXPECT_EQ(form.Bitmap().Bitmap(), &frame);
    EXPECT_EQ(form.InactiveBitmap().Bitmap(), &frame);
    EXPECT_EQ(form.FindObject("Close")->Bitmaps(), &source.Bitmaps());

    EXPECT_EQ(source.FindObject("BUTTON"), source.Objects(1));
    EXPECT_EQ(source.FindObject("Title"), nullptr); // top level only
    EXPECT_EQ(source.FindObjectByKind(TSeKind::skForm), &form);
    EXPECT_EQ(source.GetFormObject(), &form);
    EXPECT_EQ(source.Objects(2), nullptr);
    EXPECT_EQ(source.Objects(-1), nullptr);
    source.SetLoading(true);
    EXPECT_EQ(source.Objects(0), nullptr);
    EXPECT_EQ(source.Count(), 2);
}

TEST_F(SkinSourceFile, SavesByExtensionAndCompressedForAnUnknownOne) {
    TSeSkinSource source;
    source.LoadBody(SampleSkin());
    const struct {
        const char* Name;
        uint8_t LevelByte; // 0: uncompressed
    } cases[] = {{"a.uskn", 0}, {"a.KSKN", 0x01}, {"a.xskn", 0xDA}, {"a.skin", 0x01}};
    for (const auto& c : cases) {
        source.SaveToFile(PathOf(c.Name));
        const std::string bytes = Get(PathOf(c.Name));
        ASSERT_GT(bytes.size(), 6u) << c.Name;
        if (c.LevelByte == 0)
            EXPECT_EQ(bytes.substr(0, 10), std::string("\6\0\0\0Sample", 10)) << c.Name;
        else
            EXPECT_EQ(bytes.substr(0, 6), std::string("KSLZ\x78") + char(c.LevelByte)) << c.Name;
    }
    TSeSkinSource again;
    again.LoadFromFile(PathOf("a.KSKN"));
    EXPECT_EQ(again.Count(), 2);
    EXPECT_EQ(again.Bitmaps().Count(), 3);
}

TEST_F(SkinSourceFile, AnyFourBytesMayPrecedeTheCompressedStream) {
    TSeSkinSource source;
    source.LoadBody(SampleSkin());
    TMemoryStream stream;
    source.SaveToStream(stream);
    std::vector<uint8_t> bytes = stream.Data();
    std::copy_n("ABCD", 4, bytes.begin());
    TMemoryStream other(bytes);
    TSeSkinSource loaded;
    loaded.LoadFromStream(other);
    EXPECT_EQ(loaded.Count(), 2);
    EXPECT_EQ(loaded.SkinName(), "Sample");
}

TEST_F(SkinSourceFile, NamesAreTriedAsGivenThenUnderTheProgramFolder) {
    const std::filesystem::path skins = ProgramFolder() + "Skins-" +
                                        std::filesystem::path(PathOf("")).parent_path().filename().string();
    std::filesystem::create_directories(skins);
    {
        TSeSkinSource source;
        source.LoadBody(SampleSkin());
        source.SaveToFile((skins / "x.xskn").string());
    }
    const std::string relative = "\\" + skins.filename().string() + "\\x.xskn";
    TSeSkinSource source;
    source.LoadFromFile(relative);
    EXPECT_EQ(source.Count(), 2);

    // A name that exists as given wins; with a drive, or found nowhere, nothing happens.
    source.SaveToFile(PathOf("x.xskn"));
    TSeSkinSource other;
    other.LoadFromFile(PathOf("x.xskn"));
    EXPECT_EQ(other.Count(), 2);
    for (const std::string& name : {std::string("C:") + relative, relative + ".missing",
                                    skins.string() + "/x.bmp", std::string()}) {
        TSeSkinSource untouched;
        untouched.LoadBody(SampleSkin());
        untouched.LoadFromFile(name);
        EXPECT_EQ(untouched.Count(), 2) << name;
    }
    std::filesystem::remove_all(skins);
}

TEST(SkinSource, ReadsItsHeaderFromObjectText) {
    TSeSkinSource source;
    ReadComponentText("object Skin: TSeSkinSource\r\n  SkinName = 'Steel'\r\n"
                      "  AuthorURL = 'http://x/#39'#39\r\nend\r\n",
                      source);
    EXPECT_EQ(source.SkinName(), "Steel");
    EXPECT_EQ(source.AuthorURL(), "http://x/#39'");
    EXPECT_EQ(source.SkinVersion(), "2.8.8");
}

TEST(SkinSource, BitmapOfNoWidthReadsNoPixels) {
    TMemoryStream stream;
    for (const char* s : {"S", "1", "A", "", ""})
        stream.WriteString32(s);
    stream.WriteInt32(2);
    for (int32_t width : {0, 3}) {
        stream.WriteString32("B");
        stream.WriteInt32(width);
        stream.WriteInt32(1);
    }
    for (TKsPixel p : {0xFF010203u, 0xFFFF00FFu, 0x80102030u})
        stream.WriteInt32(int32_t(p));
    stream.WriteInt32(0); // no objects
    stream.SetPosition(0);
    TSeSkinSource source;
    TSeSkinFilterUncompressed(source).LoadFromStream(stream);
    ASSERT_EQ(source.Bitmaps().Count(), 2);
    EXPECT_TRUE(source.Bitmaps()[0]->Empty());
    EXPECT_EQ(Pixels(*source.Bitmaps()[1]),
              (std::vector<TKsPixel>{0xFF010203u, ksKeyPixel, 0x80102030u}));
}

TEST(SkinSource, HueShiftsAccumulateAndClearResetsThem) {
    TSeSkinSource source;
    source.LoadBody(SampleSkin());
    const TKsPixel before = source.Bitmaps()[1]->Pixels(3, 3);
    const TColor title = source.FindObject("Form")->FindObject("Title")->Color();
    source.SetDeltaHue(40);
    const TKsPixel shifted = source.Bitmaps()[1]->Pixels(3, 3);
    EXPECT_NE(shifted, before);
    EXPECT_NE(source.FindObject("Form")->FindObject("Title")->Color(), title);
    source.SetDeltaHue(40); // the requested hue already: nothing
    EXPECT_EQ(source.Bitmaps()[1]->Pixels(3, 3), shifted);
    source.SetDeltaHue(0);
    const TKsPixel back = source.Bitmaps()[1]->Pixels(3, 3);
    for (int shift : {0, 8, 16})
        EXPECT_NEAR(int(back >> shift & 0xFF), int(before >> shift & 0xFF), 2) << shift;
    EXPECT_EQ(source.AppliedHue(), 0);
    source.SetDeltaHue(30);
    source.Clear();
    EXPECT_EQ(source.RequestedHue(), 0);
    EXPECT_EQ(source.AppliedHue(), 0);
    EXPECT_EQ(source.Count(), 0);
    EXPECT_EQ(source.Bitmaps().Count(), 0);
    source.SetDeltaHue(INT32_MIN); // far outside the circle: no overflow
    source.SetDeltaHue(INT32_MAX);
}
