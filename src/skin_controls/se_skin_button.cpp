#include "skin_controls/se_skin_button.h"

#include "skin/objects/skin_object.h"

namespace brisat {

TSeSkinButton::TSeSkinButton(TComponent* owner) : TSeSkinControl(owner, "Button") {}

TSeState TSeSkinButton::SkinState() const {
    if (!Enabled()) return ssDisabled;
    if (Pressed()) return ssPressed;
    if (MouseInControl()) return ssHot;
    if (Focused() || Active()) return ssFocused;
    return ssNormal;
}

void TSeSkinButton::PaintFace() {
    if (!IsSkinned()) return TKsCustomButton::PaintFace();
    TSeSkinObject* face = SkinCopy()->FindObject("Face");
    if (!face) face = SkinCopy();
    face->SetState(SkinState());
    face->SetBounds(ControlRect());
    face->Draw(Buffer());
}

void TSeSkinButton::PaintCaption() {
    if (!IsSkinned() || !m_showCaption) return TKsCustomButton::PaintCaption();
    TSeSkinObject* text = SkinCopy()->FindObject("Text");
    if (!text) text = SkinCopy();
    text->SetState(SkinState());
    Buffer().SetFont(text->GetFont());
    DrawCaptionText(Buffer().Font().Color());
}

void TSeSkinButton::PaintGlyph() {
    if (!IsSkinned() || m_showGlyph) TKsCustomButton::PaintGlyph();
}

} // namespace brisat
