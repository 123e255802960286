#include "framework/graphics/device_context.h"
#include "framework/core/font.h"
#include "framework/graphics/font_engine.h"
#include "framework/graphics/text_layout.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <string>
#include <vector>

using namespace brisat;

namespace {

constexpr uint32_t White = 0xFFFFFFFF;

// A white surface with a context drawing black text on a transparent background.
struct TextCanvas {
    TSurface surface;
    TDeviceContext dc;
    TFont font;

    TextCanvas(int32_t width = 120, int32_t height = 40) : surface(width, height), dc(&surface) {
        Clear();
        font.SetName("Tahoma");
        dc.SelectFont(&font);
        dc.SetTextColor(clBlack);
        dc.SetBkMode(TBkMode::Transparent);
    }
    void Clear() { std::fill(surface.Bits(), surface.Bits() + surface.PixelCount(), White); }
    uint32_t At(int32_t x, int32_t y) const { return surface.Row(y)[x]; }
    // Bounding box of every pixel that is not white; empty when nothing was drawn.
    TRect Ink() const {
        TRect box{INT32_MAX, INT32_MAX, INT32_MIN, INT32_MIN};
        for (int32_t y = 0; y < surface.Height(); ++y)
            for (int32_t x = 0; x < surface.Width(); ++x)
                if (At(x, y) != White) {
                    box = {std::min(box.Left, x), std::min(box.Top, y), std::max(box.Right, x + 1),
                           std::max(box.Bottom, y + 1)};
                }
        return IsRectEmpty(box) ? TRect{} : box;
    }
    int32_t Draw(std::string_view text, TRect rect, uint32_t format) {
        return dc.DrawText(text, rect, format);
    }
    TRect Calc(std::string_view text, TRect rect, uint32_t format) {
        dc.DrawText(text, rect, format | DT_CALCRECT);
        return rect;
    }
    int32_t LineHeight() const { return dc.GetTextMetrics().Height; }
    bool SamePixels(const TextCanvas& other) const {
        return std::equal(surface.Bits(), surface.Bits() + surface.PixelCount(),
                          other.surface.Bits());
    }
};

bool Inside(const TRect& inner, const TRect& outer) {
    return inner.Left >= outer.Left && inner.Top >= outer.Top && inner.Right <= outer.Right &&
           inner.Bottom <= outer.Bottom;
}

} // namespace

TEST(Text, HorizontalAlignmentPlacesInkAtTheSide) {
    const TRect rect{10, 5, 110, 35};
    struct Case {
        uint32_t format;
        int32_t penX; // where the line starts, from the extent
    };
    TextCanvas c;
    const int32_t w = c.dc.GetTextExtent("Stop").cx;
    for (Case k : {Case{DT_LEFT, 10}, Case{DT_CENTER, 10 + (100 - w) / 2}, Case{DT_RIGHT, 110 - w},
                   Case{DT_LEFT | DT_RTLREADING, 10}, Case{DT_RIGHT | DT_RTLREADING, 110 - w}}) {
        c.Clear();
        c.Draw("Stop", rect, k.format | DT_SINGLELINE);
        TRect ink = c.Ink();
        EXPECT_GE(ink.Left, k.penX) << k.format;
        EXPECT_LE(ink.Left, k.penX + 2) << k.format;
        EXPECT_LE(ink.Right, k.penX + w + 1) << k.format;
        EXPECT_GE(ink.Right, k.penX + w - 2) << k.format;
    }
}

