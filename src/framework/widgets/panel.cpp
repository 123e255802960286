#include "framework/widgets/panel.h"

#include "framework/core/range_check.h"
#include "framework/core/store_if_changed.h"

namespace brisat {

namespace {

// Width rings inside Rect, top and left in TopLeft, bottom and right (with the top-right and
// bottom-left corners) in BottomRight; Rect shrinks by the rings.
void Frame3D(TDeviceContext& dc, TRect& r, TColor topLeft, TColor bottomRight, int32_t width) {
    for (int32_t i = 0; i < width && !IsRectEmpty(r); ++i) {
        dc.FillRect({r.Left, r.Top, r.Right - 1, r.Top + 1}, topLeft);
        dc.FillRect({r.Left, r.Top, r.Left + 1, r.Bottom - 1}, topLeft);
        dc.FillRect({r.Right - 1, r.Top, r.Right, r.Bottom}, bottomRight);
        dc.FillRect({r.Left, r.Bottom - 1, r.Right, r.Bottom}, bottomRight);
        r = InflateRect(r, -1, -1);
    }
}

void DrawBevel(TDeviceContext& dc, TRect& r, TPanelBevel bevel, TColor face, int32_t width) {
    switch (bevel) {
    case TPanelBevel::bvNone:
        return;
    case TPanelBevel::bvLowered:
        Frame3D(dc, r, clBtnShadow, clBtnHighlight, width);
        return;
    case TPanelBevel::bvRaised:
        Frame3D(dc, r, clBtnHighlight, clBtnShadow, width);
        return;
    case TPanelBevel::bvSpace:
        Frame3D(dc, r, face, face, width);
        return;
    }
}

} // namespace

TPanel::TPanel(TComponent* owner) : TCustomControl(owner) {
    ControlStyle().Include(TControlStyleKind::csAcceptsControls);
    ControlStyle().Include(TControlStyleKind::csOpaque);
    SetBounds(0, 0, 185, 41);
    InitColor(clBtnFace);
}

void TPanel::Changed() {
    Invalidate();
    Realign();
}

void TPanel::SetAlignment(TAlignment alignment) {
    if (StoreIfChanged(m_alignment, alignment)) Invalidate();
}

void TPanel::SetBevelInner(TPanelBevel bevel) {
    if (StoreIfChanged(m_bevelInner, bevel)) Changed();
}

void TPanel::SetBevelOuter(TPanelBevel bevel) {
    if (StoreIfChanged(m_bevelOuter, bevel)) Changed();
}

void TPanel::SetBevelWidth(int32_t width) {
    CheckRange("BevelWidth", width, 1, MaxBevelWidth);
    if (StoreIfChanged(m_bevelWidth, width)) Changed();
}

void TPanel::SetBorderWidth(int32_t width) {
    CheckRange("BorderWidth", width, 0, MaxBevelWidth);
    if (StoreIfChanged(m_borderWidth, width)) Changed();
}

void TPanel::SetBorderStyle(TBorderStyle style) {
    if (!StoreIfChanged(m_borderStyle, style)) return;
    if (!HandleAllocated()) return;
    const uint32_t others = GetWindowStyle(Handle()) & ~WS_BORDER;
    SetWindowStyle(Handle(), others | (style == TBorderStyle::bsSingle ? WS_BORDER : 0));
    SetWindowPos(Handle(), 0, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    Changed();
}

int32_t TPanel::BevelInset() const {
    return m_borderWidth + (m_bevelOuter != TPanelBevel::bvNone ? m_bevelWidth : 0) +
           (m_bevelInner != TPanelBevel::bvNone ? m_bevelWidth : 0);
}

void TPanel::AdjustClientRect(TRect& rect) const {
    TCustomControl::AdjustClientRect(rect);
    const int32_t inset = BevelInset();
    rect = InflateRect(rect, -inset, -inset);
}

void TPanel::CreateParams(TCreateParams& params) {
    TCustomControl::CreateParams(params);
    if (m_borderStyle == TBorderStyle::bsSingle) params.Style |= WS_BORDER;
}

void TPanel::WndProc(TMessage& message) {
    TCustomControl::WndProc(message);
    if (message.Msg == WM_SIZE && m_fullRepaint) Invalidate();
}

void TPanel::Paint() {
    TDeviceContext& dc = *Canvas().Handle();
    TRect r = ClientRect();
    DrawBevel(dc, r, m_bevelOuter, Color(), m_bevelWidth);
    Frame3D(dc, r, Color(), Color(), m_borderWidth);
    DrawBevel(dc, r, m_bevelInner, Color(), m_bevelWidth);
    dc.FillRect(r, Color());
    if (Caption().empty()) return;
    static constexpr uint32_t Alignments[] = {DT_LEFT, DT_RIGHT, DT_CENTER};
    Canvas().Brush().Style = TBrushStyle::bsClear;
    Canvas().DrawText(Caption(), r,
                      DT_EXPANDTABS | DT_SINGLELINE | DT_VCENTER | Alignments[int(m_alignment)]);
}

} // namespace brisat
