// The persistent classes of the media controls that layouts hold: TFilterGraph and TDSTrackBar,
// with their properties, events and component references.
#pragma once

#include "framework/core/property.h"

namespace brisat {

class TClassRegistry;

extern const TEnumInfo GraphModeInfo;

// Registers the classes (the track bar's own classes first); registering again does nothing.
void RegisterFilterGraphClasses(TClassRegistry& registry);

} // namespace brisat
