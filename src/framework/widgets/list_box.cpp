#include "framework/widgets/list_box.h"

#include "framework/core/exceptions.h"
#include "framework/core/store_if_changed.h"

#include <algorithm>

namespace brisat {

TListBox::TListBox(TComponent* owner) : TScrollingControl(owner) {
    SetBounds(0, 0, 121, 97);
    // OnClick reports selection changes, not every release of the button.
    ControlStyle().Exclude(TControlStyleKind::csClickEvents);
    m_items.OnChange = [this](TStringList&) { ItemsChanged(); };
}

void TListBox::ItemsChanged() {
    if (m_itemIndex >= m_items.Count()) m_itemIndex = -1;
    UpdateScrollBar();
    Invalidate();
}

void TListBox::SetItemIndex(int32_t index) {
    if (index < -1 || index >= m_items.Count())
        throw EListError("List index out of bounds (" + std::to_string(index) + ")");
    if (!StoreIfChanged(m_itemIndex, index)) return;
    if (index >= 0) MakeRowVisible(index);
    Invalidate();
}

void TListBox::SetItemHeight(int32_t height) {
    height = std::max(height, 1);
    if (!StoreIfChanged(m_itemHeight, height)) return;
    UpdateScrollBar();
    Invalidate();
}

void TListBox::SetStyle(TListBoxStyle style) {
    if (!StoreIfChanged(m_style, style)) return;
    UpdateScrollBar();
    Invalidate();
}

int32_t TListBox::RowHeight() const {
    return m_style == TListBoxStyle::lbOwnerDrawFixed ? m_itemHeight : FontLineHeight();
}

TRect TListBox::ItemRect(int32_t index) const {
    const TRect content = ContentRect();
    const int32_t top = content.Top + (index - TopIndex()) * RowHeight();
    return {content.Left, top, content.Right, top + RowHeight()};
}

int32_t TListBox::ItemAtPos(TPoint p) const {
    const TRect content = ContentRect();
    if (!PtInRect(content, p)) return -1;
    const int32_t index = TopIndex() + (p.Y - content.Top) / RowHeight();
    return index < m_items.Count() ? index : -1;
}

void TListBox::PaintContent(TDeviceContext&, const TRect& content) {
    const int32_t height = RowHeight();
    for (int32_t i = TopIndex(), y = content.Top; i < m_items.Count() && y < content.Bottom;
         ++i, y += height) {
        TOwnerDrawState state;
        if (i == m_itemIndex) state.Include(TOwnerDrawStateKind::odSelected);
        if (i == m_itemIndex && Focused()) state.Include(TOwnerDrawStateKind::odFocused);
        if (!Enabled()) state.Include(TOwnerDrawStateKind::odDisabled);
        DrawItem(i, {content.Left, y, content.Right, y + height}, state);
    }
}

void TListBox::DrawItem(int32_t index, const TRect& rect, TOwnerDrawState state) {
    TDeviceContext& dc = *Canvas().Handle();
    const bool selected = state.Contains(TOwnerDrawStateKind::odSelected);
    if (m_style == TListBoxStyle::lbOwnerDrawFixed && OnDrawItem) {
        Canvas().Brush() = {selected ? clHighlight : Color(), TBrushStyle::bsSolid};
        Canvas().Font().SetColor(selected ? clHighlightText : Font().Color());
        OnDrawItem(*this, index, rect, state);
    } else {
        if (selected) dc.FillRect(rect, clHighlight);
        dc.SelectFont(&Font());
        dc.SetBkMode(TBkMode::Transparent);
        dc.SetTextColor(state.Contains(TOwnerDrawStateKind::odDisabled) ? clGrayText
                        : selected                                      ? clHighlightText
                                                                        : Font().Color());
        dc.TextOut(rect.Left + TextMargin, rect.Top, m_items[index]);
    }
    if (state.Contains(TOwnerDrawStateKind::odFocused)) dc.DrawFocusRect(rect);
}

void TListBox::SelectByUser(int32_t index) {
    if (m_items.Count() == 0) return;
    index = std::clamp(index, 0, m_items.Count() - 1);
    MakeRowVisible(index);
    if (index == m_itemIndex) return;
    SetItemIndex(index);
    Click();
}

void TListBox::MouseDown(TMouseButton button, TShiftState shift, int32_t x, int32_t y) {
    if (button == TMouseButton::mbLeft) {
        if (CanFocus() && !Focused()) SetFocus();
        if (const int32_t index = ItemAtPos({x, y}); index >= 0) SelectByUser(index);
    }
    TScrollingControl::MouseDown(button, shift, x, y);
}

void TListBox::MouseMove(TShiftState shift, int32_t x, int32_t y) {
    // With the button held the selection follows the pointer, scrolling past either end.
    if (shift.Contains(TShiftStateKind::ssLeft) && MouseCapture() && m_items.Count() > 0) {
        const TRect content = ContentRect();
        const int32_t row = y < content.Top ? TopIndex() - 1
                            : y >= content.Bottom
                                ? TopIndex() + VisibleRows()
                                : TopIndex() + (y - content.Top) / RowHeight();
        SelectByUser(row);
    }
    TScrollingControl::MouseMove(shift, x, y);
}

void TListBox::KeyDown(uint16_t& key, TShiftState shift) {
    TScrollingControl::KeyDown(key, shift);
    const int32_t at = m_itemIndex;
    switch (key) {
    case VK_UP:
        SelectByUser(at - 1);
        break;
    case VK_DOWN:
        SelectByUser(at + 1);
        break;
    case VK_PRIOR:
        SelectByUser(at - VisibleRows() + 1);
        break;
    case VK_NEXT:
        SelectByUser(std::max(at, 0) + VisibleRows() - 1);
        break;
    case VK_HOME:
        SelectByUser(0);
        break;
    case VK_END:
        SelectByUser(m_items.Count() - 1);
        break;
    default:
        return;
    }
    key = 0;
}

void TListBox::WndProc(TMessage& m) {
    if (m.Msg == WM_GETDLGCODE) {
        m.Result = DLGC_WANTARROWS;
        return;
    }
    TScrollingControl::WndProc(m);
}

void TListBox::DoEnter() {
    Invalidate();
    TScrollingControl::DoEnter();
}

void TListBox::DoExit() {
    Invalidate();
    TScrollingControl::DoExit();
}

} // namespace brisat
