// The list box's scroll bar: its place, range and page for the items and the settings.
#include "skin_controls/ks_custom_list_box.h"

#include "framework/widgets/scroll_math.h"

#include <algorithm>

namespace brisat {

void TKsCustomListBox::UpdateListScrollBar() {
    if (!m_scrollBar || m_updatingLayout) return;
    m_updatingLayout = true;
    try {
        m_scrollBar->SetMin(0);
        if (m_columns > 0)
            LayColumns();
        else
            LayVertical();
        TKsCustomScrollBar& bar = *m_scrollBar;
        const bool needed = bar.PageSize() < int64_t(bar.Max()) - bar.Min() + 1 && bar.Max() != bar.Min();
        bar.SetVisible(Designing() || m_alwaysShowScrlBar || needed);
        bar.SetEnabled(Designing() || needed);
        m_scrollBarShown = bar.Visible();
    } catch (...) {
        m_updatingLayout = false;
        throw;
    }
    m_updatingLayout = false;
    Invalidate();
}

void TKsCustomListBox::LayVertical() {
    TKsCustomScrollBar& bar = *m_scrollBar;
    const TRect p = ListRect();
    bar.SetKind(TScrollBarKind::sbVertical);
    bar.FitThickness();
    bar.SetBounds(p.Right - bar.Width(), p.Top, bar.Width(), std::max(p.Height(), 0));
    const int32_t count = m_items.Count();
    if (FixedHeights()) {
        // An item height of 0 shows no whole page rather than dividing by it.
        const int32_t height = count > 0 ? GetItemHeight(0) : 0;
        bar.SetMax(count - 1);
        bar.SetPageSize(height > 0 ? std::max(p.Height(), 0) / height : 0);
        return;
    }
    // Variable heights: the smallest top from which all the remaining items fit. The heights
    // may depend on the item width, so the count is redone when the bar turns out needed.
    const auto lastTop = [&] {
        int32_t top = count, used = 0;
        while (top > 0 && (used += GetItemHeight(top - 1)) <= p.Height())
            --top;
        return std::min(top, std::max(count - 1, 0));
    };
    bar.SetPageSize(0);
    int32_t max = lastTop();
    if (max > 0 && !m_scrollBarShown) {
        bar.SetVisible(true);
        m_scrollBarShown = true;
        max = lastTop();
    }
    bar.SetMax(max);
}

int32_t TKsCustomListBox::ColumnCount(int32_t bottom) {
    const TRect p = ListRect();
    int32_t columns = m_items.Count() > 0 ? 1 : 0;
    for (int32_t i = 0, y = p.Top; i < m_items.Count(); ++i) {
        const int32_t height = GetItemHeight(i);
        if (y + height > bottom && y > p.Top) {
            ++columns;
            y = p.Top;
        }
        y += height;
    }
    return columns;
}

void TKsCustomListBox::LayColumns() {
    TKsCustomScrollBar& bar = *m_scrollBar;
    const TRect p = ListRect();
    bar.SetKind(TScrollBarKind::sbHorizontal);
    bar.FitThickness();
    bar.SetBounds(p.Left, p.Bottom - bar.Height(), std::max(p.Width(), 0), bar.Height());
    const bool reserve = m_alwaysShowScrlBar || Designing();
    int32_t columns = ColumnCount(p.Bottom - (reserve ? bar.Height() : 0));
    if (columns > m_columns && !reserve) columns = ColumnCount(p.Bottom - bar.Height());
    bar.SetMax(std::max(columns - 1, 0));
    bar.SetPageSize(m_columns);
}

// A scroll of the bar never leaves the last page part empty.
void TKsCustomListBox::BarScrolled(int32_t& position) {
    const TKsCustomScrollBar& bar = *m_scrollBar;
    if (bar.PageSize() != 0) position = std::min(position, LastFullPageTop(bar.Max(), bar.PageSize()));
}

void TKsCustomListBox::BarChanged() {
    if (m_scrollBar->AutoScrollBack())
        SetItemIndex(FirstVisible());
    else if (m_scrollBar->AutoScrollForward())
        SetItemIndex(LastVisible());
    UpdateHover();
    Invalidate();
}

void TKsCustomListBox::Resize() {
    UpdateListScrollBar();
    TKsCustomControl::Resize();
}

void TKsCustomListBox::Loaded() {
    TKsCustomControl::Loaded();
    UpdateListScrollBar();
}

} // namespace brisat
