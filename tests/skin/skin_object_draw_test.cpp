// Drawing skin objects: plain fills and separators, bitmap links tiled, stretched, centred and
// in nine parts, the links chosen by state, and regions cut from transparent pixels.
#include "skin/bitmap/bitmap.h"
#include "skin/bitmap/bitmap_list.h"
#include "skin/bitmap_fixture.h"
#include "skin/objects/skin_object_classes.h"
#include "skin/skin_object_fixture.h"

#include <gtest/gtest.h>

using namespace brisat;
using namespace brisat::test;

namespace {

constexpr TKsPixel kBack = 0xFF101010;

void Link(TKsBitmapLink& link, TKsBitmap& bitmap, const TRect& rect) {
    link.SetBitmap(&bitmap);
    link.SetRect(rect);
}

// The source coordinate a nine-part draw takes for offset D (0 ≤ D < Size) along one axis of an
// object of Size, from a link of Length with margins Low and High: the margins copied, the
// middle tiled (edges) or stretched (centre, nearest neighbour rounding down) from the link's
// middle. The stretch step is kept clear of 16.16 rounding by the sizes the test picks.
int32_t NinePartSource(int32_t d, int32_t size, int32_t length, int32_t low, int32_t high,
                       bool stretch) {
    if (d < low) return d;
    if (d >= size - high) return length - (size - d);
    const int32_t middle = length - low - high, span = size - low - high;
    return low + (stretch ? (d - low) * middle / span : (d - low) % middle);
}

} // namespace

TEST(SkinObjectDraw, PlainObjectsFillWithTheirColourAndDrawSeparators) {
    TSeSkinObject object(nullptr);
    object.SetBounds({1, 1, 9, 6});
    object.SetColor(clRed);
    object.Font().SetColor(clBlue);
    auto target = MakeBitmap(10, 7, kBack);
    object.Draw(*target);
    EXPECT_EQ(target->Pixels(1, 1), 0xFFFF0000u);
    EXPECT_EQ(target->Pixels(8, 5), 0xFFFF0000u);
    EXPECT_EQ(target->Pixels(9, 5), kBack);

    // "-" is a one-pixel line in the font colour at Top + H div 2 - 1, from Left + 3 to Right - 3.
    object.SetText("-");
    object.SetBounds({0, 0, 10, 7});
    object.Draw(*target);
    for (int32_t x = 0; x < 10; ++x)
        EXPECT_EQ(target->Pixels(x, 2), x >= 3 && x < 7 ? 0xFF0000FFu : 0xFFFF0000u) << x;

    // A parent with children draws only them, unless DrawIfOwner is set.
    auto& child = AddChild(object, "Child", TSeAlign::saNone, {0, 0, 2, 2});
    child.SetColor(clLime);
    target->Fill(kBack);
    object.Draw(*target);
    EXPECT_EQ(target->Pixels(1, 1), 0xFF00FF00u);
    EXPECT_EQ(target->Pixels(5, 5), kBack);
    object.SetDrawIfOwner(true);
    object.Draw(*target);
    EXPECT_EQ(target->Pixels(5, 5), 0xFFFF0000u);
}

TEST(SkinObjectDraw, CaptionsDrawInsideTheTextMarginsWithShadowAndGreyWhenDisabled) {
    TSeSkinObject object(nullptr);
    object.SetBounds({0, 0, 60, 20});
    object.SetText("HI");
    object.SetTextMarginLeft(30);
    object.SetTextEffect(TSeTextEffect::teShadow);
    object.Font().SetName("DejaVu Sans");
    object.Font().SetHeight(-14);
    object.Font().SetColor(clRed);
    auto count = [](const TKsBitmap& b, TKsPixel p, int32_t fromX, int32_t toX) {
        int n = 0;
        for (int32_t y = 0; y < b.Height(); ++y)
            for (int32_t x = fromX; x < toX; ++x)
                n += b.Pixels(x, y) == p;
        return n;
    };
    auto target = MakeBitmap(60, 20);
    object.Draw(*target);
    EXPECT_EQ(count(*target, 0xFFFFFFFF, 0, 30), 30 * 20) << "nothing left of the text margin";
    EXPECT_GT(count(*target, 0xFFFF0000, 30, 60), 0);
    EXPECT_GT(count(*target, 0xFF000000, 30, 60), 0) << "the shadow";

    object.SetEnabled(false);
    object.SetTextEffect(TSeTextEffect::teNone);
    object.Draw(*target);
    EXPECT_EQ(count(*target, 0xFFFF0000, 30, 60), 0);
    EXPECT_GT(count(*target, 0xFF808080, 30, 60), 0);
}

