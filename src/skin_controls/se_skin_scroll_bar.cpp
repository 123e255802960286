#include "skin_controls/se_skin_scroll_bar.h"

#include "skin/bitmap/pixel.h"
#include "skin/objects/skin_object.h"

namespace brisat {

TSeSkinScrollBar::TSeSkinScrollBar(TComponent* owner)
    : TSeSkinControl<TKsCustomScrollBar>(owner, "ScrollBar") {
    SetBorderWidth(0);
}

TSeSkinObject* TSeSkinScrollBar::Child(const char* name, const char* fallback) const {
    if (!IsSkinned()) return nullptr;
    TSeSkinObject* found = SkinCopy()->FindObject(name);
    return found || !fallback ? found : SkinCopy()->FindObject(fallback);
}

TSeSkinObject* TSeSkinScrollBar::Frame() const {
    return Child(Vertical() ? "VertFrame" : "HorzFrame", "Frame");
}

int32_t TSeSkinScrollBar::GetButtonSize() const {
    if (const TSeSkinObject* button = Child(Vertical() ? "TopButton" : "LeftButton"))
        return Vertical() ? button->Height() : button->Width();
    return TKsCustomScrollBar::GetButtonSize();
}

// A bound skin gives the bar the thickness of its frame.
void TSeSkinScrollBar::SkinBound() {
    FitThickness();
}

void TSeSkinScrollBar::FitThickness() {
    const TSeSkinObject* frame = Frame();
    if (!frame) return TKsCustomScrollBar::FitThickness();
    if (Vertical() && frame->Width() > 0)
        SetBounds(Left(), Top(), frame->Width(), Height());
    else if (!Vertical() && frame->Height() > 0)
        SetBounds(Left(), Top(), Width(), frame->Height());
}

TSeState TSeSkinScrollBar::PartState(bool pressed, bool hot) const {
    if (!Enabled()) return 8;
    if (pressed) return 6;
    return hot ? 5 : 0;
}

void TSeSkinScrollBar::DrawPart(TSeSkinObject* part, const TRect& rect, TSeState state) {
    if (!part || IsRectEmpty(rect)) return;
    part->SetBounds(rect);
    part->SetState(state);
    part->Draw(Buffer());
}

void TSeSkinScrollBar::PaintBuffer() {
    if (!IsSkinned()) return TKsCustomScrollBar::PaintBuffer();
    TKsGraphicControl::PaintBuffer();
    DrawPart(Frame(), ControlRect(), PartState(false, false));
    if (ShowButtons()) {
        DrawPart(Child(Vertical() ? "TopButton" : "LeftButton"), GetFirstButtonRect(),
                 PartState(PressedAndHot(FirstButton), Hot(FirstButton)));
        DrawPart(Child(Vertical() ? "BottomButton" : "RightButton"), GetSecondButtonRect(),
                 PartState(PressedAndHot(SecondButton), Hot(SecondButton)));
    }
    if (!ThumbPresent()) return;
    DrawPart(Child(Vertical() ? "VertSlider" : "HorzSlider", "Slider"), GetThumbRect(),
             PartState(Dragging(), ThumbHot()));
    if (PressedAndHot(PageBack)) PaintPressedArea(GetPageBackRect());
    if (PressedAndHot(PageForward)) PaintPressedArea(GetPageForwardRect());
}

void TSeSkinScrollBar::PaintPressedArea(const TRect& rect) {
    if (!IsSkinned()) return TKsCustomScrollBar::PaintPressedArea(rect);
    Buffer().FillRect(rect, 0xFF000000);
}

} // namespace brisat
