// TSeSkinButton: the push button drawn with the skin object "Button": its child "Face" (or the
// object itself) in the button's state, the caption in the font of the child "Text" for that
// state. ShowCaption off draws the caption plain; ShowGlyph off leaves the glyph out of the
// skinned look. GUI thread only.
#pragma once

#include "skin/objects/skin_object_types.h"
#include "skin_controls/ks_custom_button.h"
#include "skin_controls/se_skin_control.h"

namespace brisat {

class TSeSkinButton : public TSeSkinControl<TKsCustomButton> {
public:
    explicit TSeSkinButton(TComponent* owner);
    std::string ClassName() const override { return "TSeSkinButton"; }

    bool ShowGlyph() const { return m_showGlyph; }
    void SetShowGlyph(bool value) { m_showGlyph = value; }
    bool ShowCaption() const { return m_showCaption; }
    void SetShowCaption(bool value) { m_showCaption = value; }

    // The skin state of the button: disabled, pressed, hot, focused or normal.
    TSeState SkinState() const;

protected:
    void PaintFace() override;
    void PaintCaption() override;
    void PaintGlyph() override;

private:
    bool m_showGlyph = true;
    bool m_showCaption = true;
};

} // namespace brisat
