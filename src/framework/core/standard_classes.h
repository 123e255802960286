// The framework's own persistent classes: TPersistent (the root), TComponent (Tag) and TFont.
#pragma once

#include "framework/core/property.h"

namespace brisat {

class TClassRegistry;

extern const TEnumInfo FontStyleInfo; // fsBold, fsItalic, fsUnderline, fsStrikeOut
extern const TEnumInfo FontPitchInfo; // fpDefault, fpVariable, fpFixed

void RegisterStandardClasses(TClassRegistry& registry);

} // namespace brisat
