// Registration of the self-drawn control classes in the framework's class registry, so window
// layouts can hold them.
#pragma once

namespace brisat {

class TClassRegistry;

// Registers the classes (after the framework's and the skin engine's) once; later calls do
// nothing.
void RegisterSkinControlClasses();
void RegisterSkinControlClasses(TClassRegistry& registry);

} // namespace brisat
