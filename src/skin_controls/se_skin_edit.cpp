#include "skin_controls/se_skin_edit.h"

#include "framework/controls/menu.h"
#include "skin_controls/se_edit_frame.h"
#include "skin_controls/skin_menu_factory.h"

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

std::unique_ptr<TPopupMenu> TSeSkinEdit::CreateContextMenu() {
    const TSkinMenuFactory& factory = SkinMenuFactory();
    return factory.CreateMenu ? factory.CreateMenu(SkinEngine()) : TKsCustomEdit::CreateContextMenu();
}

TMenuItem& TSeSkinEdit::CreateMenuItem(TPopupMenu& menu) {
    const TSkinMenuFactory& factory = SkinMenuFactory();
    return factory.CreateItem ? factory.CreateItem(menu) : TKsCustomEdit::CreateMenuItem(menu);
}

void TSeSkinEdit::PrepareContextMenu() {
    TKsCustomEdit::PrepareContextMenu();
    if (const TSkinMenuFactory& factory = SkinMenuFactory(); factory.Prepare && ContextMenu())
        factory.Prepare(*ContextMenu(), SkinEngine(), PopupMenuSettings());
}

} // namespace brisat
