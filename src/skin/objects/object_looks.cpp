#include "skin/objects/object_looks.h"

#include "skin/bitmap/pixel.h"

namespace brisat {

TColor ShiftedHue(TColor color, int32_t delta) {
    return PixelToColor(HueShift(ColorToPixel(color, 255), delta));
}

const TKsBitmapLink& ButtonStateLink(TSeState state, const TStateLinks& links,
                                     const TKsBitmapLink& normal) {
    switch (state) {
    case ssFocused: return ValidOr(links.Focused, normal);
    case ssHot: return ValidOr(links.Hot, normal);
    case ssDisabled: return ValidOr(links.Disabled, normal);
    case ssPressed: return ValidOr(links.Pressed, normal);
    default: return normal;
    }
}

} // namespace brisat
