#include "skin_controls/se_skin_panel.h"

#include "skin/objects/skin_object.h"

namespace brisat {

TSeSkinPanel::TSeSkinPanel(TComponent* owner) : TSeSkinControl(owner, "Panel") {
    SetTransparent(true);
}

// The skin's caption height replaces the panel's own, which is kept for when the skin goes.
void TSeSkinPanel::SkinBound() {
    if (!m_plainCaptionHeight) m_plainCaptionHeight = CaptionHeight();
    const TSeSkinObject* caption = IsSkinned() ? SkinCopy()->FindObject("Caption") : nullptr;
    SetCaptionHeight(caption ? caption->Height() : *m_plainCaptionHeight);
}

void TSeSkinPanel::PaintFrame() {
    if (!IsSkinned()) return TKsCustomPanel::PaintFrame();
    if (TSeSkinObject* frame = SkinCopy()->FindObject("Frame")) {
        frame->SetBounds(ControlRect());
        frame->Draw(Buffer());
    }
}

TSeSkinObject* TSeSkinPanel::CaptionButtonObject() const {
    const char* name = ButtonKind() == TKsPanelButtonKind::pbkHide ? "ButtonHide"
                       : Rolled()                                  ? "ButtonRolldown"
                                                                   : "ButtonRollup";
    TSeSkinObject* button = SkinCopy()->FindObject(name);
    return button ? button : SkinCopy()->FindObject("Button");
}

void TSeSkinPanel::PaintCaption() {
    if (!IsSkinned()) return TKsCustomPanel::PaintCaption();
    if (!ShowCaption()) return;
    const TRect rect = GetCaptionRect();
    if (TSeSkinObject* caption = SkinCopy()->FindObject("Caption")) {
        caption->SetBounds(rect);
        caption->Draw(Buffer());
        Buffer().SetFont(caption->GetFont());
    }
    PaintCaptionText(rect);
    if (!ShowButton()) return;
    if (TSeSkinObject* button = CaptionButtonObject()) {
        button->SetState(ButtonPressed() ? ssPressed : ButtonHot() ? ssHot : ssNormal);
        button->SetBounds(GetButtonRect());
        button->Draw(Buffer());
    }
}

} // namespace brisat
