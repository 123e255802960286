#include "framework/graphics/bitmap_data.h"
#include "framework/core/exceptions.h"
#include "framework/graphics/image_list.h"

#include <gtest/gtest.h>

#include <array>
#include <memory>

using namespace brisat;

namespace {

constexpr uint32_t Red = 0xFFFF0000u, Blue = 0xFF0000FFu, White = 0xFFFFFFFFu,
                   Black = 0xFF000000u;

// A strip of Count images of W × H, image i filled with Colors[i % 2] and a black pixel at its
// top-left corner.
std::unique_ptr<TBitmap> Strip(int count, int32_t w, int32_t h) {
    auto strip = std::make_unique<TBitmap>();
    strip->SetSize(count * w, h);
    for (int i = 0; i < count; ++i) {
        strip->DC().FillRect(Bounds(i * w, 0, w, h), i % 2 ? clBlue : clRed);
        strip->DC().SetPixel(i * w, 0, clBlack);
    }
    return strip;
}

uint32_t Pixel(const TBitmap& b, int32_t x, int32_t y) {
    return b.Surface().Row(y)[x];
}

std::unique_ptr<TBitmap> Canvas(int32_t w, int32_t h, TColor color) {
    auto b = std::make_unique<TBitmap>();
    b->SetSize(w, h);
    b->DC().FillRect(Bounds(0, 0, w, h), color);
    return b;
}

TEST(ImageListTest, AStripIsCutIntoImagesThatCanBeReadDeletedAndCleared) {
    TImageList list(nullptr);
    list.SetSize(4, 3);
    EXPECT_EQ(list.Add(*Strip(3, 4, 3)), 0);
    EXPECT_EQ(list.Add(*Strip(2, 4, 3)), 3);
    EXPECT_EQ(list.Count(), 5);

    TBitmap image;
    ASSERT_TRUE(list.GetBitmap(1, image));
    EXPECT_EQ(image.Width(), 4);
    EXPECT_EQ(image.Height(), 3);
    EXPECT_EQ(Pixel(image, 0, 0), Black);
    EXPECT_EQ(Pixel(image, 3, 2), Blue);
    EXPECT_FALSE(list.GetBitmap(5, image));
    EXPECT_FALSE(list.GetBitmap(-1, image));

    list.Delete(0);
    ASSERT_TRUE(list.GetBitmap(0, image));
    EXPECT_EQ(Pixel(image, 3, 2), Blue) << "the images after the deleted one move up";
    EXPECT_THROW(list.Delete(4), EListError);
    EXPECT_THROW(list.Add(*Strip(1, 3, 3)), EInvalidOperation) << "narrower than an image";
    EXPECT_THROW(list.SetWidth(0), EInvalidOperation);
    list.SetWidth(8);
    EXPECT_EQ(list.Count(), 0) << "a new image size clears the list";
}

// Masked pixels leave the background (or take BkColor); an unmasked list draws them.
TEST(ImageListTest, MasksKeyColourAndMaskBitmapDecideWhatIsDrawn) {
    TImageList list(nullptr);
    list.SetSize(2, 1);
    TBitmap image;
    image.SetSize(2, 1);
    image.DC().SetPixel(0, 0, clRed);
    image.DC().SetPixel(1, 0, clFuchsia);
    list.AddMasked(image, clFuchsia);
    TBitmap mask;
    mask.SetSize(2, 1);
    mask.DC().SetPixel(0, 0, clWhite);
    mask.DC().SetPixel(1, 0, clBlack);
    list.Add(image, &mask);

    const struct {
        int Index;
        bool Masked;
        TColor BkColor;
        std::array<uint32_t, 2> Expected;
    } cases[] = {
        {0, true, clNone, {Red, White}},
        {0, true, clBlue, {Red, Blue}},
        {0, false, clNone, {Red, 0xFFFF00FFu}},
        {1, true, clNone, {White, 0xFFFF00FFu}},
    };
    for (const auto& c : cases) {
        list.SetMasked(c.Masked);
        list.SetBkColor(c.BkColor);
        const auto target = Canvas(2, 1, clWhite);
        list.Draw(target->DC(), 0, 0, c.Index);
        EXPECT_EQ(Pixel(*target, 0, 0), c.Expected[0]) << c.Index << c.Masked;
        EXPECT_EQ(Pixel(*target, 1, 0), c.Expected[1]) << c.Index << c.Masked;
    }
}

// Disabled, dark pixels are embossed: shadow where they are, highlight one pixel down and right;
// light pixels and transparent ones vanish, and so does the lighter half of a picture drawn in
// dark colours alone (a maroon ring's red inside), which would otherwise emboss as one blob.
// Drawing respects the clip and the origin.
TEST(ImageListTest, DisabledImagesAreEmbossedInShadowAndHighlight) {
    TImageList list(nullptr);
    list.SetSize(3, 3);
    TBitmap image;
    image.SetSize(3, 3);
    image.DC().FillRect(Bounds(0, 0, 3, 3), clFuchsia);
    image.DC().SetPixel(0, 0, clNavy);
    image.DC().SetPixel(2, 2, clSilver);
    list.AddMasked(image, clFuchsia);
    image.DC().FillRect(Bounds(0, 0, 3, 3), clMaroon);
    image.DC().SetPixel(1, 1, clRed);
    list.AddMasked(image, clFuchsia);

    const auto target = Canvas(5, 5, clBtnFace);
    list.Draw(target->DC(), 1, 1, 0, false);
    const uint32_t face = RGBToOpaquePixel(ColorToRGB(clBtnFace));
    const uint32_t shadow = RGBToOpaquePixel(ColorToRGB(clBtnShadow));
    const uint32_t highlight = RGBToOpaquePixel(ColorToRGB(clBtnHighlight));
    EXPECT_EQ(Pixel(*target, 1, 1), shadow);
    EXPECT_EQ(Pixel(*target, 2, 2), highlight);
    EXPECT_EQ(Pixel(*target, 3, 3), face) << "silver is light: no ink";
    EXPECT_EQ(Pixel(*target, 2, 1), face);

    const auto ring = Canvas(5, 5, clBtnFace);
    list.Draw(ring->DC(), 1, 1, 1, false);
    EXPECT_EQ(Pixel(*ring, 1, 1), shadow);
    EXPECT_EQ(Pixel(*ring, 2, 2), highlight) << "the red inside is no ink";

    const auto clipped = Canvas(5, 5, clWhite);
    clipped->DC().SetViewportOrg(2, 2);
    clipped->DC().IntersectClipRect(Bounds(-1, -1, 1, 1));
    list.Draw(clipped->DC(), -2, -2, 0);
    EXPECT_EQ(Pixel(*clipped, 0, 0), White) << "outside the clip";
    list.Draw(clipped->DC(), -1, -1, 0);
    EXPECT_EQ(Pixel(*clipped, 1, 1), RGBToOpaquePixel(ColorToRGB(clNavy)));
}

TEST(ImageListTest, ImagesTravelAsAPngStripAndComeBackExact) {
    TImageList list(nullptr);
    list.SetSize(4, 3);
    list.Add(*Strip(3, 4, 3));
    TBitmap mask;
    mask.SetSize(4, 3);
    mask.DC().FillRect(Bounds(0, 0, 2, 3), clWhite);
    list.Add(*Strip(1, 4, 3), &mask);
    const std::vector<uint8_t> data = list.Data();
    ASSERT_GE(data.size(), 8u);
    EXPECT_EQ(data[1], 'P');

    TImageList copy(nullptr);
    copy.SetSize(4, 3);
    copy.SetData(data);
    ASSERT_EQ(copy.Count(), 4);
    for (int i = 0; i < 4; ++i) {
        TBitmap a, b;
        list.GetBitmap(i, a);
        copy.GetBitmap(i, b);
        for (int32_t y = 0; y < 3; ++y)
            for (int32_t x = 0; x < 4; ++x)
                EXPECT_EQ(Pixel(a, x, y), Pixel(b, x, y)) << i << " " << x << "," << y;
    }
    copy.SetData({});
    EXPECT_EQ(copy.Count(), 0);
}

// PNG chunk CRC (the zlib polynomial), for hand-made headers.
uint32_t Crc(const uint8_t* p, size_t n) {
    uint32_t c = 0xFFFFFFFFu;
    for (size_t i = 0; i < n; ++i) {
        c ^= p[i];
        for (int k = 0; k < 8; ++k)
            c = (c >> 1) ^ (0xEDB88320u & (0u - (c & 1u)));
    }
    return ~c;
}

void PutBigEndian(std::vector<uint8_t>& v, size_t at, uint32_t value) {
    for (int i = 0; i < 4; ++i)
        v[at + size_t(i)] = uint8_t(value >> (24 - 8 * i));
}

// A valid PNG whose header claims Width × Height, its CRC made to match.
std::vector<uint8_t> ClaimingSize(std::vector<uint8_t> png, uint32_t width, uint32_t height) {
    PutBigEndian(png, 16, width);
    PutBigEndian(png, 20, height);
    PutBigEndian(png, 29, Crc(&png[12], 17));
    return png;
}

TEST(ImageListTest, DamagedImageDataRaisesAReadErrorAndLeavesTheListAsItWas) {
    TImageList list(nullptr);
    list.SetSize(4, 3);
    list.Add(*Strip(2, 4, 3));
    const std::vector<uint8_t> good = list.Data();
    const auto wrongHeight = Strip(2, 4, 5);
    const struct {
        const char* Name;
        std::vector<uint8_t> Data;
        const char* Message;
    } cases[] = {
        {"not a PNG", {1, 2, 3, 4, 5, 6, 7, 8, 9}, "not a PNG image"},
        {"truncated", std::vector<uint8_t>(good.begin(), good.begin() + 40), "PNG"},
        {"huge", ClaimingSize(good, 60000, 60000), "out of range"},
        {"wrong height", BitmapToData(*wrongHeight), "does not hold images of 4 x 3"},
        {"partial image", ClaimingSize(good, 6, 3), ""},
    };
    for (const auto& c : cases) {
        try {
            list.SetData(c.Data);
            ADD_FAILURE() << c.Name << " was accepted";
        } catch (const EReadError& e) {
            EXPECT_NE(std::string(e.what()).find(c.Message), std::string::npos)
                << c.Name << ": " << e.what();
        }
        EXPECT_EQ(list.Count(), 2) << c.Name;
    }
}

} // namespace
