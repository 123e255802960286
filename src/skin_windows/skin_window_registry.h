// Registration of the skinned frame and menu classes in the framework's class registry, so
// window layouts can hold them.
#pragma once

namespace brisat {

class TClassRegistry;

// Registers the classes (after the self-drawn controls') once; later calls do nothing.
void RegisterSkinWindowClasses();
void RegisterSkinWindowClasses(TClassRegistry& registry);

} // namespace brisat
