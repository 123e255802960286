// Drawing a skin object's bitmap link into its rectangle: tiled, stretched or centred, or in
// nine parts when margins are set.
#pragma once

#include "framework/core/types.h"
#include "skin/objects/skin_object_types.h"

#include <cstdint>

namespace brisat {

class TKsBitmap;
class TKsBitmapLink;

struct TLinkLayout {
    TRect Bounds;          // the object's rectangle in the target
    TRect Margins;         // left, top, right and bottom margins (not a rectangle)
    TscTileStyle Center;   // the whole link, or the centre part
    TscTileStyle Edges;    // the four edge parts
};

// Draws nothing for a link that is not valid. The link's bitmap blends by alpha for the draw;
// the four corners are copied unscaled.
void DrawSkinLink(TKsBitmap& target, const TKsBitmapLink& link, const TLinkLayout& layout);

} // namespace brisat
