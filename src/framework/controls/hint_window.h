// THintWindow: the small top-level window that shows a control's hint near the pointer. It is
// never activated and takes no input. The application makes its hint windows through a
// replaceable factory, so a program can show its own kind (balloons, skinned hints).
#pragma once

#include "framework/controls/win_control.h"

#include <functional>
#include <memory>

namespace brisat {

class THintWindow : public TCustomControl {
public:
    explicit THintWindow(TComponent* owner);
    std::string ClassName() const override { return "THintWindow"; }

    // The size the hint needs (at most MaxWidth wide, text wrapped), at the origin.
    virtual TRect CalcHintRect(int32_t maxWidth, const std::string& hint);
    // Shows Hint in Rect (screen coordinates) without taking the activation.
    virtual void ActivateHint(const TRect& rect, const std::string& hint);
    // Hides the window.
    void ReleaseHandle();

protected:
    void CreateParams(TCreateParams& params) override;
    void Paint() override;
};

using THintWindowClass = std::function<std::unique_ptr<THintWindow>()>;

} // namespace brisat
