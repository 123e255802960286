#include "skin_windows/se_skin_menu_bar.h"

#include "skin/objects/skin_object.h"
#include "skin_windows/se_skin_item.h"

#include <algorithm>

namespace brisat {

TSeSkinObject* TSeSkinMenuBar::PlacedFrame() {
    TSeSkinObject* copy = IsSkinned() ? SkinCopy() : nullptr;
    TSeSkinObject* frame = copy ? copy->FindObject("Frame") : nullptr;
    if (frame) frame->SetBounds({0, 0, Width(), Height()});
    return frame;
}

TRect TSeSkinMenuBar::ItemsArea() {
    TSeSkinObject* frame = PlacedFrame();
    if (!frame) return TKsCustomMenuBar::ItemsArea();
    const int32_t left = std::clamp(frame->MarginLeft(), 0, Width());
    const int32_t top = std::clamp(frame->MarginTop(), 0, Height());
    return {left, top, std::max(left, frame->Width() - frame->MarginRight()),
            std::max(top, frame->Height() - frame->MarginBottom())};
}

void TSeSkinMenuBar::PaintFrame() {
    if (TSeSkinObject* frame = PlacedFrame())
        frame->Draw(Buffer());
    else
        TKsCustomMenuBar::PaintFrame();
}

void TSeSkinMenuBar::PrepareItems() {
    TMenuItem& root = Items();
    for (int i = 0; i < root.Count(); ++i)
        if (auto* item = dynamic_cast<TSeSkinItem*>(&root.Items(i))) item->SetSkinEngine(SkinEngine());
}

void TSeSkinMenuBar::SkinBound() {
    PrepareItems();
    TSeSkinObject* copy = IsSkinned() ? SkinCopy() : nullptr;
    const TSeSkinObject* frame = copy ? copy->FindObject("Frame") : nullptr;
    if (frame && frame->Height() > 0) SetBounds(Left(), Top(), Width(), frame->Height());
    UpdateLayout();
}

} // namespace brisat
