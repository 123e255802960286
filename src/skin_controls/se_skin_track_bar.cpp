#include "skin_controls/se_skin_track_bar.h"

#include "skin/objects/skin_object.h"

namespace brisat {
namespace {

// The skinned ticks' colour.
constexpr TKsPixel TickPixel = 0xFF003399;

} // namespace

TSeSkinTrackBar::TSeSkinTrackBar(TComponent* owner)
    : TSeSkinControl<TKsCustomTrackBar>(owner, "TrackBar") {
    SetTransparent(true);
}

TSeSkinObject* TSeSkinTrackBar::FindChild(std::initializer_list<std::string_view> names) const {
    TSeSkinObject* copy = SkinCopy();
    if (!copy || !IsSkinned()) return nullptr;
    for (std::string_view name : names)
        if (TSeSkinObject* found = copy->FindObject(name)) return found;
    return nullptr;
}

TSeSkinObject* TSeSkinTrackBar::FrameChild() const {
    return Vertical() ? FindChild({"FrameVert", "Frame"}) : FindChild({"FrameHorz", "Frame"});
}

TSeSkinObject* TSeSkinTrackBar::SizeThumbChild() const {
    return Vertical() ? FindChild({"ThumbVert", "Thumb"}) : FindChild({"ThumbHorz", "Thumb"});
}

TSeSkinObject* TSeSkinTrackBar::DrawThumbChild() const {
    switch (TickMarks()) {
    case TTickMark::tmBottomRight:
        return Vertical() ? FindChild({"ThumbVertRight", "ThumbVert", "Thumb"})
                          : FindChild({"ThumbHorzBottom", "ThumbHorz", "Thumb"});
    case TTickMark::tmTopLeft:
        return Vertical() ? FindChild({"ThumbVertLeft", "ThumbVert", "Thumb"})
                          : FindChild({"ThumbHorzTop", "ThumbHorz", "Thumb"});
    case TTickMark::tmBoth:
        break;
    }
    return SizeThumbChild();
}

int32_t TSeSkinTrackBar::GetThumbSize() const {
    const TSeSkinObject* thumb = SizeThumbChild();
    if (!thumb) return TKsCustomTrackBar::GetThumbSize();
    return Vertical() ? thumb->Height() : thumb->Width();
}

int32_t TSeSkinTrackBar::SkinThumbCrossSize() const {
    const TSeSkinObject* thumb = SizeThumbChild();
    if (!thumb) return 0;
    return Vertical() ? thumb->Width() : thumb->Height();
}

int32_t TSeSkinTrackBar::GetMargin() const {
    const TSeSkinObject* frame = FrameChild();
    if (!frame) return TKsCustomTrackBar::GetMargin();
    return Vertical() ? frame->MarginTop() : frame->MarginLeft();
}

int32_t TSeSkinTrackBar::GetChannelOffset() const {
    const TSeSkinObject* frame = FrameChild();
    if (!frame) return TKsCustomTrackBar::GetChannelOffset();
    return Vertical() ? frame->MarginLeft() : frame->MarginTop();
}

// The track keeps its own thickness, centred across the channel; the highlight covers its
// stretch of the track.
void TSeSkinTrackBar::PaintChannel(int32_t from, int32_t to, int32_t thumbPosition) {
    if (!IsSkinned()) return TKsCustomTrackBar::PaintChannel(from, to, thumbPosition);
    TSeSkinObject* track =
        Vertical() ? FindChild({"TrackVert", "Track"}) : FindChild({"TrackHorz", "Track"});
    if (!track) return;
    const TRect channel = ChannelRect(from, to);
    TRect r = channel;
    if (Vertical()) {
        r.Left = channel.Left + (channel.Width() - track->Width()) / 2;
        r.Right = r.Left + track->Width();
    } else {
        r.Top = channel.Top + (channel.Height() - track->Height()) / 2;
        r.Bottom = r.Top + track->Height();
    }
    track->SetBounds(r);
    track->Draw(Buffer());
    TSeSkinObject* highlight = Vertical() ? FindChild({"HighlightVert", "Highlight"})
                                          : FindChild({"HighlightHorz", "Highlight"});
    const TRect lit = HighlightRect(r, thumbPosition);
    if (!highlight || IsRectEmpty(lit)) return;
    highlight->SetBounds(lit);
    highlight->Draw(Buffer());
}

TSeState TSeSkinTrackBar::ThumbState() const {
    if (!Enabled()) return ssDisabled;
    if (Dragging()) return ssPressed;
    if (ThumbHot()) return ssHot;
    if (Focused()) return ssFocused;
    return ssNormal;
}

void TSeSkinTrackBar::PaintThumb(int32_t thumbPosition) {
    if (!IsSkinned()) return TKsCustomTrackBar::PaintThumb(thumbPosition);
    TSeSkinObject* thumb = DrawThumbChild();
    if (!thumb) return;
    thumb->SetBounds(ThumbRect(thumbPosition));
    thumb->SetState(ThumbState());
    thumb->Draw(Buffer());
}

void TSeSkinTrackBar::PaintTick(int32_t value, int32_t position, bool topLeft) {
    if (!IsSkinned()) return TKsCustomTrackBar::PaintTick(value, position, topLeft);
    const bool alwaysLit = Vertical() && !topLeft;
    const TKsPixel pixel = Enabled() || alwaysLit ? TickPixel : ColorToPixel(clBtnShadow, 255);
    Buffer().FillRect(TickRect(value, position, topLeft), pixel);
}

} // namespace brisat
