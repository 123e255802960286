// The track-bar and scroll-bar rows of the gallery.
#include "control_gallery_families.h"

#include "skin_controls/se_skin_scroll_bar.h"
#include "skin_controls/se_skin_track_bar.h"

namespace brisat {
namespace {

using T = TSeSkinTrackBar;
using S = TSeSkinScrollBar;

// A point along the bar's axis at Along and across it at Across.
TPoint AxisPoint(bool vertical, int32_t along, int32_t across) {
    return vertical ? TPoint{across, along} : TPoint{along, across};
}

// The middle of the thumb's shape across the channel, at the thumb's centre along it.
TPoint ThumbCentre(T& bar) {
    const bool vertical = bar.Orientation() == TTrackOrientation::toVertical;
    const int32_t along = bar.ValueToPixel(bar.Position());
    const int32_t thickness = vertical ? bar.Width() : bar.Height();
    int32_t first = -1, last = -1;
    for (int32_t across = 0; across < thickness; ++across) {
        const TPoint p = AxisPoint(vertical, along, across);
        if (!bar.ThumbHitTest(p.X, p.Y)) continue;
        if (first < 0) first = across;
        last = across;
    }
    return AxisPoint(vertical, along, first < 0 ? thickness / 2 : (first + last) / 2);
}

// The player's volume bar (horizontal) and zoom bar (vertical): ticks hidden, a narrow thumb.
void SetUpTrackBar(T& bar, bool vertical) {
    bar.SetThumbHalfWidth(2);
    bar.SetShowTicks(false);
    bar.SetTickMarks(TTickMark::tmTopLeft);
    if (vertical) bar.SetOrientation(TTrackOrientation::toVertical);
    bar.SetMax(100);
    bar.SetFrequency(10);
    bar.SetPosition(40);
}

} // namespace

TGalleryFamily TrackBarFamily(bool vertical) {
    auto family = vertical ? Family<T>("Vertical track bar: TSeSkinTrackBar", 26, 84,
                                       [](T& b) { SetUpTrackBar(b, true); })
                           : Family<T>("Horizontal track bar: TSeSkinTrackBar", 160, 26,
                                       [](T& b) { SetUpTrackBar(b, false); });
    const TPoint dragBy = AxisPoint(vertical, 30, 0);
    family.States = {
        State<T>("normal", [](TGalleryStage&, T&) {}),
        State<T>("thumb hot", [](TGalleryStage& s, T& b) { s.Hover(b, ThumbCentre(b)); }),
        State<T>("dragged",
                 [dragBy](TGalleryStage& s, T& b) {
                     const TPoint from = ThumbCentre(b);
                     s.Drag(b, from, {from.X + dragBy.X, from.Y + dragBy.Y});
                 }),
        State<T>("focused", [](TGalleryStage& s, T& b) { s.Focus(b); }),
        State<T>("disabled", [](TGalleryStage&, T& b) { b.SetEnabled(false); }),
        State<T>("low interval",
                 [](TGalleryStage&, T& b) {
                     b.SetIntervalHighlightType(TIntervalHighlightType::htLowInterval);
                 }),
        State<T>("ticks", [](TGalleryStage&, T& b) { b.SetShowTicks(true); }),
    };
    return family;
}

TGalleryFamily ScrollBarFamily(bool vertical) {
    auto family = vertical ? Family<S>("Vertical scroll bar: TSeSkinScrollBar", 17, 84,
                                       [](S& b) {
                                           // Bound to the skin as a horizontal bar, it took
                                           // the horizontal thickness as its height.
                                           b.SetKind(TScrollBarKind::sbVertical);
                                           b.SetBounds(b.Left(), b.Top(), 17, 84);
                                           b.SetPageSize(20);
                                           b.FitThickness();
                                       })
                           : Family<S>("Horizontal scroll bar: TSeSkinScrollBar", 140, 17,
                                       [](S& b) {
                                           b.SetPageSize(20);
                                           b.FitThickness();
                                       });
    const auto thumb = [](S& b) { return Centre(b.GetThumbRect()); };
    const auto first = [](S& b) { return Centre(b.GetFirstButtonRect()); };
    const auto second = [](S& b) { return Centre(b.GetSecondButtonRect()); };
    const TPoint dragBy = AxisPoint(vertical, 20, 0);
    family.States = {
        State<S>("normal", [](TGalleryStage&, S&) {}),
        State<S>("button hot", [second](TGalleryStage& s, S& b) { s.Hover(b, second(b)); }),
        State<S>("button pressed", [first](TGalleryStage& s, S& b) {
            b.SetPosition(50);
            s.Press(b, first(b));
        }),
        State<S>("thumb hot", [thumb](TGalleryStage& s, S& b) { s.Hover(b, thumb(b)); }),
        State<S>("thumb dragged",
                 [thumb, dragBy](TGalleryStage& s, S& b) {
                     const TPoint from = thumb(b);
                     s.Drag(b, from, {from.X + dragBy.X, from.Y + dragBy.Y});
                 }),
        State<S>("disabled", [](TGalleryStage&, S& b) { b.SetEnabled(false); }),
        State<S>("middle", [](TGalleryStage&, S& b) { b.SetPosition((b.Min() + b.Max()) / 2); }),
        State<S>("end", [](TGalleryStage&, S& b) { b.SetPosition(b.Max()); }),
    };
    return family;
}

} // namespace brisat