TEST(Text, VerticalPlacementOfSingleLinesAndItsReturnValue) {
    const TRect rect{0, 0, 120, 40};
    TextCanvas c;
    const int32_t h = c.LineHeight();
    const int32_t ascent = c.dc.GetTextMetrics().Ascent;
    struct Case {
        uint32_t format;
        int32_t top; // top of the line cell
        int32_t result;
    } cases[] = {
        {DT_SINGLELINE, 0, h},
        {DT_SINGLELINE | DT_VCENTER, (40 - h) / 2, (40 - h) / 2 + h},
        {DT_SINGLELINE | DT_BOTTOM, 40 - h, 40},
        {DT_VCENTER, 0, h}, // without DT_SINGLELINE vertical flags do nothing
        {DT_BOTTOM | DT_WORDBREAK, 0, h},
    };
    for (const Case& k : cases) {
        c.Clear();
        EXPECT_EQ(c.Draw("Hx", rect, k.format), k.result) << k.format;
        TRect ink = c.Ink();
        // "H" stands on the baseline and reaches close to the ascent.
        EXPECT_EQ(ink.Bottom, k.top + ascent) << k.format;
        EXPECT_GE(ink.Top, k.top) << k.format;
    }
}

TEST(Text, CalcRectMeasuresAndDrawsNothing) {
    TextCanvas c;
    const int32_t h = c.LineHeight();
    const TSize extent = c.dc.GetTextExtent("Громкость");
    EXPECT_EQ(c.Calc("Громкость", {5, 6, 7, 8}, DT_SINGLELINE), Rect(5, 6, 5 + extent.cx, 6 + h));
    EXPECT_EQ(c.Calc("a\r\nb\nc\rd", {0, 0, 0, 0}, 0).Bottom, 4 * h);
    EXPECT_EQ(c.Calc("a\r\nb\nc\rd", {0, 0, 0, 0}, DT_SINGLELINE),
              Rect(0, 0, c.dc.GetTextExtent("abcd").cx, h));
    EXPECT_EQ(c.Calc("a\n", {0, 0, 0, 0}, 0).Bottom, h); // a final break starts no line
    EXPECT_EQ(c.Calc("", {3, 3, 50, 50}, 0), Rect(3, 3, 3, 3 + h));
    TRect rect{0, 0, 100, 30};
    EXPECT_EQ(c.dc.DrawText("Play", rect, DT_CALCRECT | DT_VCENTER | DT_SINGLELINE), h);
    EXPECT_EQ(c.Ink(), TRect{});
}

TEST(Text, WordBreakWrapsAtSpacesAndSplitsLongWords) {
    TextCanvas c;
    const int32_t h = c.LineHeight();
    const int32_t playStop = c.dc.GetTextExtent("Play Stop").cx;
    // Room for "Play Stop" but not the third word: two lines as wide as the wider one; the
    // spaces at the break belong to neither line.
    TRect two = c.Calc("Play Stop  Next", {0, 0, playStop + 2, 0}, DT_WORDBREAK);
    EXPECT_EQ(two, Rect(0, 0, playStop, 2 * h));
    c.Draw("Play Stop  Next", {0, 0, playStop + 2, 40}, DT_WORDBREAK);
    TRect ink = c.Ink();
    EXPECT_GT(ink.Bottom, h);
    EXPECT_LE(ink.Bottom, 2 * h);
    // The second line is "Next" alone: its ink is as wide as "Next".
    TextCanvas next;
    next.Draw("Next", {0, h, playStop + 2, 40}, DT_RIGHT);
    TextCanvas secondLine;
    secondLine.Draw("Play Stop  Next", {0, 0, playStop + 2, 40}, DT_WORDBREAK | DT_RIGHT);
    for (int32_t y = h; y < 2 * h; ++y)
        for (int32_t x = 0; x < 120; ++x)
            ASSERT_EQ(secondLine.At(x, y), next.At(x, y)) << x << "," << y;

    // A word wider than the line breaks where it no longer fits; every line still fits.
    const int32_t narrow = c.dc.GetTextExtent("Wmm").cx;
    TRect split = c.Calc("WmmWmmWmm", {0, 0, narrow, 0}, DT_WORDBREAK);
    EXPECT_EQ(split, Rect(0, 0, narrow, 3 * h));
    // Not even one character fits: one character per line, and the width grows to hold it.
    TRect tiny = c.Calc("ab", {0, 0, 1, 0}, DT_WORDBREAK);
    EXPECT_EQ(tiny.Bottom, 2 * h);
    EXPECT_GE(tiny.Right, c.dc.GetTextExtent("a").cx);
    // Single-line wins over word breaking.
    EXPECT_EQ(c.Calc("Play Stop Next", {0, 0, 10, 0}, DT_WORDBREAK | DT_SINGLELINE).Bottom, h);
}

