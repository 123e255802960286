// Allocation, pixel access, whole-bitmap pixel operations and copies to and from framework
// graphics.
#include "framework/core/exceptions.h"
#include "framework/graphics/graphics.h"
#include "skin/bitmap/bitmap.h"
#include "skin/bitmap_fixture.h"

#include <climits>
#include <gtest/gtest.h>
#include <string>

using namespace brisat;
using namespace brisat::test;

namespace {

// Records the callbacks a bitmap fires, in order.
struct TCallbackLog {
    std::string events;
    void Attach(TKsBitmap& bitmap) {
        bitmap.OnBeforeFree = [this](TKsBitmap&) { events += "free "; };
        bitmap.OnChange = [this](TKsBitmap&) { events += "change "; };
    }
};

} // namespace

TEST(KsBitmapAllocation, SizesAreAbsoluteAndZeroOrUnchangedSizesDoNothing) {
    TCallbackLog log;
    TKsBitmap bitmap;
    log.Attach(bitmap);
    EXPECT_TRUE(bitmap.Empty());

    bitmap.SetSize(-20, 10);
    EXPECT_EQ(bitmap.Width(), 20);
    EXPECT_EQ(bitmap.Height(), 10);
    EXPECT_EQ(log.events, "free change ");
    EXPECT_EQ(bitmap.Pixels(19, 9), 0u);

    bitmap.SetPixels(3, 3, 0x12345678);
    log.events.clear();
    bitmap.SetSize(0, 10);
    bitmap.SetSize(20, -10);
    EXPECT_EQ(log.events, "");
    EXPECT_EQ(bitmap.Pixels(3, 3), 0x12345678u);

    bitmap.SetSize(2, 2);
    EXPECT_EQ(log.events, "free change ");
    EXPECT_EQ(PixelsOf(bitmap), std::vector<TKsPixel>(4, 0));
}

TEST(KsBitmapAllocation, DestructionFiresTheBeforeFreeCallback) {
    TCallbackLog log;
    {
        TKsBitmap bitmap;
        bitmap.SetSize(1, 1);
        log.Attach(bitmap);
    }
    EXPECT_EQ(log.events, "free ");
}

TEST(KsBitmapAllocation, SizesBeyond32BitByteCountsAreRefusedAndStillNotify) {
    const struct {
        int32_t width, height;
    } cases[] = {{INT_MIN, 1}, {1, INT_MIN}, {50000, 50000}, {INT_MAX, 2}, {23171, 23171}};
    for (const auto& c : cases) {
        TCallbackLog log;
        TKsBitmap bitmap;
        bitmap.SetSize(3, 2);
        bitmap.Fill(0xFF112233);
        log.Attach(bitmap);
        EXPECT_THROW(bitmap.SetSize(c.width, c.height), EIntOverflow) << c.width << "x" << c.height;
        // Refused before anything changed; OnChange fires after a failure too.
        EXPECT_EQ(log.events, "change ");
        EXPECT_EQ(bitmap.Width(), 3);
        EXPECT_EQ(bitmap.Pixels(2, 1), 0xFF112233u);
    }
}

TEST(KsBitmapPixels, ReadsOutsideGiveOpaqueBlackAndWritesOutsideAreIgnored) {
    auto bitmap = MakeBitmap(3, 2, 0x01020304);
    const TPoint outside[] = {{3, 0}, {0, 2}, {-1, 0}, {0, -1}, {INT_MAX, INT_MIN}};
    for (TPoint p : outside) {
        bitmap->SetPixels(p.X, p.Y, 0xDEADBEEF);
        EXPECT_EQ(bitmap->Pixels(p.X, p.Y), ksOutOfRangePixel);
    }
    EXPECT_EQ(PixelsOf(*bitmap), std::vector<TKsPixel>(6, 0x01020304));

    TKsBitmap empty;
    empty.SetPixels(0, 0, 1);
    EXPECT_EQ(empty.Pixels(0, 0), ksOutOfRangePixel);
    empty.Fill(1);
    empty.SetAlpha(1);
    empty.ChangeHue(5);
    empty.MakeTransparent(0);
}

TEST(KsBitmapPixels, SetAlphaReachesEveryPixelAndSetAlphaRectIsClipped) {
    auto one = MakeBitmap(1, 1, 0x00ABCDEF);
    one->SetAlpha(0x80);
    EXPECT_EQ(one->Pixels(0, 0), 0x80ABCDEFu);

    auto bitmap = MakeBitmap(3, 5, 0xFF123456);
    bitmap->SetAlpha(7);
    EXPECT_EQ(PixelsOf(*bitmap), std::vector<TKsPixel>(15, 0x07123456));

    bitmap->SetAlphaRect(0x40, Rect(-5, 3, 2, 99));
    for (int32_t y = 0; y < 5; ++y)
        for (int32_t x = 0; x < 3; ++x)
            EXPECT_EQ(bitmap->Pixels(x, y) >> 24, (x < 2 && y >= 3) ? 0x40u : 7u) << x << "," << y;
}