TEST(SkinObjectDraw, NinePartsKeepCornersUnscaledTileEdgesAndStretchTheCentre) {
    auto source = MakeCoordBitmap(6, 6);
    source->SetPixels(0, 0, 0x00FFFFFF); // transparent corner pixel
    TSeBitmapObject object(nullptr);
    Link(object.Bitmap(), *source, {0, 0, 6, 6});
    object.SetMarginLeft(2);
    object.SetMarginTop(2);
    object.SetMarginRight(2);
    object.SetMarginBottom(1);
    object.SetTileStyle(TscTileStyle::tsStretch);
    object.SetBorderTileStyle(TscTileStyle::tsTile);
    // 8 × 8: the centre is stretched 2 → 4 across and 3 → 5 down, the edges tiled.
    object.SetBounds({1, 1, 9, 9});
    auto target = MakeBitmap(10, 10, kBack);
    object.Draw(*target);

    for (int32_t y = 0; y < 10; ++y)
        for (int32_t x = 0; x < 10; ++x) {
            TKsPixel expected = kBack;
            const int32_t dx = x - 1, dy = y - 1;
            if (dx >= 0 && dx < 8 && dy >= 0 && dy < 8) {
                const bool centreX = dx >= 2 && dx < 6, centreY = dy >= 2 && dy < 7;
                const bool centre = centreX && centreY;
                const int32_t sx = NinePartSource(dx, 8, 6, 2, 2, centre);
                const int32_t sy = NinePartSource(dy, 8, 6, 2, 1, centre);
                expected = sx == 0 && sy == 0 ? kBack : Coord(sx, sy);
            }
            EXPECT_EQ(target->Pixels(x, y), expected) << x << "," << y;
        }
    EXPECT_FALSE(source->AlphaBlend()) << "the link's bitmap blends only while drawn";
}

TEST(SkinObjectDraw, WithoutMarginsTheLinkIsTiledStretchedOrCentred) {
    auto source = MakeCoordBitmap(4, 2);
    TSeBitmapObject object(nullptr);
    Link(object.Bitmap(), *source, {1, 0, 3, 2}); // 2 × 2
    object.SetBounds({0, 0, 5, 4});
    struct TCase {
        TscTileStyle Style;
        TPoint At;
        TKsPixel Expected;
    };
    const TCase cases[] = {
        {TscTileStyle::tsTile, {2, 3}, Coord(1, 1)},    {TscTileStyle::tsTile, {4, 0}, Coord(1, 0)},
        {TscTileStyle::tsStretch, {4, 3}, Coord(2, 1)}, {TscTileStyle::tsCenter, {0, 0}, kBack},
        {TscTileStyle::tsCenter, {1, 1}, Coord(1, 0)},  {TscTileStyle::tsCenter, {2, 2}, Coord(2, 1)},
        {TscTileStyle::tsCenter, {3, 1}, kBack},
    };
    for (const TCase& c : cases) {
        object.SetTileStyle(c.Style);
        auto target = MakeBitmap(5, 4, kBack);
        object.Draw(*target);
        EXPECT_EQ(target->Pixels(c.At.X, c.At.Y), c.Expected)
            << int(c.Style) << " at " << c.At.X << "," << c.At.Y;
    }
}

