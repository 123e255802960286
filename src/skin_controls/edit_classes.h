// Registration of the skinned edit and combo box classes, their enumerations and properties.
#pragma once

namespace brisat {

class TClassRegistry;

void RegisterEditClasses(TClassRegistry& registry);

} // namespace brisat
