// TKsCustomListBox: a self-drawn list of strings with an object per item: single or multiple
// selection (Anchor to ItemIndex), optional three-state check boxes, optional column flow,
// word-wrapped or owner-measured item heights, a hover highlight and its own scroll bar, which
// also auto-scrolls while the mouse drags outside the list. ListStyle can fill the list with the
// screen's font families or the framework's colour names and draw them as such. GUI thread only.
#pragma once

#include "framework/widgets/list_box.h"
#include "skin_controls/ek_list_box_items.h"
#include "skin_controls/ks_custom_control.h"
#include "skin_controls/ks_custom_scroll_bar.h"

#include <functional>

namespace brisat {

enum class TKsListBoxStyle : uint8_t {
    lbStandard, lbOwnerDrawFixed, lbOwnerDrawVariable, lbFonts, lbFontSamples, lbColors,
    lbColorNames
};
enum class TKsFontDevice : uint8_t { fdScreen, fdPrinter };
enum class TKsFontType : uint8_t { ftAll, ftTrueType, ftFixedPitch };

// The object of a font item carries these flags.
inline constexpr intptr_t KsTrueTypeFontFlag = 4;
inline constexpr intptr_t KsFixedPitchFontFlag = 1;

class TKsCustomListBox : public TKsCustomControl {
public:
    using TDrawItemEvent = std::function<void(TKsCustomListBox& list, TCanvas& canvas,
                                              int32_t index, const TRect& rect,
                                              TOwnerDrawState state)>;
    using TMeasureItemEvent = std::function<void(TKsCustomListBox& list, TCanvas& canvas,
                                                 int32_t index, int32_t& height)>;

    explicit TKsCustomListBox(TComponent* owner);
    ~TKsCustomListBox() override;
    std::string ClassName() const override { return "TKsCustomListBox"; }

    TEkListBoxItems& Items() { return m_items; }
    const TEkListBoxItems& Items() const { return m_items; }
    int32_t ItemIndex() const { return m_itemIndex; }
    void SetItemIndex(int32_t index);
    // False outside the items; assigning there does nothing.
    bool Selected(int32_t index) const;
    void SetSelected(int32_t index, bool selected);
    int32_t SelCount() const;
    // The check state and enabled flag of an item (index within the items).
    TKsCheckBoxState State(int32_t index) const { return m_items.Item(index).State; }
    void SetState(int32_t index, TKsCheckBoxState state);
    bool ItemEnabled(int32_t index) const { return m_items.Item(index).Enabled; }
    void SetItemEnabled(int32_t index, bool enabled);
    int32_t TopIndex() const;
    void SetTopIndex(int32_t index);
    int32_t Anchor() const { return m_anchor; }
    int32_t HotItem() const { return m_hotItem; }
    int32_t FirstVisible();
    int32_t LastVisible();
    TKsCustomScrollBar& ScrollBar() { return *m_scrollBar; }

    bool AlwaysShowScrlBar() const { return m_alwaysShowScrlBar; }
    void SetAlwaysShowScrlBar(bool value);
    bool ShowCheckBoxes() const { return m_showCheckBoxes; }
    void SetShowCheckBoxes(bool value);
    bool Flat() const { return m_flat; }
    void SetFlat(bool value);
    bool AllowGrayed() const { return m_allowGrayed; }
    void SetAllowGrayed(bool value);
    bool MultiSelect() const { return m_multiSelect; }
    void SetMultiSelect(bool value);
    // 0 is the single-column list; negative counts raise EInvalidOperation.
    int32_t Columns() const { return m_columns; }
    void SetColumns(int32_t value);
    bool WordWrap() const { return m_wordWrap; }
    void SetWordWrap(bool value);
    TKsListBoxStyle ListStyle() const { return m_listStyle; }
    void SetListStyle(TKsListBoxStyle value);
    bool Sorted() const { return m_items.Sorted(); }
    void SetSorted(bool value) { m_items.SetSorted(value); }
    TKsFontDevice FontDevice() const { return m_fontDevice; }
    void SetFontDevice(TKsFontDevice value);
    TKsFontType FontType() const { return m_fontType; }
    void SetFontType(TKsFontType value);
    bool ClickOnKey() const { return m_clickOnKey; }
    void SetClickOnKey(bool value) { m_clickOnKey = value; }
    // Negative heights raise EInvalidOperation.
    int32_t ItemHeight() const { return m_itemHeight; }
    void SetItemHeight(int32_t value);

    TDrawItemEvent OnDrawItem;
    TMeasureItemEvent OnMeasureItem;

