#include "framework/graphics/device_context.h"
#include "framework/core/font.h"
#include "framework/graphics/font_engine.h"
#include "framework/core/utf8.h"

#include <climits>
#include <cstdlib>
#include <gtest/gtest.h>
#include <string>

using namespace brisat;

namespace {

TFont MakeFont(const std::string& name, int32_t height, TFontStyles style = {},
               TFontCharset charset = DEFAULT_CHARSET) {
    TFont font;
    font.SetName(name);
    font.SetHeight(height);
    font.SetStyle(style);
    font.SetCharset(charset);
    return font;
}

int32_t Width(const TFont& font, std::string_view text) {
    TDeviceContext dc;
    dc.SelectFont(&font);
    return dc.GetTextExtent(text).cx;
}

} // namespace

TEST(FontEngine, LayoutFontNamesResolveToTheSansFaceWithCyrillic) {
    TFontEngine& engine = TFontEngine::Instance();
    // What Fontconfig itself offers for sans-serif Russian text: the names must land on it.
    TFontFace* sans = engine.Face(MakeFont("sans-serif", -11));
    ASSERT_NE(sans, nullptr);
    for (const char* name : {"MS Sans Serif", "Tahoma", "Tahome", "No Such Font 7", ""}) {
        TFontFace* face = engine.Face(MakeFont(name, -11));
        ASSERT_NE(face, nullptr) << name;
        EXPECT_EQ(face->Source().Family, sans->Source().Family) << name;
        std::u32string caption = U"ГромкостьЁё";
        for (char32_t c : caption)
            EXPECT_NE(face->GlyphIndex(c), 0u) << name;
        EXPECT_EQ(face->GlyphIndex(U'\U0010FFFD'), 0u);
    }
}

TEST(FontEngine, ResolvedFontsAreCachedAndRepeatedTextRendersNoGlyphTwice) {
    TFontEngine& engine = TFontEngine::Instance();
    TFont font = MakeFont("Tahoma", -13, {TFontStyle::fsItalic});
    TFontFace* face = engine.Face(font);
    ASSERT_NE(face, nullptr);
    const uint64_t queries = engine.Queries();
    EXPECT_EQ(engine.Face(TFont(font)), face);
    EXPECT_EQ(engine.Queries(), queries);

    TSurface surface(100, 30);
    TDeviceContext dc(&surface);
    dc.SelectFont(&font);
    TRect rect{0, 0, 100, 30};
    dc.DrawText("Пауза 0:01", rect, DT_SINGLELINE);
    const uint64_t rendered = face->RenderedGlyphs();
    EXPECT_GT(rendered, 0u);
    dc.DrawText("Пауза 0:01", rect, DT_SINGLELINE);
    dc.DrawText("0:01 Пауза", rect, DT_SINGLELINE | DT_CENTER);
    EXPECT_EQ(face->RenderedGlyphs(), rendered);
    EXPECT_EQ(engine.Queries(), queries);
}

TEST(FontEngine, HeightsFollowTheCellAndEmConventions) {
    TFontEngine& engine = TFontEngine::Instance();
    struct Case {
        int32_t height;
        int32_t cell; // expected ascent + descent, 0 = at least the em
    } cases[] = {{13, 13}, {20, 20}, {1, 1}, {-11, 0}, {-24, 0}};
    for (const Case& c : cases) {
        TFontFace* face = engine.Face(MakeFont("Tahoma", c.height));
        ASSERT_NE(face, nullptr) << c.height;
        const TFaceMetrics& m = face->Metrics();
        EXPECT_EQ(m.Height, m.Ascent + m.Descent);
        if (c.cell) {
            EXPECT_EQ(m.Height, c.cell) << c.height;
        } else {
            EXPECT_GE(m.Height, -c.height);
            EXPECT_EQ(m.InternalLeading, m.Height + c.height) << c.height;
        }
        EXPECT_GT(m.AveCharWidth, 0);
        EXPECT_GE(m.MaxCharWidth, m.AveCharWidth);
        EXPECT_GT(m.UnderlineOffset, 0);
        if (std::abs(c.height) >= 8) {
            EXPECT_LT(m.StrikeOutOffset, 0) << c.height;
        }
    }
    // The default font (8 points) is 13 pixels tall, as the layouts expect.
    TDeviceContext dc;
    EXPECT_EQ(dc.GetTextMetrics().Height, 13);
    EXPECT_EQ(dc.GetTextExtent("Pq").cy, 13);
}

TEST(FontEngine, ExtentGrowsWithHeightAndBold) {
    int32_t previous = 0;
    for (int32_t height : {-8, -11, -16, -24, -40}) {
        int32_t width = Width(MakeFont("MS Sans Serif", height), "Hello");
        EXPECT_GT(width, previous) << height;
        previous = width;
    }
    TFont bold = MakeFont("MS Sans Serif", -11, {TFontStyle::fsBold});
    EXPECT_GT(Width(bold, "Hello"), Width(MakeFont("MS Sans Serif", -11), "Hello"));
    EXPECT_FALSE(TFontEngine::Instance().Face(bold)->Source().Embolden); // a real bold file
}

