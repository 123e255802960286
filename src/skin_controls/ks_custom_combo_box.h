// TKsCustomComboBox: the edit with a drop-down button and a list of items (a TKsCustomListBox)
// that drops into a borderless topmost window under the box, or above it near the bottom of the
// work area. kcsDropDown keeps the editable text (a choice copies the item into it);
// kcsDropDownList shows the chosen item and is read-only. AutoComplete completes typed text with
// the first item it begins, 100 ms after the last change. GUI thread only.
#pragma once

#include "skin_controls/ks_custom_edit.h"
#include "skin_controls/ks_custom_list_box.h"

#include <memory>

namespace brisat {

class TKsComboWindow;
class TTimer;

enum class TKsComboStyle : uint8_t { kcsDropDown, kcsDropDownList };
enum class TKsComboButtonAlign : uint8_t { cbaLeft, cbaRight };

class TKsCustomComboBox : public TKsCustomEdit {
public:
    explicit TKsCustomComboBox(TComponent* owner);
    ~TKsCustomComboBox() override;
    std::string ClassName() const override { return "TKsCustomComboBox"; }

    TEkListBoxItems& Items() { return m_list->Items(); }
    const TEkListBoxItems& Items() const { return m_list->Items(); }
    TKsCustomListBox& List() { return *m_list; }
    const TKsCustomListBox& List() const { return *m_list; }
    int32_t ItemIndex() const { return m_itemIndex; }
    // Below −1 becomes 0, past the items the last one; kcsDropDown copies the item into Text,
    // kcsDropDownList fires OnChange.
    void SetItemIndex(int32_t index);
    // kcsDropDownList with a valid ItemIndex: the item's string.
    std::string Text() const override;
    TKsComboStyle ComboStyle() const { return m_comboStyle; }
    void SetComboStyle(TKsComboStyle value);
    TKsComboButtonAlign ButtonAlign() const { return m_buttonAlign; }
    void SetButtonAlign(TKsComboButtonAlign value);
    int32_t DropDownCount() const { return m_dropDownCount; }
    // Negative counts raise EInvalidOperation.
    void SetDropDownCount(int32_t value);
    int32_t ItemHeight() const { return m_itemHeight; }
    // Negative heights raise EInvalidOperation.
    void SetItemHeight(int32_t value);
    bool AutoComplete() const { return m_autoComplete; }
    void SetAutoComplete(bool value) { m_autoComplete = value; }
    bool ButtonHot() const { return m_buttonHot; }
    bool ButtonPressed() const { return m_buttonPressed; }

    // The drop window while it exists (shown or closed), or nullptr.
    TKsComboWindow* DropWindow() const { return m_window.get(); }
    bool DroppedDown() const;
    virtual void DropDown();
    // Takes the list back from the drop window.
    void CloseUp();

    // The strip the drop-down button takes, in client coordinates.
    TRect ButtonRect() const;

protected:
    virtual void AttachDropList();
    virtual void DetachDropList();
    // The list; replaced by skinned lists in skinned combo boxes (see ReplaceDropList).
    virtual std::unique_ptr<TKsCustomListBox> CreateDropList();
    virtual int32_t GetButtonWidth() const { return 15; }
    // Makes the list again with CreateDropList; a derived class's constructor calls it.
    void ReplaceDropList();

    TRect GetTextRect() const override;
    void PaintBuffer() override;
    // The drop-down button's face.
    virtual void PaintButton(const TRect& rect);
    void PaintText() override;
    void Change() override;
    void KeyDown(uint16_t& key, TShiftState shift) override;
    void MouseDown(TMouseButton button, TShiftState shift, int32_t x, int32_t y) override;
    void MouseMove(TShiftState shift, int32_t x, int32_t y) override;
    void MouseLeave() override;
    void FocusEnter() override;
    void FocusExit() override;
    bool DoMouseWheel(TShiftState shift, int32_t delta, TPoint mousePos) override;
    void WndProc(TMessage& message) override;

private:
    // ItemIndex moved by the keys or the wheel: kept at 0 or above, Change in kcsDropDownList.
    void StepItemIndex(int32_t index);
    void CloseWindow();
    void WindowKey(uint16_t& key);
    void ListClicked();
    void NonClientPress(TPoint screen);
    void SetButtonHot(bool hot);
    void CompleteText();

    std::unique_ptr<TKsCustomListBox> m_list;
    TKsComboButtonAlign m_buttonAlign = TKsComboButtonAlign::cbaRight;
    bool m_buttonHot = false;
    bool m_buttonPressed = false;
    int32_t m_dropDownCount = 8;
    int32_t m_itemHeight = 15;
    int32_t m_itemIndex = -1;
    TKsComboStyle m_comboStyle = TKsComboStyle::kcsDropDown;
    bool m_autoComplete = false;
    std::string m_lastCompleted;
    bool m_completing = false;
    std::unique_ptr<TTimer> m_completionTimer;
    bool m_savedReadOnly = false;
    std::unique_ptr<TKsComboWindow> m_window;
    bool m_closing = false;
};

} // namespace brisat
