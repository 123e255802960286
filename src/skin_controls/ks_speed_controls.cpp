#include "skin_controls/ks_speed_controls.h"

namespace brisat {

TKsSpeedDivider::TKsSpeedDivider(TComponent* owner) : TKsGraphicControl(owner) {
    SetTransparent(true);
    SetWidth(8);
}

void TKsSpeedDivider::PaintBuffer() {
    if (Designing()) Buffer().FrameRect(ControlRect(), ksDesignOutline);
}

TKsSpeedContainer::TKsSpeedContainer(TComponent* owner) : TKsCustomControl(owner) {
    ControlStyle().Include(TControlStyleKind::csAcceptsControls);
    SetTransparent(true);
}

void TKsSpeedContainer::PaintBuffer() {
    if (Designing()) Buffer().FrameRect(ControlRect(), ksDesignOutline);
}

} // namespace brisat
