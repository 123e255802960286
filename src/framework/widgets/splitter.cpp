#include "framework/widgets/splitter.h"

#include "framework/core/store_if_changed.h"
#include "framework/graphics/canvas.h"
#include "framework/controls/win_control.h"

namespace brisat {

TSplitter::TSplitter(TComponent* owner) : TGraphicControl(owner) {
    SetAlign(TAlign::alLeft);
    SetBounds(0, 0, 3, 100);
    SetParentColor(true);
    SetCursor(crSizeWE);
}

bool TSplitter::Horizontal() const {
    return Align() == TAlign::alLeft || Align() == TAlign::alRight;
}

void TSplitter::SetBeveled(bool on) {
    if (StoreIfChanged(m_beveled, on)) Invalidate();
}

void TSplitter::UpdateCursor() {
    if (Cursor() == crSizeWE || Cursor() == crSizeNS)
        SetCursor(Horizontal() ? crSizeWE : crSizeNS);
}

TControl* TSplitter::FindNeighbour() const {
    if (!Parent()) return nullptr;
    TPoint p{Left(), Top()};
    switch (Align()) {
    case TAlign::alLeft:
        --p.X;
        break;
    case TAlign::alRight:
        p.X += Width();
        break;
    case TAlign::alTop:
        --p.Y;
        break;
    case TAlign::alBottom:
        p.Y += Height();
        break;
    default:
        return nullptr;
    }
    for (int i = 0; i < Parent()->ControlCount(); ++i) {
        TControl& c = Parent()->Controls(i);
        if (&c == this || !c.Visible() || c.Align() != Align()) continue;
        TRect r = c.BoundsRect();
        // A neighbour closed to nothing is still found at its edge.
        if (r.Width() == 0) --r.Left, ++r.Right;
        if (r.Height() == 0) --r.Top, ++r.Bottom;
        if (PtInRect(r, p)) return &c;
    }
    return nullptr;
}

int32_t TSplitter::NeighbourSize() const {
    return Horizontal() ? m_control->Width() : m_control->Height();
}

int32_t TSplitter::SizeAt(int32_t x, int32_t y) const {
    const int32_t moved = Horizontal() ? x - m_downPos.X : y - m_downPos.Y;
    const bool grows = Align() == TAlign::alLeft || Align() == TAlign::alTop;
    const int64_t size = int64_t(NeighbourSize()) + (grows ? moved : -int64_t(moved));
    return int32_t(std::clamp<int64_t>(size, m_minSize, std::max(m_maxSize, m_minSize)));
}

bool TSplitter::CanResize(int32_t& newSize) {
    bool accept = true;
    if (OnCanResize) OnCanResize(*this, newSize, accept);
    if (accept && m_autoSnap && newSize <= m_minSize) newSize = 0;
    newSize = std::max(newSize, 0);
    return accept;
}

void TSplitter::ApplySize() {
    if (!m_control || m_newSize == NeighbourSize()) return;
    TWinControl& parent = *Parent();
    parent.DisableAlign();
    // Right and bottom neighbours keep their far edge.
    switch (Align()) {
    case TAlign::alLeft:
        m_control->SetWidth(m_newSize);
        break;
    case TAlign::alTop:
        m_control->SetHeight(m_newSize);
        break;
    case TAlign::alRight:
        m_control->SetBounds(m_control->Left() + m_control->Width() - m_newSize,
                             m_control->Top(), m_newSize, m_control->Height());
        break;
    case TAlign::alBottom:
        m_control->SetBounds(m_control->Left(), m_control->Top() + m_control->Height() - m_newSize,
                             m_control->Width(), m_newSize);
        break;
    default:
        break;
    }
    parent.EnableAlign();
    if (OnMoved) OnMoved(*this);
}

void TSplitter::MouseDown(TMouseButton button, TShiftState shift, int32_t x, int32_t y) {
    TGraphicControl::MouseDown(button, shift, x, y);
    if (button != TMouseButton::mbLeft || !Parent()) return;
    m_control = FindNeighbour();
    if (!m_control) return;
    m_downPos = {x, y};
    // What the parent has left once MinSize is kept for the rest and the other controls on
    // these two sides have theirs.
    const bool horizontal = Horizontal();
    int64_t room = (horizontal ? Parent()->ClientWidth() : Parent()->ClientHeight()) - m_minSize;
    for (int i = 0; i < Parent()->ControlCount(); ++i) {
        const TControl& c = Parent()->Controls(i);
        const TAlign a = c.Align();
        if (!c.Visible()) continue;
        if (horizontal && (a == TAlign::alLeft || a == TAlign::alRight)) room -= c.Width();
        if (!horizontal && (a == TAlign::alTop || a == TAlign::alBottom)) room -= c.Height();
    }
    m_maxSize = int32_t(std::clamp<int64_t>(room + NeighbourSize(), 0, INT32_MAX));
    m_newSize = NeighbourSize();
}

void TSplitter::MouseMove(TShiftState shift, int32_t x, int32_t y) {
    TGraphicControl::MouseMove(shift, x, y);
    if (!m_control) return;
    int32_t size = SizeAt(x, y);
    if (!CanResize(size)) return;
    m_newSize = size;
    if (m_resizeStyle != TResizeStyle::rsNone) ApplySize();
}

void TSplitter::MouseUp(TMouseButton button, TShiftState shift, int32_t x, int32_t y) {
    TGraphicControl::MouseUp(button, shift, x, y);
    if (button != TMouseButton::mbLeft || !m_control) return;
    ApplySize();
    m_control = nullptr;
}

void TSplitter::Notification(TComponent& component, TOperation operation) {
    if (operation == TOperation::opRemove && &component == m_control) m_control = nullptr;
    TGraphicControl::Notification(component, operation);
}

void TSplitter::WndProc(TMessage& m) {
    if (m.Msg == CM_MOUSEENTER) UpdateCursor();
    TGraphicControl::WndProc(m);
}

void TSplitter::Paint() {
    TDeviceContext& dc = *Canvas().Handle();
    TRect r = ClientRect();
    dc.FillRect(r, Color());
    if (!m_beveled) return;
    r = Horizontal() ? InflateRect(r, -1, 2) : InflateRect(r, 2, -1);
    dc.FrameRect(OffsetRect(r, 1, 1), clBtnHighlight);
    dc.FrameRect(OffsetRect(r, -1, -1), clBtnShadow);
}

} // namespace brisat
