// Text in the bitmap's font: measuring, drawing, turned text and shortening with an ellipsis.
#include "framework/core/utf8.h"
#include "skin/bitmap/bitmap.h"
#include "skin/bitmap_fixture.h"
#include "skin/bitmap/draw_helpers.h"

#include <gtest/gtest.h>

using namespace brisat;
using namespace brisat::test;

namespace {

constexpr TKsPixel kMagenta = 0xFFFF00FF;

std::unique_ptr<TKsBitmap> TextBitmap(int32_t width, int32_t height, TColor color) {
    auto bitmap = MakeBitmap(width, height, ksKeyPixel);
    bitmap->Font().SetName("DejaVu Sans");
    bitmap->Font().SetHeight(-14);
    bitmap->Font().SetColor(color);
    return bitmap;
}

} // namespace

TEST(KsBitmapText, MeasuresInItsFont) {
    auto bitmap = TextBitmap(1, 1, clBlack);
    const int32_t narrow = bitmap->TextWidth("Hi");
    EXPECT_GT(narrow, 0);
    EXPECT_GT(bitmap->TextWidth("Hi there"), narrow);
    EXPECT_EQ(bitmap->TextWidth(""), 0);
    EXPECT_EQ(bitmap->TextHeight("Hi"), bitmap->DC().GetTextMetrics().Height);
    bitmap->Font().SetHeight(-28);
    EXPECT_GT(bitmap->TextWidth("Hi"), narrow);
}

TEST(KsBitmapText, DrawsInTheFontColourOverATransparentBackground) {
    auto bitmap = TextBitmap(40, 20, clRed);
    bitmap->DC().SetBkMode(TBkMode::Opaque);
    bitmap->DrawText("HI", bitmap->BoundsRect(), DT_SINGLELINE | DT_VCENTER);
    int32_t ink = 0, full = 0;
    for (TKsPixel p : PixelsOf(*bitmap)) {
        ink += p != ksKeyPixel;
        full += p == 0xFFFF0000;
    }
    EXPECT_GT(full, 10);
    EXPECT_LT(ink, 40 * 20 / 2); // no background box was painted
}

TEST(KsBitmapText, TurnedTextIsTheHorizontalTextRotatedInsideTheRectangle) {
    const TRect rect = Rect(3, 2, 15, 50); // 12 wide, 48 tall: a 48 × 12 horizontal layout
    const uint32_t flags = DT_SINGLELINE | DT_VCENTER | DT_CENTER;
    auto horizontal = TextBitmap(48, 12, clBlue);
    horizontal->Fill(kMagenta);
    horizontal->Font().SetHeight(-16); // tall enough to touch the layout's first row
    horizontal->DrawText("Wig", horizontal->BoundsRect(), flags);

    for (bool clockwise : {true, false}) {
        auto bitmap = TextBitmap(20, 60, clBlue);
        bitmap->Font().SetHeight(-16);
        bitmap->DrawRotatedText("Wig", rect, clockwise, flags);
        for (int32_t y = 0; y < 60; ++y)
            for (int32_t x = 0; x < 20; ++x) {
                bool ink = false;
                if (PtInRect(rect, {x, y})) {
                    // Clockwise, layout row j is column Right − 1 − j and layout column i is
                    // row Top + i; the other way, row j is column Left + j and column i is
                    // row Bottom − 1 − i.
                    const int32_t i = clockwise ? y - rect.Top : rect.Bottom - 1 - y;
                    const int32_t j = clockwise ? rect.Right - 1 - x : x - rect.Left;
                    ink = horizontal->Pixels(i, j) != kMagenta;
                }
                ASSERT_EQ(bitmap->Pixels(x, y), ink ? 0xFF0000FF : ksKeyPixel)
                    << x << "," << y << " clockwise " << clockwise;
            }
    }
}

TEST(KsBitmapText, EllipsisKeepsWholeCodePointsThatFit) {
    auto bitmap = TextBitmap(1, 1, clBlack);
    const std::string text = "Привет, мир";
    const int32_t full = bitmap->TextWidth(text);
    EXPECT_EQ(EllipsisText(*bitmap, text, full), text);

    for (int32_t width : {full - 1, full / 2, bitmap->TextWidth("П..."), 3}) {
        const std::string shortened = EllipsisText(*bitmap, text, width);
        ASSERT_GE(shortened.size(), 3u);
        const std::string prefix = shortened.substr(0, shortened.size() - 3);
        EXPECT_EQ(shortened.substr(prefix.size()), "...");
        EXPECT_EQ(text.compare(0, prefix.size(), prefix), 0) << shortened;
        EXPECT_EQ(ValidUtf8(prefix), prefix) << "split code point at width " << width;
        if (!prefix.empty()) {
            EXPECT_LE(bitmap->TextWidth(shortened), width);
        }
        // The next code point would not have fitted.
        size_t next = prefix.size();
        DecodeUtf8(text, next);
        EXPECT_GT(bitmap->TextWidth(text.substr(0, next) + "..."), width) << width;
    }
    // A larger font shortens more.
    const std::string small = EllipsisText(*bitmap, text, full / 2);
    bitmap->Font().SetHeight(-28);
    EXPECT_LT(EllipsisText(*bitmap, text, full / 2).size(), small.size());
    EXPECT_EQ(EllipsisText(bitmap->DC(), text, full / 2), EllipsisText(*bitmap, text, full / 2));
}
