#include "skin_controls/se_skin_scroll_bar.h"

#include "skin/bitmap/pixel.h"
#include "skin/objects/skin_object.h"

namespace brisat {

TSeSkinScrollBar::TSeSkinScrollBar(TComponent* owner)
    : TSeSkinControl<TKsCustomScrollBar>(owner, "ScrollBar") {
    SetBorderWidth(0);
}

// The parts are looked up once per bound copy: lookups allocate, paints must not.
void TSeSkinScrollBar::FindParts() {
    m_parts = {};
    TSeSkinObject* copy = SkinCopy();
    if (!copy) return;
    const auto find = [copy](const char* name, const char* fallback = nullptr) {
        TSeSkinObject* found = copy->FindObject(name);
        return found || !fallback ? found : copy->FindObject(fallback);
    };
    m_parts.Frame[0] = find("HorzFrame", "Frame");
    m_parts.Frame[1] = find("VertFrame", "Frame");
    m_parts.FirstButton[0] = find("LeftButton");
    m_parts.FirstButton[1] = find("TopButton");
    m_parts.SecondButton[0] = find("RightButton");
    m_parts.SecondButton[1] = find("BottomButton");
    m_parts.Slider[0] = find("HorzSlider", "Slider");
    m_parts.Slider[1] = find("VertSlider", "Slider");
}

TSeSkinObject* TSeSkinScrollBar::Part(TSeSkinObject* const (&pair)[2]) const {
    return IsSkinned() ? pair[Vertical()] : nullptr;
}

TSeSkinObject* TSeSkinScrollBar::Frame() const {
    return Part(m_parts.Frame);
}

int32_t TSeSkinScrollBar::GetButtonSize() const {
    if (const TSeSkinObject* button = Part(m_parts.FirstButton))
        return Vertical() ? button->Height() : button->Width();
    return TKsCustomScrollBar::GetButtonSize();
}

// A bound skin gives the bar the thickness of its frame.
void TSeSkinScrollBar::SkinBound() {
    FindParts();
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
        DrawPart(Part(m_parts.FirstButton), GetFirstButtonRect(),
                 PartState(PressedAndHot(FirstButton), Hot(FirstButton)));
        DrawPart(Part(m_parts.SecondButton), GetSecondButtonRect(),
                 PartState(PressedAndHot(SecondButton), Hot(SecondButton)));
    }
    if (!ThumbPresent()) return;
    DrawPart(Part(m_parts.Slider), GetThumbRect(),
             PartState(Dragging(), ThumbHot()));
    if (PressedAndHot(PageBack)) PaintPressedArea(GetPageBackRect());
    if (PressedAndHot(PageForward)) PaintPressedArea(GetPageForwardRect());
}

void TSeSkinScrollBar::PaintPressedArea(const TRect& rect) {
    if (!IsSkinned()) return TKsCustomScrollBar::PaintPressedArea(rect);
    Buffer().FillRect(rect, 0xFF000000);
}

} // namespace brisat
