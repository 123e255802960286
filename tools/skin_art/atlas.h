// One bitmap of a skin, packed from pieces: each piece is painted on its own transparent painter
// and placed on a shelf (left to right, a new shelf below when the row is full).
#pragma once

#include "art_kit/image.h"
#include "framework/core/types.h"

#include <functional>
#include <string>
#include <vector>

namespace skin_art {

// Where a piece lies: the bitmap's name and the rectangle in it.
struct TPieceRef {
    std::string Bitmap;
    brisat::TRect Rect;
};

class TAtlas {
public:
    TAtlas(std::string name, int width) : m_name(std::move(name)), m_width(width) {}

    const std::string& Name() const { return m_name; }
    // Paints a Width × Height piece with Draw and places it.
    TPieceRef Add(int width, int height, const std::function<void(art_kit::TPainter&)>& draw);
    // Places a finished piece.
    TPieceRef Add(const art_kit::TImage& piece);
    // The packed bitmap, transparent between pieces.
    art_kit::TImage Image() const;

private:
    struct TPlaced {
        art_kit::TImage Piece;
        int X, Y;
    };

    std::string m_name;
    int m_width;
    int m_shelfX = 0, m_shelfY = 0, m_shelfHeight = 0;
    std::vector<TPlaced> m_placed;
};

// Makes a frame piece fit for a window's shape: pixels under half coverage become opaque
// magenta (cut out of the window), the others opaque.
art_kit::TImage CutToKey(const art_kit::TImage& piece);

} // namespace skin_art
