// TButtonControl: the behaviour push buttons and check boxes share: a press by the left mouse
// button (released inside) or by the Space key (released), drawn pressed meanwhile, and the
// caption's "&" accelerator; each complete press runs Activate. TButton: a push button in the
// classic look that clicks on a press; Default answers Enter and Cancel Escape on its form, and
// a ModalResult ends its form's modal loop. GUI thread only.
#pragma once

#include "framework/controls/form.h"

namespace brisat {

class TButtonControl : public TCustomControl {
public:
    explicit TButtonControl(TComponent* owner);
    std::string ClassName() const override { return "TButtonControl"; }

    // Whether a mouse or Space press is under way with the pointer (or key) still on it.
    bool Pressed() const { return m_pressed; }

protected:
    // What a complete press does.
    virtual void Activate() = 0;
    void WndProc(TMessage& message) override;
    void MouseDown(TMouseButton button, TShiftState shift, int32_t x, int32_t y) override;
    void MouseMove(TShiftState shift, int32_t x, int32_t y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int32_t x, int32_t y) override;
    void KeyDown(uint16_t& key, TShiftState shift) override;
    void KeyUp(uint16_t& key, TShiftState shift) override;

private:
    void SetPressed(bool pressed);

    bool m_pressed = false;
    bool m_tracking = false; // the left button went down here
    bool m_spaceDown = false;
};

class TButton : public TButtonControl {
public:
    explicit TButton(TComponent* owner);
    std::string ClassName() const override { return "TButton"; }

    // Sets the form's ModalResult (when not mrNone), then fires OnClick.
    void Click() override;

    bool Default() const { return m_default; }
    void SetDefault(bool on);
    bool Cancel() const { return m_cancel; }
    void SetCancel(bool on) { m_cancel = on; }
    TModalResult ModalResult() const { return m_modalResult; }
    void SetModalResult(TModalResult result) { m_modalResult = result; }
    // Whether Enter clicks this button now: it has the focus, or it is the Default button and
    // no other button has the focus.
    bool Active() const;

protected:
    void Activate() override { Click(); }
    void WndProc(TMessage& message) override;
    void Paint() override;

private:
    bool m_default = false;
    bool m_cancel = false;
    TModalResult m_modalResult = mrNone;
};

} // namespace brisat