TEST(Text, AcceleratorPrefixes) {
    TextCanvas plain, prefixed;
    const TRect rect{4, 4, 120, 40};
    plain.Draw("File", rect, 0);
    prefixed.Draw("&File", rect, 0);
    const TTextMetric tm = plain.dc.GetTextMetrics();
    const TFaceMetrics& m = TFontEngine::Instance().Face(plain.font)->Metrics();
    const int32_t underlineTop = 4 + tm.Ascent + m.UnderlineOffset;
    const int32_t fWidth = plain.dc.GetTextExtent("F").cx;
    // Only pixels of the underline under "F" differ, and the whole underline is ink.
    for (int32_t y = 0; y < 40; ++y)
        for (int32_t x = 0; x < 120; ++x) {
            bool underline = y >= underlineTop && y < underlineTop + m.UnderlineThickness &&
                             x >= 4 && x < 4 + fWidth;
            if (underline)
                EXPECT_EQ(prefixed.At(x, y), 0xFF000000) << x << "," << y;
            else
                EXPECT_EQ(prefixed.At(x, y), plain.At(x, y)) << x << "," << y;
        }

    TextCanvas hidden, only;
    hidden.Draw("&File", rect, DT_HIDEPREFIX);
    EXPECT_TRUE(hidden.SamePixels(plain));
    only.Draw("&File", rect, DT_PREFIXONLY);
    EXPECT_EQ(only.Ink(), Rect(4, underlineTop, 4 + fWidth, underlineTop + m.UnderlineThickness));

    EXPECT_EQ(plain.Calc("a&&b", {}, DT_SINGLELINE).Right, plain.dc.GetTextExtent("a&b").cx);
    EXPECT_EQ(plain.Calc("a&&b", {}, DT_SINGLELINE | DT_NOPREFIX).Right,
              plain.dc.GetTextExtent("a&&b").cx);
    EXPECT_EQ(plain.Calc("ab&", {}, DT_SINGLELINE).Right, plain.dc.GetTextExtent("ab").cx);
}

TEST(Text, EndEllipsisKeepsTheLongestFittingStart) {
    TextCanvas c;
    const std::string text = "Громкость звука";
    const int32_t maxWidth = c.dc.GetTextExtent("Громкос").cx;
    // The shortened text by the rule: characters while prefix + next + "..." fits.
    std::string expected;
    for (size_t i = 0; i < text.size();) {
        size_t len = (uint8_t(text[i]) >= 0xC0) ? 2 : 1;
        std::string next = expected + text.substr(i, len);
        if (c.dc.GetTextExtent(next + "...").cx > maxWidth) break;
        expected = next;
        i += len;
    }
    expected += "...";
    const TRect rect{0, 0, maxWidth, 20};
    EXPECT_LE(c.Calc(text, rect, DT_SINGLELINE | DT_END_ELLIPSIS).Right, maxWidth);
    TextCanvas shortened, reference;
    shortened.Draw(text, rect, DT_SINGLELINE | DT_END_ELLIPSIS);
    reference.Draw(expected, rect, DT_SINGLELINE);
    EXPECT_TRUE(shortened.SamePixels(reference)) << expected;
    // Text that fits is left alone.
    TextCanvas fits, whole;
    fits.Draw("Play", rect, DT_SINGLELINE | DT_END_ELLIPSIS);
    whole.Draw("Play", rect, DT_SINGLELINE);
    EXPECT_TRUE(fits.SamePixels(whole));
}

