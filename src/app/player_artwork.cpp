#include "app/player_artwork.h"

#include "framework/graphics.h"

#include <algorithm>

namespace brisat {

// Defined in the source that tools/glyph_art generates.
namespace artwork_data {
extern const TArtwork ImageList1;
extern const TArtwork ImageList2;
extern const TArtwork ColorControlGlyph;
extern const TArtwork AboutIcon;
} // namespace artwork_data

const TArtwork& ImageList1Strip() {
    return artwork_data::ImageList1;
}

const TArtwork& ImageList2Strip() {
    return artwork_data::ImageList2;
}

const TArtwork& ColorControlGlyph() {
    return artwork_data::ColorControlGlyph;
}

const TArtwork& AboutIcon() {
    return artwork_data::AboutIcon;
}

std::unique_ptr<TBitmap> ArtworkBitmap(const TArtwork& artwork) {
    auto bitmap = std::make_unique<TBitmap>();
    bitmap->SetSize(artwork.Width, artwork.Height);
    std::copy_n(artwork.Pixels, size_t(artwork.Width) * size_t(artwork.Height),
                bitmap->DC().Surface()->Bits());
    return bitmap;
}

} // namespace brisat
