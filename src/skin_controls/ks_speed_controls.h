// Tool-bar pieces: TKsSpeedDivider, a transparent windowless gap 8 pixels wide, and
// TKsSpeedContainer, a transparent windowed holder of other controls. Neither draws anything at
// run time; at design time both outline themselves in opaque grey so they can be found.
#pragma once

#include "skin_controls/ks_custom_control.h"
#include "skin_controls/ks_graphic_control.h"

namespace brisat {

// The design-time outline of the tool-bar pieces.
inline constexpr TKsPixel ksDesignOutline = 0xFF7F7F7F;

class TKsSpeedDivider : public TKsGraphicControl {
public:
    explicit TKsSpeedDivider(TComponent* owner);
    std::string ClassName() const override { return "TKsSpeedDivider"; }

protected:
    void PaintBuffer() override;
};

class TKsSpeedContainer : public TKsCustomControl {
public:
    explicit TKsSpeedContainer(TComponent* owner);
    std::string ClassName() const override { return "TKsSpeedContainer"; }

protected:
    void PaintBuffer() override;
};

} // namespace brisat
