#include "framework/widgets/check_box.h"

#include "framework/core/store_if_changed.h"
#include "framework/widgets/label.h"

namespace brisat {

namespace {

// Pixels between the box and the caption.
constexpr int32_t CaptionGap = 4;

} // namespace

TCheckBox::TCheckBox(TComponent* owner) : TButtonControl(owner) {
    SetBounds(0, 0, 97, 17);
}

void TCheckBox::SetState(TCheckBoxState state) {
    if (!StoreIfChanged(m_state, state)) return;
    Invalidate();
    if (!ComponentState().Contains(TComponentStateFlag::csLoading)) Click();
}

void TCheckBox::SetAlignment(TAlignment alignment) {
    if (alignment == TAlignment::taCenter) alignment = TAlignment::taRightJustify;
    if (StoreIfChanged(m_alignment, alignment)) Invalidate();
}

void TCheckBox::Activate() {
    switch (m_state) {
    case TCheckBoxState::cbUnchecked:
        SetState(TCheckBoxState::cbChecked);
        break;
    case TCheckBoxState::cbChecked:
        SetState(m_allowGrayed ? TCheckBoxState::cbGrayed : TCheckBoxState::cbUnchecked);
        break;
    case TCheckBoxState::cbGrayed:
        SetState(TCheckBoxState::cbUnchecked);
        break;
    }
}

void TCheckBox::Paint() {
    TCanvas& canvas = Canvas();
    TDeviceContext& dc = *canvas.Handle();
    const TRect client = ClientRect();
    dc.FillRect(client, Color());
    const bool boxLeft = m_alignment == TAlignment::taRightJustify;
    const int32_t boxX = boxLeft ? 0 : client.Right - BoxSize;
    const TRect box = Bounds(boxX, (client.Height() - BoxSize) / 2, BoxSize, BoxSize);
    uint32_t look = DFCS_BUTTONCHECK;
    if (m_state != TCheckBoxState::cbUnchecked) look |= DFCS_CHECKED;
    if (m_state == TCheckBoxState::cbGrayed) look |= DFCS_BUTTON3STATE;
    if (Pressed()) look |= DFCS_PUSHED;
    if (!Enabled()) look |= DFCS_INACTIVE;
    dc.DrawFrameControl(box, DFC_BUTTON, look);

    TRect text = boxLeft ? TRect{box.Right + CaptionGap, 0, client.Right, client.Bottom}
                         : TRect{0, 0, box.Left - CaptionGap, client.Bottom};
    const uint32_t format = DT_SINGLELINE | DT_VCENTER | (boxLeft ? DT_LEFT : DT_RIGHT);
    DrawControlText(canvas, Caption(), text, format, Enabled());
    if (!Focused() || Caption().empty()) return;
    // The focus frame hugs the caption.
    TRect measured = text;
    canvas.DrawText(Caption(), measured, format | DT_CALCRECT);
    const int32_t width = std::min(measured.Width(), text.Width());
    const int32_t left = boxLeft ? text.Left : text.Right - width;
    const int32_t top = (client.Height() - measured.Height()) / 2;
    dc.DrawFocusRect(InflateRect(Bounds(left, top, width, measured.Height()), 1, 1));
}

} // namespace brisat
