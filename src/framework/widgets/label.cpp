#include "framework/widgets/label.h"

#include "framework/core/store_if_changed.h"
#include "framework/graphics/canvas.h"
#include "framework/controls/win_control.h"

namespace brisat {

void DrawControlText(TCanvas& canvas, std::string_view text, TRect r, uint32_t format,
                     bool enabled) {
    if (!enabled) return DrawDisabledText(canvas, text, r, format);
    canvas.Brush().Style = TBrushStyle::bsClear;
    canvas.DrawText(text, r, format);
}

void DrawDisabledText(TCanvas& canvas, std::string_view text, TRect r, uint32_t format) {
    canvas.Brush().Style = TBrushStyle::bsClear;
    const TColor color = canvas.Font().Color();
    TRect lit = OffsetRect(r, 1, 1);
    canvas.Font().SetColor(clBtnHighlight);
    canvas.DrawText(text, lit, format);
    canvas.Font().SetColor(clBtnShadow);
    canvas.DrawText(text, r, format);
    canvas.Font().SetColor(color);
}

TLabel::TLabel(TComponent* owner) : TGraphicControl(owner) {
    ControlStyle().Include(TControlStyleKind::csOpaque);
    SetBounds(0, 0, 65, 17);
    SetParentColor(true);
}

void TLabel::Changed() {
    AdjustBounds();
    Invalidate();
}

void TLabel::SetAlignment(TAlignment alignment) {
    if (StoreIfChanged(m_alignment, alignment)) Invalidate();
}

void TLabel::SetLayout(TLabelLayout layout) {
    if (StoreIfChanged(m_layout, layout)) Invalidate();
}

void TLabel::SetAutoSize(bool on) {
    if (StoreIfChanged(m_autoSize, on)) Changed();
}

void TLabel::SetWordWrap(bool on) {
    if (StoreIfChanged(m_wordWrap, on)) Changed();
}

void TLabel::SetTransparent(bool on) {
    if (!StoreIfChanged(m_transparent, on)) return;
    ControlStyle().Set(TControlStyleKind::csOpaque, !on);
    Invalidate();
}

void TLabel::SetShowAccelChar(bool on) {
    if (StoreIfChanged(m_showAccelChar, on)) Changed();
}

void TLabel::SetFocusControl(TWinControl* control) {
    ChangeReference(m_focusControl, control);
}

void TLabel::Notification(TComponent& component, TOperation operation) {
    if (operation == TOperation::opRemove && &component == m_focusControl)
        m_focusControl = nullptr;
    TGraphicControl::Notification(component, operation);
}

uint32_t TLabel::TextFormat() const {
    static constexpr uint32_t Alignments[] = {DT_LEFT, DT_RIGHT, DT_CENTER};
    return DT_EXPANDTABS | Alignments[int(m_alignment)] | (m_wordWrap ? DT_WORDBREAK : 0) |
           (m_showAccelChar ? 0 : DT_NOPREFIX);
}

void TLabel::AdjustBounds() {
    if (!m_autoSize || ComponentState().Contains(TComponentStateFlag::csLoading)) return;
    TDeviceContext measure;
    measure.SelectFont(&Font());
    TRect r{0, 0, Width(), 0};
    // An empty caption keeps the height of one line.
    measure.DrawText(Caption().empty() ? " " : Caption(), r, TextFormat() | DT_CALCRECT);
    const int32_t width = m_wordWrap ? Width() : r.Width();
    const int32_t left =
        m_alignment == TAlignment::taRightJustify ? Left() + Width() - width : Left();
    SetBounds(left, Top(), width, r.Height());
}

void TLabel::Loaded() {
    TGraphicControl::Loaded();
    AdjustBounds();
}

void TLabel::WndProc(TMessage& m) {
    switch (m.Msg) {
    case CM_TEXTCHANGED:
    case CM_FONTCHANGED:
        Changed();
        return;
    case CM_DIALOGCHAR:
        if (m_showAccelChar && m_focusControl && Enabled() &&
            IsAccel(char32_t(m.WParam), Caption()) && m_focusControl->CanFocus()) {
            m_focusControl->SetFocus();
            m.Result = 1;
            return;
        }
        break;
    default:
        break;
    }
    TGraphicControl::WndProc(m);
}

void TLabel::Paint() {
    TCanvas& canvas = Canvas();
    const TRect client = ClientRect();
    if (!m_transparent) canvas.FillRect(client);
    TRect r = client;
    const uint32_t format = TextFormat();
    if (m_layout != TLabelLayout::tlTop) {
        TRect text = r;
        canvas.DrawText(Caption(), text, format | DT_CALCRECT);
        const int32_t room = client.Height() - text.Height();
        r.Top += m_layout == TLabelLayout::tlCenter ? room / 2 : room;
    }
    DrawControlText(canvas, Caption(), r, format, Enabled());
}

} // namespace brisat
