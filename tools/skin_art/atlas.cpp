#include "skin_art/atlas.h"

#include <algorithm>
#include <stdexcept>

namespace skin_art {
namespace {

// Free pixels between pieces, so no draw ever picks up a neighbour.
constexpr int Gap = 1;
constexpr uint32_t KeyPixel = 0xFFFF00FF;

} // namespace

TPieceRef TAtlas::Add(int width, int height,
                      const std::function<void(art_kit::TPainter&)>& draw) {
    art_kit::TPainter painter(width, height);
    draw(painter);
    return Add(art_kit::TImage::FromPainter(painter));
}

TPieceRef TAtlas::Add(const art_kit::TImage& piece) {
    if (piece.Width() > m_width)
        throw std::invalid_argument("A piece is wider than the bitmap " + m_name);
    if (m_shelfX + piece.Width() > m_width) {
        m_shelfY += m_shelfHeight + Gap;
        m_shelfX = 0;
        m_shelfHeight = 0;
    }
    m_placed.push_back({piece, m_shelfX, m_shelfY});
    const TPieceRef ref{m_name, {m_shelfX, m_shelfY, m_shelfX + piece.Width(),
                                 m_shelfY + piece.Height()}};
    m_shelfX += piece.Width() + Gap;
    m_shelfHeight = std::max(m_shelfHeight, piece.Height());
    return ref;
}

art_kit::TImage TAtlas::Image() const {
    art_kit::TImage image(m_width, std::max(1, m_shelfY + m_shelfHeight));
    for (const TPlaced& p : m_placed) image.Place(p.Piece, p.X, p.Y);
    return image;
}

art_kit::TImage CutToKey(const art_kit::TImage& piece) {
    art_kit::TImage cut(piece.Width(), piece.Height());
    for (int y = 0; y < piece.Height(); ++y)
        for (int x = 0; x < piece.Width(); ++x) {
            const uint32_t p = piece.At(x, y);
            cut.Set(x, y, (p >> 24) < 128 ? KeyPixel : (p | 0xFF000000u));
        }
    return cut;
}

} // namespace skin_art
