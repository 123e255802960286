// TListBox: a single-selection list of Items in the classic look, with the classic vertical
// scroll bar when the items overflow. A press selects the item under the pointer (dragging with
// the button held follows it); the arrows, Page Up / Page Down, Home and End move the selection
// and scroll it into view. OnClick follows every change of the selection by the user (not by
// the program); a double click fires OnDblClick. An owner-drawn list (lbOwnerDrawFixed) leaves
// each item's face to OnDrawItem. GUI thread only.
#pragma once

#include "framework/core/flags.h"
#include "framework/widgets/scroll_bar.h"
#include "framework/core/string_list.h"

namespace brisat {

enum class TListBoxStyle : uint8_t { lbStandard, lbOwnerDrawFixed };
enum class TOwnerDrawStateKind : uint8_t { odSelected, odDisabled, odFocused };
using TOwnerDrawState = TFlags<TOwnerDrawStateKind>;

class TListBox : public TScrollingControl {
public:
    // Rect in the list's client coordinates; the canvas is the list's, clipped to its items.
    using TDrawItemEvent = std::function<void(TWinControl& control, int32_t index,
                                              const TRect& rect, TOwnerDrawState state)>;

    explicit TListBox(TComponent* owner);

    std::string ClassName() const override { return "TListBox"; }

    TStringList& Items() { return m_items; }
    const TStringList& Items() const { return m_items; }
    // −1 for none; other values outside the items raise EListError. A change of the items
    // keeps the index while it names an item and drops it otherwise.
    int32_t ItemIndex() const { return m_itemIndex; }
    void SetItemIndex(int32_t index);
    // The height of an owner-drawn item; standard items are as high as a line of the font.
    int32_t ItemHeight() const { return m_itemHeight; }
    void SetItemHeight(int32_t height);
    TListBoxStyle Style() const { return m_style; }
    void SetStyle(TListBoxStyle style);
    bool Sorted() const { return m_items.Sorted(); }
    void SetSorted(bool on) { m_items.SetSorted(on); }
    // The first item shown.
    int32_t TopIndex() const { return TopRow(); }
    void SetTopIndex(int32_t index) { SetTopRow(index); }
    // The item at a client point, or −1.
    int32_t ItemAtPos(TPoint p) const;
    TRect ItemRect(int32_t index) const;

    TDrawItemEvent OnDrawItem;

    static constexpr int32_t TextMargin = 2;

protected:
    int32_t RowCount() const override { return m_items.Count(); }
    int32_t RowHeight() const override;
    void PaintContent(TDeviceContext& dc, const TRect& content) override;
    // Draws one item: OnDrawItem for an owner-drawn list, else the text on its highlight.
    virtual void DrawItem(int32_t index, const TRect& rect, TOwnerDrawState state);
    void MouseDown(TMouseButton button, TShiftState shift, int32_t x, int32_t y) override;
    void MouseMove(TShiftState shift, int32_t x, int32_t y) override;
    void KeyDown(uint16_t& key, TShiftState shift) override;
    void WndProc(TMessage& message) override;
    void DoEnter() override;
    void DoExit() override;
    // Selects Index as the user did: scrolls it into view and clicks when it changed.
    void SelectByUser(int32_t index);

private:
    void ItemsChanged();

    TStringList m_items;
    int32_t m_itemIndex = -1;
    int32_t m_itemHeight = 16;
    TListBoxStyle m_style = TListBoxStyle::lbStandard;
};

} // namespace brisat
