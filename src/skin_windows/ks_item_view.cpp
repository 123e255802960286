#include "skin_windows/ks_item_view.h"

#include "framework/controls/win_control.h"
#include "skin_windows/ks_custom_item.h"
#include "skin_windows/ks_item_look.h"

#include <algorithm>

namespace brisat {
namespace {

const TImageList* MenuImages(const TMenuItem& item) {
    const TMenu* menu = item.GetParentMenu();
    return menu && menu->Images() && item.ImageIndex() >= 0 ? menu->Images() : nullptr;
}

} // namespace

TKsItemView::TKsItemView(TMenuItem& root, TWinControl& control, bool horizontal)
    : m_root(root), m_control(control), m_horizontal(horizontal) {}

void TKsItemView::SetSelected(int index, TSubMenu subMenu) {
    const bool open = subMenu == TSubMenu::Open;
    if (index == m_selected && open == m_subMenuOpen) return;
    m_selected = index;
    m_subMenuOpen = open;
    m_control.Invalidate();
}

void TKsItemView::SetActive(bool active) {
    if (active == m_active) return;
    m_active = active;
    m_control.Invalidate();
}

TSize TKsItemView::Layout() {
    const int n = m_root.Count();
    std::vector<TSize> sizes(static_cast<size_t>(n));
    TSize content;
    for (int i = 0; i < n; ++i) {
        TMenuItem& item = m_root.Items(i);
        if (!item.Visible()) continue;
        TSize& s = sizes[size_t(i)];
        if (TKsCustomItem* ks = AsKsItem(item))
            ks->MeasureItem(m_bitmap, *this, s.cx, s.cy);
        else
            MeasurePlainItem(item, m_bitmap, m_horizontal, s.cx, s.cy);
        s = {std::max(s.cx, 0), std::max(s.cy, 0)};
        content = m_horizontal ? TSize{content.cx + s.cx, std::max(content.cy, s.cy)}
                               : TSize{std::max(content.cx, s.cx), content.cy + s.cy};
    }
    // Stacked items are as wide as the widest, side-by-side ones as high as the highest.
    m_rects.assign(size_t(n), TRect{});
    TPoint at = m_paintOffset;
    for (int i = 0; i < n; ++i) {
        if (!m_root.Items(i).Visible()) continue;
        const TSize s = sizes[size_t(i)];
        m_rects[size_t(i)] = m_horizontal ? Bounds(at.X, at.Y, s.cx, content.cy)
                                          : Bounds(at.X, at.Y, content.cx, s.cy);
        (m_horizontal ? at.X : at.Y) += m_horizontal ? s.cx : s.cy;
    }
    return content;
}

TRect TKsItemView::ItemRect(int index) const {
    if (index < 0 || size_t(index) >= m_rects.size()) return {};
    return m_rects[size_t(index)];
}

void TKsItemView::PaintItems(TKsBitmap& bitmap) {
    for (int i = 0; i < m_root.Count() && size_t(i) < m_rects.size(); ++i) {
        TMenuItem& item = m_root.Items(i);
        const TRect& r = m_rects[size_t(i)];
        if (!item.Visible() || IsRectEmpty(r)) continue;
        if (TKsCustomItem* ks = AsKsItem(item))
            ks->DrawItem(bitmap, *this, r, i == m_selected, !m_active);
        else
            DrawPlainItem(item, MenuImages(item), bitmap, m_horizontal, r, i == m_selected,
                          !m_active);
    }
}

bool TKsItemView::ContainsScreen(TPoint screen) const {
    if (!m_control.HandleAllocated() || !IsWindowVisible(m_control.Handle())) return false;
    return PtInRect(GetWindowRect(m_control.Handle()), screen);
}

int TKsItemView::ItemAtScreen(TPoint screen) const {
    if (!ContainsScreen(screen)) return -1;
    const TPoint p = m_control.ScreenToClient(screen);
    for (int i = 0; size_t(i) < m_rects.size(); ++i)
        if (PtInRect(m_rects[size_t(i)], p))
            return m_root.Items(i).IsLine() || !m_root.Items(i).Visible() ? -1 : i;
    return -1;
}

TRect TKsItemView::ItemScreenRect(int index) const {
    const TRect r = ItemRect(index);
    if (IsRectEmpty(r)) return {};
    const TPoint origin = m_control.ClientToScreen({0, 0});
    return OffsetRect(r, origin.X, origin.Y);
}

} // namespace brisat
