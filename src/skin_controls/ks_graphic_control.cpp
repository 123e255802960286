#include "skin_controls/ks_graphic_control.h"

namespace brisat {

TKsGraphicControl::TKsGraphicControl(TComponent* owner) : TKsBufferedControl(owner) {}

TKsGraphicControl::~TKsGraphicControl() = default;

bool TKsGraphicControl::CanRender() {
    TWinControl* parent = Parent();
    if (!parent || !(Visible() || Designing()) || !BufferSet().Allocated()) return false;
    if (CachedWidth() <= 0 || CachedHeight() <= 0 || !parent->HandleAllocated()) return false;
    return NeedsRender();
}

void TKsGraphicControl::CopyParentBackground(TKsBitmap& target) {
    TWinControl* parent = Parent();
    if (parent && parent->HandleAllocated())
        DrawParentArea(*parent, target, {Left(), Top()}, false);
}

void TKsGraphicControl::WMPaint(TMessage& message) {
    if (!message.WParam || !BufferSet().Allocated()) return;
    SetNeedsRender(true);
    if (RenderBuffer()) Buffer().DrawToDC(*WParamToDC(message.WParam), 0, 0);
}

void TKsGraphicControl::PaintBuffer() {
    if (!Transparent()) Buffer().FillRect(Buffer().BoundsRect(), ColorToPixel(Color(), 255));
}

} // namespace brisat
