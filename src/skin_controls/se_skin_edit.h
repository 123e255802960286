// TSeSkinEdit: the edit drawn with the skin object "Edit" (its child "Frame" in the disabled,
// hot, focused or normal state, the child "Text"'s font) whenever the engine holds a skin, and
// plain otherwise. GUI thread only.
#pragma once

#include "skin_controls/ks_custom_edit.h"
#include "skin_controls/se_skin_control.h"

namespace brisat {

class TSeSkinEdit : public TSeSkinControl<TKsCustomEdit> {
public:
    explicit TSeSkinEdit(TComponent* owner) : TSeSkinControl(owner, "Edit") {}
    std::string ClassName() const override { return "TSeSkinEdit"; }

protected:
    void PaintBackground(const TRect& rect, TKsBitmap& bitmap) override;
    void PaintBorder() override;
    void SkinBound() override;
};

} // namespace brisat
