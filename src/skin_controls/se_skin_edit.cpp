#include "skin_controls/se_skin_edit.h"

#include "skin_controls/se_edit_frame.h"

namespace brisat {

void TSeSkinEdit::PaintBackground(const TRect& rect, TKsBitmap& bitmap) {
    if (!IsSkinned()) {
        TKsCustomEdit::PaintBackground(rect, bitmap);
        return;
    }
    // The frame's see-through pixels show the control's Color, not the buffer's last picture.
    if (!Transparent()) bitmap.DC().FillRect(ControlRect(), Color());
    DrawEditFrame(*SkinCopy(), bitmap, ControlRect(), rect, BorderStyle(),
                  EditSkinState(*this, MouseInControl()));
}

void TSeSkinEdit::PaintBorder() {
    // Skinned, the background draws the frame over the whole control.
    if (!IsSkinned()) TKsCustomEdit::PaintBorder();
}

void TSeSkinEdit::SkinBound() {
    if (TSeSkinObject* copy = SkinCopy()) TakeSkinFont(*this, *copy);
    Invalidate();
}

} // namespace brisat
