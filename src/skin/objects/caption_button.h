// The behaviour the two caption-button classes share: the button state driven by the mouse, the
// window action run on the skinned form, and hiding by window state and border icons.
#pragma once

#include "framework/controls/control.h"
#include "skin/objects/skin_object_types.h"

#include <cstdint>

namespace brisat {

class TSeSkinObject;

enum class TSeButtonState : uint8_t { bsNormal, bsHot, bsPressed };

struct TSeCaptionButton {
    TSeAction Action = TSeAction::sbaNone;
    TSeButtonState State = TSeButtonState::bsNormal;
    TShiftState Shift;

    void MouseEnter(TSeSkinObject& button);
    void MouseLeave(TSeSkinObject& button);
    void MouseDown(TSeSkinObject& button, TMouseButton mouseButton);
    void MouseMove(TSeSkinObject& button, TShiftState shift);
    void MouseUp(TSeSkinObject& button, TMouseButton mouseButton);
    void DblClick(TSeSkinObject& button, TMouseButton mouseButton);
    // Shows or hides the button for the window state and the form's border icons.
    void ApplyState(TSeSkinObject& button, TSeState state) const;
    // Carries out the action on the button's form (sbaRollPanel toggles RollPanel's panel).
    void Run(TSeSkinObject& button) const;
};

} // namespace brisat
