// Registration of the track bar classes and their enumerations for window layouts.
#pragma once

#include "framework/core/enum_info.h"
#include "skin_controls/ks_track_bar.h"

namespace brisat {

class TClassRegistry;

inline const TEnumInfo TrackOrientationInfo = EnumInfoOf<TTrackOrientation>("TTrackOrientation");
inline const TEnumInfo IntervalHighlightTypeInfo =
    EnumInfoOf<TIntervalHighlightType>("TIntervalHighlightType");

// TKsCustomTrackBar and TSeSkinTrackBar.
void RegisterTrackBarClasses(TClassRegistry& registry);

} // namespace brisat