TEST(FontEngine, MissingStylesAreSynthesised) {
    // A family with only an upright regular file (symbol charset: no Cyrillic needed).
    const std::string family = "DejaVu Math TeX Gyre";
    TFontEngine& engine = TFontEngine::Instance();
    TFontFace* regular = engine.Face(MakeFont(family, -20, {}, SYMBOL_CHARSET));
    ASSERT_NE(regular, nullptr);
    if (regular->Source().Family != family) GTEST_SKIP() << family << " is not installed";
    TFontFace* bold = engine.Face(MakeFont(family, -20, {TFontStyle::fsBold}, SYMBOL_CHARSET));
    TFontFace* italic = engine.Face(MakeFont(family, -20, {TFontStyle::fsItalic}, SYMBOL_CHARSET));
    ASSERT_TRUE(bold && italic);
    EXPECT_EQ(bold->Source().File, regular->Source().File);
    EXPECT_TRUE(bold->Source().Embolden);
    EXPECT_TRUE(italic->Source().Oblique);

    // Emboldening widens both the advance and the ink; the slant moves the top of "l" right.
    uint32_t l = regular->GlyphIndex(U'l');
    EXPECT_GT(bold->Advance(l), regular->Advance(l));
    auto inkColumns = [](const TGlyphBitmap& g, int32_t row) {
        int32_t first = -1, last = -1;
        for (int32_t x = 0; x < g.Width; ++x)
            if (g.Coverage[size_t(row) * size_t(g.Width) + size_t(x)] > 128) {
                if (first < 0) first = x;
                last = x;
            }
        return std::pair{first, last};
    };
    TGlyphBitmap upright = regular->Glyph(l);
    TGlyphBitmap boldL = bold->Glyph(l);
    EXPECT_GT(boldL.Width, upright.Width);
    const TGlyphBitmap& slanted = italic->Glyph(l);
    // Stem rows a quarter from the top and the bottom, clear of the serifs.
    auto top = inkColumns(slanted, slanted.Rows / 4);
    auto bottom = inkColumns(slanted, slanted.Rows * 3 / 4);
    EXPECT_GE(top.first, bottom.first + 2);
    EXPECT_EQ(inkColumns(upright, upright.Rows / 4), inkColumns(upright, upright.Rows * 3 / 4));
}

TEST(FontEngine, HostileHeightsAndManySizesStayBounded) {
    TFontEngine& engine = TFontEngine::Instance();
    for (int32_t height : {INT32_MIN, INT32_MAX, -100000, 0}) {
        TFontFace* face = engine.Face(MakeFont("Tahoma", height));
        ASSERT_NE(face, nullptr) << height;
        EXPECT_LE(face->Metrics().Height, 2 * TFontEngine::MaxPixelHeight) << height;
    }
    EXPECT_EQ(engine.Face(MakeFont("Tahoma", 0)), engine.Face(TFont()));
    // Each size is a face of its own; the face cache starts afresh rather than growing.
    for (int32_t height = -5; height > -80; --height) {
        TFontFace* face = engine.Face(MakeFont("Tahoma", height));
        ASSERT_NE(face, nullptr);
        EXPECT_NE(face->Glyph(face->GlyphIndex(U'W')).Width, 0);
    }
    EXPECT_LE(engine.FaceCount(), 32u);
    EXPECT_LE(engine.Glyphs().Bytes(), 16u << 20);
}

TEST(Utf8, MalformedSequencesDecodeToReplacementCharacters) {
    struct Case {
        std::string bytes;
        std::u32string codes;
    } cases[] = {
        {"A\xD0\x93\xE2\x82\xAC\xF0\x9F\x8E\xB5", U"AГ€\U0001F3B5"},
        {"\xFF\xC0\x80", U"\uFFFD\uFFFD\uFFFD"},           // bad leads, overlong
        {"\xE0\x80\xAF", U"\uFFFD\uFFFD\uFFFD"},           // overlong three-byte form
        {"\xED\xA0\x80x", U"\uFFFD\uFFFD\uFFFDx"},         // surrogate
        {"\xF4\x90\x80\x80", U"\uFFFD\uFFFD\uFFFD\uFFFD"}, // above U+10FFFF
        {"\xE2\x82", U"\uFFFD"},                           // truncated at the end
        {"\xE2\x82x", U"\uFFFDx"},                         // truncated before ASCII
        {"\x80\xBF", U"\uFFFD\uFFFD"},                     // stray continuations
    };
    for (const Case& c : cases) {
        std::u32string decoded;
        for (size_t pos = 0; pos < c.bytes.size();)
            decoded += DecodeUtf8(c.bytes, pos);
        EXPECT_EQ(decoded, c.codes) << c.bytes;
    }
    EXPECT_EQ(ValidUtf8("a\xFF"
                        "b"),
              "a\xEF\xBF\xBD"
              "b");
}
