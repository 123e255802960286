// The persistent classes of the window decorations (TZeltClock, TZeltLiquidLabel,
// TZeltShellAbout) for the layouts.
#pragma once

namespace brisat {

class TClassRegistry;

// Registers the classes (after the plain controls they derive from) once; later calls do
// nothing.
void RegisterEffectsClasses();
void RegisterEffectsClasses(TClassRegistry& registry);

} // namespace brisat
