// TCheckBox: a box with a caption, ticked, unticked or (with AllowGrayed) greyed. A press by
// mouse, Space or the caption's accelerator moves to the next state (unticked, ticked, greyed
// when allowed); every change of state, by the user or by a setter, fires OnClick, except while
// a layout is read. Alignment taRightJustify puts the caption right of the box. GUI thread
// only.
#pragma once

#include "framework/widgets/button.h"
#include "framework/widgets/control_styles.h"

namespace brisat {

enum class TCheckBoxState : uint8_t { cbUnchecked, cbChecked, cbGrayed };

class TCheckBox : public TButtonControl {
public:
    explicit TCheckBox(TComponent* owner);
    std::string ClassName() const override { return "TCheckBox"; }

    TCheckBoxState State() const { return m_state; }
    void SetState(TCheckBoxState state);
    bool Checked() const { return m_state == TCheckBoxState::cbChecked; }
    void SetChecked(bool on) {
        SetState(on ? TCheckBoxState::cbChecked : TCheckBoxState::cbUnchecked);
    }
    bool AllowGrayed() const { return m_allowGrayed; }
    void SetAllowGrayed(bool on) { m_allowGrayed = on; }
    // taLeftJustify or taRightJustify (the caption's side of the box).
    TAlignment Alignment() const { return m_alignment; }
    void SetAlignment(TAlignment alignment);

    // Side of the check box's square, in pixels.
    static constexpr int32_t BoxSize = 13;

protected:
    void Activate() override;
    void Paint() override;

private:
    TCheckBoxState m_state = TCheckBoxState::cbUnchecked;
    bool m_allowGrayed = false;
    TAlignment m_alignment = TAlignment::taRightJustify;
};

} // namespace brisat