TEST(KsBitmapPixels, MakeTransparentMatchesColourWhateverTheAlpha) {
    auto bitmap = MakeBitmap(4, 1);
    const TKsPixel before[] = {0xFFFF00FF, 0x00FF00FF, 0x80FF00FE, 0xFF00FF00};
    for (int32_t x = 0; x < 4; ++x)
        bitmap->SetPixels(x, 0, before[x]);
    bitmap->MakeTransparent(0xFFFF00FF);
    EXPECT_EQ(PixelsOf(*bitmap),
              (std::vector<TKsPixel>{ksKeyPixel, ksKeyPixel, 0x80FF00FE, 0xFF00FF00}));
}

TEST(KsBitmapPixels, BlendScalesAlphaLikeTheColourChannels) {
    EXPECT_EQ(Blend(0x80FF0000, 0xFF0000FF), 0xBF80007Fu);
    EXPECT_EQ(Blend(0x00FF0000, 0x12345678), 0x12345678u);
    EXPECT_EQ(Blend(0xFF123456, 0x12345678), 0xFF123456u);
}

TEST(KsBitmapHue, ChangeHueRotatesOpaqueAndTranslucentPixelsAndSkipsTransparentOnes) {
    struct Case {
        TKsPixel before;
        int32_t delta;
        TKsPixel after;
    } cases[] = {
        {0xFFFF0000, 85, 0xFF00FF00},  // red becomes green
        {0x80FF0000, 85, 0xFF00FF00},  // translucent comes back opaque
        {0xFFFF0000, 0, 0xFFFF0000},   // no turn
        {0xFF7F7F7F, 100, 0xFF7F7F7F}, // grey has no hue
        {0x00FF0000, 85, 0x00FF0000},  // transparent pixels are left alone
        {0xFF0000FF, 85, 0xFFFF0000},  // blue wraps round to red
    };
    auto bitmap = MakeBitmap(1, 1);
    for (const Case& c : cases) {
        bitmap->SetPixels(0, 0, c.before);
        bitmap->ChangeHue(c.delta);
        EXPECT_EQ(bitmap->Pixels(0, 0), c.after) << std::hex << c.before << " by " << c.delta;
    }
}

TEST(KsBitmapAssign, FromFrameworkBitmapTakesSizeAndPixelsWithOpaqueAlpha) {
    TBitmap source;
    source.SetSize(2, 1);
    source.DC().FillRect(Rect(0, 0, 1, 1), clRed);
    TKsBitmap bitmap;
    bitmap.Assign(source);
    EXPECT_EQ(PixelsOf(bitmap), (std::vector<TKsPixel>{0xFFFF0000, 0xFF000000}));

    TPicture picture;
    picture.Assign(source);
    TKsBitmap fromPicture;
    fromPicture.Assign(picture);
    EXPECT_EQ(PixelsOf(fromPicture), PixelsOf(bitmap));
}

TEST(KsBitmapAssign, EmptySourceLeavesAnEmptyBitmapAlone) {
    TBitmap source;
    TCallbackLog log;
    TKsBitmap bitmap;
    log.Attach(bitmap);
    bitmap.Assign(source);
    bitmap.Assign(TPicture());
    EXPECT_TRUE(bitmap.Empty());
    EXPECT_EQ(log.events, "");
}

TEST(KsBitmapAssign, BetweenKsBitmapsKeepsAlpha) {
    auto source = MakeCoordBitmap(3, 2);
    source->SetPixels(1, 1, 0x40102030);
    TKsBitmap copy;
    copy.Assign(*source);
    EXPECT_EQ(PixelsOf(copy), PixelsOf(*source));
}

TEST(KsBitmapAssign, ToFrameworkBitmapAndPictureGivesA24BitCopy) {
    auto source = MakeCoordBitmap(3, 2);
    TBitmap bitmap;
    bitmap.Assign(*source);
    EXPECT_EQ(bitmap.PixelFormat(), TPixelFormat::pf24bit);
    ASSERT_EQ(bitmap.Width(), 3);
    ASSERT_EQ(bitmap.Height(), 2);
    EXPECT_EQ(bitmap.Surface().Row(1)[2], Coord(2, 1));

    TPicture picture;
    picture.Assign(*source);
    ASSERT_NE(dynamic_cast<const TBitmap*>(picture.Graphic()), nullptr);
    EXPECT_EQ(picture.Width(), 3);

    TFont font;
    EXPECT_THROW(font.Assign(*source), EConvertError);
}
