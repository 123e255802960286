// Laying out a skin tree: the seven alignment passes, anchors, and finding objects by name,
// kind and point.
#include "skin/objects/skin_object.h"
#include "skin/skin_object_fixture.h"

#include <gtest/gtest.h>

using namespace brisat;
using namespace brisat::test;

TEST(SkinObjectLayout, EdgeAlignedChildrenShareTheParentInPassOrder) {
    TSeSkinObject parent(nullptr);
    auto& mostTop = AddChild(parent, "MostTop", TSeAlign::saMostTop, {0, 0, 1, 10});
    auto& top = AddChild(parent, "Top", TSeAlign::saTop, {0, 0, 1, 5});
    auto& hidden = AddChild(parent, "Hidden", TSeAlign::saTop, {0, 0, 1, 8});
    hidden.SetVisible(false);
    auto& mostLeft = AddChild(parent, "MostLeft", TSeAlign::saMostLeft, {0, 0, 7, 1});
    auto& client = AddChild(parent, "Client", TSeAlign::saClient, {});
    parent.SetBounds({0, 0, 100, 50});

    EXPECT_EQ(mostTop.BoundsRect(), Rect(0, 0, 100, 10));
    EXPECT_EQ(mostLeft.BoundsRect(), Rect(0, 10, 7, 50));
    EXPECT_EQ(top.BoundsRect(), Rect(7, 10, 100, 15));
    // The invisible saTop child takes no space and is not moved.
    EXPECT_EQ(client.BoundsRect(), Rect(7, 15, 100, 50));
    EXPECT_EQ(hidden.BoundsRect(), Rect(0, 0, 1, 8));
}

TEST(SkinObjectLayout, BottomAndRightEdgesAndCentredChildren) {
    TSeSkinObject parent(nullptr);
    auto& bottom = AddChild(parent, "Bottom", TSeAlign::saMostBottom, {0, 0, 1, 6});
    auto& right = AddChild(parent, "Right", TSeAlign::saRight, {0, 0, 4, 1});
    auto& centre = AddChild(parent, "Centre", TSeAlign::saCenter, {0, 0, 10, 10});
    // Wider than the space left: the offset truncates toward zero, (96 - 111) div 2 = -7.
    auto& wide = AddChild(parent, "Wide", TSeAlign::saCenter, {0, 0, 111, 2});
    auto& loose = AddChild(parent, "Loose", TSeAlign::saNone, {3, 3, 5, 5});
    parent.SetBounds({0, 0, 100, 50});

    EXPECT_EQ(bottom.BoundsRect(), Rect(0, 44, 100, 50));
    EXPECT_EQ(right.BoundsRect(), Rect(96, 0, 100, 44));
    EXPECT_EQ(centre.BoundsRect(), Rect(43, 17, 53, 27));
    EXPECT_EQ(wide.BoundsRect(), Rect(-7, 21, 104, 23));
    EXPECT_EQ(loose.BoundsRect(), Rect(3, 3, 5, 5));
}

TEST(SkinObjectLayout, AnchoredChildrenFollowTheRightAndBottomEdgesOnce) {
    TSeSkinObject parent(nullptr);
    parent.SetBounds({0, 0, 100, 50});
    auto& topRight = AddChild(parent, "TopRight", TSeAlign::saTopRight, {90, 2, 98, 8});
    auto& bottomRight = AddChild(parent, "BottomRight", TSeAlign::saBottomRight, {80, 40, 90, 45});
    auto& bottomLeft = AddChild(parent, "BottomLeft", TSeAlign::saBottomLeft, {1, 45, 3, 49});

    parent.SetBounds({0, 0, 120, 60});
    EXPECT_EQ(topRight.BoundsRect(), Rect(110, 2, 118, 8));
    EXPECT_EQ(bottomRight.BoundsRect(), Rect(100, 50, 110, 55));
    EXPECT_EQ(bottomLeft.BoundsRect(), Rect(1, 55, 3, 59));

    // Laying out again at the same size (bitmap objects do so on every draw) moves nothing.
    parent.Realign();
    parent.Realign();
    EXPECT_EQ(topRight.BoundsRect(), Rect(110, 2, 118, 8));
    EXPECT_EQ(bottomRight.BoundsRect(), Rect(100, 50, 110, 55));
}

TEST(SkinObjectLayout, SetBoundsClampsNegativeExtentsAndIgnoresTheSameRectangle) {
    TSeSkinObject object(nullptr);
    auto& client = AddChild(object, "Client", TSeAlign::saClient, {});
    object.SetBounds({10, 10, 5, 4});
    EXPECT_EQ(object.BoundsRect(), Rect(10, 10, 10, 10));
    object.SetWidth(30);
    object.SetHeight(20);
    EXPECT_EQ(client.BoundsRect(), Rect(10, 10, 40, 30));
    // An unchanged rectangle does not lay out again.
    client.SetBounds({0, 0, 1, 1});
    object.SetBounds({10, 10, 40, 30});
    EXPECT_EQ(client.BoundsRect(), Rect(0, 0, 1, 1));
}

TEST(SkinObjectLayout, FindObjectAndFindObjectByKindSearchDepthFirst) {
    TSeSkinObject root(nullptr);
    root.SetName("Form");
    auto& frame = AddChild(root, "Frame", TSeAlign::saNone, {});
    auto& title = AddChild(frame, "CaptionText", TSeAlign::saNone, {});
    title.SetKind(TSeKind::skTitle);
    auto& later = AddChild(root, "Later", TSeAlign::saNone, {});
    later.SetKind(TSeKind::skTitle);

    EXPECT_EQ(root.FindObject("captiontext"), &title);
    EXPECT_EQ(root.FindObject("FORM"), &root);
    EXPECT_EQ(root.FindObject("Missing"), nullptr);
    EXPECT_EQ(root.FindObjectByKind(TSeKind::skTitle), &title);
    EXPECT_EQ(root.FindObjectByKind(TSeKind::skClient), nullptr);
}

TEST(SkinObjectLayout, ObjectAtPointPrefersTheLaterChildAndSkipsTransparentOnes) {
    TSeSkinObject root(nullptr);
    root.SetBounds({0, 0, 100, 100});
    auto& first = AddChild(root, "First", TSeAlign::saNone, {0, 0, 60, 60});
    auto& second = AddChild(root, "Second", TSeAlign::saNone, {40, 40, 100, 100});
    auto& glass = AddChild(root, "Glass", TSeAlign::saNone, {0, 0, 100, 100});
    glass.SetKind(TSeKind::skTranparent);
    auto& hidden = AddChild(root, "Hidden", TSeAlign::saNone, {0, 0, 100, 100});
    hidden.SetVisible(false);

    EXPECT_EQ(root.ObjectAtPoint({50, 50}), &second);
    EXPECT_EQ(root.ObjectAtPoint({10, 10}), &first);
    EXPECT_EQ(root.ObjectAtPoint({90, 5}), &root);
    EXPECT_EQ(root.ObjectAtPoint({100, 5}), nullptr);
    glass.SetKind(TSeKind::skNone);
    EXPECT_EQ(root.ObjectAtPoint({50, 50}), &glass);
}
