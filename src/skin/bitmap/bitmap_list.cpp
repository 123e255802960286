#include "skin/bitmap/bitmap_list.h"

#include <algorithm>

namespace brisat {

namespace {

bool SameTextIgnoringCase(std::string_view a, std::string_view b) {
    auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
    return std::ranges::equal(a, b, [&](char x, char y) { return lower(x) == lower(y); });
}

} // namespace

TKsBitmap* TKsBitmapList::Items(int32_t index) const {
    if (index < 0 || index >= Count()) return nullptr;
    return m_items[size_t(index)].get();
}

int32_t TKsBitmapList::Add(std::unique_ptr<TKsBitmap> bitmap) {
    m_items.push_back(std::move(bitmap));
    return Count() - 1;
}

std::unique_ptr<TKsBitmapLink> TKsBitmapList::GetBitmapLink(std::string_view name,
                                                            const TRect& rect) const {
    for (auto it = m_items.rbegin(); it != m_items.rend(); ++it)
        if (*it && SameTextIgnoringCase((*it)->Name(), name)) return (*it)->GetLink(rect);
    return nullptr;
}

} // namespace brisat
