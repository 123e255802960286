// The persistent classes of the video window for layouts: TDSVideoWindowEx2 with its properties
// and events, and TColorControl, stored as the window's "ColorControl." sub-properties.
#pragma once

#include "framework/core/property.h"

namespace brisat {

class TClassRegistry;

extern const TEnumInfo RatioModesInfo;

// Registers the classes (and the control classes they derive from) in Registry.
void RegisterVideoWindowClasses(TClassRegistry& registry);

} // namespace brisat
