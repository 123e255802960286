#include "skin_controls/ks_graphic_control.h"

#include "framework/controls/win_control.h"
#include "skin_controls/ks_custom_control.h"

namespace brisat {

TKsGraphicControl::TKsGraphicControl(TComponent* owner) : TGraphicControl(owner) {
    InitColor(clBtnFace);
    ControlStyle().Include(TControlStyleKind::csOpaque);
    SetBounds(Left(), Top(), 100, 30);
}

TKsGraphicControl::~TKsGraphicControl() = default;

void TKsGraphicControl::SetTransparent(bool value) {
    if (value == m_transparent) return;
    m_transparent = value;
    Invalidate();
}

void TKsGraphicControl::SetBlend(bool value) {
    if (value == m_blend) return;
    m_blend = value;
    Invalidate();
}

void TKsGraphicControl::SetBlendValue(int32_t value) {
    CheckBlendValue(value);
    if (value == m_blendValue) return;
    m_blendValue = value;
    Invalidate();
}

void TKsGraphicControl::Invalidate() {
    if (Designing())
        UpdateBufferSize();
    else
        m_needsRender = true;
    TGraphicControl::Invalidate();
}

void TKsGraphicControl::SetBounds(int32_t left, int32_t top, int32_t width, int32_t height) {
    TGraphicControl::SetBounds(left, top, width, height);
    m_cachedWidth = Width();
    m_cachedHeight = Height();
    UpdateBufferSize();
}

void TKsGraphicControl::Loaded() {
    TGraphicControl::Loaded();
    UpdateBufferSize();
}

void TKsGraphicControl::UpdateBufferSize() {
    if (!m_buffer.Fit(m_cachedWidth, m_cachedHeight, m_blend, Designing())) return;
    m_needsRender = true;
    RenderBuffer();
}

bool TKsGraphicControl::CanRender() const {
    TWinControl* parent = Parent();
    if (!parent || !(Visible() || Designing()) || !m_buffer.Allocated()) return false;
    if (m_cachedWidth <= 0 || m_cachedHeight <= 0 || !parent->HandleAllocated()) return false;
    return m_needsRender;
}

bool TKsGraphicControl::RenderBuffer() {
    if (!CanRender()) return false;
    TKsBitmap& buffer = Buffer();
    buffer.SetFont(Font());
    BufferCanvas().Font().Assign(Font());
    if (m_blend) {
        m_buffer.FitBlend();
        TKsBitmap& background = m_buffer.BlendBitmap();
        // A parent painting this control has put its own pixels into the buffer already.
        if (m_paintedByParent)
            buffer.Draw(background, 0, 0);
        else
            CopyParentBackground(background);
        background.SetAlpha(255);
        if (m_transparent && !m_paintedByParent) background.Draw(buffer, 0, 0);
        PaintBuffer();
        m_buffer.BlendOverBackground(uint8_t(m_blendValue));
    } else {
        if (m_transparent && !m_paintedByParent) CopyParentBackground(buffer);
        PaintBuffer();
    }
    m_needsRender = false;
    return true;
}

void TKsGraphicControl::CopyParentBackground(TKsBitmap& target) {
    TWinControl* parent = Parent();
    if (!parent || !parent->HandleAllocated()) return;
    TDeviceContext& dc = target.DC();
    dc.SaveDC();
    const TPoint org = dc.WindowOrg();
    dc.SetWindowOrg(org.X + Left(), org.Y + Top());
    try {
        parent->Perform(WM_ERASEBKGND, DCToWParam(&dc), 12);
    } catch (...) {
        dc.RestoreDC();
        throw;
    }
    dc.RestoreDC();
}

void TKsGraphicControl::WMPaint(TMessage& message) {
    if (!message.WParam || !m_buffer.Allocated()) return;
    m_needsRender = true;
    if (RenderBuffer()) Buffer().DrawToDC(*WParamToDC(message.WParam), 0, 0);
}

void TKsGraphicControl::WndProc(TMessage& message) {
    switch (message.Msg) {
    case CM_MOUSEENTER:
        TGraphicControl::WndProc(message);
        m_mouseInControl = true;
        MouseEnter();
        if (OnMouseEnter) OnMouseEnter(*this);
        return;
    case CM_MOUSELEAVE:
        TGraphicControl::WndProc(message);
        m_mouseInControl = false;
        MouseLeave();
        if (OnMouseLeave) OnMouseLeave(*this);
        return;
    default:
        TGraphicControl::WndProc(message);
    }
}

void TKsGraphicControl::PaintBuffer() {
    if (!m_transparent) Buffer().FillRect(Buffer().BoundsRect(), ColorToPixel(Color(), 255));
}

void TKsGraphicControl::MouseEnter() {}
void TKsGraphicControl::MouseLeave() {}

} // namespace brisat
