// The player's pictures, drawn at build time by tools/glyph_art: the glyphs of ImageList1, the
// volume bars of ImageList2, the colour-dialog button's glyph and the about icon. Pixels are
// 0xAARRGGBB with straight alpha, rows top-down; alpha 0 marks the transparent background.
#pragma once

#include <cstdint>
#include <memory>

namespace brisat {

class TBitmap;
class TComponent;
class TImageList;

struct TArtwork {
    int32_t Width = 0;
    int32_t Height = 0;
    const uint32_t* Pixels = nullptr; // Width × Height

    uint32_t At(int32_t x, int32_t y) const { return Pixels[size_t(y) * size_t(Width) + size_t(x)]; }
};

// Glyph indexes of ImageList1, as the layouts and the player's code use them.
enum class TPlayerGlyph : int32_t {
    Previous,
    Rewind,
    Pause,
    Play,
    Stop,
    FastForward,
    Next,
    OpenUrl,
    Desktop,
    FullScreen,
    Aspect,
    FitHeight,
    FitWidth,
    Playlist,
    TimeLimit,
    ColourPalette,
    Skin,
    About,
    SoundOff,
    SoundOn,
    Add,
    Remove,
    Open,
    Zoom,
    Settings,
};

inline constexpr int32_t GlyphWidth = 16, GlyphHeight = 15, GlyphCount = 25;
inline constexpr int32_t VolumeBarWidth = 104, VolumeBarHeight = 23;

// GlyphCount glyphs of GlyphWidth × GlyphHeight side by side, in TPlayerGlyph order.
const TArtwork& ImageList1Strip();
// Two bars of VolumeBarWidth × VolumeBarHeight side by side: 0 empty, 1 full.
const TArtwork& ImageList2Strip();
const TArtwork& ColorControlGlyph(); // 20 × 20
const TArtwork& AboutIcon();         // 32 × 32

// A 32-bit bitmap holding the picture, alpha included.
std::unique_ptr<TBitmap> ArtworkBitmap(const TArtwork& artwork);

// Replaces List's images with Strip cut into ImageWidth-wide pieces of the strip's height.
void LoadImageList(TImageList& list, const TArtwork& strip, int32_t imageWidth);

// Gives the main window read from its layout its pictures: the glyphs of ImageList1, the volume
// bars of ImageList2, SpeedButton5's glyph and ZeltAbout1's icon. Raises EComponentError naming
// a component the window lacks.
void ApplyPlayerArtwork(TComponent& frmMain);

} // namespace brisat
