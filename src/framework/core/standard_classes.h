// The framework's own persistent classes: TPersistent (the root), TComponent (Tag) and TFont.
#pragma once

#include "framework/core/property.h"

namespace brisat {

class TClassRegistry;

extern const TEnumInfo FontStyleInfo;
extern const TEnumInfo FontPitchInfo;

void RegisterStandardClasses(TClassRegistry& registry);

} // namespace brisat
