// TKsCustomComboBox's geometry (the text area beside the button) and drawing.
#include "skin_controls/ks_custom_combo_box.h"

namespace brisat {
namespace {

// Draws a list item with the list's own painting, reached through a derived class.
struct TItemPainter : TKsCustomListBox {
    static void Draw(TKsCustomListBox& list, TKsBitmap& bitmap, int32_t index, const TRect& rect) {
        (list.*&TItemPainter::DrawItem)(bitmap, index, rect);
    }
};

} // namespace

TRect TKsCustomComboBox::GetTextRect() const {
    TRect r = TKsCustomEdit::GetTextRect();
    if (m_buttonAlign == TKsComboButtonAlign::cbaRight)
        r.Right -= GetButtonWidth();
    else
        r.Left += GetButtonWidth();
    return r;
}

TRect TKsCustomComboBox::ButtonRect() const {
    const TRect text = GetTextRect();
    const int32_t top = text.Top - 2;
    const int32_t bottom = AutoSize() ? text.Bottom + 2 : Height() - top;
    const int32_t width = GetButtonWidth();
    if (m_buttonAlign == TKsComboButtonAlign::cbaRight)
        return {text.Right, top, text.Right + width, bottom};
    return {text.Left - width, top, text.Left, bottom};
}

void TKsCustomComboBox::PaintBuffer() {
    TKsCustomEdit::PaintBuffer();
    PaintButton(ButtonRect());
}

void TKsCustomComboBox::PaintButton(const TRect& rect) {
    Buffer().DC().DrawFrameControl(
        rect, DFC_SCROLL,
        DFCS_SCROLLCOMBOBOX | (m_buttonPressed ? DFCS_PUSHED : 0) | (Enabled() ? 0 : DFCS_INACTIVE));
}

void TKsCustomComboBox::PaintText() {
    if (m_comboStyle != TKsComboStyle::kcsDropDownList) return TKsCustomEdit::PaintText();
    if (m_itemIndex < 0 || m_itemIndex >= Items().Count()) return;
    // The chosen item as the list draws it, selected while the box has the focus.
    const TRect text = GetTextRect();
    const bool selected = m_list->Selected(m_itemIndex);
    m_list->SetSelected(m_itemIndex, Focused());
    m_list->Font().Assign(Font());
    TItemPainter::Draw(*m_list, Buffer(), m_itemIndex, text);
    m_list->SetSelected(m_itemIndex, selected);
    if (Focused()) Buffer().DC().DrawFocusRect(text);
}

} // namespace brisat
