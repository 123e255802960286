#include "skin/bitmap/bitmap_link.h"

#include "skin/bitmap/bitmap.h"

namespace brisat {

void TKsBitmapLink::Assign(const TPersistent& source) {
    if (auto* link = dynamic_cast<const TKsBitmapLink*>(&source)) {
        m_bitmap = link->m_bitmap;
        m_rect = link->m_rect;
        m_name = link->m_name;
        return;
    }
    TPersistent::Assign(source);
}

bool TKsBitmapLink::Valid() const {
    // 64-bit: the product of two 32-bit extents cannot overflow there.
    int64_t width = int64_t(m_rect.Right) - m_rect.Left;
    int64_t height = int64_t(m_rect.Bottom) - m_rect.Top;
    return m_bitmap && width * height > 0;
}

void TKsBitmapLink::Draw(TKsBitmap& dest, int32_t x, int32_t y) const {
    if (Valid() && !m_bitmap->Empty()) m_bitmap->DrawRect(dest, x, y, m_rect);
}

} // namespace brisat
