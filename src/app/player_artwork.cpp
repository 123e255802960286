#include "app/player_artwork.h"

#include "app/component_binding.h"
#include "effects/about_box.h"
#include "framework/graphics/graphics.h"
#include "framework/graphics/image_list.h"
#include "framework/widgets/speed_button.h"

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

void LoadImageList(TImageList& list, const TArtwork& strip, int32_t imageWidth) {
    list.SetSize(imageWidth, strip.Height);
    list.Clear();
    list.Add(*ArtworkBitmap(strip));
}

void ApplyPlayerArtwork(TComponent& frmMain) {
    LoadImageList(BindComponent<TImageList>(frmMain, "ImageList1"), ImageList1Strip(), GlyphWidth);
    LoadImageList(BindComponent<TImageList>(frmMain, "ImageList2"), ImageList2Strip(),
                  VolumeBarWidth);
    BindComponent<TSpeedButton>(frmMain, "SpeedButton5")
        .SetGlyph(*ArtworkBitmap(ColorControlGlyph()));
    BindComponent<TZeltShellAbout>(frmMain, "ZeltAbout1").SetIcon(*ArtworkBitmap(AboutIcon()));
}

} // namespace brisat
