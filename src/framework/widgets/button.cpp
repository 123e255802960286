#include "framework/widgets/button.h"

#include "framework/core/store_if_changed.h"
#include "framework/widgets/label.h"

namespace brisat {

TButtonControl::TButtonControl(TComponent* owner) : TCustomControl(owner) {
    // Presses are counted here, not by the generic click of a release inside.
    ControlStyle().Exclude(TControlStyleKind::csClickEvents);
    ControlStyle().Exclude(TControlStyleKind::csDoubleClicks);
    SetTabStop(true);
    InitColor(clBtnFace);
}

void TButtonControl::SetPressed(bool pressed) {
    if (StoreIfChanged(m_pressed, pressed)) Invalidate();
}

void TButtonControl::WndProc(TMessage& m) {
    switch (m.Msg) {
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        if (m.Msg == WM_KILLFOCUS && m_spaceDown) {
            m_spaceDown = false;
            SetPressed(false);
        }
        Invalidate();
        break;
    case CM_DIALOGCHAR:
        if (IsAccel(char32_t(m.WParam), Caption()) && CanFocus()) {
            SetFocus();
            Activate();
            m.Result = 1;
            return;
        }
        break;
    default:
        break;
    }
    TCustomControl::WndProc(m);
}

void TButtonControl::MouseDown(TMouseButton button, TShiftState shift, int32_t x, int32_t y) {
    if (button == TMouseButton::mbLeft && Enabled()) {
        if (CanFocus()) SetFocus();
        m_tracking = true;
        SetPressed(true);
    }
    TCustomControl::MouseDown(button, shift, x, y);
}

void TButtonControl::MouseMove(TShiftState shift, int32_t x, int32_t y) {
    if (m_tracking) SetPressed(PtInRect(ClientRect(), {x, y}));
    TCustomControl::MouseMove(shift, x, y);
}

void TButtonControl::MouseUp(TMouseButton button, TShiftState shift, int32_t x, int32_t y) {
    const bool press = button == TMouseButton::mbLeft && m_tracking;
    if (press) {
        m_tracking = false;
        SetPressed(false);
    }
    TCustomControl::MouseUp(button, shift, x, y);
    if (press && PtInRect(ClientRect(), {x, y})) Activate();
}

void TButtonControl::KeyDown(uint16_t& key, TShiftState shift) {
    TCustomControl::KeyDown(key, shift);
    if (key == VK_SPACE && !m_tracking) {
        m_spaceDown = true;
        SetPressed(true);
    }
}

void TButtonControl::KeyUp(uint16_t& key, TShiftState shift) {
    TCustomControl::KeyUp(key, shift);
    if (key == VK_SPACE && m_spaceDown) {
        m_spaceDown = false;
        SetPressed(false);
        Activate();
    }
}

TButton::TButton(TComponent* owner) : TButtonControl(owner) {
    SetBounds(0, 0, 75, 25);
}

void TButton::Click() {
    if (TCustomForm* form = ParentForm(); form && m_modalResult != mrNone)
        form->SetModalResult(m_modalResult);
    TButtonControl::Click();
}

void TButton::SetDefault(bool on) {
    if (StoreIfChanged(m_default, on)) Invalidate();
}

bool TButton::Active() const {
    const TCustomForm* form = ParentForm();
    const TWinControl* focused = form ? form->ActiveControl() : nullptr;
    if (dynamic_cast<const TButton*>(focused)) return focused == this;
    return m_default;
}

namespace {

// Repaints the Default buttons under Control: which button wears the outline follows the focus.
void InvalidateDefaultButtons(const TWinControl& control) {
    for (int i = 0; i < control.ControlCount(); ++i) {
        TControl& c = control.Controls(i);
        if (auto* button = dynamic_cast<TButton*>(&c); button && button->Default())
            button->Invalidate();
        if (auto* container = dynamic_cast<TWinControl*>(&c)) InvalidateDefaultButtons(*container);
    }
}

} // namespace

void TButton::WndProc(TMessage& m) {
    if (m.Msg == WM_SETFOCUS || m.Msg == WM_KILLFOCUS)
        if (TCustomForm* form = ParentForm()) InvalidateDefaultButtons(*form);
    if (m.Msg == CM_DIALOGKEY && Showing() && Enabled() &&
        ((m.WParam == VK_RETURN && Active()) || (m.WParam == VK_ESCAPE && m_cancel))) {
        Click();
        m.Result = 1;
        return;
    }
    TButtonControl::WndProc(m);
}

void TButton::Paint() {
    TDeviceContext& dc = *Canvas().Handle();
    TRect r = ClientRect();
    if (Pressed()) {
        dc.DrawFrameControl(r, DFC_BUTTON, DFCS_BUTTONPUSH | DFCS_PUSHED);
    } else {
        // The button Enter would click wears a dark outline.
        if (Active() && Enabled()) {
            dc.FrameRect(r, clWindowFrame);
            r = InflateRect(r, -1, -1);
        }
        dc.DrawFrameControl(r, DFC_BUTTON, DFCS_BUTTONPUSH);
    }
    const TRect face = InflateRect(ClientRect(), -4, -4);
    DrawControlText(Canvas(), Caption(), Pressed() ? OffsetRect(face, 1, 1) : face,
                    DT_CENTER | DT_VCENTER | DT_SINGLELINE, Enabled());
    if (Focused()) dc.DrawFocusRect(face);
}

} // namespace brisat
