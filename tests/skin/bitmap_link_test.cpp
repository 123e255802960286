// Bitmap links and the owning bitmap list.
#include "framework/core/exceptions.h"
#include "framework/core/font.h"
#include "skin/bitmap_fixture.h"
#include "skin/bitmap/bitmap_link.h"
#include "skin/bitmap/bitmap_list.h"

#include <climits>
#include <gtest/gtest.h>

using namespace brisat;
using namespace brisat::test;

TEST(KsBitmapLink, ValidWhenABitmapIsSetAndTheAreaIsPositive) {
    TKsBitmap bitmap;
    const struct {
        TKsBitmap* bitmap;
        TRect rect;
        bool valid;
    } cases[] = {
        {nullptr, Rect(0, 0, 2, 2), false},
        {&bitmap, Rect(0, 0, 2, 2), true},
        {&bitmap, Rect(0, 0, 0, 5), false},
        {&bitmap, Rect(0, 0, 5, -1), false},
        {&bitmap, Rect(2, 2, 0, 0), true}, // both extents negative: the product is positive
        {&bitmap, Rect(INT_MIN, 0, INT_MAX, 1), true},
    };
    for (const auto& c : cases) {
        TKsBitmapLink link;
        link.SetBitmap(c.bitmap);
        link.SetRect(c.rect);
        EXPECT_EQ(link.Valid(), c.valid) << c.rect.Left << " " << c.rect.Right;
    }
}

TEST(KsBitmapLink, DrawsItsRectangleOnlyWhenValidAndTheBitmapHasPixels) {
    auto source = MakeCoordBitmap(3, 3);
    auto link = source->GetLink(Rect(1, 1, 3, 2));
    auto dest = MakeBitmap(2, 1);
    link->Draw(*dest, 0, 0);
    EXPECT_EQ(PixelsOf(*dest), (std::vector<TKsPixel>{Coord(1, 1), Coord(2, 1)}));

    TKsBitmap empty;
    auto emptyLink = empty.GetLink(Rect(0, 0, 1, 1));
    dest->Fill(0);
    emptyLink->Draw(*dest, 0, 0);
    link->SetRight(1);
    link->Draw(*dest, 0, 0);
    EXPECT_EQ(PixelsOf(*dest), (std::vector<TKsPixel>{0, 0}));
}

TEST(KsBitmapLink, AssignCopiesBitmapRectangleAndName) {
    TKsBitmap bitmap;
    bitmap.SetName("Button");
    auto source = bitmap.GetLink(Rect(1, 2, 3, 4));
    TKsBitmapLink copy;
    copy.Assign(*source);
    EXPECT_EQ(copy.Bitmap(), &bitmap);
    EXPECT_EQ(copy.Rect(), Rect(1, 2, 3, 4));
    EXPECT_EQ(copy.Name(), "Button");
    EXPECT_THROW(copy.Assign(TFont()), EConvertError);
}

TEST(KsBitmapList, IndexedAccessOutsideTheListGivesNothing) {
    TKsBitmapList list;
    EXPECT_EQ(list.Items(0), nullptr);
    EXPECT_EQ(list.Add(std::make_unique<TKsBitmap>()), 0);
    EXPECT_NE(list[0], nullptr);
    EXPECT_EQ(list[-1], nullptr);
    EXPECT_EQ(list[1], nullptr);
    EXPECT_EQ(list.Items(INT_MIN), nullptr);
}

TEST(KsBitmapList, GetBitmapLinkIgnoresCaseAndTheLastMatchWins) {
    TKsBitmapList list;
    for (const char* name : {"Frame", "Button", "frame", "Caption"}) {
        auto bitmap = std::make_unique<TKsBitmap>();
        bitmap->SetName(name);
        list.Add(std::move(bitmap));
    }
    auto link = list.GetBitmapLink("FRAME", Rect(0, 0, 4, 4));
    ASSERT_NE(link, nullptr);
    EXPECT_EQ(link->Bitmap(), list[2]);
    EXPECT_EQ(link->Name(), "frame");
    EXPECT_EQ(link->Rect(), Rect(0, 0, 4, 4));
    EXPECT_EQ(list.GetBitmapLink("Fram", Rect(0, 0, 4, 4)), nullptr);
}

TEST(KsBitmapList, ClearFreesEveryBitmap) {
    TKsBitmapList list;
    int freed = 0;
    for (int i = 0; i < 3; ++i) {
        auto bitmap = std::make_unique<TKsBitmap>();
        bitmap->OnBeforeFree = [&](TKsBitmap&) { ++freed; };
        list.Add(std::move(bitmap));
    }
    list.Clear();
    EXPECT_EQ(freed, 3);
    EXPECT_EQ(list.Count(), 0);
}