TEST(Text, ClippingToTheRectangleAndTheContext) {
    TextCanvas c;
    const TRect rect{20, 10, 40, 20}; // smaller than the text
    c.Draw("Громкость", rect, DT_SINGLELINE | DT_VCENTER);
    EXPECT_FALSE(IsRectEmpty(c.Ink()));
    EXPECT_TRUE(Inside(c.Ink(), rect));
    c.Clear();
    c.Draw("Громкость", rect, DT_SINGLELINE | DT_VCENTER | DT_NOCLIP);
    EXPECT_GT(c.Ink().Right, rect.Right);

    // The context's own clip and origin apply too: text moved by the viewport, cut at x 30.
    TextCanvas moved;
    moved.dc.SetViewportOrg(5, 3);
    moved.dc.IntersectClipRect({0, 0, 25, 40});
    moved.Draw("Громкость", {0, 0, 120, 40}, 0);
    TextCanvas reference;
    reference.Draw("Громкость", {5, 3, 125, 43}, 0);
    for (int32_t y = 0; y < 40; ++y)
        for (int32_t x = 0; x < 120; ++x)
            ASSERT_EQ(moved.At(x, y), x < 30 ? reference.At(x, y) : White) << x << "," << y;
}

TEST(Text, OpaqueBackgroundFillsTheTextCell) {
    TextCanvas c;
    c.dc.SetBkMode(TBkMode::Opaque);
    c.dc.SetBkColor(clRed);
    const int32_t w = c.dc.GetTextExtent("Play").cx, h = c.LineHeight();
    c.Draw("Play", {10, 10, 110, 40}, DT_SINGLELINE);
    const uint32_t red = 0xFFFF0000;
    EXPECT_EQ(c.Ink(), Rect(10, 10, 10 + w, 10 + h));
    for (auto [x, y] : {std::pair{10, 10}, {10 + w - 1, 10}, {10, 10 + h - 1}})
        EXPECT_EQ(c.At(x, y), red);
    // Ink blends over the background: some pixels lie between red and black.
    bool blended = false;
    for (int32_t x = 10; x < 10 + w; ++x)
        for (int32_t y = 10; y < 10 + h; ++y) {
            uint32_t p = c.At(x, y);
            blended |= p != red && p != 0xFF000000 && (p & 0x0000FFFF) == 0;
        }
    EXPECT_TRUE(blended);
}

TEST(Text, UnderlineAndStrikeOutSpanTheLine) {
    TextCanvas plain;
    plain.Draw("Play", {0, 0, 120, 40}, 0);
    const int32_t w = plain.dc.GetTextExtent("Play").cx;
    const TFaceMetrics& m = TFontEngine::Instance().Face(plain.font)->Metrics();
    for (TFontStyle style : {TFontStyle::fsUnderline, TFontStyle::fsStrikeOut}) {
        TextCanvas styled;
        styled.font.SetStyle({style});
        styled.Draw("Play", {0, 0, 120, 40}, 0);
        const int32_t top =
            m.Ascent + (style == TFontStyle::fsUnderline ? m.UnderlineOffset : m.StrikeOutOffset);
        const int32_t thickness =
            style == TFontStyle::fsUnderline ? m.UnderlineThickness : m.StrikeOutThickness;
        for (int32_t y = 0; y < 40; ++y)
            for (int32_t x = 0; x < 120; ++x) {
                bool line = y >= top && y < top + thickness && x < w;
                EXPECT_EQ(styled.At(x, y), line ? 0xFF000000 : plain.At(x, y))
                    << int(style) << " " << x << "," << y;
            }
    }
}

