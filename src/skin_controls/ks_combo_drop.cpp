// TKsCustomComboBox's drop-down: the list moves into a TKsComboWindow placed under the box (above
// it near the work area's bottom) and back when the window closes.
#include "skin_controls/ks_custom_combo_box.h"

#include "framework/widgets/drop_down_place.h"
#include "skin_controls/ks_combo_window.h"

namespace brisat {

bool TKsCustomComboBox::DroppedDown() const {
    return m_window && m_window->Visible();
}

void TKsCustomComboBox::DropDown() {
    CloseWindow();
    m_window.reset();
    m_window = std::make_unique<TKsComboWindow>(ParentForm());
    m_window->OnDeactivated = [this] { CloseWindow(); };
    const TPoint origin = ClientToScreen({0, 0});
    const int32_t height = m_dropDownCount * m_itemHeight;
    const TPoint at = DropDownOrigin(Bounds(origin.X, origin.Y, Width(), Height()), height);
    m_window->SetBounds(at.X, at.Y, Width(), height);
    for (int32_t i = 0; i < Items().Count(); ++i)
        m_list->SetSelected(i, false);
    const int32_t current = m_itemIndex < 0 && Items().Count() > 0 ? 0 : m_itemIndex;
    m_list->SetItemIndex(current);
    if (current >= 0) m_list->SetSelected(current, true);
    m_list->SetColor(Color());
    m_window->Show();
    AttachDropList();
    if (m_list->CanFocus()) m_list->SetFocus();
    m_list->Invalidate();
}

void TKsCustomComboBox::AttachDropList() {
    m_list->SetVisible(true);
    m_list->SetParent(m_window.get());
    m_window->Realign();
    m_list->Font().Assign(Font());
}

void TKsCustomComboBox::DetachDropList() {
    if (!m_list->Visible()) return;
    m_list->SetVisible(false);
    m_list->SetParent(this);
    if (ComboStyle() == TKsComboStyle::kcsDropDownList) Change();
    Invalidate();
    if (Enabled() && CanFocus()) SetFocus();
}

void TKsCustomComboBox::CloseUp() {
    DetachDropList();
}

// Closes the window (it stays until the next drop-down or the combo box goes).
void TKsCustomComboBox::CloseWindow() {
    if (!m_window || m_closing) return;
    m_closing = true;
    CloseUp();
    if (m_window->Visible()) m_window->Close();
    m_buttonPressed = false;
    m_closing = false;
    Invalidate();
}

void TKsCustomComboBox::ListClicked() {
    if (!DroppedDown()) return;
    SetItemIndex(m_list->ItemIndex());
    CloseWindow();
}

void TKsCustomComboBox::WindowKey(uint16_t& key) {
    if (!DroppedDown()) return;
    if (key == VK_RETURN || key == VK_SPACE) SetItemIndex(m_list->ItemIndex());
    if (key == VK_RETURN || key == VK_SPACE || key == VK_ESCAPE) {
        key = 0;
        CloseWindow();
    }
}

} // namespace brisat
