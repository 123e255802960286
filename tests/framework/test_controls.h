// Small controls for the framework tests: a windowed panel that accepts children and a
// windowless box that fills itself; both registered for layouts.
#pragma once

#include "framework/core/class_registry.h"
#include "framework/controls/control_classes.h"
#include "framework/controls/win_control.h"

namespace brisat {

class TTestPanel : public TCustomControl {
public:
    explicit TTestPanel(TComponent* owner) : TCustomControl(owner) {
        ControlStyle().Include(TControlStyleKind::csAcceptsControls);
        SetBounds(0, 0, 50, 40);
        InitColor(clBtnFace);
    }
    std::string ClassName() const override { return "TTestPanel"; }

    int Paints = 0;

protected:
    void Paint() override { ++Paints; }
};

class TTestBox : public TGraphicControl {
public:
    explicit TTestBox(TComponent* owner) : TGraphicControl(owner) {
        SetBounds(0, 0, 20, 10);
        InitColor(clRed);
    }
    std::string ClassName() const override { return "TTestBox"; }

    int Paints = 0;

protected:
    void Paint() override {
        ++Paints;
        Canvas().FillRect(ClientRect());
    }
};

inline void RegisterTestControls() {
    static const bool done = [] {
        RegisterControlClasses();
        TClassDeclaration<TTestPanel>("TTestPanel", "TCustomControl").Register();
        TClassDeclaration<TTestBox>("TTestBox", "TGraphicControl").Register();
        return true;
    }();
    (void)done;
}

} // namespace brisat
