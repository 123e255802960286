// The list box's mouse, keyboard and wheel.
#include "skin_controls/ks_custom_list_box.h"

#include "framework/widgets/scroll_math.h"

#include <algorithm>

namespace brisat {

bool TKsCustomListBox::ItemHitTest(int32_t x, int32_t y, const TRect& rect, int32_t) {
    return PtInRect(rect, {x, y});
}

bool TKsCustomListBox::CheckHitTest(int32_t x, int32_t y, const TRect& rect, int32_t) {
    return m_showCheckBoxes && PtInRect(rect, {x, y});
}

void TKsCustomListBox::UpdateHover() {
    int32_t hotItem = -1, hotCheck = -1;
    if (m_mouseX >= 0 || m_mouseY >= 0)
        ForEachPainted(TopIndex(), [&](int32_t i, const TRect& item, const TRect& check) {
            if (ItemHitTest(m_mouseX, m_mouseY, item, i)) hotItem = i;
            if (CheckHitTest(m_mouseX, m_mouseY, check, i)) hotCheck = i;
            return hotItem < 0 && hotCheck < 0;
        });
    const bool changed = hotItem != m_hotItem || hotCheck != m_hotCheck;
    m_hotItem = hotItem;
    m_hotCheck = hotCheck;
    if (!changed) return;
    Invalidate();
    Update();
}

void TKsCustomListBox::MouseLeave() {
    m_mouseX = m_mouseY = -1;
    UpdateHover();
    TKsCustomControl::MouseLeave();
}

void TKsCustomListBox::MouseDown(TMouseButton button, TShiftState shift, int32_t x, int32_t y) {
    if (CanFocus() && !TWinControl::Focused()) SetFocus();
    TKsCustomControl::MouseDown(button, shift, x, y);
    if (button != TMouseButton::mbLeft) return;
    m_mouseHeld = true;
    m_mouseX = x;
    m_mouseY = y;
    UpdateHover();
    if (m_hotItem < 0 && m_hotCheck < 0) return;
    // Ctrl toggles one item of a multiple selection and keeps the others.
    const bool toggle = shift.Contains(TShiftStateKind::ssCtrl) && m_multiSelect;
    const bool onCheck = m_hotCheck >= 0 && m_hotItem < 0;
    const int32_t index = onCheck ? m_hotCheck : m_hotItem;
    MoveItemIndex(index, !toggle);
    if (onCheck) CycleCheck(index);
    if (!shift.Contains(TShiftStateKind::ssShift)) m_anchor = m_itemIndex;
    if (toggle)
        SetSelected(m_itemIndex, !Selected(m_itemIndex));
    else
        RebuildSelection();
}

void TKsCustomListBox::MouseMove(TShiftState shift, int32_t x, int32_t y) {
    TKsCustomControl::MouseMove(shift, x, y);
    m_mouseX = x;
    m_mouseY = y;
    UpdateHover();
    // Dragging beyond the items scrolls towards the pointer; over them it moves the current
    // item. Only while the button that went down in the list is held.
    const TRect p = ListRect();
    const bool back = m_columns > 0 ? x < p.Left : y < p.Top;
    const bool forward = m_columns > 0 ? x >= p.Right : y >= p.Bottom;
    if (m_mouseHeld && back) return m_scrollBar->SetAutoScrollBack(true);
    if (m_mouseHeld && forward) return m_scrollBar->SetAutoScrollForward(true);
    m_scrollBar->SetAutoScrollBack(false);
    m_scrollBar->SetAutoScrollForward(false);
    if (m_mouseHeld && !shift.Contains(TShiftStateKind::ssCtrl) && m_hotItem >= 0) {
        SetItemIndex(m_hotItem);
        RebuildSelection();
    }
}

void TKsCustomListBox::MouseUp(TMouseButton button, TShiftState shift, int32_t x, int32_t y) {
    if (button == TMouseButton::mbLeft) {
        m_mouseHeld = false;
        // A release outside the list ends the drag's scrolling too.
        m_scrollBar->SetAutoScrollBack(false);
        m_scrollBar->SetAutoScrollForward(false);
    }
    TKsCustomControl::MouseUp(button, shift, x, y);
}

void TKsCustomListBox::FocusEnter() {
    TKsCustomControl::FocusEnter();
    RebuildSelection();
}

void TKsCustomListBox::FocusExit() {
    TKsCustomControl::FocusExit();
    m_mouseHeld = false;
    RebuildSelection();
}

void TKsCustomListBox::KeyDown(uint16_t& key, TShiftState shift) {
    TKsCustomControl::KeyDown(key, shift);
    const int32_t i = m_itemIndex;
    const int32_t page = m_scrollBar->PageSize();
    switch (key) {
    case VK_RETURN:
    case VK_SPACE:
        CycleCheck(i);
        break;
    case VK_PRIOR:
        SetItemIndex(i - page + 1);
        break;
    case VK_NEXT:
        SetItemIndex(i + page - 1);
        break;
    case VK_END:
        SetItemIndex(m_items.Count() - 1);
        break;
    case VK_HOME:
        SetItemIndex(0);
        break;
    case VK_LEFT:
    case VK_UP:
        SetItemIndex(i - 1);
        break;
    case VK_RIGHT:
    case VK_DOWN:
        SetItemIndex(i + 1);
        break;
    default:
        break;
    }
    if (m_itemIndex < 0 && m_items.Count() > 0) SetItemIndex(0);
    if (m_clickOnKey && m_itemIndex != i) Click();
    if (key >= VK_PRIOR && key <= VK_DOWN) {
        if (!shift.Contains(TShiftStateKind::ssShift)) m_anchor = m_itemIndex;
        RebuildSelection();
    }
}

bool TKsCustomListBox::DoMouseWheel(TShiftState shift, int32_t delta, TPoint mousePos) {
    if (TKsCustomControl::DoMouseWheel(shift, delta, mousePos)) return true;
    const TKsCustomScrollBar& bar = *m_scrollBar;
    int32_t top = TopIndex() - WheelRows(delta, DefaultWheelScrollLines);
    if (bar.PageSize() != 0) top = std::min(top, LastFullPageTop(bar.Max(), bar.PageSize()));
    SetTopIndex(top);
    return true;
}

void TKsCustomListBox::WndProc(TMessage& message) {
    if (message.Msg == WM_GETDLGCODE) {
        message.Result = 1;
        return;
    }
    TKsCustomControl::WndProc(message);
}

} // namespace brisat
