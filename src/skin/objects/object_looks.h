// Helpers the skin object classes share to pick their look for one draw.
#pragma once

#include "framework/core/colors.h"
#include "skin/bitmap/bitmap_link.h"
#include "skin/objects/skin_object_types.h"

#include <cstdint>

namespace brisat {

// The colour turned by Delta steps of the hue circle (system colours resolved first).
TColor ShiftedHue(TColor color, int32_t delta);

// Candidate when it is a valid link, else Fallback.
inline const TKsBitmapLink& ValidOr(const TKsBitmapLink& candidate,
                                    const TKsBitmapLink& fallback) {
    return candidate.Valid() ? candidate : fallback;
}

struct TStateLinks {
    const TKsBitmapLink& Hot;
    const TKsBitmapLink& Focused;
    const TKsBitmapLink& Pressed;
    const TKsBitmapLink& Disabled;
};

// A push button's link for State: focused, hot, disabled or pressed when that link is valid,
// else Normal.
const TKsBitmapLink& ButtonStateLink(TSeState state, const TStateLinks& links,
                                     const TKsBitmapLink& normal);

} // namespace brisat
