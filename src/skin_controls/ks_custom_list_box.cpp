#include "skin_controls/ks_custom_list_box.h"

#include "framework/core/exceptions.h"
#include "framework/widgets/scroll_math.h"

#include <algorithm>
#include <utility>

namespace brisat {
namespace {

template <class T> bool Store(T& field, T value) {
    return std::exchange(field, value) != value;
}

void CheckNotNegative(const char* name, int32_t value) {
    if (value < 0)
        throw EInvalidOperation(std::string(name) + " " + std::to_string(value) +
                                " is out of range (0..2147483647)");
}

} // namespace

TKsCustomListBox::TKsCustomListBox(TComponent* owner) : TKsCustomControl(owner) {
    InitColor(clWindow);
    SetTabStop(true);
    ControlStyle().Include(TControlStyleKind::csCaptureMouse);
    ControlStyle().Include(TControlStyleKind::csDoubleClicks);
    SetBounds(Left(), Top(), 121, 97);
    SetBorderStyle(TBorderStyle::bsSingle);
    m_items.OnChange = [this] { ItemsChanged(); };
    InitScrollBar();
}

void TKsCustomListBox::InitScrollBar() {
    delete m_scrollBar;
    m_scrollBar = CreateListScrollBar();
    m_scrollBar->SetKind(TScrollBarKind::sbVertical);
    m_scrollBar->SetBorderWidth(0);
    m_scrollBar->SetParent(this);
    m_scrollBar->OnScroll = [this](TComponent&, TScrollCode, int32_t& pos) { BarScrolled(pos); };
    m_scrollBar->OnChange = [this](TComponent&) { BarChanged(); };
    UpdateListScrollBar();
}

TKsCustomListBox::~TKsCustomListBox() {
    // The bar reports to this list while it goes: not any more.
    m_scrollBar->OnScroll = nullptr;
    m_scrollBar->OnChange = nullptr;
}

TKsCustomScrollBar* TKsCustomListBox::CreateListScrollBar() {
    return new TKsCustomScrollBar(this);
}

// --- Properties ------------------------------------------------------------------------------

void TKsCustomListBox::SetAlwaysShowScrlBar(bool value) {
    if (Store(m_alwaysShowScrlBar, value)) UpdateListScrollBar();
}

void TKsCustomListBox::SetShowCheckBoxes(bool value) {
    if (Store(m_showCheckBoxes, value)) Invalidate();
}

void TKsCustomListBox::SetFlat(bool value) {
    if (Store(m_flat, value)) Invalidate();
}

void TKsCustomListBox::SetAllowGrayed(bool value) {
    m_allowGrayed = value;
    bool changed = false;
    for (int32_t i = 0; i < m_items.Count(); ++i)
        if (m_items.Item(i).State == TKsCheckBoxState::cbGrayed) {
            m_items.Item(i).State = TKsCheckBoxState::cbChecked;
            changed = true;
        }
    if (changed) Invalidate();
}

void TKsCustomListBox::SetMultiSelect(bool value) {
    m_multiSelect = value;
    for (int32_t i = 0; i < m_items.Count(); ++i)
        m_items.Item(i).Selected = false;
    Invalidate();
}

void TKsCustomListBox::SetColumns(int32_t value) {
    CheckNotNegative("Columns", value);
    if (Store(m_columns, value)) UpdateListScrollBar();
}

void TKsCustomListBox::SetWordWrap(bool value) {
    if (Store(m_wordWrap, value)) UpdateListScrollBar();
}

void TKsCustomListBox::SetListStyle(TKsListBoxStyle value) {
    if (!Store(m_listStyle, value)) return;
    if (StyleListsFonts() || StyleListsColors()) RefillStyleItems();
    UpdateListScrollBar();
}

void TKsCustomListBox::SetFontDevice(TKsFontDevice value) {
    if (Store(m_fontDevice, value) && StyleListsFonts()) RefillStyleItems();
}

void TKsCustomListBox::SetFontType(TKsFontType value) {
    if (Store(m_fontType, value) && StyleListsFonts()) RefillStyleItems();
}

void TKsCustomListBox::SetItemHeight(int32_t value) {
    CheckNotNegative("ItemHeight", value);
    if (!Store(m_itemHeight, value)) return;
    UpdateListScrollBar();
    Invalidate();
}

void TKsCustomListBox::DoSetBorderStyle(TBorderStyle value) {
    TKsCustomControl::DoSetBorderStyle(value);
    if (m_scrollBar) UpdateListScrollBar();
}

// --- Items and selection ---------------------------------------------------------------------

void TKsCustomListBox::ItemsChanged() {
    const int32_t count = m_items.Count();
    if (count == 0) m_itemIndex = -1;
    else if (m_itemIndex == -1) m_itemIndex = 0;
    // Deleting the last items must not leave the current item or the anchor behind the list.
    m_itemIndex = std::min(m_itemIndex, count - 1);
    m_anchor = std::min(m_anchor, count - 1);
    m_hotItem = m_hotItem < count ? m_hotItem : -1;
    m_hotCheck = m_hotCheck < count ? m_hotCheck : -1;
    if (m_items.Updating()) return;
    UpdateListScrollBar();
    Invalidate();
}

bool TKsCustomListBox::Selected(int32_t index) const {
    return index >= 0 && index < m_items.Count() && m_items.Item(index).Selected;
}

void TKsCustomListBox::SetSelected(int32_t index, bool selected) {
    if (index < 0 || index >= m_items.Count()) return;
    if (Store(m_items.Item(index).Selected, selected)) Invalidate();
}

int32_t TKsCustomListBox::SelCount() const {
    int32_t n = 0;
    for (int32_t i = 0; i < m_items.Count(); ++i)
        n += m_items.Item(i).Selected;
    return n;
}

void TKsCustomListBox::SetState(int32_t index, TKsCheckBoxState state) {
    if (Store(m_items.Item(index).State, state)) Invalidate();
}

void TKsCustomListBox::SetItemEnabled(int32_t index, bool enabled) {
    if (Store(m_items.Item(index).Enabled, enabled)) Invalidate();
}

void TKsCustomListBox::CycleCheck(int32_t index) {
    if (index < 0 || index >= m_items.Count() || !ItemEnabled(index)) return;
    switch (State(index)) {
    case TKsCheckBoxState::cbUnchecked:
        return SetState(index, TKsCheckBoxState::cbChecked);
    case TKsCheckBoxState::cbChecked:
        return SetState(index, m_allowGrayed ? TKsCheckBoxState::cbGrayed
                                             : TKsCheckBoxState::cbUnchecked);
    case TKsCheckBoxState::cbGrayed:
        return SetState(index, TKsCheckBoxState::cbUnchecked);
    }
}

void TKsCustomListBox::RebuildSelection() {
    if (m_anchor == -1) return;
    for (int32_t i = 0; i < m_items.Count(); ++i)
        m_items.Item(i).Selected = false;
    if (m_multiSelect) {
        const int32_t from = std::min(m_anchor, m_itemIndex), to = std::max(m_anchor, m_itemIndex);
        for (int32_t i = std::max(from, 0); i <= to && i < m_items.Count(); ++i)
            m_items.Item(i).Selected = true;
    } else if (m_itemIndex >= 0) {
        m_items.Item(m_itemIndex).Selected = true;
    }
    Invalidate();
}

void TKsCustomListBox::SetItemIndex(int32_t index) {
    MoveItemIndex(index, true);
}

void TKsCustomListBox::MoveItemIndex(int32_t index, bool rebuild) {
    if (index == m_itemIndex) {
        if (m_anchor == -1) m_anchor = m_itemIndex;
        if (rebuild) RebuildSelection();
        return;
    }
    index = std::min(index, m_items.Count() - 1);
    m_itemIndex = index < -1 ? 0 : index;
    if (m_itemIndex != -1) {
        SetTopIndex(TopToShow(
            TopIndex(), m_itemIndex, [this](int32_t top) { return FirstVisibleAt(top); },
            [this](int32_t top) { return LastVisibleFrom(top); }));
        if (m_anchor == -1) m_anchor = m_itemIndex;
    }
    if (rebuild) RebuildSelection();
    UpdateListScrollBar();
    Invalidate();
}

// --- Layout ----------------------------------------------------------------------------------

int32_t TKsCustomListBox::TopIndex() const {
    return m_scrollBar->Position();
}

void TKsCustomListBox::SetTopIndex(int32_t index) {
    m_scrollBar->SetPosition(index);
}

TRect TKsCustomListBox::ListRect() const {
    return GetPaintRect();
}

bool TKsCustomListBox::FixedHeights() const {
    return !m_wordWrap && (m_listStyle == TKsListBoxStyle::lbStandard || StyleListsFonts() ||
                           StyleListsColors());
}

bool TKsCustomListBox::OwnerDraws() const {
    return (m_listStyle == TKsListBoxStyle::lbOwnerDrawFixed ||
            m_listStyle == TKsListBoxStyle::lbOwnerDrawVariable) &&
           OnDrawItem;
}

int32_t TKsCustomListBox::ItemWidth() const {
    const TRect p = ListRect();
    const int32_t check = m_showCheckBoxes ? GetCheckColumnWidth() : 0;
    if (m_columns > 0) return p.Width() / m_columns - check;
    const bool barTaken = m_scrollBar->Visible() &&
                          (m_scrollBarShown || Designing() || m_alwaysShowScrlBar);
    return p.Width() - (barTaken ? m_scrollBar->Width() : 0) - check;
}

int32_t TKsCustomListBox::ColumnBottom() const {
    const TRect p = ListRect();
    return p.Bottom - (m_scrollBar->Visible() && m_scrollBarShown ? m_scrollBar->Height() : 0);
}

int32_t TKsCustomListBox::GetItemHeight(int32_t index) {
    int32_t height = m_itemHeight;
    if (m_listStyle == TKsListBoxStyle::lbOwnerDrawVariable && OnMeasureItem) {
        height = BufferSet().Allocated() ? m_itemHeight : -1;
        if (height >= 0) MeasureItemEvent(index, height);
    } else if (m_wordWrap) {
        TKsBitmap& buffer = Buffer();
        buffer.SetFont(Font());
        TRect r{0, 0, ItemWidth() - 2, buffer.TextHeight("Pq")};
        buffer.DC().SelectFont(&buffer.Font());
        height = buffer.DC().DrawText(m_items[index], r, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
        height = std::max(height, r.Height());
    } else if (StyleListsFonts() || StyleListsColors()) {
        height = 18;
    }
    return height + ExtraItemHeight();
}

int32_t TKsCustomListBox::GetItemTop(int32_t index) {
    if (index < TopIndex()) return -1;
    int32_t top = ListRect().Top;
    for (int32_t i = TopIndex(); i < index && i < m_items.Count(); ++i)
        top += GetItemHeight(i);
    return top;
}

TRect TKsCustomListBox::GetItemRect(int32_t index) {
    TRect found;
    ForEachPainted(TopIndex(), [&](int32_t i, const TRect& item, const TRect&) {
        if (i == index) found = item;
        return i < index;
    });
    return found;
}

int32_t TKsCustomListBox::FirstVisibleAt(int32_t top) {
    if (m_columns <= 0) return top;
    int32_t first = m_items.Count();
    ForEachPainted(top, [&first](int32_t i, const TRect&, const TRect&) {
        first = i;
        return false;
    });
    return first;
}

int32_t TKsCustomListBox::LastVisibleFrom(int32_t top) {
    int32_t last = FirstVisibleAt(top) - 1;
    ForEachPainted(top, [&last](int32_t i, const TRect&, const TRect&) {
        last = i;
        return true;
    });
    return last;
}

int32_t TKsCustomListBox::FirstVisible() {
    return FirstVisibleAt(TopIndex());
}

int32_t TKsCustomListBox::LastVisible() {
    return LastVisibleFrom(TopIndex());
}

} // namespace brisat
