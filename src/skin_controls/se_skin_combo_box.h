// TSeSkinComboBox: the combo box drawn with the skin object "ComboBox": the child "Frame" as the
// edit's, the child "Button" (its Width, when not 0, is the button's) in the disabled, hot,
// focused or normal state, the child "Text"'s font; its list is a skinned list served by the same
// engine. Plain whenever the skin lacks the object. GUI thread only.
#pragma once

#include "skin_controls/ks_custom_combo_box.h"
#include "skin_controls/se_skin_control.h"

namespace brisat {

class TSeSkinComboBox : public TSeSkinControl<TKsCustomComboBox> {
public:
    explicit TSeSkinComboBox(TComponent* owner);
    std::string ClassName() const override { return "TSeSkinComboBox"; }

protected:
    std::unique_ptr<TKsCustomListBox> CreateDropList() override;
    void AttachDropList() override;
    int32_t GetButtonWidth() const override;
    void PaintBackground(const TRect& rect, TKsBitmap& bitmap) override;
    void PaintBorder() override;
    void PaintButton(const TRect& rect) override;
    void SkinBound() override;

private:
    int32_t m_skinButtonWidth = 0;
};

} // namespace brisat
