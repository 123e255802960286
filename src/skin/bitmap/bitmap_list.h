// TKsBitmapList: the skin's bitmaps, owned by the list.
#pragma once

#include "framework/core/types.h"
#include "skin/bitmap/bitmap.h"
#include "skin/bitmap/bitmap_link.h"

#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

namespace brisat {

class TKsBitmapList {
public:
    int32_t Count() const { return int32_t(m_items.size()); }
    // nullptr outside 0..Count − 1.
    TKsBitmap* Items(int32_t index) const;
    TKsBitmap* operator[](int32_t index) const { return Items(index); }
    // Takes ownership; returns the bitmap's index.
    int32_t Add(std::unique_ptr<TKsBitmap> bitmap);
    // Frees every bitmap.
    void Clear() { m_items.clear(); }

    // A new link to Rect of the bitmap named Name (ASCII letters compared without case; the
    // last of several matches wins); nullptr when none matches.
    std::unique_ptr<TKsBitmapLink> GetBitmapLink(std::string_view name, const TRect& rect) const;

private:
    std::vector<std::unique_ptr<TKsBitmap>> m_items;
};

} // namespace brisat
