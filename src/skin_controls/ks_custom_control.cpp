#include "skin_controls/ks_custom_control.h"

#include "skin_controls/ks_graphic_control.h"

namespace brisat {

TKsCustomControl::TKsCustomControl(TComponent* owner) : TKsBufferedControl(owner) {}

TKsCustomControl::~TKsCustomControl() = default;

void TKsCustomControl::DoSetBorderStyle(TBorderStyle value) {
    if (!StoreIfChanged(m_borderStyle, value)) return;
    Invalidate();
    Realign();
}

bool TKsCustomControl::IsOwnerBlended() {
    if (Designing()) return false;
    auto* owner = dynamic_cast<TWinControl*>(Owner());
    return owner && owner->HandleAllocated() &&
           SendMessage(owner->Handle(), CM_ISOWNERBLENDED, 0, 0) != 0;
}

bool TKsCustomControl::CanRender() {
    if (!Parent() || !(Visible() || Designing()) || !BufferSet().Allocated()) return false;
    if (CachedWidth() <= 0 || CachedHeight() <= 0 || !HandleAllocated()) return false;
    return Designing() || NeedsRender() || IsOwnerBlended();
}

void TKsCustomControl::CopyParentBackground(TKsBitmap& target) {
    if (TWinControl* parent = Parent())
        DrawParentArea(*parent, target, parent->ScreenToClient(ClientOrigin()), true);
}

void TKsCustomControl::CopyBufferTo(TDeviceContext& dc) {
    if (BufferSet().Allocated()) Buffer().DrawToDC(dc, 0, 0);
}

void TKsCustomControl::PaintGraphicChildren(TDeviceContext& dc) {
    // By index: a child's paint may add or remove controls.
    for (int i = 0; i < ControlCount(); ++i) {
        TControl& child = Controls(i);
        if (dynamic_cast<TWinControl*>(&child)) break;
        if (!child.Visible() && !Designing()) continue;
        if (auto* ks = dynamic_cast<TKsGraphicControl*>(&child))
            PaintKsGraphicChild(*ks, dc);
        else
            PaintOtherGraphicChild(child, dc);
    }
}

// The child starts from this control's pixels beneath it and is copied into Dc.
void TKsCustomControl::PaintKsGraphicChild(TKsGraphicControl& child, TDeviceContext& dc) {
    child.SetPaintedByParent(true);
    try {
        Buffer().DrawRect(child.Buffer(), 0, 0, child.BoundsRect());
        child.SetNeedsRender(true);
        child.RenderBuffer();
        child.Buffer().DrawRectToDC(dc, child.Left(), child.Top(), child.ClientRect());
    } catch (...) {
        child.SetPaintedByParent(false);
        throw;
    }
    child.SetPaintedByParent(false);
}

// A foreign windowless child paints itself over this control's pixels beneath it.
void TKsCustomControl::PaintOtherGraphicChild(TControl& child, TDeviceContext& dc) {
    const TRect bounds = child.BoundsRect();
    if (IsRectEmpty(IntersectRect(dc.ClipBox(), bounds))) return;
    if (&dc != &Buffer().DC()) Buffer().DrawRectToDC(dc, bounds.Left, bounds.Top, bounds);
    dc.SaveDC();
    dc.OffsetViewportOrg(bounds.Left, bounds.Top);
    dc.IntersectClipRect({0, 0, bounds.Width(), bounds.Height()});
    try {
        child.Perform(WM_PAINT, DCToWParam(&dc));
    } catch (...) {
        dc.RestoreDC();
        throw;
    }
    dc.RestoreDC();
}

void TKsCustomControl::WMPaint(TMessage& message) {
    TPaintStruct ps;
    TDeviceContext* dc = message.WParam ? WParamToDC(message.WParam) : BeginPaint(Handle(), ps);
    if (dc && BufferSet().Allocated()) {
        SetNeedsRender(true);
        RenderBuffer();
        PaintGraphicChildren(Buffer().DC());
        CopyBufferTo(*dc);
    }
    if (!message.WParam) EndPaint(Handle(), ps);
    message.Result = 0;
}

// The buffer is the background: the framework never erases beneath it.
void TKsCustomControl::WMEraseBkgnd(TMessage& message) {
    if (message.WParam) {
        RenderBuffer();
        CopyBufferTo(*WParamToDC(message.WParam));
    }
    message.Result = 1;
}

void TKsCustomControl::WMWindowPosChanged(TMessage& message) {
    TKsBufferedControl::WMWindowPosChanged(message);
    CacheSize();
}

void TKsCustomControl::WMSetFocus(TMessage& message) {
    TKsBufferedControl::WMSetFocus(message);
    m_focused = true;
    FocusEnter();
}

void TKsCustomControl::WMKillFocus(TMessage& message) {
    TKsBufferedControl::WMKillFocus(message);
    m_focused = false;
    FocusExit();
}

void TKsCustomControl::PaintBuffer() {
    if (!Transparent()) Buffer().FillRect(GetPaintRect(), ColorToPixel(Color(), 255));
}

// Sunken: shadow over highlight outside, dark shadow over light inside, then two lines of face.
void TKsCustomControl::PaintBorder() {
    if (m_borderStyle != TBorderStyle::bsSingle) return;
    TKsBitmap& buffer = Buffer();
    TRect r = ControlRect();
    buffer.BevelRect(r, ColorToPixel(clBtnShadow, 255), ColorToPixel(clBtnHighlight, 255));
    r = InflateRect(r, -1, -1);
    buffer.BevelRect(r, ColorToPixel(cl3DDkShadow, 255), ColorToPixel(cl3DLight, 255));
    const TKsPixel face = ColorToPixel(Color(), 255);
    for (int i = 0; i < 2; ++i) {
        r = InflateRect(r, -1, -1);
        buffer.FrameRect(r, face);
    }
}

TRect TKsCustomControl::GetPaintRect() const {
    const TRect r = ControlRect();
    return m_borderStyle == TBorderStyle::bsSingle ? InflateRect(r, -2, -2) : r;
}

} // namespace brisat
