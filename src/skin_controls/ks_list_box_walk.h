// The list box's layout walk (included by ks_custom_list_box.h).
#pragma once

#include <algorithm>

namespace brisat {

template <class F> void TKsCustomListBox::ForEachPainted(int32_t top, F&& visit) {
    const TRect p = ListRect();
    const int32_t check = m_showCheckBoxes ? GetCheckColumnWidth() : 0;
    const int32_t width = ItemWidth();
    const int32_t count = m_items.Count();
    const auto place = [&](int32_t index, int32_t x, int32_t y, int32_t height) {
        return visit(index, TRect{x + check, y, x + check + width, y + height},
                     TRect{x, y, x + check, y + height});
    };
    if (m_columns <= 0) {
        // Single column from Top down; only whole items are painted.
        int32_t y = p.Top;
        for (int32_t i = std::max(top, 0); i < count; ++i) {
            const int32_t height = GetItemHeight(i);
            if (y + height > p.Bottom || !place(i, p.Left, y, height)) return;
            y += height;
        }
        return;
    }
    // Columns: each takes items while they fit; its first item is always placed.
    const int32_t bottom = ColumnBottom(), first = top, last = first + m_columns - 1;
    int32_t column = 0, y = p.Top;
    for (int32_t i = 0; i < count; ++i) {
        const int32_t height = GetItemHeight(i);
        if (y + height > bottom && y > p.Top) {
            ++column;
            y = p.Top;
        }
        if (column > last) return;
        if (column >= first && !place(i, p.Left + (column - first) * (width + check), y, height))
            return;
        y += height;
    }
}

} // namespace brisat
