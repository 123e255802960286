#include "skin_controls/se_skin_combo_box.h"

#include "skin/objects/skin_object.h"
#include "skin_controls/se_edit_frame.h"
#include "skin_controls/se_skin_list_box.h"

namespace brisat {

TSeSkinComboBox::TSeSkinComboBox(TComponent* owner) : TSeSkinControl(owner, "ComboBox") {
    ReplaceDropList();
}

std::unique_ptr<TKsCustomListBox> TSeSkinComboBox::CreateDropList() {
    return std::make_unique<TSeSkinListBox>(nullptr);
}

void TSeSkinComboBox::AttachDropList() {
    TKsCustomComboBox::AttachDropList();
    if (auto* list = dynamic_cast<TSeSkinListBox*>(&List())) list->SetSkinEngine(SkinEngine());
}

int32_t TSeSkinComboBox::GetButtonWidth() const {
    return m_skinButtonWidth != 0 ? m_skinButtonWidth : TKsCustomComboBox::GetButtonWidth();
}

void TSeSkinComboBox::PaintBackground(const TRect& rect, TKsBitmap& bitmap) {
    if (!IsSkinned()) {
        TKsCustomComboBox::PaintBackground(rect, bitmap);
        return;
    }
    // The frame's see-through pixels show the control's Color, not the buffer's last picture.
    if (!Transparent()) bitmap.DC().FillRect(ControlRect(), Color());
    DrawEditFrame(*SkinCopy(), bitmap, ControlRect(), rect, BorderStyle(),
                  EditSkinState(*this, MouseInControl()));
}

void TSeSkinComboBox::PaintBorder() {
    // Skinned, the background draws the frame over the whole control.
    if (!IsSkinned()) TKsCustomComboBox::PaintBorder();
}

void TSeSkinComboBox::PaintButton(const TRect& rect) {
    TSeSkinObject* button = IsSkinned() ? SkinCopy()->FindObject("Button") : nullptr;
    if (!button) {
        TKsCustomComboBox::PaintButton(rect);
        return;
    }
    button->SetBounds(rect);
    button->SetState(EditSkinState(*this, ButtonHot()));
    button->Draw(Buffer());
}

void TSeSkinComboBox::SkinBound() {
    m_skinButtonWidth = 0;
    if (TSeSkinObject* copy = SkinCopy()) {
        TakeSkinFont(*this, *copy);
        if (TSeSkinObject* button = copy->FindObject("Button")) m_skinButtonWidth = button->Width();
    }
    Invalidate();
}

} // namespace brisat
