// Registration of the skin object classes (and of TKsBitmapLink, which they stream) in the
// framework's class registry, and the name tables of their enumerations.
#pragma once

#include "framework/core/property.h"

namespace brisat {

extern const TEnumInfo SeAlignInfo;
extern const TEnumInfo SeKindInfo;
extern const TEnumInfo SeTextAlignInfo;
extern const TEnumInfo SeTextEffectInfo;
extern const TEnumInfo ScTileStyleInfo;
extern const TEnumInfo SeActionInfo;
extern const TEnumInfo SeRollKindInfo;

// Registers the seventeen classes in their fixed order; later calls do nothing. Constructing any
// skin object calls it, so only readers that meet class names first need to call it themselves.
void RegisterSkinObjectClasses();

} // namespace brisat