TEST(Text, CyrillicInvalidUtf8AndControlCharacters) {
    TextCanvas c;
    c.Draw("Громкость", {0, 0, 120, 40}, DT_SINGLELINE);
    EXPECT_GT(c.Ink().Width(), 30);
    // Malformed bytes measure as the replacement characters they decode to.
    EXPECT_EQ(c.dc.GetTextExtent("\xFF\xC0\x80"
                                 "abc\xE2\x82")
                  .cx,
              c.dc.GetTextExtent("\uFFFD\uFFFD\uFFFDabc\uFFFD").cx);
    c.Draw(std::string("\xF4\x90\x80\x80\xED\xA0\x80\0x", 9), {0, 0, 120, 40}, DT_WORDBREAK);
    // Tabs expand to stops of eight average characters; otherwise, like other control
    // characters, they take no room.
    const int32_t ave = c.dc.GetTextMetrics().AveCharWidth;
    const int32_t b = c.dc.GetTextExtent("b").cx;
    EXPECT_EQ(c.Calc("a\tb", {}, DT_SINGLELINE | DT_EXPANDTABS).Right, 8 * ave + b);
    EXPECT_EQ(c.Calc("a\tb\x01", {}, DT_SINGLELINE).Right, c.dc.GetTextExtent("ab").cx);
}

TEST(Text, RightToLeftReadingMovesEndPunctuationLeft) {
    struct Case {
        const char* logical;
        const char* visual; // the same text drawn left to right
    } cases[] = {{"Hello!", "!Hello"},
                 {"Hello, world.", ".Hello, world"},
                 {"- Стоп", "Стоп -"},
                 {"(Play) 1", "1 (Play)"}};
    for (const Case& k : cases) {
        TextCanvas rtl, ltr;
        rtl.Draw(k.logical, {2, 2, 120, 40}, DT_SINGLELINE | DT_RTLREADING);
        ltr.Draw(k.visual, {2, 2, 120, 40}, DT_SINGLELINE);
        EXPECT_TRUE(rtl.SamePixels(ltr)) << k.logical;
    }
    // Hebrew runs read right to left in either paragraph direction; brackets inside a
    // right-to-left run are mirrored.
    TFontFace& face = *TFontEngine::Instance().Face(TFont());
    auto glyphs = [&](std::u32string codes) {
        std::vector<uint32_t> out;
        for (char32_t c : codes)
            out.push_back(face.GlyphIndex(c));
        return out;
    };
    struct Order {
        const char* text;
        uint32_t format;
        std::u32string visual;
    } orders[] = {{"ab \u05D0\u05D1", 0, U"ab \u05D1\u05D0"},
                  {"ab \u05D0\u05D1", DT_RTLREADING, U"\u05D1\u05D0 ab"},
                  {"\u05D0(\u05D1)", 0, U"(\u05D1)\u05D0"},
                  {"\u05D0(\u05D1", 0, U"\u05D1)\u05D0"}};
    TTextLayout layout;
    for (const Order& o : orders) {
        layout.Build(o.text, o.format | DT_SINGLELINE, 1000, face);
        std::vector<uint32_t> drawn;
        int32_t x = 0;
        for (const TLayoutGlyph& g : layout.LineGlyphs(layout.Lines()[0])) {
            drawn.push_back(g.Glyph);
            EXPECT_EQ(g.X, x);
            x += g.Advance;
        }
        EXPECT_EQ(drawn, glyphs(o.visual)) << o.text;
    }
}

TEST(Text, TextOutDrawsFromTheCellTopLeftWithoutClipping) {
    TextCanvas c;
    c.dc.SetBkMode(TBkMode::Opaque);
    c.dc.SetBkColor(clWhite);
    c.dc.SetTextColor(clBlue);
    c.dc.TextOut(100, 10, "A&B");
    const TSize extent = c.dc.GetTextExtent("A&B");
    TRect ink = c.Ink();
    EXPECT_GE(ink.Left, 100);
    EXPECT_EQ(ink.Right, 120); // runs off the surface: cut there, not at an empty rectangle
    EXPECT_GE(ink.Top, 10);
    EXPECT_LE(ink.Bottom, 10 + extent.cy);
    EXPECT_NE(std::find(c.surface.Bits(), c.surface.Bits() + c.surface.PixelCount(), 0xFF0000FF),
              c.surface.Bits() + c.surface.PixelCount());
}
