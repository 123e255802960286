#include "framework/input_control_classes.h"

#include "framework/class_registry.h"
#include "framework/control_classes.h"
#include "framework/track_bar.h"

namespace brisat {

const TEnumInfo TrackBarOrientationInfo{"TTrackBarOrientation", {"trHorizontal", "trVertical"}};
const TEnumInfo TickMarkInfo{"TTickMark", {"tmBottomRight", "tmTopLeft", "tmBoth"}};
const TEnumInfo TickStyleInfo{"TTickStyle", {"tsNone", "tsAuto", "tsManual"}};

namespace {

void RegisterTrackBar(TClassRegistry& registry) {
    using T = TTrackBar;
    TClassDeclaration<T>("TTrackBar", "TCustomControl")
        .Integer("LineSize", &T::LineSize, &T::SetLineSize,
                 [](const T& t) { return t.LineSize() != 1; })
        .Integer("Max", &T::Max, &T::SetMax, [](const T& t) { return t.Max() != 10; })
        .Integer("Min", &T::Min, &T::SetMin, [](const T& t) { return t.Min() != 0; })
        .Enumeration("Orientation", TrackBarOrientationInfo, &T::Orientation, &T::SetOrientation,
                     [](const T& t) { return t.Orientation() != TTrackBarOrientation::trHorizontal; })
        .Integer("PageSize", &T::PageSize, &T::SetPageSize,
                 [](const T& t) { return t.PageSize() != 2; })
        .Integer("Frequency", &T::Frequency, &T::SetFrequency,
                 [](const T& t) { return t.Frequency() != 1; })
        .Integer("Position", &T::Position, &T::SetPosition,
                 [](const T& t) { return t.Position() != 0; })
        .Boolean("SliderVisible", &T::SliderVisible, &T::SetSliderVisible,
                 [](const T& t) { return !t.SliderVisible(); })
        .Integer("SelEnd", &T::SelEnd, &T::SetSelEnd, [](const T& t) { return t.SelEnd() != 0; })
        .Integer("SelStart", &T::SelStart, &T::SetSelStart,
                 [](const T& t) { return t.SelStart() != 0; })
        .Integer("ThumbLength", &T::ThumbLength, &T::SetThumbLength,
                 [](const T& t) { return t.ThumbLength() != 20; })
        .Enumeration("TickMarks", TickMarkInfo, &T::TickMarks, &T::SetTickMarks,
                     [](const T& t) { return t.TickMarks() != TTickMark::tmBottomRight; })
        .Enumeration("TickStyle", TickStyleInfo, &T::TickStyle, &T::SetTickStyle,
                     [](const T& t) { return t.TickStyle() != TTickStyle::tsAuto; })
        .Register(registry);
}

} // namespace

void RegisterInputControlClasses(TClassRegistry& registry) {
    RegisterTrackBar(registry);
}

void RegisterInputControlClasses() {
    static const bool registered = [] {
        RegisterControlClasses();
        RegisterInputControlClasses(TClassRegistry::Instance());
        return true;
    }();
    (void)registered;
}

} // namespace brisat
