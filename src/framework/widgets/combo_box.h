// TComboBox: a choice among Items with a drop-down list, in the classic look. csDropDownList
// shows the chosen item; csDropDown holds an edit for typed text instead (its text picks the
// item of that text, if any). The list drops from a press on the box (csDropDownList) or its
// button, F4 or Alt+Down: a popup top-level window that never takes the focus, DropDownCount
// rows high, under the box (above it when the screen ends). The pointer hovering over the list
// marks an item and a release on it chooses it; Up and Down move the mark, Enter chooses,
// Escape or a press outside the list closes it unchanged. While closed, Up, Down, Home, End and
// (csDropDownList) a typed first letter choose directly. OnChange follows every choice or edit
// of the user, not the program's. GUI thread only.
#pragma once

#include "framework/core/string_list.h"
#include "framework/controls/win_control.h"

#include <memory>

namespace brisat {

class TEdit;
class TComboList;

enum class TComboBoxStyle : uint8_t { csDropDown, csDropDownList };

class TComboBox : public TCustomControl {
public:
    explicit TComboBox(TComponent* owner);
    ~TComboBox() override;

    std::string ClassName() const override { return "TComboBox"; }

    TStringList& Items() { return m_items; }
    const TStringList& Items() const { return m_items; }
    // −1 for none; other values outside the items raise EListError.
    int32_t ItemIndex() const { return m_itemIndex; }
    void SetItemIndex(int32_t index);
    // csDropDownList: the chosen item's text; setting it chooses the item of that text (or
    // none). csDropDown: the edit's text.
    std::string Text() const;
    void SetText(const std::string& text);
    TComboBoxStyle Style() const { return m_style; }
    void SetStyle(TComboBoxStyle style);
    // Rows of the list before it scrolls.
    int32_t DropDownCount() const { return m_dropDownCount; }
    void SetDropDownCount(int32_t count) { m_dropDownCount = std::max(count, 1); }
    // The height of a row of the list.
    int32_t ItemHeight() const { return m_itemHeight; }
    void SetItemHeight(int32_t height) { m_itemHeight = std::max(height, 1); }
    bool Sorted() const { return m_items.Sorted(); }
    void SetSorted(bool on) { m_items.SetSorted(on); }
    bool DroppedDown() const { return m_dropped; }
    void SetDroppedDown(bool on);

    TNotifyEvent OnChange;
    // Before the list shows; the handler may still fill the items.
    TNotifyEvent OnDropDown;

    static constexpr int32_t ButtonWidth = 16;

protected:
    virtual void Change();
    virtual void DropDown();
    // The drop button and the text area, inside the border.
    TRect ButtonRect() const;
    TRect TextArea() const;

    void Paint() override;
    void MouseDown(TMouseButton button, TShiftState shift, int32_t x, int32_t y) override;
    void KeyDown(uint16_t& key, TShiftState shift) override;
    void KeyPress(char32_t& key) override;
    void WndProc(TMessage& message) override;
    void DoEnter() override;
    void DoExit() override;
    void Resize() override;

private:
    friend class TComboList;

    void ItemsChanged();
    // The user's choice: the item becomes the text and OnChange runs when it changed.
    void Choose(int32_t index);
    // Hides the drop-down list; ChooseAndCloseUp also takes its selected item as the choice.
    void CloseUp();
    void ChooseAndCloseUp();
    // Up, Down, F4 and the rest, from the box or its edit; true when used.
    bool ComboKey(uint16_t key, TShiftState shift);
    void ShowText();
    void PlaceEdit();

    TStringList m_items;
    int32_t m_itemIndex = -1;
    TComboBoxStyle m_style = TComboBoxStyle::csDropDownList; // the constructor makes it csDropDown
    int32_t m_dropDownCount = 8;
    int32_t m_itemHeight = 16;
    bool m_dropped = false;
    bool m_settingText = false; // the program is writing the edit's text
    std::unique_ptr<TEdit> m_edit;
    std::unique_ptr<TComboList> m_list;
};

} // namespace brisat
