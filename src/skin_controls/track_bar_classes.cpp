#include "skin_controls/track_bar_classes.h"

#include "framework/core/class_registry.h"
#include "framework/core/range_check.h"
#include "framework/widgets/input_control_classes.h"
#include "skin_controls/se_skin_track_bar.h"
#include "skin_controls/skin_control_properties.h"

namespace brisat {
namespace {

// A layout's ThumbHalfWidth must fit the 16-bit field; anything else is an error, not a wrap.
void SetThumbHalfWidthChecked(TKsCustomTrackBar& bar, int32_t value) {
    CheckRange("ThumbHalfWidth", value, 0, 0xFFFF);
    bar.SetThumbHalfWidth(uint16_t(value));
}

template <class T> TClassDeclaration<T>& TrackBarProperties(TClassDeclaration<T>& d) {
    return d
        .Enumeration("Orientation", TrackOrientationInfo, &T::Orientation, &T::SetOrientation,
                     [](const T& t) { return t.Orientation() != TTrackOrientation::toHorizontal; })
        .Integer("Min", &T::Min, &T::SetMin, [](const T& t) { return t.Min() != 0; })
        .Integer("Max", &T::Max, &T::SetMax, [](const T& t) { return t.Max() != 10; })
        .Integer("Position", &T::Position, &T::SetPosition,
                 [](const T& t) { return t.Position() != 3; })
        .Boolean("ShowTicks", &T::ShowTicks, &T::SetShowTicks,
                 [](const T& t) { return !t.ShowTicks(); })
        .Integer(
            "ThumbHalfWidth", [](const T& t) { return int32_t(t.ThumbHalfWidth()); },
            [](T& t, int32_t v) { SetThumbHalfWidthChecked(t, v); },
            [](const T& t) { return t.ThumbHalfWidth() != 4; })
        .Enumeration("TickMarks", TickMarkInfo, &T::TickMarks, &T::SetTickMarks,
                     [](const T& t) { return t.TickMarks() != TTickMark::tmBottomRight; })
        .Integer("LineSize", &T::LineSize, &T::SetLineSize,
                 [](const T& t) { return t.LineSize() != 1; })
        .Integer("PageSize", &T::PageSize, &T::SetPageSize,
                 [](const T& t) { return t.PageSize() != 2; })
        .Integer("Frequency", &T::Frequency, &T::SetFrequency,
                 [](const T& t) { return t.Frequency() != 1; })
        .Boolean("ThumbVisible", &T::ThumbVisible, &T::SetThumbVisible,
                 [](const T& t) { return !t.ThumbVisible(); })
        .Enumeration("IntervalHighlightType", IntervalHighlightTypeInfo,
                     &T::IntervalHighlightType, &T::SetIntervalHighlightType,
                     [](const T& t) {
                         return t.IntervalHighlightType() != TIntervalHighlightType::htNone;
                     })
        .template Event<TNotifyEvent>("OnChange",
                                      [](T& t, const TNotifyEvent& f) { t.OnChange = f; });
}

} // namespace

void RegisterTrackBarClasses(TClassRegistry& registry) {
    TClassDeclaration<TKsCustomTrackBar> plain("TKsCustomTrackBar", "TKsCustomControl");
    TrackBarProperties(plain).Register(registry);
    TClassDeclaration<TSeSkinTrackBar> skinned("TSeSkinTrackBar", "TKsCustomTrackBar");
    SkinBindingProperties(skinned).Register(registry);
}

} // namespace brisat
