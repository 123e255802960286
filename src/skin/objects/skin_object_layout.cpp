// Realign: the children placed by their Align in seven passes over the rectangle left free.
#include "skin/bitmap/checked_math.h"
#include "skin/objects/skin_object.h"

namespace brisat {

namespace {

// Takes Child's height from the top or the bottom of Rest.
void PlaceVertically(TSeSkinObject& child, bool fromTop, TRect& rest) {
    const int32_t h = child.Height();
    if (fromTop) {
        const int32_t bottom = CheckedAdd(rest.Top, h);
        child.SetBounds({rest.Left, rest.Top, rest.Right, bottom});
        rest.Top = bottom;
    } else {
        const int32_t top = CheckedSub(rest.Bottom, h);
        child.SetBounds({rest.Left, top, rest.Right, rest.Bottom});
        rest.Bottom = top;
    }
}

// Takes Child's width from the left or the right of Rest.
void PlaceHorizontally(TSeSkinObject& child, bool fromLeft, TRect& rest) {
    const int32_t w = child.Width();
    if (fromLeft) {
        const int32_t right = CheckedAdd(rest.Left, w);
        child.SetBounds({rest.Left, rest.Top, right, rest.Bottom});
        rest.Left = right;
    } else {
        const int32_t left = CheckedSub(rest.Right, w);
        child.SetBounds({left, rest.Top, rest.Right, rest.Bottom});
        rest.Right = left;
    }
}

void EdgePass(const std::vector<TSeSkinObject*>& children, TSeAlign first, TSeAlign second,
              TRect& rest, void (*place)(TSeSkinObject&, bool, TRect&)) {
    for (TSeSkinObject* child : children) {
        if (child->Align() == first)
            place(*child, true, rest);
        else if (child->Align() == second)
            place(*child, false, rest);
    }
}

void CenterPass(const std::vector<TSeSkinObject*>& children, const TRect& rest) {
    for (auto it = children.rbegin(); it != children.rend(); ++it) {
        TSeSkinObject& child = **it;
        if (child.Align() != TSeAlign::saCenter) continue;
        const int32_t left = CheckedAdd(rest.Left, (RectWidth(rest) - child.Width()) / 2);
        const int32_t top = CheckedAdd(rest.Top, (RectHeight(rest) - child.Height()) / 2);
        child.SetBounds({left, top, CheckedAdd(left, child.Width()),
                         CheckedAdd(top, child.Height())});
    }
}

} // namespace

void TSeSkinObject::Realign() {
    std::vector<TSeSkinObject*> children;
    for (TSeSkinObject* child : Children())
        if (child->m_visible) children.push_back(child);

    TRect rest = BoundsRect();
    EdgePass(children, TSeAlign::saMostTop, TSeAlign::saMostBottom, rest, PlaceVertically);
    EdgePass(children, TSeAlign::saMostLeft, TSeAlign::saMostRight, rest, PlaceHorizontally);
    EdgePass(children, TSeAlign::saTop, TSeAlign::saBottom, rest, PlaceVertically);
    EdgePass(children, TSeAlign::saLeft, TSeAlign::saRight, rest, PlaceHorizontally);
    CenterPass(children, rest);
    for (TSeSkinObject* child : children)
        if (child->Align() == TSeAlign::saClient) child->SetBounds(rest);

    // Anchored children keep their distance to the right or bottom edge. The distance is taken
    // from the size the children were last laid out for, so laying out again at the same size
    // (every bitmap object does it when it draws) leaves them where they are.
    for (TSeSkinObject* child : children) {
        const TSeAlign align = child->Align();
        const bool right = align == TSeAlign::saTopRight || align == TSeAlign::saBottomRight;
        const bool bottom = align == TSeAlign::saBottomLeft || align == TSeAlign::saBottomRight;
        int32_t left = child->m_left;
        int32_t top = child->m_top;
        if (right) left = CheckedSub(m_width, CheckedSub(m_previousWidth, left));
        if (bottom) top = CheckedSub(m_height, CheckedSub(m_previousHeight, top));
        // The child's right and bottom edges must still fit 32 bits.
        CheckedAdd(left, child->m_width);
        CheckedAdd(top, child->m_height);
        child->m_left = left;
        child->m_top = top;
    }
    m_previousWidth = m_width;
    m_previousHeight = m_height;
}

} // namespace brisat