    // Layout, in the list's own coordinates.
    virtual int32_t GetItemTop(int32_t index);
    virtual TRect GetItemRect(int32_t index);
    virtual int32_t GetItemHeight(int32_t index);
    virtual int32_t GetCheckColumnWidth() const { return 15; }
    virtual TSize GetCheckSize() const { return {13, 13}; }
    // The items' rectangle: the paint rectangle, or the skin's frame less its margins.
    virtual TRect ListRect() const;
    // Re-lays the scroll bar for the items, the size and the settings.
    void UpdateListScrollBar();
    // Owned components for layouts: not the list's own scroll bar, which the list makes.
    void GetChildren(const std::function<void(TComponent&)>& proc) const override;

protected:
    virtual void DrawItem(TKsBitmap& bitmap, int32_t index, const TRect& rect);
    virtual void DrawCheck(int32_t index, const TRect& rect);
    // Whether X, Y lies in the item (or its check box) at Rect.
    virtual bool ItemHitTest(int32_t x, int32_t y, const TRect& rect, int32_t index);
    virtual bool CheckHitTest(int32_t x, int32_t y, const TRect& rect, int32_t index);
    virtual TKsCustomScrollBar* CreateListScrollBar();
    // (Re)makes the scroll bar with CreateListScrollBar; a derived class whose bar differs
    // calls it again from its constructor.
    void InitScrollBar();
    virtual void PaintBackground();
    virtual void PaintItems();
    virtual void DrawItemEvent(int32_t index, const TRect& rect, TOwnerDrawState state);
    virtual void MeasureItemEvent(int32_t index, int32_t& height);

    void PaintBuffer() override;
    void FocusEnter() override;
    void FocusExit() override;
    void MouseLeave() override;
    void MouseDown(TMouseButton button, TShiftState shift, int32_t x, int32_t y) override;
    void MouseMove(TShiftState shift, int32_t x, int32_t y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int32_t x, int32_t y) override;
    void KeyDown(uint16_t& key, TShiftState shift) override;
    bool DoMouseWheel(TShiftState shift, int32_t delta, TPoint mousePos) override;
    void WndProc(TMessage& message) override;
    void Resize() override;
    void Loaded() override;
    void DoSetBorderStyle(TBorderStyle value) override;

    // Plain item faces, shared with the skinned list.
    void DrawItemText(TKsBitmap& bitmap, int32_t index, const TRect& textRect, TColor color);
    void DrawColorItem(TKsBitmap& bitmap, int32_t index, const TRect& rect);
    // The check box centred in the check column beside an item.
    TRect CheckBoxRect(const TRect& column) const;
    bool FixedHeights() const;
    bool StyleListsFonts() const {
        return m_listStyle == TKsListBoxStyle::lbFonts ||
               m_listStyle == TKsListBoxStyle::lbFontSamples;
    }
    bool StyleListsColors() const {
        return m_listStyle == TKsListBoxStyle::lbColors ||
               m_listStyle == TKsListBoxStyle::lbColorNames;
    }
    bool OwnerDraws() const;
    // The width of the item rectangles (check column excluded).
    int32_t ItemWidth() const;
    // Extra height of skinned check boxes.
    virtual int32_t ExtraItemHeight() const { return 0; }
    // What OnDrawItem is told of an item: selected, and focused for the current item of the
    // focused list.
    TOwnerDrawState OwnerDrawState(int32_t index) const;

    // Calls Visit(index, itemRect, checkRect) for every item painted with the view scrolled to
    // Top, top to bottom and column after column; Visit returns false to stop.
    template <class F> void ForEachPainted(int32_t top, F&& visit);

private:
    void ItemsChanged();
    void RebuildSelection();
    // Sets ItemIndex and scrolls it into view; Rebuild also rebuilds the selection.
    void MoveItemIndex(int32_t index, bool rebuild);
    void CycleCheck(int32_t index);
    void UpdateHover();
    void BarScrolled(int32_t& position);
    void BarChanged();
    void RefillStyleItems();
    int32_t LastVisibleFrom(int32_t top);
    int32_t FirstVisibleAt(int32_t top);
    // Columns the flow needs with items down to Bottom.
    int32_t ColumnCount(int32_t bottom);
    int32_t ColumnBottom() const;
    void LayVertical();
    void LayColumns();

    bool m_updatingLayout = false;
    TEkListBoxItems m_items;
    bool m_alwaysShowScrlBar = false;
    bool m_showCheckBoxes = false;
    bool m_flat = true;
    bool m_mouseHeld = false;
    int32_t m_hotItem = -1;
    int32_t m_hotCheck = -1;
    int32_t m_mouseX = -1;
    int32_t m_mouseY = -1;
    int32_t m_anchor = -1;
    bool m_scrollBarShown = false;
    bool m_allowGrayed = false;
    int32_t m_itemIndex = -1;
    bool m_multiSelect = false;
    int32_t m_columns = 0;
    bool m_wordWrap = false;
    TKsListBoxStyle m_listStyle = TKsListBoxStyle::lbStandard;
    TKsFontDevice m_fontDevice = TKsFontDevice::fdScreen;
    TKsFontType m_fontType = TKsFontType::ftAll;
    bool m_clickOnKey = true;
    int32_t m_itemHeight = 16;
    TKsCustomScrollBar* m_scrollBar = nullptr; // owned as a child component
};

} // namespace brisat

#include "skin_controls/ks_list_box_walk.h"
