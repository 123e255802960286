#include "skin_controls/se_edit_frame.h"

#include "skin/objects/skin_object.h"
#include "skin_controls/ks_custom_edit.h"

namespace brisat {

TSeState EditSkinState(const TKsCustomEdit& edit, bool hot) {
    if (!edit.Enabled()) return ssDisabled;
    if (hot) return ssHot;
    return edit.Focused() ? ssFocused : ssNormal;
}

void DrawEditFrame(TSeSkinObject& copy, TKsBitmap& target, const TRect& control,
                   const TRect& background, TBorderStyle border, TSeState state) {
    TSeSkinObject* frame = copy.FindObject("Frame");
    if (!frame) frame = &copy;
    TRect rect = control;
    if (border == TBorderStyle::bsNone)
        rect = {background.Left - frame->MarginLeft(), background.Top - frame->MarginTop(),
                background.Right + frame->MarginRight(),
                background.Bottom + frame->MarginBottom()};
    frame->SetBounds(rect);
    frame->SetState(state);
    frame->Draw(target);
}

void TakeSkinFont(TKsCustomEdit& edit, TSeSkinObject& copy) {
    TSeSkinObject* text = copy.FindObject("Text");
    edit.Font().Assign(text ? text->GetFont() : copy.GetFont());
}

} // namespace brisat