TEST(SkinObjectDraw, StatesPickTheirLinksWhenValid) {
    // One pixel per look: normal, hot, pressed, disabled; the focused link stays unresolved.
    auto source = MakeCoordBitmap(4, 1);
    TSeButtonObject button(nullptr);
    Link(button.Bitmap(), *source, {0, 0, 1, 1});
    Link(button.BitmapHot(), *source, {1, 0, 2, 1});
    Link(button.BitmapPressed(), *source, {2, 0, 3, 1});
    Link(button.BitmapDisabled(), *source, {3, 0, 4, 1});
    button.BitmapFocused().SetName("Missing");
    button.SetBounds({0, 0, 1, 1});
    const std::pair<TSeState, int32_t> cases[] = {
        {ssNormal, 0}, {ssHot, 1}, {ssPressed, 2}, {ssDisabled, 3}, {ssFocused, 0}, {ssMaximized, 0},
    };
    for (auto [state, column] : cases) {
        button.SetState(state);
        auto target = MakeBitmap(1, 1);
        button.Draw(*target);
        EXPECT_EQ(target->Pixels(0, 0), Coord(column, 0)) << "state " << state;
    }

    // A frame part shows its inactive bitmap while the window is inactive.
    TSeFormBitmapSkinObject frame(nullptr);
    Link(frame.Bitmap(), *source, {0, 0, 1, 1});
    Link(frame.InactiveBitmap(), *source, {3, 0, 4, 1});
    frame.SetBounds({0, 0, 1, 1});
    auto target = MakeBitmap(1, 1);
    frame.Draw(*target);
    EXPECT_EQ(target->Pixels(0, 0), Coord(3, 0));
    frame.SetActive(true);
    frame.Draw(*target);
    EXPECT_EQ(target->Pixels(0, 0), Coord(0, 0));
}

TEST(SkinObjectDraw, AnUnresolvedLinkDrawsNothingAndResolvingFindsTheBitmap) {
    TKsBitmapList bitmaps;
    auto face = MakeCoordBitmap(2, 1);
    face->SetName("Face");
    bitmaps.Add(std::move(face));
    TSeBitmapSkinObject object(nullptr);
    object.Bitmap().SetName("face");
    object.Bitmap().SetRect({1, 0, 2, 1});
    auto& other = AddChild<TSeBitmapSkinObject>(object, "Other", TSeAlign::saNone, {});
    other.Bitmap().SetName("Elsewhere");
    object.SetBounds({0, 0, 1, 1});
    auto target = MakeBitmap(1, 1, kBack);
    object.Draw(*target);
    EXPECT_EQ(target->Pixels(0, 0), kBack);

    object.SetBitmaps(&bitmaps);
    object.ResolveBitmaps();
    object.Draw(*target);
    EXPECT_EQ(target->Pixels(0, 0), Coord(1, 0));
    EXPECT_EQ(other.Bitmap().Bitmap(), nullptr);
    EXPECT_EQ(other.Bitmaps(), &bitmaps);
}

TEST(SkinObjectDraw, RegionsCutOutKeyAndTransparentPixels) {
    auto source = MakeBitmap(4, 1, 0xFF00FF00);
    source->SetPixels(1, 0, ksKeyPixel);
    source->SetPixels(2, 0, 0x00123456);
    TSeSkinObject root(nullptr);
    root.SetBounds({0, 0, 20, 20});
    auto& part = AddChild<TSeBitmapSkinObject>(root, "Part", TSeAlign::saNone, {5, 7, 9, 8});
    Link(part.Bitmap(), *source, {0, 0, 4, 1});
    auto& plain = AddChild(root, "Plain", TSeAlign::saNone, {0, 10, 2, 12});
    auto& hidden = AddChild(root, "Hidden", TSeAlign::saNone, {15, 15, 20, 20});
    hidden.SetVisible(false);

    std::optional<TRegion> region = root.CreateRegion();
    ASSERT_TRUE(region);
    TRegion expected(Rect(5, 7, 6, 8));
    expected.Union(Rect(8, 7, 9, 8));
    expected.Union(plain.BoundsRect());
    EXPECT_TRUE(region->SameArea(expected));
    EXPECT_EQ(part.BoundsRect(), Rect(5, 7, 9, 8)) << "moved back after the scratch draw";

    // The client area is never cut; an object without a valid link has no region.
    part.SetKind(TSeKind::skClient);
    EXPECT_TRUE(part.CreateRegion()->SameArea(TRegion(part.BoundsRect())));
    part.Bitmap().SetBitmap(nullptr);
    EXPECT_FALSE(part.CreateRegion());
}
