// TSeSkinEdit: the edit drawn with the skin object "Edit" (its child "Frame" in the disabled,
// hot, focused or normal state, the child "Text"'s font) whenever the engine holds a skin, and
// plain otherwise. Its context menu is a skinned popup menu on the same engine. GUI thread only.
#pragma once

#include "skin_controls/ks_custom_edit.h"
#include "skin_controls/se_skin_control.h"

namespace brisat {

class TSeSkinEdit : public TSeSkinControl<TKsCustomEdit> {
public:
    explicit TSeSkinEdit(TComponent* owner) : TSeSkinControl(owner, "Edit") {}
    std::string ClassName() const override { return "TSeSkinEdit"; }

protected:
    // The skinned popup menu when the menus' layer installed its factory, else the plain one.
    std::unique_ptr<TPopupMenu> CreateContextMenu() override;
    TMenuItem& CreateMenuItem(TPopupMenu& menu) override;
    void PrepareContextMenu() override;
    void PaintBackground(const TRect& rect, TKsBitmap& bitmap) override;
    void PaintBorder() override;
    void SkinBound() override;
};

} // namespace brisat
