// The behaviour the two caption-button classes share: the button state driven by the mouse, the
// window action run on the skinned form, and hiding by window state and border icons.
#pragma once

#include "framework/controls/control.h"
#include "skin/objects/skin_object_types.h"

#include <cstdint>
#include <string_view>

namespace brisat {

class TKsBitmap;
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
    // RollPanel names the panel an sbaRollPanel button toggles (empty: none). The action may
    // destroy the button, so nothing of it is used afterwards.
    void MouseUp(TSeSkinObject& button, TMouseButton mouseButton, std::string_view rollPanel);
    void DblClick(TSeSkinObject& button, TMouseButton mouseButton);
    // Shows or hides the button for the window state and the form's border icons.
    void ApplyState(TSeSkinObject& button, TSeState state) const;
    // Carries out the action on the button's form, or toggles the roll panel.
    void Run(TSeSkinObject& button, std::string_view rollPanel) const;
    // The window icon drawn at the button's top-left corner (sbaSysMenu buttons); nothing when
    // the button is not bound to a form.
    static void DrawWindowIcon(TSeSkinObject& button, TKsBitmap& target);
};

} // namespace brisat
