#include "skin_controls/ks_custom_control.h"

#include "framework/core/exceptions.h"
#include "skin_controls/ks_graphic_control.h"

#include <string>

namespace brisat {

void CheckBlendValue(int32_t value) {
    if (value < 0 || value > 255)
        throw EInvalidOperation("BlendValue " + std::to_string(value) +
                                " is out of range (0..255)");
}

TKsCustomControl::TKsCustomControl(TComponent* owner) : TWinControl(owner) {
    InitColor(clBtnFace);
    ControlStyle().Include(TControlStyleKind::csOpaque);
    SetBounds(Left(), Top(), 100, 30);
}

TKsCustomControl::~TKsCustomControl() = default;

void TKsCustomControl::SetTransparent(bool value) {
    if (value == m_transparent) return;
    m_transparent = value;
    Invalidate();
}

void TKsCustomControl::SetBlend(bool value) {
    if (value == m_blend) return;
    m_blend = value;
    Invalidate();
}

void TKsCustomControl::SetBlendValue(int32_t value) {
    CheckBlendValue(value);
    if (value == m_blendValue) return;
    m_blendValue = value;
    Invalidate();
}

void TKsCustomControl::DoSetBorderStyle(TBorderStyle value) {
    if (value == m_borderStyle) return;
    m_borderStyle = value;
    Invalidate();
    Realign();
}

void TKsCustomControl::Invalidate() {
    if (Designing())
        UpdateBufferSize();
    else
        m_needsRender = true;
    TWinControl::Invalidate();
}

void TKsCustomControl::SetBounds(int32_t left, int32_t top, int32_t width, int32_t height) {
    TWinControl::SetBounds(left, top, width, height);
    m_cachedWidth = Width();
    m_cachedHeight = Height();
    UpdateBufferSize();
}

void TKsCustomControl::Loaded() {
    TWinControl::Loaded();
    UpdateBufferSize();
}

void TKsCustomControl::UpdateBufferSize() {
    if (!m_buffer.Fit(m_cachedWidth, m_cachedHeight, m_blend, Designing())) return;
    m_needsRender = true;
    RenderBuffer();
}

bool TKsCustomControl::IsOwnerBlended() {
    if (Designing()) return false;
    auto* owner = dynamic_cast<TWinControl*>(Owner());
    return owner && owner->HandleAllocated() &&
           SendMessage(owner->Handle(), CM_ISOWNERBLENDED, 0, 0) != 0;
}

bool TKsCustomControl::CanRender() {
    if (!Parent() || !(Visible() || Designing()) || !m_buffer.Allocated()) return false;
    if (m_cachedWidth <= 0 || m_cachedHeight <= 0 || !HandleAllocated()) return false;
    return Designing() || m_needsRender || IsOwnerBlended();
}

bool TKsCustomControl::RenderBuffer() {
    if (!CanRender()) return false;
    TKsBitmap& buffer = Buffer();
    buffer.SetFont(Font());
    BufferCanvas().Font().Assign(Font());
    if (m_blend) {
        // A blend switched on since the last resize still needs its background buffer.
        m_buffer.FitBlend();
        TKsBitmap& background = m_buffer.BlendBitmap();
        CopyParentBackground(background);
        background.SetAlpha(255);
        if (m_transparent) background.Draw(buffer, 0, 0);
        if (m_borderStyle != TBorderStyle::bsNone) PaintBorder();
        PaintBuffer();
        m_buffer.BlendOverBackground(uint8_t(m_blendValue));
    } else {
        if (m_transparent) CopyParentBackground(buffer);
        if (m_borderStyle != TBorderStyle::bsNone) PaintBorder();
        PaintBuffer();
    }
    m_needsRender = false;
    return true;
}

void TKsCustomControl::CopyParentBackground(TKsBitmap& target) {
    TWinControl* parent = Parent();
    if (!parent) return;
    TDeviceContext& dc = target.DC();
    dc.SaveDC();
    const TPoint at = parent->ScreenToClient(ClientOrigin());
    const TPoint org = dc.WindowOrg();
    dc.SetWindowOrg(org.X + at.X, org.Y + at.Y);
    try {
        parent->Perform(WM_ERASEBKGND, DCToWParam(&dc), 12);
        parent->PaintControls(dc);
    } catch (...) {
        dc.RestoreDC();
        throw;
    }
    dc.RestoreDC();
}

void TKsCustomControl::CopyBufferTo(TDeviceContext& dc) {
    if (m_buffer.Allocated()) Buffer().DrawToDC(dc, 0, 0);
}

void TKsCustomControl::PaintGraphicChildren(TDeviceContext& dc) {
    // By index: a child's paint may add or remove controls.
    for (int i = 0; i < ControlCount(); ++i) {
        TControl& child = Controls(i);
        if (dynamic_cast<TWinControl*>(&child)) break;
        if (auto* ks = dynamic_cast<TKsGraphicControl*>(&child))
            PaintKsGraphicChild(*ks, dc);
        else
            PaintOtherGraphicChild(child, dc);
    }
}

void TKsCustomControl::PaintKsGraphicChild(TKsGraphicControl& child, TDeviceContext& dc) {
    if (!child.Visible() && !Designing()) return;
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

// A foreign windowless child paints over this control's pixels beneath it.
void TKsCustomControl::PaintOtherGraphicChild(TControl& child, TDeviceContext& dc) {
    if (!child.Visible() && !Designing()) return;
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
    TDeviceContext* dc =
        message.WParam ? WParamToDC(message.WParam) : BeginPaint(Handle(), ps);
    if (dc && m_buffer.Allocated()) {
        m_needsRender = true;
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
    TWinControl::WMWindowPosChanged(message);
    m_cachedWidth = Width();
    m_cachedHeight = Height();
    UpdateBufferSize();
}

void TKsCustomControl::WMSetFocus(TMessage& message) {
    TWinControl::WMSetFocus(message);
    m_focused = true;
    FocusEnter();
}

void TKsCustomControl::WMKillFocus(TMessage& message) {
    TWinControl::WMKillFocus(message);
    m_focused = false;
    FocusExit();
}

void TKsCustomControl::WndProc(TMessage& message) {
    switch (message.Msg) {
    case CM_MOUSEENTER:
        TWinControl::WndProc(message);
        m_mouseInControl = true;
        MouseEnter();
        if (OnMouseEnter) OnMouseEnter(*this);
        return;
    case CM_MOUSELEAVE:
        TWinControl::WndProc(message);
        m_mouseInControl = false;
        MouseLeave();
        if (OnMouseLeave) OnMouseLeave(*this);
        return;
    default:
        TWinControl::WndProc(message);
    }
}

void TKsCustomControl::PaintBuffer() {
    if (!m_transparent) Buffer().FillRect(GetPaintRect(), ColorToPixel(Color(), 255));
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

void TKsCustomControl::MouseEnter() {}
void TKsCustomControl::MouseLeave() {}
void TKsCustomControl::FocusEnter() {}
void TKsCustomControl::FocusExit() {}

} // namespace brisat
